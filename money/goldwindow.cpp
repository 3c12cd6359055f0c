// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/goldwindow.h"

#include "ui/look.h"

#include <QPoint>
#include <QRect>

namespace {

const MetalDesign &goldDesign()
{
    static const MetalDesign design = [] {
        MetalDesign d;
        d.objectName = QStringLiteral("frmzakat4");
        // The title bar and the task list name the window in Arabic.
        d.caption = QStringLiteral("زكاة الذهب");
        d.rightToLeft = false; // the title bar keeps its left-to-right layout
        d.rules = &kGoldRules;
        d.quantityMaxLength = 6;
        d.priceMaxLength = 6;

        d.heading = {QStringLiteral("زكـــاة الذهب"), QRect(8880, 240, 2415, 735)};
        d.quantityCaption = {QStringLiteral("كمية الذهب بالجرام"), QRect(8640, 1080, 2655, 615)};
        d.quantityField = {QStringLiteral("اكتب مقدار كمية الذهب"), QRect(6000, 1080, 2655, 600)};
        d.compute = QRect(10080, 2040, 1215, 495);
        d.dueCaption = {QStringLiteral("مقدار الزكاة الواجبة بالجرام"), QRect(6720, 2040, 3255, 495)};
        d.due = QRect(7680, 2640, 3255, 735);
        d.dueUnit = {QStringLiteral("جرام من الذهب"), QRect(6120, 2760, 1440, 480)};
        d.dueNote = QRect(7200, 3480, 4125, 480);
        d.breakdownButton = QRect(5520, 4200, 2535, 405);
        d.priceCaption = {QStringLiteral("ثمن الجرام بالعملة "), QRect(9360, 4680, 2055, 495)};
        d.priceField = QRect(8160, 4680, 1215, 495);
        d.computeValue = QRect(8160, 5400, 3255, 585);
        d.value = QRect(8160, 6120, 3255, 735);
        d.breakdownBoxes = {QRect(6840, 4800, 1065, 480), QRect(6840, 5520, 1065, 480),
                           QRect(6840, 6240, 1065, 480), QRect(6840, 6960, 1095, 495)};
        d.boxNames = {QRect(5760, 4800, 945, 480), QRect(5760, 5520, 915, 465),
                       QRect(5520, 6240, 1185, 480), QRect(5520, 6960, 1185, 480)};
        d.hiddenFraction = QRect(1320, 2760, 3225, 600);
        d.hiddenWholePart = QRect(1440, 3480, 3165, 555);
        d.notes = {MetalDesign::Item{QStringLiteral("1- نصاب الذهب هو 20 مثقالا وهو = 85  جرام"),
                                     QRect(240, 360, 5160, 600)},
                   MetalDesign::Item{QStringLiteral("2 - يشترط بلوغ النصاب وأن يحول عليه الحول"),
                                     QRect(240, 960, 5280, 600)},
                   MetalDesign::Item{QStringLiteral("3 - مقدار الزكاة هو ربع العشر ويساوي 2.5 %"),
                                     QRect(360, 1680, 5160, 600)}};
        d.noteFonts = {FontSpec{Face::TimesNewRoman, 15.75, Bold},
                       FontSpec{Face::MsSansSerif, 13.5, Bold},
                       FontSpec{Face::MsSansSerif, 13.5, Bold}};
        d.back = QRect(9720, 7560, 1935, 735);
        d.exit = QRect(360, 7200, 2055, 735);

        d.notesFrame = QRect(240, 120, 5415, 2415);
        d.dueFrame = QRect(6120, 2640, 5175, 735);
        d.valueFrame = QRect(8160, 6120, 3255, 735);
        d.boxFrames = {QRect(5520, 4680, 2535, 735), QRect(5520, 5400, 2535, 735),
                       QRect(5520, 6120, 2535, 735), QRect(5520, 6840, 2535, 735)};
        d.lineFrom = QPoint(6720, 4680);
        d.lineTo = QPoint(6720, 7560);

        d.tabOrder = {QStringLiteral("Text5"),    QStringLiteral("Text1"),
                      QStringLiteral("Command1"), QStringLiteral("Command5"),
                      QStringLiteral("Command2"), QStringLiteral("Command7")};

        d.belowNisabNote = QStringLiteral("النصاب  هو 85 جرام من الذهب ");
        d.aboveBoundWarning = QStringLiteral(
            " هذا البرنامج يحسب الزكاة لكمية من الذهب أقل من 850000 أي لا يزيد عن 850 كيلو جرام");
        d.priceWarning = QStringLiteral(" ادخل ثمن الجرام بالارقام فقط");
        d.valueWarning = QStringLiteral(
            " العملية خارج النطاق ، لكن قسم كمية الذهب الى أجزاء  100 كيلو جرام او أقل  ");
        return d;
    }();
    return design;
}

} // namespace

GoldWindow::GoldWindow() : MetalWindow(goldDesign()) {}
