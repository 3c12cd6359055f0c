// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "produce/producewindow.h"

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

ProduceWindow::ProduceWindow() : DesignWindow(kCalculatorTwips)
{
    const DesignScale &at = scale();
    setUpWindow(this, QStringLiteral("frmzakat5"), kCaption, at.size(kCalculatorTwips),
                Colour::FieldGreen, true);

    // Decoration first, so that it lies beneath the labels.
    new OutlineShape(this, QStringLiteral("Shape1(0)"), at.rect(6120, 5640, 5295, 735),
                     Colour::White);
    new OutlineShape(this, QStringLiteral("Shape2"), at.rect(240, 480, 5655, 3975),
                     Colour::White);
    for (int i = 0; i < 4; ++i)
        new OutlineShape(this, QStringLiteral("Shape1(%1)").arg(i + 2),
                         at.rect(2640, 4560 + 720 * i, 2535, 735), Colour::White);
    new LineShape(this, QStringLiteral("Line1"), at.point(3840, 4560), at.point(3840, 7440),
                  Colour::White);

    const QFont optionFont = at.font(Face::TimesNewRoman, 14.25, Bold);
    const QFont captionFont = at.font(Face::Arial, 14.25, Bold);
    auto opaque = [&](const QString &name, const QString &text, const QRect &bounds,
                      const QFont &font) {
        return new DesignLabel(this, name, text, bounds, font, Colour::White, Align::Centre,
                               Colour::FieldGreen);
    };
    auto note = [&](const QString &name, const QString &text, const QRect &bounds) {
        return new DesignLabel(this, name, text, bounds, optionFont, Colour::Yellow,
                               Align::Right);
    };
    auto option = [&](const QString &name, const QString &text, const QRect &bounds,
                      const QColor &colour) {
        return new OptionButton(this, name, text, bounds, optionFont, colour, Colour::FieldGreen);
    };

    heading = opaque(QStringLiteral("lbla1"), kTitle, at.rect(7560, 240, 3615, 615),
                     at.font(Face::Arial, 18, Underlined));
    rainWateredOption = option(QStringLiteral("Option1"), kRainWatered,
                               at.rect(7080, 1680, 4335, 615), Colour::Yellow);
    irrigatedOption = option(QStringLiteral("Option2"), kIrrigated,
                             at.rect(7080, 2280, 4335, 495), Colour::White);
    treasureOption = option(QStringLiteral("Option3"), kTreasure,
                            at.rect(7080, 2880, 4335, 495), Colour::White);
    rainWateredOption->setChecked(true);
    quantityCaption = opaque(QStringLiteral("Label1(0)"), kQuantityCaption,
                             at.rect(9120, 3720, 2415, 615), at.font(Face::Arial, 15.75, Bold));
    quantityField = new EntryField(this, QStringLiteral("Text1"), kInitialQuantity,
                                   at.rect(6360, 3720, 2775, 600),
                                   at.font(Face::SimplifiedArabic, 18, Bold), Qt::AlignHCenter,
                                   kQuantityMaxLength);
    QPalette entryColours = quantityField->palette();
    entryColours.setColor(QPalette::Text, Colour::White);
    entryColours.setColor(QPalette::Base, Colour::Black);
    quantityField->setPalette(entryColours);
    quantityField->setAccessibleName(ui::spokenName(kQuantityCaption));
    dueCaption = opaque(QStringLiteral("Label1(1)"), kDueCaption, at.rect(9360, 4920, 2055, 615),
                        captionFont);
    rateLabel = opaque(QStringLiteral("lbla"), kInitialRate, at.rect(7320, 4920, 2055, 615),
                       at.font(Face::TimesNewRoman, 20.25, Bold));
    computeButton = new CommandButton(this, QStringLiteral("Command1"), kComputeText,
                                      at.rect(6120, 4920, 1215, 615), at.font(Face::Arial, 12),
                                      Colour::Green);
    shareLabel = new DesignLabel(this, QStringLiteral("lbl1"), kResultPlaceholder,
                                 at.rect(8040, 5640, 3255, 735),
                                 at.font(Face::SimplifiedArabic, 18, Bold), Colour::Yellow,
                                 Align::Centre);
    unitLabel = new DesignLabel(this, QStringLiteral("Label10"), kUnit,
                                at.rect(6240, 5760, 1785, 480),
                                at.font(Face::TraditionalArabic, 15.75, Bold), Colour::Yellow,
                                Align::Right);
    measureNote = opaque(QStringLiteral("Label1(2)"), kSameMeasure, at.rect(5640, 6600, 5895, 615),
                         captionFont);
    notes[0] = note(QStringLiteral("Label2"), kNisabNote, at.rect(480, 840, 5160, 600));
    notes[1] = note(QStringLiteral("Label3"), kStoredKindsNote, at.rect(600, 1320, 5040, 600));
    notes[2] = note(QStringLiteral("Label4"), kNoYearNote, at.rect(360, 1920, 5280, 600));
    notes[3] = note(QStringLiteral("Label5"), kInKindNote, at.rect(360, 2520, 5280, 600));
    notes[4] = note(QStringLiteral("Label6"), kFoundPropertyNote, at.rect(360, 3120, 5280, 600));
    // The longest note takes a second line, down to the frame around the
    // notes, rather than shrink to a size too small to read.
    notes[5] = note(QStringLiteral("Label7"), kRatesNote, at.rect(600, 3600, 5040, 825));
    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("Command7"), at.rect(9720, 7440, 1935, 735),
                       QStringLiteral("Command6"), at.rect(480, 7440, 1815, 735), Colour::Green);
    backButton = backAndExit.back;
    exitButton = backAndExit.exit;
    addCalculatorActions(this, backAndExit, [this] { return summary(); },
                         {shareLabel, rateLabel});
    // The window heard by its heading, the share with its caption and unit.
    setAccessibleName(ui::spokenName(kTitle));
    shareLabel->setSpokenCaption(kDueCaption, kUnit);

    computeButton->setHandler([this] { compute(); });
    // An option's handler runs when it becomes the chosen one, by mouse or
    // keyboard; choosing the option already chosen changes nothing.
    const std::pair<OptionButton *, ProduceKind> options[] = {
        {rainWateredOption, ProduceKind::RainWatered},
        {irrigatedOption, ProduceKind::Irrigated},
        {treasureOption, ProduceKind::Treasure}};
    for (const auto &[button, kind] : options)
        connect(button, &QRadioButton::toggled, this, [this, kind = kind](bool on) {
            if (on)
                chooseRate(kind);
        });
    quantityField->setSelectAllOnClick(true);
    quantityField->setEnterHandler([this] { compute(); });
    quantityField->setChangeHandler([this] { quantityChanged(); });

    applyTabOrder(this, {QStringLiteral("Command1"), QStringLiteral("Text1"),
                         QStringLiteral("Option1"), QStringLiteral("Option2"),
                         QStringLiteral("Option3"), QStringLiteral("Command6"),
                         QStringLiteral("Command7")});
}

void ProduceWindow::compute()
{
    const QString entry = quantityField->text();
    if (trimBlanks(entry).isEmpty())
        return;
    const auto quantity = readNumber(entry);
    if (!quantity) {
        showWarning(this, kDigitsOnlyWarning, kWarningTitle);
        quantityField->focusAndSelectAll();
        return;
    }
    if (const auto share = produceShare(*quantity, chosenKind())) {
        m_share = share;
        shareLabel->setText(numberText(*share));
        ui::announce(this, kShareSpoken.arg(readable(rateName(chosenKind())), numberText(*share),
                                            kUnit));
    }
}

void ProduceWindow::quantityChanged()
{
    // The share shown was computed from the quantity before this edit.
    m_share.reset();
    shareLabel->setText(kResultPlaceholder);
}

ComputationSummary ProduceWindow::summary() const
{
    ComputationSummary summary;
    summary.heading = readable(kTitle);
    for (const OptionButton *option : {rainWateredOption, irrigatedOption, treasureOption})
        if (option->isChecked())
            summary.addLine(option->text());
    if (showsNumber(quantityField->text()))
        summary.add(kQuantityName, quantityField->text());
    if (m_share) {
        // Every option chosen computes the share again, so it is the chosen rate's.
        summary.add(readable(kDueCaption)
                        + QStringLiteral(" (%1)").arg(readable(rateName(chosenKind()))),
                    numberText(*m_share), kUnit);
        summary.addLine(kSameMeasure); // the measure the share is given in
    }
    return summary;
}

ProduceKind ProduceWindow::chosenKind() const
{
    if (rainWateredOption->isChecked())
        return ProduceKind::RainWatered;
    if (irrigatedOption->isChecked())
        return ProduceKind::Irrigated;
    return ProduceKind::Treasure;
}

void ProduceWindow::chooseRate(ProduceKind kind)
{
    compute();
    rateLabel->setText(rateName(kind));
    // After a warning the entry has the focus; an option chosen with the arrow
    // keys takes it back once this handler returns, so the entry takes it again.
    if (focusWidget() == quantityField)
        QTimer::singleShot(0, quantityField, &EntryField::focusAndSelectAll);
}
