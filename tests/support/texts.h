// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QHash>
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

// The whole wealth: the verdicts (%1 is the due) and the warnings (%1 names
// the field).
inline const QString kWealthNoWealth = QStringLiteral("لم تكتب مالًا يُزكّى، فلا زكاة عليك.");
inline const QString kWealthDebtsCoverWealth =
    QStringLiteral("الديون التي عليك تستغرق مالك كله، فلا زكاة عليك.");
inline const QString kWealthBothReached =
    QStringLiteral("بلغ مالك نصاب الذهب ونصاب الفضة، فالزكاة الواجبة %1.");
inline const QString kWealthSilverOnlyByLower = QStringLiteral(
    "بلغ مالك نصاب الفضة ولم يبلغ نصاب الذهب، وبالأقل من النصابين فالزكاة الواجبة %1.");
inline const QString kWealthGoldFollowedSilverReached = QStringLiteral(
    "بلغ مالك نصاب الفضة ولم يبلغ نصاب الذهب الذي تتبعه، فلا تجب عليك الزكاة بنصاب الذهب.");
inline const QString kWealthNeitherReached =
    QStringLiteral("لم يبلغ مالك نصاب الذهب ولا نصاب الفضة، فلا زكاة عليك.");
inline const QString kWealthGoldReached =
    QStringLiteral("بلغ مالك نصاب الذهب، فالزكاة الواجبة %1.");
inline const QString kWealthBelowGoldAskSilver = QStringLiteral(
    "لم يبلغ مالك نصاب الذهب، ونصاب الفضة قد يكون أقل منه: اكتب ثمن جرام الفضة لتعرف هل "
    "بلغه مالك.");
inline const QString kWealthBelowGoldFollowed =
    QStringLiteral("لم يبلغ مالك نصاب الذهب الذي تتبعه، فلا زكاة عليك.");
inline const QString kWealthTitle = QStringLiteral("تنبيه");
inline const QString kWealthNotAnAmount =
    QStringLiteral("اكتب في خانة «%1» عددًا لا يقل عن صفر، أو اتركها فارغة");
inline const QString kWealthTooLarge = QStringLiteral(
    "العدد في خانة «%1» أكبر مما يحسبه البرنامج: أكبر عدد تقبله 999999999999999");
inline const QString kWealthGoldPriceMissing = QStringLiteral(
    "ثمن جرام الذهب ناقص: اكتب «ثمن جرام الذهب عيار 24» لتُحسب قيمة الذهب الذي كتبته");
inline const QString kWealthSilverPriceMissing = QStringLiteral(
    "ثمن جرام الفضة ناقص: اكتب «ثمن جرام الفضة الخالصة» لتُحسب قيمة الفضة التي كتبتها");
inline const QString kWealthPercent = QStringLiteral("اكتب في خانة «%1» عددًا من 0 إلى 100");
inline const QString kWealthChosenGoldPriceMissing = QStringLiteral(
    "ثمن جرام الذهب ناقص: اكتب «ثمن جرام الذهب عيار 24» ليُعرف نصاب الذهب الذي تتبعه");
inline const QString kWealthChosenSilverPriceMissing = QStringLiteral(
    "ثمن جرام الفضة ناقص: اكتب «ثمن جرام الفضة الخالصة» ليُعرف نصاب الفضة الذي تتبعه");
inline const QString kWealthNoPrice = QStringLiteral(
    "لا يُعرف النصاب بلا ثمن: اكتب ثمن جرام الذهب أو ثمن جرام الفضة أو كليهما");
inline const QString kWealthNoPriceShown = QStringLiteral("لم يُكتب الثمن");
inline const QString kWealthUnsplit =
    QStringLiteral("الزكاة أكبر من أن تُقسَّم إلى ملايين وآلاف، فهي مكتوبة كاملة");

// Zakat al-Fitr: the sentences (%1 the persons, %2 the kilograms, %3 the
// value) and the warnings, under the whole wealth's title.
inline const QString kFitrFood =
    QStringLiteral("زكاة الفطر عن %1 من الأشخاص: %2 كيلوجرام من قوت البلد.");
inline const QString kFitrFoodAndValue =
    QStringLiteral("زكاة الفطر عن %1 من الأشخاص: %2 كيلوجرام من قوت البلد، وقيمتها %3.");
inline const QString kFitrPersons =
    QStringLiteral("اكتب في خانة «عدد من تُخرج عنهم» عددًا صحيحًا من 1 إلى 99999");
inline const QString kFitrKg =
    QStringLiteral("اكتب في خانة «مقدار الصاع بالكيلوجرام» عددًا أكبر من 0 لا يزيد على 10");
inline const QString kFitrPrice = QStringLiteral(
    "اكتب في خانة «ثمن الكيلوجرام من قوت البلد» عددًا من 0 إلى 99999999، أو اتركها فارغة");
inline const QString kFitrNoPrice = QStringLiteral("لم يُكتب الثمن");

// Placeholders and buttons every window shares.
inline const QString kResultPlaceholder = QStringLiteral(".....");
inline const QString kTooSmall = QStringLiteral("....");
inline const QString kNotePlaceholder = QStringLiteral(". . . . . . . . . . . . . . . .");
inline const QString kCompute = QStringLiteral("احسب");
inline const QString kBack = QStringLiteral("رجوع");
inline const QString kExit = QStringLiteral("خروج من البرنامج");

// The livestock window's note lines.
// The camel notes and dotted runs by their keys, each with its length in
// characters as the schedule gives it.
struct KeyedText {
    QString text;
    int length;
};

inline const QHash<QString, KeyedText> &camelTexts()
{
    static const QHash<QString, KeyedText> texts = {
        {QStringLiteral("N1"), {QStringLiteral("لم تبلغ نصاب الابل وهو خمسة"), 27}},
        {QStringLiteral("N2"), {QStringLiteral("ان لم يكن عندك شاة اشتري واخرجها"), 32}},
        {QStringLiteral("N3"), {QStringLiteral("ان لم يكن عندك شياة اشتري واخرجها"), 33}},
        {QStringLiteral("N4"), {QStringLiteral("ان لم تجد بنت مخاض فأخرج بن لبون ذكر وهي الحالة الوحيدة الي يصلح في الزكاة ذكر الابل "), 85}},
        {QStringLiteral("N5"), {QStringLiteral("بنت المخاض: الانثى التي اكملت سنة ودخلت في الثانية"), 50}},
        {QStringLiteral("N6"), {QStringLiteral(" لا يجوز اخراج أصغر من بنت مخاض"), 31}},
        {QStringLiteral("N7"), {QStringLiteral("ان لم تجد فاخرج بنت  لبون وهي التي اكملت سنتين وتأخذ شاتين من عامل الزكاة أو ما يساويهما من المال"), 97}},
        {QStringLiteral("N8"), {QStringLiteral("بنت لبون:الانثى التي اكملت سنتين ودخلت في الثالثة"), 49}},
        {QStringLiteral("N9"), {QStringLiteral("ان لم تجد بنت  لبون  لك ان تخرج بنت مخاض وهي التي اكملت سنة وتخرج معها شاتين أو ما  يساوي الشاتين من المال"), 106}},
        {QStringLiteral("N10"), {QStringLiteral(" أو  تخرج حقة وهي التي اتمت 3 سنوات وتأخذ من عامل الزكاة شاتين أو ما  يساوي الشاتين من المال"), 92}},
        {QStringLiteral("N11"), {QStringLiteral("الحقة: الانثى التي اكملت 3سنوات ودخلت في الرابعة"), 48}},
        {QStringLiteral("N12"), {QStringLiteral("ان لم تجد الحفة  لك ان تخرج بنت لبون وهي التي اكملت سنتين وتخرج معها شاتين أو ما  يساوي الشاتين من المال"), 104}},
        {QStringLiteral("N13"), {QStringLiteral("  أو  تخرج جذعة وهي التي اكملت 4 سنوات وتأخذ من عامل الزكاة شاتين أو ما  يساوي الشاتين من المال"), 95}},
        {QStringLiteral("N14"), {QStringLiteral("الجذعة: الانثى التي اكملت 4 سنوات ودخلت في الخامسة"), 50}},
        {QStringLiteral("N15"), {QStringLiteral("ان لم تجد الجذعة لك ان تخرج حقة وهي التي اكملت 3 سنوات وتخرج معها شاتين أو ما  يساوي الشاتين من المال"), 101}},
        {QStringLiteral("N16"), {QStringLiteral(" وان أخرجت اكبر من جذعة  اي  أكبر من 5سنوات فيكفي عن الجذعة وليس لك شيء جبران "), 78}},
        {QStringLiteral("N17"), {QStringLiteral("بنت لبون: الانثى التي اكملت سنتين ودخلت في الثالثة"), 50}},
        {QStringLiteral("N18"), {QStringLiteral("ان لم تجد بنت  لبون  لك ان تخرج بنت مخاض وهي التي اتمت سنة وتخرج معها شاتين أو ما  يساوي الشاتين من المال"), 105}},
        {QStringLiteral("N19"), {QStringLiteral("ان لم تجد الحقة لك ان تخرج بنت لبون وهي التي اتمت سنتين و تخرج معها شاتين أو ما  يساوي الشاتين من المال"), 103}},
        {QStringLiteral("N20"), {QStringLiteral(" أو  تخرج جذعة وهي التي اكملت 4 سنوات وتأخذ من عامل الزكاة شاتين أو ما  يساوي الشاتين من المال"), 94}},
        {QStringLiteral("N21"), {QStringLiteral(" ان لم تجد حقة فلك ان تخرج بنت لبون وتخرج معها شاتين أو ما  يساوي الشاتين من المال"), 82}},
        {QStringLiteral("N22"), {QStringLiteral("ان لم تجد حقة  لك ان تخرج بنت لبون وهي التي اتمت سنتين وتخرج معها شاتين أو ما  يساوي الشاتين من المال"), 101}},
        {QStringLiteral("N23"), {QStringLiteral(" أو  تخرج جذعة وهي التي اتمت 4 سنوات وتأخذ من عامل الزكاة شاتين أو ما  يساوي الشاتين من المال"), 93}},
        {QStringLiteral("N24"), {QStringLiteral("الحقة:الانثى  التي اكملت 3سنوات ودخلت في الرابعة"), 48}},
        {QStringLiteral("N25"), {QStringLiteral(" يجوز اخراج أربع حفات بدلا من خمسة بنت لبون"), 43}},
        {QStringLiteral("N26"), {QStringLiteral(" أو تخرج حقة وهي التي اكملت 3 سنوات ويعطيك عامل الزكاة شاتين او ما يساويهما من المال"), 84}},
        {QStringLiteral("D1"), {QStringLiteral(" . . . . . . . . . . ."), 22}},
        {QStringLiteral("D2"), {QStringLiteral(" . . . . . . . ."), 16}},
        {QStringLiteral("D3"), {QStringLiteral(". . . . . . . . . "), 18}},
        {QStringLiteral("D4"), {QStringLiteral(" . . . . . . . . .  "), 20}},
        {QStringLiteral("D5"), {QStringLiteral(". . . . . . . . . . ."), 21}},
        {QStringLiteral("D6"), {QStringLiteral(" ...................."), 21}},
        {QStringLiteral("D7"), {QStringLiteral(". . . . . . . . . . . "), 22}},
        {QStringLiteral("D8"), {QStringLiteral(" . . . . . . . . . . . ."), 24}},
        {QStringLiteral("D9"), {QStringLiteral(". . . . . . . . . . . . "), 24}},
    };
    return texts;
}

// The cattle notes and runs of full stops by short keys: n1 to n11 for the
// notes, sp for the spaced stops, s18 to s23 for the runs (s20 is a blank and
// 20 stops).
inline const QHash<QString, QString> &cattleTexts()
{
    static const QHash<QString, QString> texts = {
        {QStringLiteral("n1"), QStringLiteral("لم تبلغ نصاب البقر وهو 30")},
        {QStringLiteral("n2"), QStringLiteral(" تبيعة : هي  التي اكملت سنة  ودخلت في الثانية")},
        {QStringLiteral("n3"), QStringLiteral(" المسنة : هي  التي اكملت سنتين ")},
        {QStringLiteral("n4"), QStringLiteral("المسنة : هي التي اكملت سنتين")},
        {QStringLiteral("n5"), QStringLiteral("والمسنة هي ما أكملت سنتين")},
        {QStringLiteral("n6"), QStringLiteral("المسنة : هي ما أكملت سنتين")},
        {QStringLiteral("n7"), QStringLiteral("يجوز اخراج تبيع (ذكر) بدلا من تبيعة")},
        {QStringLiteral("n8"), QStringLiteral("يجوز اخراج تبيع (ذكر) بدلا من تبيعة من البقر والجاموس")},
        {QStringLiteral("n9"), QStringLiteral("يجوز اخراج تبيع(ذكر) بدلا من تبيعة")},
        {QStringLiteral("n10"), QStringLiteral("يجوز اخراج 3 مسنة بدلا من 4 تبيعة")},
        {QStringLiteral("n11"), QStringLiteral("يجوز اخراج 3 مسنة بلا من 4 تبيعة")},
        {QStringLiteral("sp"), QStringLiteral(" . . . . . . . . . . .")},
        {QStringLiteral("s18"), QStringLiteral("..................")},
        {QStringLiteral("s20"), QStringLiteral(" ....................")},
        {QStringLiteral("s21"), QStringLiteral(".....................")},
        {QStringLiteral("s22"), QStringLiteral("......................")},
        {QStringLiteral("s23"), QStringLiteral(".......................")},
    };
    return texts;
}

// A camel note or dotted run by its key ("N17", "D1"), a cattle one by its
// short key ("n2", "sp", "s21").
inline QString camelNote(const char *key)
{
    return camelTexts().value(QString::fromLatin1(key)).text;
}
inline QString cattleNote(const char *key)
{
    return cattleTexts().value(QString::fromLatin1(key));
}

} // namespace Expected
