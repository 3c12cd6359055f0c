// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "produce/frmzakat5.h"

#include "core/numbers.h"
#include "ui/announcer.h"
#include "ui/calculator.h"
#include "ui/desktopactions.h"
#include "ui/look.h"
#include "ui/shapes.h"
#include "ui/window.h"

#include <QTimer>

namespace {

// The window's title names treasure too, which its heading leaves to the options.
const QString kCaption = QStringLiteral("زكاة الخارج من الأرض والركاز");
const QString kTitle = QStringLiteral("زكاة الخارج من الارض");
const QString kRainWatered = QStringLiteral("ما يشرب بلا مئونة  أي بدون آلات");
const QString kIrrigated = QStringLiteral("ما يشرب  بمئونة أي باستخدام الآلات");
const QString kTreasure = QStringLiteral("زكاة الركاز  وهو دفن الجاهلية");
const QString kQuantityCaption = QStringLiteral("ادخل الكمية  رقما");
const QString kInitialQuantity = QStringLiteral("0");
const QString kDueCaption = QStringLiteral("مقدار الزكاة الواجبة ");
const QString kInitialRate = QStringLiteral("العُشر");
const QString kResultPlaceholder = QStringLiteral(".....");
const QString kUnit = QStringLiteral("وحدة كيل أو وزن");
const QString kSameMeasure = QStringLiteral("المكيال الذي تدخل به الارقام هو الذي تخرج به الزكاة");
const QString kNisabNote = QStringLiteral("1- النصاب هو 5 اوسق  وهو =300 صاعاً");
const QString kStoredKindsNote = QStringLiteral("2- يزكي الاصناف التي تكال وتدخرمثل البر والتمر");
const QString kNoYearNote = QStringLiteral("3- لا يشترط ان يحول الحول -(وآتوا حقه يوم حصاده)");
const QString kInKindNote = QStringLiteral("4-هذه الاصناف تزكى من جنسها ولاتخرج القيمة نقدا");
const QString kFoundPropertyNote = QStringLiteral("5- ما وجد من دفن المسلمين  فهو لقطة  وليس من الركاز ");
const QString kRatesNote = QStringLiteral("6- فيما يشرب بلا مئونة العشر وفيما يشرب بمئونة نصف العشر  وفي الركاز الخمس");

// The summary names the quantity plainly; the window's caption asks for it.
const QString kQuantityName = QStringLiteral("الكمية");

// How a listener hears the share: its rate, the quantity and the unit.
const QString kShareSpoken = QStringLiteral("مقدار الزكاة الواجبة (%1) %2 %3");

const QString kWarningTitle = QStringLiteral(" تنبيه  ");

constexpr int kQuantityMaxLength = 10;

} // namespace

frmzakat5::frmzakat5()
{
    setUpWindow(this, QStringLiteral("frmzakat5"), kCaption, twipsSize(11880, 8490),
                Colour::FieldGreen, true);

    // Decoration first, so that it lies beneath the labels.
    new OutlineShape(this, QStringLiteral("Shape1(0)"), twips(6120, 5640, 5295, 735),
                     Colour::White);
    new OutlineShape(this, QStringLiteral("Shape2"), twips(240, 480, 5655, 3975), Colour::White);
    for (int i = 0; i < 4; ++i)
        new OutlineShape(this, QStringLiteral("Shape1(%1)").arg(i + 2),
                         twips(2640, 4560 + 720 * i, 2535, 735), Colour::White);
    new LineShape(this, QStringLiteral("Line1"), twipsPoint(3840, 4560), twipsPoint(3840, 7440),
                  Colour::White);

    const QFont optionFont = designFont(Face::TimesNewRoman, 14.25, Bold);
    const QFont captionFont = designFont(Face::Arial, 14.25, Bold);
    auto opaque = [&](const QString &name, const QString &text, const QRect &bounds,
                      const QFont &font) {
        return new DesignLabel(this, name, text, bounds, font, Colour::White, Align::Centre,
                               Colour::FieldGreen);
    };
    auto note = [&](const QString &name, const QString &text, const QRect &bounds) {
        return new DesignLabel(this, name, text, bounds, optionFont, Colour::Yellow,
                               Align::Right);
    };
    auto button = [&](const QString &name, const QString &text, const QRect &bounds,
                      const QFont &font) {
        return new CommandButton(this, name, text, bounds, font, Colour::Green);
    };

    lbla1 = opaque(QStringLiteral("lbla1"), kTitle, twips(7560, 240, 3615, 615),
                   designFont(Face::Arial, 18, Underlined));
    Option1 = new OptionButton(this, QStringLiteral("Option1"), kRainWatered,
                               twips(7080, 1680, 4335, 615), optionFont, Colour::Yellow,
                               Colour::FieldGreen);
    Option2 = new OptionButton(this, QStringLiteral("Option2"), kIrrigated,
                               twips(7080, 2280, 4335, 495), optionFont, Colour::White,
                               Colour::FieldGreen);
    Option3 = new OptionButton(this, QStringLiteral("Option3"), kTreasure,
                               twips(7080, 2880, 4335, 495), optionFont, Colour::White,
                               Colour::FieldGreen);
    Option1->setChecked(true);
    Label1[0] = opaque(QStringLiteral("Label1(0)"), kQuantityCaption,
                       twips(9120, 3720, 2415, 615), designFont(Face::Arial, 15.75, Bold));
    Text1 = new EntryField(this, QStringLiteral("Text1"), kInitialQuantity,
                           twips(6360, 3720, 2775, 600),
                           designFont(Face::SimplifiedArabic, 18, Bold), Qt::AlignHCenter,
                           kQuantityMaxLength);
    QPalette entryColours = Text1->palette();
    entryColours.setColor(QPalette::Text, Colour::White);
    entryColours.setColor(QPalette::Base, Colour::Black);
    Text1->setPalette(entryColours);
    Text1->setAccessibleName(ui::spokenName(kQuantityCaption));
    Label1[1] = opaque(QStringLiteral("Label1(1)"), kDueCaption, twips(9360, 4920, 2055, 615),
                       captionFont);
    lbla = opaque(QStringLiteral("lbla"), kInitialRate, twips(7320, 4920, 2055, 615),
                  designFont(Face::TimesNewRoman, 20.25, Bold));
    Command1 = button(QStringLiteral("Command1"), kComputeText, twips(6120, 4920, 1215, 615),
                      designFont(Face::Arial, 12));
    lbl1 = new DesignLabel(this, QStringLiteral("lbl1"), kResultPlaceholder,
                           twips(8040, 5640, 3255, 735),
                           designFont(Face::SimplifiedArabic, 18, Bold), Colour::Yellow,
                           Align::Centre);
    Label10 = new DesignLabel(this, QStringLiteral("Label10"), kUnit, twips(6240, 5760, 1785, 480),
                              designFont(Face::TraditionalArabic, 15.75, Bold), Colour::Yellow,
                              Align::Right);
    Label1[2] = opaque(QStringLiteral("Label1(2)"), kSameMeasure, twips(5640, 6600, 5895, 615),
                       captionFont);
    Label2 = note(QStringLiteral("Label2"), kNisabNote, twips(480, 840, 5160, 600));
    Label3 = note(QStringLiteral("Label3"), kStoredKindsNote, twips(600, 1320, 5040, 600));
    Label4 = note(QStringLiteral("Label4"), kNoYearNote, twips(360, 1920, 5280, 600));
    Label5 = note(QStringLiteral("Label5"), kInKindNote, twips(360, 2520, 5280, 600));
    Label6 = note(QStringLiteral("Label6"), kFoundPropertyNote, twips(360, 3120, 5280, 600));
    // The longest note takes a second line, down to the frame around the
    // notes, rather than shrink to a size too small to read.
    Label7 = note(QStringLiteral("Label7"), kRatesNote, twips(600, 3600, 5040, 825));
    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("Command7"), twips(9720, 7440, 1935, 735),
                       QStringLiteral("Command6"), twips(480, 7440, 1815, 735), Colour::Green);
    Command7 = backAndExit.back;
    Command6 = backAndExit.exit;
    addCalculatorActions(this, backAndExit, [this] { return summary(); }, {lbl1, lbla});
    // The window heard by its heading, the share with its caption and unit.
    setAccessibleName(ui::spokenName(kTitle));
    lbl1->setSpokenCaption(kDueCaption, kUnit);

    Command1->setHandler([this] { Command1_Click(); });
    // An option's handler runs when it becomes the chosen one, by mouse or
    // keyboard; choosing the option already chosen changes nothing.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option2_Click();
    });
    connect(Option3, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option3_Click();
    });
    Text1->setSelectAllOnClick(true);
    Text1->setEnterHandler([this] { Command1_Click(); });
    Text1->setChangeHandler([this] { Text1_Change(); });

    applyTabOrder(this, {QStringLiteral("Command1"), QStringLiteral("Text1"),
                         QStringLiteral("Option1"), QStringLiteral("Option2"),
                         QStringLiteral("Option3"), QStringLiteral("Command6"),
                         QStringLiteral("Command7")});
}

void frmzakat5::Command1_Click()
{
    const QString entry = Text1->text();
    if (trimBlanks(entry).isEmpty())
        return;
    const auto quantity = readNumber(entry);
    if (!quantity) {
        showWarning(this, kDigitsOnlyWarning, kWarningTitle);
        Text1->focusAndSelectAll();
        return;
    }
    if (const auto share = produceShareText(*quantity, chosenKind())) {
        lbl1->setText(*share);
        ui::announce(this, kShareSpoken.arg(readable(rateName(chosenKind())), *share, kUnit));
    }
}

void frmzakat5::Text1_Change()
{
    // The share shown was computed from the quantity before this edit.
    lbl1->setText(kResultPlaceholder);
}

void frmzakat5::Option1_Click()
{
    chooseRate(ProduceKind::RainWatered);
}

void frmzakat5::Option2_Click()
{
    chooseRate(ProduceKind::Irrigated);
}

void frmzakat5::Option3_Click()
{
    chooseRate(ProduceKind::Treasure);
}

ComputationSummary frmzakat5::summary() const
{
    ComputationSummary summary;
    summary.heading = readable(lbla1->text());
    for (const OptionButton *option : {Option1, Option2, Option3})
        if (option->isChecked())
            summary.addLine(option->text());
    if (showsNumber(Text1->text()))
        summary.add(kQuantityName, Text1->text());
    // The share belongs to the quantity only while it is what the quantity
    // gives under the chosen kind: one typed after the last "احسب" has none yet.
    const auto quantity = readNumber(Text1->text());
    const auto share = quantity ? produceShareText(*quantity, chosenKind()) : std::nullopt;
    if (showsNumber(lbl1->text()) && (!share || *share != lbl1->text())) {
        if (quantity)
            summary.addLine(kNotComputedYet);
    } else if (showsNumber(lbl1->text())) {
        const QString rate = readable(lbla->text());
        summary.add(readable(Label1[1]->text()) + QStringLiteral(" (%1)").arg(rate), lbl1->text(),
                    Label10->text());
        summary.addLine(Label1[2]->text()); // the measure the share is given in
    }
    return summary;
}

ProduceKind frmzakat5::chosenKind() const
{
    if (Option1->isChecked())
        return ProduceKind::RainWatered;
    if (Option2->isChecked())
        return ProduceKind::Irrigated;
    return ProduceKind::Treasure;
}

void frmzakat5::chooseRate(ProduceKind kind)
{
    Command1_Click();
    lbla->setText(rateName(kind));
    // After a warning the entry has the focus; an option chosen with the arrow
    // keys takes it back once this handler returns, so the entry takes it again.
    if (focusWidget() == Text1)
        QTimer::singleShot(0, Text1, &EntryField::focusAndSelectAll);
}
