// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/silverwindow.h"

#include "ui/look.h"

#include <QPoint>
#include <QRect>

namespace {

const MetalDesign &silverDesign()
{
    static const MetalDesign design = [] {
        MetalDesign d;
        d.objectName = QStringLiteral("frmzakat3");
        d.caption = QStringLiteral("زكاة الفضة");
        d.rightToLeft = true;
        d.rules = &kSilverRules;
        d.quantityMaxLength = 7;
        d.priceMaxLength = 5;

        d.heading = {QStringLiteral("زكــاة الفضة"), QRect(8760, 120, 2415, 735)};
        d.quantityCaption = {QStringLiteral("كمية الفضة  بالدرهم"), QRect(8400, 960, 2655, 615)};
        d.quantityField = {QStringLiteral("اكتب كمية الفضة بالدرهم"), QRect(5520, 960, 2895, 600)};
        d.compute = QRect(9840, 1920, 1215, 495);
        d.dueCaption = {QStringLiteral("مقدار الزكاة الواجبة بالجرام"), QRect(6480, 1920, 3255, 495)};
        d.due = QRect(7440, 2520, 3255, 735);
        d.dueUnit = {QStringLiteral("درهم فضة"), QRect(5880, 2640, 1440, 480)};
        d.dueNote = QRect(6960, 3360, 4125, 480);
        d.breakdownButton = QRect(5280, 4080, 2535, 405);
        d.priceCaption = {QStringLiteral("ثمن الدرهم بالعملة "), QRect(9120, 4560, 2055, 495)};
        d.priceField = QRect(7920, 4560, 1215, 495);
        d.computeValue = QRect(7920, 5280, 3255, 585);
        d.value = QRect(7920, 6000, 3255, 735);
        d.breakdownBoxes = {QRect(6600, 4680, 1065, 480), QRect(6600, 5400, 1065, 480),
                           QRect(6600, 6120, 1065, 480), QRect(6600, 6840, 1095, 495)};
        d.boxNames = {QRect(5520, 4680, 945, 480), QRect(5520, 5400, 915, 465),
                       QRect(5280, 6120, 1185, 480), QRect(5280, 6840, 1185, 480)};
        d.hiddenFraction = QRect(1200, 2880, 3225, 600);
        d.hiddenWholePart = QRect(1200, 3480, 3165, 555);
        d.notes = {MetalDesign::Item{QStringLiteral("1- نصاب الفضة هو 200 درهم"),
                                     QRect(0, 240, 5160, 600)},
                   MetalDesign::Item{QStringLiteral("2 - يشترط بلوغ النصاب وأن يحول عليه الحول"),
                                     QRect(0, 840, 5280, 600)},
                   MetalDesign::Item{QStringLiteral("3 - مقدار الزكاة هو ربع العشر ويساوي 2.5 %"),
                                     QRect(120, 1560, 5160, 600)}};
        const FontSpec noteFont{Face::TimesNewRoman, 15.75, Bold};
        d.noteFonts = {noteFont, noteFont, noteFont};
        d.back = QRect(9240, 7320, 1935, 735);
        d.exit = QRect(480, 7080, 1695, 735);

        d.notesFrame = QRect(0, 0, 5415, 2415);
        d.dueFrame = QRect(5880, 2520, 5175, 735);
        d.valueFrame = QRect(7920, 6000, 3255, 735);
        d.boxFrames = {QRect(5280, 4560, 2535, 735), QRect(5280, 5280, 2535, 735),
                       QRect(5280, 6000, 2535, 735), QRect(5280, 6720, 2535, 735)};
        d.lineFrom = QPoint(6480, 4560);
        d.lineTo = QPoint(6480, 7440);

        d.tabOrder = {QStringLiteral("Command5"), QStringLiteral("Command1"),
                      QStringLiteral("Text1"),    QStringLiteral("Text5"),
                      QStringLiteral("Command2"), QStringLiteral("Command7")};

        d.belowNisabNote = QStringLiteral("النصاب  هو 200 درهم فضة ");
        d.aboveBoundWarning =
            QStringLiteral(" هذا البرنامج يحسب الزكاة لكمية من الفضة أقل من 9999999 درهم ");
        d.priceWarning = QStringLiteral(" ادخل ثمن الدرهم بالارقام فقط");
        d.valueWarning = QStringLiteral(
            " العملية خارج النطاق ، لكن قسم كمية الفضة الى أجزاء  1000000 او أقل  ");
        return d;
    }();
    return design;
}

} // namespace

SilverWindow::SilverWindow() : MetalWindow(silverDesign()) {}
