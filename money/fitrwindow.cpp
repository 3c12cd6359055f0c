// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/fitrwindow.h"

#include "core/numbers.h"
#include "ui/announcer.h"
#include "ui/calculator.h"
#include "ui/desktopactions.h"
#include "ui/look.h"
#include "ui/shapes.h"

namespace {

const QString kCaption = QStringLiteral("زكاة الفطر");
const QString kResultsHeading = QStringLiteral("النتيجة");
const QString kPersonsCaption = QStringLiteral("عدد من تُخرج عنهم");
const QString kKgCaption = QStringLiteral("مقدار الصاع بالكيلوجرام");
const QString kPriceCaption = QStringLiteral("ثمن الكيلوجرام من قوت البلد");
const QString kStartingKg = QStringLiteral("2.5");
const QString kTotalKgCaption = QStringLiteral("مقدار الزكاة طعامًا بالكيلوجرام");
const QString kValueCaption = QStringLiteral("قيمتها بعملة البلد");
const QString kResultPlaceholder = QStringLiteral(".....");
const QString kVerdictPlaceholder = QStringLiteral(". . . . . . . . . . . . . . . .");
const QString kUnsplit =
    QStringLiteral("القيمة أكبر من أن تُقسَّم إلى ملايين وآلاف، فهي مكتوبة كاملة");
const QString kNotes = QStringLiteral(
    "يخرجها المسلم عن نفسه وعمن يعولهم، عن كل واحد صاعًا من قوت البلد، قبل صلاة العيد. "
    "والصاع كيل لا وزن، فهو بوزن القمح نحو 2.04 كيلوجرام، ويُقدَّر في الأرز بـ 2.5 أو 3 "
    "كيلوجرام. والشرح كاملًا بالمفتاح F1");

// How a listener and the summary name the results.
const QString kTotalKgName = QStringLiteral("مقدار الزكاة طعامًا");
const QString kKgUnit = QStringLiteral("كيلوجرام من قوت البلد");
const QString kVerdictName = QStringLiteral("الخلاصة");

const QString kTitle = QStringLiteral("تنبيه");
const QString kPersonsWarning = QStringLiteral("اكتب في خانة «%1» عددًا صحيحًا من 1 إلى %2");
const QString kKgWarning = QStringLiteral("اكتب في خانة «%1» عددًا أكبر من 0 لا يزيد على %2");
const QString kPriceWarning =
    QStringLiteral("اكتب في خانة «%1» عددًا من 0 إلى %2، أو اتركها فارغة");

// Typed characters of each field: the largest persons, a sa' to the
// ten-thousandth of a kilogram, the largest price with its hundredths.
constexpr int kPersonsMaxLength = 5;
constexpr int kKgMaxLength = 6;
constexpr int kPriceMaxLength = 11;
constexpr int kHundredthsMaxLength = 2;

const BreakdownNames kNames{QStringLiteral("مليون"), QStringLiteral("ألف"),
                           QStringLiteral("ريال أو جنيه"), QStringLiteral("هللة أو قرش")};

} // namespace

FitrWindow::FitrWindow() : DesignWindow(kDesignTwips)
{
    const DesignScale &at = scale();
    setUpWindow(this, QStringLiteral("frmzakat7"), kCaption, at.size(kDesignTwips),
                Colour::DeepPlum, true);

    // Decoration first, so that it lies beneath the labels.
    auto frame = [&](const char *name, const QRect &bounds) {
        new OutlineShape(this, QString::fromLatin1(name), bounds, Colour::White);
    };
    frame("entriesFrame", at.rect(5880, 870, 5280, 2160));
    frame("notesFrame", at.rect(5880, 3810, 5280, 1830));
    frame("resultsFrame", at.rect(240, 870, 5400, 1290));
    frame("verdictFrame", at.rect(240, 2250, 5400, 1500));
    frame("breakdownFrame", at.rect(240, 3840, 5400, 930));
    new LineShape(this, QStringLiteral("resultsLine"), at.point(2700, 870), at.point(2700, 2160),
                  Colour::White);

    const QFont captionFont = at.font(Face::Arial, 12, Bold);
    const QFont resultFont = at.font(Face::SimplifiedArabic, 15.75, Bold);
    const QFont boxNameFont = at.font(Face::SimplifiedArabic, 12, Bold);
    auto label = [&](const QString &name, const QString &text, const QRect &bounds,
                     const QFont &font, const QColor &colour = Colour::White,
                     Qt::Alignment alignment = Align::Right) {
        return new DesignLabel(this, name, text, bounds, font, colour, alignment);
    };

    label(QStringLiteral("heading"), kCaption, at.rect(5880, 150, 5280, 600),
          at.font(Face::Arial, 18, Underlined), Colour::White, Align::Centre);
    label(QStringLiteral("resultsHeading"), kResultsHeading, at.rect(240, 210, 5400, 540),
          at.font(Face::Arial, 15.75, Bold), Colour::White, Align::Centre);

    // The entries, one to a row: caption on the right, field on its left.
    auto entry = [&](const char *name, const QString &caption, const QString &text, int top,
                     int maxLength) {
        const QString fieldName = QString::fromLatin1(name);
        label(fieldName + QStringLiteral("Caption"), caption, at.rect(8160, top, 2880, 480),
              captionFont);
        auto *field = new EntryField(this, fieldName, text, at.rect(6000, top, 2040, 480),
                                     at.font(Face::SimplifiedArabic, 14.25, Bold),
                                     Qt::AlignHCenter, maxLength);
        field->setAccessibleName(ui::spokenName(caption));
        field->setSelectAllOnClick(true);
        return field;
    };
    persons = entry("persons", kPersonsCaption, QString(), 990, kPersonsMaxLength);
    kgPerPerson = entry("kgPerPerson", kKgCaption, kStartingKg, 1710, kKgMaxLength);
    foodPrice = entry("foodPrice", kPriceCaption, QString(), 2430, kPriceMaxLength);
    computeButton = new CommandButton(this, QStringLiteral("compute"), kComputeText,
                                      at.rect(5880, 3150, 5280, 540),
                                      at.font(Face::Arial, 14.25, Bold), Colour::Orchid);
    label(QStringLiteral("notes"), kNotes, at.rect(6000, 3870, 5040, 1710),
          at.font(Face::TraditionalArabic, 13.5, Bold), Colour::LightGreen);

    // The results: caption on the right, value on its left.
    label(QStringLiteral("totalKgCaption"), kTotalKgCaption, at.rect(2760, 990, 2760, 480),
          captionFont);
    totalKg = label(QStringLiteral("totalKg"), kResultPlaceholder, at.rect(360, 990, 2280, 480),
                    resultFont, Colour::Yellow, Align::Centre);
    label(QStringLiteral("totalValueCaption"), kValueCaption, at.rect(2760, 1590, 2760, 480),
          captionFont);
    totalValue = label(QStringLiteral("totalValue"), kResultPlaceholder,
                       at.rect(360, 1590, 2280, 480), resultFont, Colour::Yellow, Align::Centre);
    verdict = label(QStringLiteral("verdict"), kVerdictPlaceholder, at.rect(360, 2310, 5160, 1380),
                    at.font(Face::TraditionalArabic, 14.25, Bold), Colour::LightGreen);

    // The value split, in four boxes from millions on the right to hundredths.
    auto box = [&](const char *name, int left) {
        return label(QString::fromLatin1(name), QString(), at.rect(left, 3900, 1230, 420),
                     resultFont, Colour::Yellow, Align::Centre);
    };
    auto boxName = [&](const char *name, const QString &text, int left) {
        auto *shown = label(QString::fromLatin1(name), text, at.rect(left, 4320, 1230, 390),
                            boxNameFont, Colour::White, Align::Centre);
        shown->hide();
        return shown;
    };
    breakdown.millions = box("millions", 4260);
    breakdown.thousands = box("thousands", 2940);
    breakdown.units = box("units", 1620);
    breakdown.hundredths = new EntryField(this, QStringLiteral("hundredths"), QString(),
                                          at.rect(300, 3900, 1230, 420), boxNameFont,
                                          Qt::AlignHCenter, kHundredthsMaxLength);
    makeHundredthsBox(breakdown.hundredths, Colour::DeepPlum);
    breakdown.millionName = boxName("millionName", kNames.million, 4260);
    breakdown.thousandName = boxName("thousandName", kNames.thousand, 2940);
    breakdown.unitName = boxName("unitName", kNames.unit, 1620);
    breakdown.hundredthName = boxName("hundredthName", kNames.hundredth, 300);
    unsplitNote = label(QStringLiteral("unsplitNote"), kUnsplit, at.rect(240, 4830, 5400, 450),
                        boxNameFont, Colour::LightGreen, Align::Centre);
    unsplitNote->hide();

    // Heard with their captions and units.
    totalKg->setSpokenCaption(kTotalKgName, kKgUnit);
    totalValue->setSpokenCaption(kValueCaption);
    verdict->setSpokenCaption(kVerdictName);
    breakdown.millions->setSpokenCaption(kNames.million);
    breakdown.thousands->setSpokenCaption(kNames.thousand);
    breakdown.units->setSpokenCaption(kNames.unit);
    breakdown.hundredths->setAccessibleName(kNames.hundredth);

    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("back"), at.rect(9225, 5880, 1935, 735),
                       QStringLiteral("exit"), at.rect(240, 5880, 2055, 735), Colour::Orchid);
    backButton = backAndExit.back;
    exitButton = backAndExit.exit;
    addCalculatorActions(this, backAndExit, [this] { return summary(); },
                         {totalKg, totalValue, verdict, breakdown.millions, breakdown.thousands,
                          breakdown.units});
    computeButton->setHandler([this] { compute(); });
    for (EntryField *field : {persons, kgPerPerson, foodPrice}) {
        field->setChangeHandler([this] { entryChanged(); });
        field->setEnterHandler([this] { compute(); });
    }

    applyTabOrder(this, {QStringLiteral("persons"), QStringLiteral("kgPerPerson"),
                         QStringLiteral("foodPrice"), QStringLiteral("compute"),
                         QStringLiteral("back"), QStringLiteral("exit")});
}

void FitrWindow::compute()
{
    entryChanged();
    const FitrZakat zakat =
        fitrZakat({persons->text(), kgPerPerson->text(), foodPrice->text()});
    switch (zakat.problem) {
    case FitrProblem::None:
        break;
    case FitrProblem::Persons:
        showWarning(this, kPersonsWarning.arg(kPersonsCaption, numberText(kLargestFitrPersons)),
                    kTitle);
        persons->focusAndSelectAll();
        return;
    case FitrProblem::KgPerPerson:
        showWarning(this, kKgWarning.arg(kKgCaption, numberText(kLargestSaKg)), kTitle);
        kgPerPerson->focusAndSelectAll();
        return;
    case FitrProblem::FoodPrice:
        showWarning(this, kPriceWarning.arg(kPriceCaption, numberText(kLargestFoodPrice)),
                    kTitle);
        foodPrice->focusAndSelectAll();
        return;
    }

    m_zakat = zakat;
    totalKg->setText(numberText(zakat.totalKg));
    totalValue->setText(fitrValueText(zakat));
    const QString sentence = fitrSentence(zakat);
    verdict->setText(sentence);
    if (zakat.valueSplit)
        m_split = breakDownAmount(*zakat.totalValue);
    if (m_split)
        showBreakdown(breakdown, *m_split);
    unsplitNote->setVisible(zakat.totalValue && !zakat.valueSplit);
    ui::announce(this, sentence);
}

void FitrWindow::entryChanged()
{
    m_zakat.reset();
    m_split.reset();
    totalKg->setText(kResultPlaceholder);
    totalValue->setText(kResultPlaceholder);
    verdict->setText(kVerdictPlaceholder);
    clearBreakdown(breakdown);
    unsplitNote->hide();
}

ComputationSummary FitrWindow::summary() const
{
    ComputationSummary summary;
    summary.heading = kCaption;
    summary.add(kPersonsCaption, persons->text());
    summary.add(kKgCaption, kgPerPerson->text());
    summary.add(kPriceCaption, foodPrice->text());
    if (!m_zakat)
        return summary; // nothing computed from these entries yet
    summary.add(kTotalKgName, numberText(m_zakat->totalKg), kKgUnit);
    summary.add(kValueCaption, fitrValueText(*m_zakat));
    summary.addLine(fitrSentence(*m_zakat));
    if (m_split)
        summary.addLine(breakdownLine(*m_split, kNames));
    else if (m_zakat->totalValue)
        summary.addLine(kUnsplit);
    return summary;
}
