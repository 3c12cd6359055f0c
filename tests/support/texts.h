// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

// The texts the tests expect the windows to show, written out here once and
// independently of the program, so that a changed blank in the program is
// caught.
namespace Expected {

// The warning titles.
inline const QString kNoticeTitle = QStringLiteral(" تنبيه  ");
inline const QString kPriceTitle = QStringLiteral("تنبيه ");
inline const QString kInputErrorTitle = QStringLiteral("خطأ ادخال ");

// Gold, silver and produce: a quantity that is not a number.
inline const QString kDigitsOnly = QStringLiteral(" ادخل ارقام فقط ويدون مسافات بين الارقام");

// Gold.
inline const QString kGoldAboveBound = QStringLiteral(
    " هذا البرنامج يحسب الزكاة لكمية من الذهب أقل من 850000 أي لا يزيد عن 850 كيلو جرام");
inline const QString kGoldPrice = QStringLiteral(" ادخل ثمن الجرام بالارقام فقط");
inline const QString kGoldOutOfRange = QStringLiteral(
    " العملية خارج النطاق ، لكن قسم كمية الذهب الى أجزاء  100 كيلو جرام او أقل  ");
inline const QString kGoldBelowNisab = QStringLiteral("النصاب  هو 85 جرام من الذهب ");

// Silver.
inline const QString kSilverAboveBound =
    QStringLiteral(" هذا البرنامج يحسب الزكاة لكمية من الفضة أقل من 9999999 درهم ");
inline const QString kSilverPrice = QStringLiteral(" ادخل ثمن الدرهم بالارقام فقط");
inline const QString kSilverOutOfRange = QStringLiteral(
    " العملية خارج النطاق ، لكن قسم كمية الفضة الى أجزاء  1000000 او أقل  ");
inline const QString kSilverBelowNisab = QStringLiteral("النصاب  هو 200 درهم فضة ");

// Cash and trade goods.
inline const QString kPartsNotNumbers = QStringLiteral(" ادخل ارقام فقط ");
inline const QString kAmountNotNumber = QStringLiteral(" ادخل ارقام فقط");
inline const QString kAmountTooLarge = QStringLiteral(" الحد الاقصى المسموح به 80 مليار ");
inline const QString kMilliardsTooLarge = QStringLiteral("الحد الاقصى 80 مليار");

// Produce and treasure: the rate names the options write.
inline const QString kTenth = QStringLiteral(" العُشر");
inline const QString kHalfTenth = QStringLiteral(" نصف العُشر");
inline const QString kFifth = QStringLiteral(" الخُمس");
inline const QString kInitialRate = QStringLiteral("العُشر");

// Placeholders and buttons every window shares.
inline const QString kResultPlaceholder = QStringLiteral(".....");
inline const QString kTooSmall = QStringLiteral("....");
inline const QString kNotePlaceholder = QStringLiteral(". . . . . . . . . . . . . . . .");
inline const QString kCompute = QStringLiteral("احسب");
inline const QString kBack = QStringLiteral("رجوع");
inline const QString kExit = QStringLiteral("خروج من البرنامج");

} // namespace Expected
