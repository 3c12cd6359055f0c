// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/frmzakat4.h"

#include "ui/look.h"

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

        d.heading = {QStringLiteral("زكـــاة الذهب"), twips(8880, 240, 2415, 735)};
        d.quantityCaption = {QStringLiteral("كمية الذهب بالجرام"), twips(8640, 1080, 2655, 615)};
        d.quantityField = {QStringLiteral("اكتب مقدار كمية الذهب"), twips(6000, 1080, 2655, 600)};
        d.compute = twips(10080, 2040, 1215, 495);
        d.dueCaption = {QStringLiteral("مقدار الزكاة الواجبة بالجرام"), twips(6720, 2040, 3255, 495)};
        d.due = twips(7680, 2640, 3255, 735);
        d.dueUnit = {QStringLiteral("جرام من الذهب"), twips(6120, 2760, 1440, 480)};
        d.dueNote = twips(7200, 3480, 4125, 480);
        d.breakdownButton = twips(5520, 4200, 2535, 405);
        d.priceCaption = {QStringLiteral("ثمن الجرام بالعملة "), twips(9360, 4680, 2055, 495)};
        d.priceField = twips(8160, 4680, 1215, 495);
        d.computeValue = twips(8160, 5400, 3255, 585);
        d.value = twips(8160, 6120, 3255, 735);
        d.breakdownRows = {twips(6840, 4800, 1065, 480), twips(6840, 5520, 1065, 480),
                           twips(6840, 6240, 1065, 480), twips(6840, 6960, 1095, 495)};
        d.unitNames = {twips(5760, 4800, 945, 480), twips(5760, 5520, 915, 465),
                       twips(5520, 6240, 1185, 480), twips(5520, 6960, 1185, 480)};
        d.fractionStore = twips(1320, 2760, 3225, 600);
        d.wholeStore = twips(1440, 3480, 3165, 555);
        d.notes = {MetalDesign::Item{QStringLiteral("1- نصاب الذهب هو 20 مثقالا وهو = 85  جرام"),
                                     twips(240, 360, 5160, 600)},
                   MetalDesign::Item{QStringLiteral("2 - يشترط بلوغ النصاب وأن يحول عليه الحول"),
                                     twips(240, 960, 5280, 600)},
                   MetalDesign::Item{QStringLiteral("3 - مقدار الزكاة هو ربع العشر ويساوي 2.5 %"),
                                     twips(360, 1680, 5160, 600)}};
        d.noteFonts = {designFont(Face::TimesNewRoman, 15.75, Bold),
                       designFont(Face::MsSansSerif, 13.5, Bold),
                       designFont(Face::MsSansSerif, 13.5, Bold)};
        d.back = twips(9720, 7560, 1935, 735);
        d.exit = twips(360, 7200, 2055, 735);

        d.notesFrame = twips(240, 120, 5415, 2415);
        d.dueFrame = twips(6120, 2640, 5175, 735);
        d.valueFrame = twips(8160, 6120, 3255, 735);
        d.rowFrames = {twips(5520, 4680, 2535, 735), twips(5520, 5400, 2535, 735),
                       twips(5520, 6120, 2535, 735), twips(5520, 6840, 2535, 735)};
        d.lineFrom = twipsPoint(6720, 4680);
        d.lineTo = twipsPoint(6720, 7560);

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

frmzakat4::frmzakat4() : MetalScreen(goldDesign()) {}
