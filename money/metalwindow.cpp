// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/metalwindow.h"

#include "core/numbers.h"
#include "money/metalzakat.h"
#include "ui/accessible.h"
#include "ui/announcer.h"
#include "ui/calculator.h"
#include "ui/desktopactions.h"
#include "ui/look.h"
#include "ui/shapes.h"
#include "ui/window.h"

#include <cmath>

namespace {

const QString kComputeValue = QStringLiteral("احسب القيمة بالاوراق النقدية");
const QString kBreakdown = QStringLiteral("بالحروف");
const QString kPricePrompt = QStringLiteral("االثمن");
const QString kResultPlaceholder = QStringLiteral(".....");
const QString kBelowNisab = QStringLiteral("....");
const QString kNotePlaceholder = QStringLiteral(". . . . . . . . . . . . . . . .");
const QString kDueNote = QStringLiteral(" ");
const BreakdownNames kNames{QStringLiteral("مليون "), QStringLiteral("ألف "),
                           QStringLiteral("ريال أوجنيه"), QStringLiteral("هللة أو قرش")};

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

MetalWindow::MetalWindow(const MetalDesign &d)
    : DesignWindow(kCalculatorTwips), m_design(d)
{
    const DesignScale &at = scale();
    setUpWindow(this, d.objectName, d.caption, at.size(kCalculatorTwips), Colour::NightBlue,
                d.rightToLeft);

    // Decoration first, so that it lies beneath the labels.
    new OutlineShape(this, QStringLiteral("Shape2"), at.rect(d.notesFrame), Colour::White);
    new OutlineShape(this, QStringLiteral("Shape1(0)"), at.rect(d.dueFrame), Colour::White);
    new OutlineShape(this, QStringLiteral("Shape1(1)"), at.rect(d.valueFrame), Colour::White);
    for (int i = 0; i < 4; ++i)
        new OutlineShape(this, QStringLiteral("Shape1(%1)").arg(i + 2), at.rect(d.boxFrames[i]),
                         Colour::White);
    new LineShape(this, QStringLiteral("Line1"), at.point(d.lineFrom), at.point(d.lineTo),
                  Colour::White);

    const QFont captionFont = at.font(Face::Arial, 14.25, Bold);
    const QFont resultFont = at.font(Face::SimplifiedArabic, 18, Bold);
    const QFont boxNameFont = at.font(Face::SimplifiedArabic, 12, Bold);
    const QFont noteFont = at.font(Face::TraditionalArabic, 15.75, Bold);
    auto opaque = [&](const QString &name, const MetalDesign::Item &item, const QFont &font) {
        return new DesignLabel(this, name, item.text, at.rect(item.bounds), font, Colour::White,
                               Align::Centre, Colour::NightBlue);
    };
    auto yellow = [&](const QString &name, const QString &text, const QRect &bounds,
                      const QFont &font, Qt::Alignment alignment = Align::Centre) {
        return new DesignLabel(this, name, text, at.rect(bounds), font, Colour::Yellow,
                               alignment);
    };
    auto boxName = [&](const QString &name, const QString &text, const QRect &bounds) {
        auto *label = new DesignLabel(this, name, text, at.rect(bounds), boxNameFont,
                                      Colour::White, Align::Centre);
        label->hide();
        return label;
    };
    auto button = [&](const QString &name, const QString &text, const QRect &bounds,
                      const QFont &font) {
        return new CommandButton(this, name, text, at.rect(bounds), font, Colour::Periwinkle);
    };

    heading = opaque(QStringLiteral("lbla1(0)"), d.heading, at.font(Face::Arial, 18, Underlined));
    heading->setLayoutDirection(Qt::LeftToRight);
    quantityCaption = opaque(QStringLiteral("Label1(0)"), d.quantityCaption,
                             at.font(Face::Arial, 15.75, Bold));
    quantityField = new EntryField(this, QStringLiteral("Text1"), d.quantityField.text,
                                   at.rect(d.quantityField.bounds),
                                   at.font(Face::SimplifiedArabic, 15.75, Bold), Qt::AlignHCenter,
                                   d.quantityMaxLength);
    computeButton = button(QStringLiteral("Command1"), kComputeText, d.compute,
                           at.font(Face::Arial, 12));
    dueCaption = opaque(QStringLiteral("Label1(1)"), d.dueCaption, captionFont);
    dueLabel = yellow(QStringLiteral("lbl11"), kResultPlaceholder, d.due, resultFont);
    dueUnit = yellow(QStringLiteral("Label10"), d.dueUnit.text, d.dueUnit.bounds, noteFont,
                     Align::Right);
    dueNote = new DesignLabel(this, QStringLiteral("lbl15"), kNotePlaceholder, at.rect(d.dueNote),
                              noteFont, Colour::LightGreen, Align::Right);
    breakdownButton = button(QStringLiteral("Command6"), kBreakdown, d.breakdownButton,
                             at.font(Face::SimplifiedArabic, 12, Bold));
    breakdownButton->setEnabled(false);
    priceCaption = opaque(QStringLiteral("Label1(2)"), d.priceCaption, captionFont);
    priceField = new EntryField(this, QStringLiteral("Text5"), kPricePrompt, at.rect(d.priceField),
                                at.font(Face::MsSansSerif, 13.5), Align::Right, d.priceMaxLength);
    computeValueButton = button(QStringLiteral("Command5"), kComputeValue, d.computeValue,
                                at.font(Face::SimplifiedArabic, 14.25, Bold));
    valueLabel = yellow(QStringLiteral("Label11"), kResultPlaceholder, d.value, resultFont);
    breakdown.millions = yellow(QStringLiteral("Label12"), QString(), d.breakdownBoxes[0],
                                resultFont);
    breakdown.thousands = yellow(QStringLiteral("Label13"), QString(), d.breakdownBoxes[1],
                                 resultFont);
    breakdown.units = yellow(QStringLiteral("Label14"), QString(), d.breakdownBoxes[2], resultFont);
    breakdown.hundredths = new EntryField(this, QStringLiteral("Text6"), QString(),
                                          at.rect(d.breakdownBoxes[3]), boxNameFont,
                                          Qt::AlignHCenter, kHundredthsMaxLength);
    makeHundredthsBox(breakdown.hundredths, Colour::NightBlue);
    breakdown.millionName = boxName(QStringLiteral("Label16"), kNames.million, d.boxNames[0]);
    breakdown.thousandName = boxName(QStringLiteral("Label18"), kNames.thousand, d.boxNames[1]);
    breakdown.unitName = boxName(QStringLiteral("Label17"), kNames.unit, d.boxNames[2]);
    breakdown.hundredthName = boxName(QStringLiteral("Label15"), kNames.hundredth, d.boxNames[3]);
    breakdown.fraction = yellow(QStringLiteral("Label19"), QStringLiteral("1"), d.hiddenFraction,
                                resultFont);
    breakdown.fraction->hide();
    breakdown.wholePart = yellow(QStringLiteral("Label1(3)"), QStringLiteral("2"),
                                 d.hiddenWholePart, resultFont);
    breakdown.wholePart->hide();
    for (std::size_t i = 0; i < notes.size(); ++i)
        notes[i] = new DesignLabel(this, QStringLiteral("Label%1").arg(i + 2), d.notes[i].text,
                                   at.rect(d.notes[i].bounds),
                                   at.font(d.noteFonts[i].face, d.noteFonts[i].points,
                                           d.noteFonts[i].style),
                                   Colour::Yellow, Align::Right);
    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("Command7"), at.rect(d.back),
                       QStringLiteral("Command2"), at.rect(d.exit), Colour::Periwinkle);
    backButton = backAndExit.back;
    exitButton = backAndExit.exit;
    addCalculatorActions(this, backAndExit, [this] { return summary(); },
                         {dueLabel, dueNote, valueLabel, breakdown.millions, breakdown.thousands,
                          breakdown.units});
    // A screen reader announces each field by the caption beside it, each
    // result with its caption and unit, and the window by its heading.
    setAccessibleName(ui::spokenName(d.heading.text));
    quantityField->setAccessibleName(ui::spokenName(d.quantityCaption.text));
    priceField->setAccessibleName(ui::spokenName(d.priceCaption.text));
    breakdown.hundredths->setAccessibleName(kNames.hundredth);
    tieBoxesToNames(breakdown);
    dueLabel->setSpokenCaption(d.dueCaption.text, d.dueUnit.text);
    valueLabel->setSpokenCaption(kValueCaption);
    dueNote->setSpokenCaption(kNoteCaption);
    for (QWidget *hidden : {static_cast<QWidget *>(breakdown.fraction),
                            static_cast<QWidget *>(breakdown.wholePart)})
        ui::keepFromAssistiveTechnology(hidden);
    breakdown.millions->setSpokenCaption(kNames.million);
    breakdown.thousands->setSpokenCaption(kNames.thousand);
    breakdown.units->setSpokenCaption(kNames.unit);

    for (QWidget *control : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (control != heading)
            control->setLayoutDirection(Qt::RightToLeft);

    computeButton->setHandler([this] { computeDue(); });
    computeValueButton->setHandler([this] { computeValue(); });
    breakdownButton->setHandler([this] { splitValue(); });
    quantityField->setChangeHandler([this] { quantityChanged(); });
    priceField->setChangeHandler([this] { priceChanged(); });
    quantityField->setSelectAllOnClick(true);
    priceField->setSelectAllOnClick(true);
    quantityField->setEnterHandler([this] { computeDue(); });
    priceField->setEnterHandler([this] { computeValue(); });

    applyTabOrder(this, d.tabOrder);
}

void MetalWindow::computeDue()
{
    if (showDue())
        ui::announce(this, resultSentence(false));
}

bool MetalWindow::showDue()
{
    const MetalDue due = metalZakatDue(quantityField->text(), *m_design.rules);
    switch (due.verdict) {
    case QuantityVerdict::NoQuantity:
        break;
    case QuantityVerdict::NotANumber:
        showWarning(this, kDigitsOnlyWarning, kQuantityTitle);
        quantityField->focusAndSelectAll();
        break;
    case QuantityVerdict::BelowNisab:
        m_state.due.reset();
        m_state.note = NoteShown::BelowNisab;
        dueLabel->setText(kBelowNisab);
        dueNote->setText(m_design.belowNisabNote);
        return true;
    case QuantityVerdict::TooLarge:
        showWarning(this, m_design.aboveBoundWarning, kQuantityTitle);
        break;
    case QuantityVerdict::Due:
        m_state.due = due.due;
        m_state.note = NoteShown::Blank;
        dueLabel->setText(numberText(due.due));
        dueNote->setText(kDueNote);
        return true;
    }
    return false;
}

void MetalWindow::computeValue()
{
    const bool dueShown = showDue();
    const MetalValue value = metalValue(m_state.due, priceField->text());
    bool valueShown = false;
    switch (value.verdict) {
    case ValueVerdict::PriceNotANumber:
        showWarning(this, m_design.priceWarning, kPriceTitle);
        priceField->focusAndSelectAll();
        break;
    case ValueVerdict::NoDue:
        break;
    case ValueVerdict::OutOfRange:
        m_state.value = value.value;
        valueLabel->setText(numberText(value.value));
        valueShown = true;
        showWarning(this, m_design.valueWarning, kPriceTitle);
        break;
    case ValueVerdict::Split:
        m_state.value = value.value;
        valueLabel->setText(numberText(value.value));
        valueShown = true;
        splitValue();
        break;
    }
    // Heard once the warning, if any, is gone.
    if (dueShown)
        ui::announce(this, resultSentence(valueShown));
}

QString MetalWindow::resultSentence(bool withValue) const
{
    if (!m_state.due)
        return m_design.belowNisabNote; // the note says why nothing is due
    QString sentence = kDueSpoken.arg(numberText(*m_state.due), m_design.dueUnit.text);
    if (withValue && m_state.value)
        sentence += kValueSpoken.arg(numberText(*m_state.value));
    return sentence;
}

void MetalWindow::splitValue()
{
    if (!m_state.value)
        return;
    if (const auto split = breakDownAmount(*m_state.value)) {
        m_state.split = split;
        showBreakdown(breakdown, *split);
    }
}

ComputationSummary MetalWindow::summary() const
{
    ComputationSummary summary;
    summary.heading = readable(m_design.heading.text);
    if (showsNumber(quantityField->text()))
        summary.add(m_design.quantityCaption.text, quantityField->text());
    if (m_state.due)
        summary.add(m_design.dueCaption.text, numberText(*m_state.due), m_design.dueUnit.text);
    if (m_state.note == NoteShown::BelowNisab)
        summary.addLine(m_design.belowNisabNote);
    if (showsNumber(priceField->text()))
        summary.add(m_design.priceCaption.text, priceField->text());
    if (m_state.value && std::isfinite(*m_state.value)) {
        summary.add(kValueCaption, numberText(*m_state.value));
        if (m_state.split)
            summary.addLine(breakdownLine(*m_state.split, kNames));
    }
    return summary;
}

void MetalWindow::clearResults(bool keepDue)
{
    if (!keepDue) {
        m_state.due.reset();
        dueLabel->setText(QString());
    }
    m_state.value.reset();
    m_state.split.reset();
    valueLabel->setText(QString());
    clearBreakdown(breakdown, KeepNames);
}

void MetalWindow::quantityChanged()
{
    clearResults(false);
}

void MetalWindow::priceChanged()
{
    clearResults(true);
}
