// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/metalscreen.h"

#include "core/numbers.h"
#include "money/metalzakat.h"
#include "ui/accessible.h"
#include "ui/announcer.h"
#include "ui/calculator.h"
#include "ui/desktopactions.h"
#include "ui/look.h"
#include "ui/shapes.h"
#include "ui/window.h"


namespace {

const QString kComputeValue = QStringLiteral("احسب القيمة بالاوراق النقدية");
const QString kBreakdown = QStringLiteral("بالحروف");
const QString kPricePrompt = QStringLiteral("االثمن");
const QString kResultPlaceholder = QStringLiteral(".....");
const QString kBelowNisab = QStringLiteral("....");
const QString kNotePlaceholder = QStringLiteral(". . . . . . . . . . . . . . . .");
const QString kDueNote = QStringLiteral(" ");
const QString kMillionName = QStringLiteral("مليون ");
const QString kThousandName = QStringLiteral("ألف ");
const QString kUnitName = QStringLiteral("ريال أوجنيه");
const QString kHundredthName = QStringLiteral("هللة أو قرش");

// The value in money has no caption of its own; the button that computes it names it.
const QString kValueCaption = QStringLiteral("القيمة بالاوراق النقدية");

// What the line under the due is, said before it.
const QString kNoteCaption = QStringLiteral("ملاحظة");
// How a listener hears the due and its value.
const QString kDueSpoken = QStringLiteral("مقدار الزكاة الواجبة %1 %2");
const QString kValueSpoken = QStringLiteral("، وقيمتها %1");

const QString kQuantityTitle = QStringLiteral(" تنبيه  ");
const QString kPriceTitle = QStringLiteral("تنبيه ");

constexpr int kHundredthsMaxLength = 2;

} // namespace

MetalScreen::MetalScreen(const MetalDesign &d) : m_design(d)
{
    setUpWindow(this, d.objectName, d.caption, twipsSize(11880, 8490), Colour::NightBlue,
                d.rightToLeft);

    // Decoration first, so that it lies beneath the labels.
    new OutlineShape(this, QStringLiteral("Shape2"), d.notesFrame, Colour::White);
    new OutlineShape(this, QStringLiteral("Shape1(0)"), d.dueFrame, Colour::White);
    new OutlineShape(this, QStringLiteral("Shape1(1)"), d.valueFrame, Colour::White);
    for (int i = 0; i < 4; ++i)
        new OutlineShape(this, QStringLiteral("Shape1(%1)").arg(i + 2), d.rowFrames[i],
                         Colour::White);
    new LineShape(this, QStringLiteral("Line1"), d.lineFrom, d.lineTo, Colour::White);

    const QFont captionFont = designFont(Face::Arial, 14.25, Bold);
    const QFont resultFont = designFont(Face::SimplifiedArabic, 18, Bold);
    const QFont unitNameFont = designFont(Face::SimplifiedArabic, 12, Bold);
    const QFont noteFont = designFont(Face::TraditionalArabic, 15.75, Bold);
    auto opaque = [&](const QString &name, const MetalDesign::Item &item, const QFont &font) {
        return new DesignLabel(this, name, item.text, item.bounds, font, Colour::White,
                               Align::Centre, Colour::NightBlue);
    };
    auto yellow = [&](const QString &name, const QString &text, const QRect &bounds,
                      const QFont &font, Qt::Alignment alignment = Align::Centre) {
        return new DesignLabel(this, name, text, bounds, font, Colour::Yellow, alignment);
    };
    auto unitName = [&](const QString &name, const QString &text, const QRect &bounds) {
        auto *label = new DesignLabel(this, name, text, bounds, unitNameFont, Colour::White,
                                      Align::Centre);
        label->hide();
        return label;
    };
    auto button = [&](const QString &name, const QString &text, const QRect &bounds,
                      const QFont &font) {
        return new CommandButton(this, name, text, bounds, font, Colour::Periwinkle);
    };

    lbla1_0 = opaque(QStringLiteral("lbla1(0)"), d.heading,
                     designFont(Face::Arial, 18, Underlined));
    lbla1_0->setLayoutDirection(Qt::LeftToRight);
    Label1[0] = opaque(QStringLiteral("Label1(0)"), d.quantityCaption,
                       designFont(Face::Arial, 15.75, Bold));
    Text1 = new EntryField(this, QStringLiteral("Text1"), d.quantityField.text,
                           d.quantityField.bounds, designFont(Face::SimplifiedArabic, 15.75, Bold),
                           Qt::AlignHCenter, d.quantityMaxLength);
    Command1 = button(QStringLiteral("Command1"), kComputeText, d.compute,
                      designFont(Face::Arial, 12));
    Label1[1] = opaque(QStringLiteral("Label1(1)"), d.dueCaption, captionFont);
    lbl11 = yellow(QStringLiteral("lbl11"), kResultPlaceholder, d.due, resultFont);
    Label10 = yellow(QStringLiteral("Label10"), d.dueUnit.text, d.dueUnit.bounds, noteFont,
                     Align::Right);
    lbl15 = new DesignLabel(this, QStringLiteral("lbl15"), kNotePlaceholder, d.dueNote, noteFont,
                            Colour::LightGreen, Align::Right);
    Command6 = button(QStringLiteral("Command6"), kBreakdown, d.breakdownButton,
                      designFont(Face::SimplifiedArabic, 12, Bold));
    Command6->setEnabled(false);
    Label1[2] = opaque(QStringLiteral("Label1(2)"), d.priceCaption, captionFont);
    Text5 = new EntryField(this, QStringLiteral("Text5"), kPricePrompt, d.priceField,
                           designFont(Face::MsSansSerif, 13.5), Align::Right, d.priceMaxLength);
    Command5 = button(QStringLiteral("Command5"), kComputeValue, d.computeValue,
                      designFont(Face::SimplifiedArabic, 14.25, Bold));
    Label11 = yellow(QStringLiteral("Label11"), kResultPlaceholder, d.value, resultFont);
    Label12 = yellow(QStringLiteral("Label12"), QString(), d.breakdownRows[0], resultFont);
    Label13 = yellow(QStringLiteral("Label13"), QString(), d.breakdownRows[1], resultFont);
    Label14 = yellow(QStringLiteral("Label14"), QString(), d.breakdownRows[2], resultFont);
    Text6 = new EntryField(this, QStringLiteral("Text6"), QString(), d.breakdownRows[3],
                           designFont(Face::SimplifiedArabic, 12, Bold), Qt::AlignHCenter,
                           kHundredthsMaxLength);
    makeHundredthsBox(Text6, Colour::NightBlue);
    Label16 = unitName(QStringLiteral("Label16"), kMillionName, d.unitNames[0]);
    Label18 = unitName(QStringLiteral("Label18"), kThousandName, d.unitNames[1]);
    Label17 = unitName(QStringLiteral("Label17"), kUnitName, d.unitNames[2]);
    Label15 = unitName(QStringLiteral("Label15"), kHundredthName, d.unitNames[3]);
    Label19 = yellow(QStringLiteral("Label19"), QStringLiteral("1"), d.fractionStore, resultFont);
    Label19->hide();
    Label1[3] = yellow(QStringLiteral("Label1(3)"), QStringLiteral("2"), d.wholeStore, resultFont);
    Label1[3]->hide();
    Label2 = yellow(QStringLiteral("Label2"), d.notes[0].text, d.notes[0].bounds, d.noteFonts[0],
                    Align::Right);
    Label3 = yellow(QStringLiteral("Label3"), d.notes[1].text, d.notes[1].bounds, d.noteFonts[1],
                    Align::Right);
    Label4 = yellow(QStringLiteral("Label4"), d.notes[2].text, d.notes[2].bounds, d.noteFonts[2],
                    Align::Right);
    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("Command7"), d.back, QStringLiteral("Command2"),
                       d.exit, Colour::Periwinkle);
    Command7 = backAndExit.back;
    Command2 = backAndExit.exit;
    addCalculatorActions(this, backAndExit, [this] { return summary(); },
                         {lbl11, lbl15, Label11, Label12, Label13, Label14});
    // A screen reader announces each field by the caption beside it, each
    // result with its caption and unit, and the window by its heading.
    setAccessibleName(ui::spokenName(d.heading.text));
    Text1->setAccessibleName(ui::spokenName(d.quantityCaption.text));
    Text5->setAccessibleName(ui::spokenName(d.priceCaption.text));
    Text6->setAccessibleName(kHundredthName);
    lbl11->setSpokenCaption(d.dueCaption.text, d.dueUnit.text);
    Label11->setSpokenCaption(kValueCaption);
    lbl15->setSpokenCaption(kNoteCaption);
    for (QWidget *store : {static_cast<QWidget *>(Label19), static_cast<QWidget *>(Label1[3])})
        ui::keepFromAssistiveTechnology(store);
    Label12->setSpokenCaption(kMillionName);
    Label13->setSpokenCaption(kThousandName);
    Label14->setSpokenCaption(kUnitName);

    for (QWidget *control : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (control != lbla1_0)
            control->setLayoutDirection(Qt::RightToLeft);

    m_breakdown = {Label11, Label1[3], Label19, Label12, Label13, Label14,
                   Text6,   Label16,   Label18, Label17, Label15};

    Command1->setHandler([this] { Command1_Click(); });
    Command5->setHandler([this] { Command5_Click(); });
    Command6->setHandler([this] { Command6_Click(); });
    Text1->setChangeHandler([this] { Text1_Change(); });
    Text5->setChangeHandler([this] { Text5_Change(); });
    Text1->setSelectAllOnClick(true);
    Text5->setSelectAllOnClick(true);
    Text1->setEnterHandler([this] { Command1_Click(); });
    Text5->setEnterHandler([this] { Command5_Click(); });

    applyTabOrder(this, d.tabOrder);
}

void MetalScreen::Command1_Click()
{
    if (showDue())
        ui::announce(this, resultSentence(false));
}

bool MetalScreen::showDue()
{
    const MetalDue due = metalZakatDue(Text1->text(), *m_design.rules);
    switch (due.verdict) {
    case QuantityVerdict::NoQuantity:
        break;
    case QuantityVerdict::NotANumber:
        showWarning(this, kDigitsOnlyWarning, kQuantityTitle);
        Text1->focusAndSelectAll();
        break;
    case QuantityVerdict::BelowNisab:
        lbl11->setText(kBelowNisab);
        lbl15->setText(m_design.belowNisabNote);
        return true;
    case QuantityVerdict::TooLarge:
        showWarning(this, m_design.aboveBoundWarning, kQuantityTitle);
        break;
    case QuantityVerdict::Due:
        lbl11->setText(due.due);
        lbl15->setText(kDueNote);
        return true;
    }
    return false;
}

void MetalScreen::Command5_Click()
{
    const bool dueShown = showDue();
    const MetalValue value = metalValue(lbl11->text(), Text5->text());
    bool valueShown = false;
    switch (value.verdict) {
    case ValueVerdict::PriceNotANumber:
        showWarning(this, m_design.priceWarning, kPriceTitle);
        Text5->focusAndSelectAll();
        break;
    case ValueVerdict::NoDue:
        break;
    case ValueVerdict::OutOfRange:
        Label11->setText(value.value);
        valueShown = true;
        showWarning(this, m_design.valueWarning, kPriceTitle);
        break;
    case ValueVerdict::Split:
        Label11->setText(value.value);
        valueShown = true;
        Command6_Click();
        break;
    }
    // Heard once the warning, if any, is gone.
    if (dueShown)
        ui::announce(this, resultSentence(valueShown));
}

QString MetalScreen::resultSentence(bool withValue) const
{
    if (!showsNumber(lbl11->text()))
        return lbl15->text(); // below the nisab, the note says why nothing is due
    QString sentence = kDueSpoken.arg(lbl11->text(), Label10->text());
    if (withValue)
        sentence += kValueSpoken.arg(Label11->text());
    return sentence;
}

void MetalScreen::Command6_Click()
{
    showBreakdown(m_breakdown);
}

ComputationSummary MetalScreen::summary() const
{
    ComputationSummary summary;
    summary.heading = readable(lbla1_0->text());
    if (showsNumber(Text1->text()))
        summary.add(Label1[0]->text(), Text1->text());
    if (showsNumber(lbl11->text()))
        summary.add(Label1[1]->text(), lbl11->text(), Label10->text());
    if (showsWords(lbl15->text()))
        summary.addLine(lbl15->text()); // the nisab, below it
    if (showsNumber(Text5->text()))
        summary.add(Label1[2]->text(), Text5->text());
    if (showsNumber(Label11->text())) {
        summary.add(kValueCaption, Label11->text());
        summary.addLine(breakdownText(m_breakdown));
    }
    return summary;
}

void MetalScreen::clearResults(bool keepDue)
{
    if (!keepDue)
        lbl11->setText(QString());
    for (DesignLabel *label : {Label11, Label12, Label13, Label14, Label19, Label1[3]})
        label->setText(QString());
    Text6->write(QString());
}

void MetalScreen::Text1_Change()
{
    clearResults(false);
}

void MetalScreen::Text5_Change()
{
    clearResults(true);
}
