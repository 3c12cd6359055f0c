// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/frmzakat6.h"

#include "core/numbers.h"
#include "money/zakatconstants.h"
#include "ui/accessible.h"
#include "ui/announcer.h"
#include "ui/calculator.h"
#include "ui/desktopactions.h"
#include "ui/look.h"
#include "ui/shapes.h"
#include "ui/window.h"

namespace {

const QString kCaption = QStringLiteral("زكاة المال مجتمعًا");
const QString kResultsHeading = QStringLiteral("النتيجة");
const QString kResultPlaceholder = QStringLiteral(".....");
const QString kVerdictPlaceholder = QStringLiteral(". . . . . . . . . . . . . . . .");
const QString kVerdictName = QStringLiteral("الحكم: ");
const QString kNisabCaption = QStringLiteral("نصاب %1 (%2 جرامًا)");
const QString kUnsplit =
    QStringLiteral("الزكاة أكبر من أن تُقسَّم إلى ملايين وآلاف، فهي مكتوبة كاملة");
const QString kConditions = QStringLiteral(
    "تجب الزكاة إذا بلغ المال النصاب وحال عليه حول قمري، ومقدارها ربع العشر 2.5 %، "
    "والشرح كاملًا بالمفتاح F1");

const QString kTitle = QStringLiteral("تنبيه");
const QString kNotAnAmount =
    QStringLiteral("اكتب في خانة «%1» عددًا لا يقل عن صفر، أو اتركها فارغة");
const QString kTooLarge =
    QStringLiteral("العدد في خانة «%1» أكبر مما يحسبه البرنامج: أكبر عدد تقبله %2");
const QString kGoldPriceMissing = QStringLiteral(
    "ثمن جرام الذهب ناقص: اكتب «ثمن جرام الذهب عيار 24» لتُحسب قيمة الذهب الذي كتبته");
const QString kSilverPriceMissing = QStringLiteral(
    "ثمن جرام الفضة ناقص: اكتب «ثمن جرام الفضة الخالصة» لتُحسب قيمة الفضة التي كتبتها");
const QString kNoPrice = QStringLiteral(
    "لا يُعرف النصاب بلا ثمن: اكتب ثمن جرام الذهب أو ثمن جرام الفضة أو كليهما");

// Typed characters of each field.
constexpr int kAmountMaxLength = 15;
constexpr int kGramsMaxLength = 10;
constexpr int kPriceMaxLength = 10;
constexpr int kHundredthsMaxLength = 2;

} // namespace

frmzakat6::frmzakat6()
{
    setUpWindow(this, QStringLiteral("frmzakat6"), kCaption, twipsSize(kDesignTwips.width(), kDesignTwips.height()),
                Colour::DarkTeal, true);

    // Decoration first, so that it lies beneath the labels: a frame round each
    // group of entries, round the results, the verdict, the due and its split.
    auto frame = [&](const char *name, const QRect &bounds) {
        new OutlineShape(this, QString::fromLatin1(name), bounds, Colour::White);
    };
    frame("moneyFrame", twips(6780, 870, 6240, 1650));
    frame("goldFrame", twips(6780, 2610, 6240, 2670));
    frame("silverFrame", twips(6780, 5370, 6240, 1650));
    frame("debtsFrame", twips(6780, 7110, 6240, 630));
    frame("resultsFrame", twips(240, 870, 6450, 3930));
    frame("verdictFrame", twips(240, 4920, 6450, 1380));
    frame("dueFrame", twips(240, 6390, 6450, 660));
    frame("breakdownFrame", twips(240, 7140, 6450, 930));
    new LineShape(this, QStringLiteral("resultsLine"), twipsPoint(3480, 870),
                  twipsPoint(3480, 4800), Colour::White);

    const QFont captionFont = designFont(Face::Arial, 12, Bold);
    const QFont fieldFont = designFont(Face::SimplifiedArabic, 14.25, Bold);
    const QFont resultFont = designFont(Face::SimplifiedArabic, 15.75, Bold);
    const QFont unitNameFont = designFont(Face::SimplifiedArabic, 12, Bold);
    auto label = [&](const QString &name, const QString &text, const QRect &bounds,
                     const QFont &font, const QColor &colour = Colour::White,
                     Qt::Alignment alignment = Align::Right) {
        return new DesignLabel(this, name, text, bounds, font, colour, alignment);
    };

    m_heading = label(QStringLiteral("heading"), kCaption, twips(6900, 150, 6000, 600),
                      designFont(Face::Arial, 18, Underlined), Colour::White, Align::Centre);
    label(QStringLiteral("resultsHeading"), kResultsHeading, twips(240, 210, 6450, 540),
          designFont(Face::Arial, 15.75, Bold), Colour::White, Align::Centre);

    // The entries, one to a row: caption on the right, field on its left.
    auto entry = [&](const char *name, const QString &caption, int top, int maxLength,
                     WealthEntry member) {
        const QString fieldName = QString::fromLatin1(name);
        auto *captionLabel = label(fieldName + QStringLiteral("Caption"), caption,
                                   twips(9300, top, 3600, 450), captionFont);
        auto *field = new EntryField(this, fieldName, QString(), twips(6900, top, 2280, 450),
                                     fieldFont, Qt::AlignHCenter, maxLength);
        field->setAccessibleName(ui::spokenName(caption));
        m_entries.append({field, captionLabel, member});
        return field;
    };
    cash = entry("cash", QStringLiteral("النقد في اليد وفي الحسابات"), 960, kAmountMaxLength,
                 &WealthEntries::cash);
    tradeGoods = entry("tradeGoods", QStringLiteral("عروض التجارة بسعر بيعها اليوم"), 1470,
                       kAmountMaxLength, &WealthEntries::tradeGoods);
    receivables = entry("receivables", QStringLiteral("ديون لك يُرجى سدادها"), 1980,
                        kAmountMaxLength, &WealthEntries::receivables);
    gold24 = entry("gold24", QStringLiteral("ذهب عيار 24 بالجرام"), 2700, kGramsMaxLength,
                   &WealthEntries::gold24);
    gold22 = entry("gold22", QStringLiteral("ذهب عيار 22 بالجرام"), 3210, kGramsMaxLength,
                   &WealthEntries::gold22);
    gold21 = entry("gold21", QStringLiteral("ذهب عيار 21 بالجرام"), 3720, kGramsMaxLength,
                   &WealthEntries::gold21);
    gold18 = entry("gold18", QStringLiteral("ذهب عيار 18 بالجرام"), 4230, kGramsMaxLength,
                   &WealthEntries::gold18);
    goldPrice = entry("goldPrice", QStringLiteral("ثمن جرام الذهب عيار 24"), 4740,
                      kPriceMaxLength, &WealthEntries::goldPrice);
    silverPure = entry("silverPure", QStringLiteral("فضة خالصة بالجرام"), 5460, kGramsMaxLength,
                       &WealthEntries::silverPure);
    silver925 = entry("silver925", QStringLiteral("فضة عيار 925 بالجرام"), 5970,
                      kGramsMaxLength, &WealthEntries::silver925);
    silverPrice = entry("silverPrice", QStringLiteral("ثمن جرام الفضة الخالصة"), 6480,
                        kPriceMaxLength, &WealthEntries::silverPrice);
    debts = entry("debts", QStringLiteral("ديون عليك حالّة"), 7200, kAmountMaxLength,
                  &WealthEntries::debts);
    compute = new CommandButton(this, QStringLiteral("compute"), kComputeText,
                                twips(6900, 7920, 6000, 540), designFont(Face::Arial, 14.25, Bold),
                                Colour::Aqua);

    // The results, one to a row: caption on the right, value on its left.
    auto result = [&](const char *name, const QString &caption, int top) {
        const QString valueName = QString::fromLatin1(name);
        auto *captionLabel = label(valueName + QStringLiteral("Caption"), caption,
                                   twips(3540, top, 3060, 450), captionFont);
        auto *value = label(valueName, kResultPlaceholder, twips(360, top, 3060, 450), resultFont,
                            Colour::Yellow, Align::Centre);
        m_results.append(Result{value, captionLabel});
        return value;
    };
    pureGold = result("pureGold", QStringLiteral("الذهب الخالص بالجرام"), 960);
    goldValue = result("goldValue", QStringLiteral("قيمة الذهب"), 1470);
    pureSilver = result("pureSilver", QStringLiteral("الفضة الخالصة بالجرام"), 1980);
    silverValue = result("silverValue", QStringLiteral("قيمة الفضة"), 2490);
    netWealth = result("netWealth", QStringLiteral("صافي المال بعد الديون"), 3120);
    goldNisab = result("goldNisab",
                       kNisabCaption.arg(QStringLiteral("الذهب"),
                                         numberText(Zakat::kGoldNisabGrams)),
                       3750);
    silverNisab = result("silverNisab",
                         kNisabCaption.arg(QStringLiteral("الفضة"),
                                           numberText(Zakat::kSilverNisabGrams)),
                         4260);
    verdict = label(QStringLiteral("verdict"), kVerdictPlaceholder, twips(360, 4980, 6210, 1260),
                    designFont(Face::TraditionalArabic, 14.25, Bold), Colour::LightGreen);
    auto *dueCaption = label(QStringLiteral("dueCaption"), QStringLiteral("الزكاة الواجبة"),
                             twips(3540, 6480, 3060, 480), designFont(Face::Arial, 14.25, Bold));
    due = label(QStringLiteral("due"), kResultPlaceholder, twips(360, 6435, 3060, 570),
                designFont(Face::SimplifiedArabic, 18, Bold), Colour::Yellow, Align::Centre);
    m_results.append(Result{due, dueCaption});

    // The due split, in four cells from millions on the right to hundredths.
    auto box = [&](const char *name, int left) {
        return label(QString::fromLatin1(name), QString(), twips(left, 7200, 1500, 420),
                     resultFont, Colour::Yellow, Align::Centre);
    };
    auto unitName = [&](const char *name, const QString &text, int left) {
        auto *shown = label(QString::fromLatin1(name), text, twips(left, 7620, 1500, 390),
                            unitNameFont, Colour::White, Align::Centre);
        shown->hide();
        return shown;
    };
    auto *hundredths = new EntryField(this, QStringLiteral("hundredths"), QString(),
                                      twips(420, 7200, 1500, 420), unitNameFont, Qt::AlignHCenter,
                                      kHundredthsMaxLength);
    makeHundredthsBox(hundredths, Colour::DarkTeal);
    auto *hundredthName = unitName("hundredthName", QStringLiteral("هللة أو قرش"), 420);
    hundredths->setAccessibleName(hundredthName->text());
    auto *wholePart = label(QStringLiteral("wholePart"), QString(), twips(240, 8130, 1500, 450),
                            resultFont);
    auto *fraction = label(QStringLiteral("fraction"), QString(), twips(1800, 8130, 1500, 450),
                           resultFont);
    wholePart->hide();
    fraction->hide();
    // Working labels the breakdown keeps its parts in: never heard.
    for (QWidget *store : {static_cast<QWidget *>(wholePart), static_cast<QWidget *>(fraction)})
        ui::keepFromAssistiveTechnology(store);
    m_breakdown = {due,
                   wholePart,
                   fraction,
                   box("millions", 5100),
                   box("thousands", 3540),
                   box("units", 1980),
                   hundredths,
                   unitName("millionName", QStringLiteral("مليون"), 5100),
                   unitName("thousandName", QStringLiteral("ألف"), 3540),
                   unitName("unitName", QStringLiteral("ريال أوجنيه"), 1980),
                   hundredthName};
    unsplitNote = label(QStringLiteral("unsplitNote"), kUnsplit, twips(240, 8130, 6450, 450),
                        unitNameFont, Colour::LightGreen, Align::Centre);
    unsplitNote->hide();
    label(QStringLiteral("conditions"), kConditions, twips(2550, 8760, 8250, 690),
          designFont(Face::TraditionalArabic, 13.5, Bold), Colour::LightGreen, Align::Centre);

    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("back"), twips(10965, 8730, 1935, 735),
                       QStringLiteral("exit"), twips(300, 8730, 2055, 735), Colour::Aqua);
    back = backAndExit.back;
    exit = backAndExit.exit;
    QList<DesignLabel *> selectable = {verdict};
    for (const Result &shown : std::as_const(m_results))
        selectable << shown.value;
    addCalculatorActions(this, backAndExit, [this] { return summary(); }, selectable);

    compute->setHandler([this] { compute_Click(); });
    for (const Entry &shown : std::as_const(m_entries)) {
        shown.field->setSelectAllOnClick(true);
        shown.field->setChangeHandler([this] { entry_Change(); });
        shown.field->setEnterHandler([this] { compute_Click(); });
    }
    entry_Change(); // the results' spoken names

    QStringList tabOrder;
    for (const Entry &shown : std::as_const(m_entries))
        tabOrder << shown.field->objectName();
    tabOrder << compute->objectName() << back->objectName() << exit->objectName();
    applyTabOrder(this, tabOrder);
}

EntryField *frmzakat6::fieldOf(WealthEntry entry) const
{
    for (const Entry &shown : m_entries)
        if (shown.entry == entry)
            return shown.field;
    return cash;
}

DesignLabel *frmzakat6::captionOf(const EntryField *field) const
{
    for (const Entry &shown : m_entries)
        if (shown.field == field)
            return shown.caption;
    return nullptr;
}

void frmzakat6::showResult(const Result &result, const QString &text)
{
    result.value->setText(text);
    // A screen reader hears the number with what it is, and no dots.
    result.value->setAccessibleName(ui::spokenName(result.caption->text()) + QStringLiteral(": ")
                                    + (text == kResultPlaceholder ? kNotComputedYet : text));
}

void frmzakat6::compute_Click()
{
    entry_Change();
    WealthEntries entries;
    for (const Entry &shown : std::as_const(m_entries))
        entries.*shown.entry = shown.field->text();
    const WealthZakat result = wealthZakat(entries);

    EntryField *field = fieldOf(result.entry);
    const QString fieldCaption = readable(captionOf(field)->text());
    switch (result.problem) {
    case WealthProblem::None:
        break;
    case WealthProblem::NotAnAmount:
        showWarning(this, kNotAnAmount.arg(fieldCaption), kTitle);
        break;
    case WealthProblem::TooLarge:
        showWarning(this, kTooLarge.arg(fieldCaption, numberText(Zakat::kLargestWealthEntry)),
                    kTitle);
        break;
    case WealthProblem::GoldPriceMissing:
        showWarning(this, kGoldPriceMissing, kTitle);
        break;
    case WealthProblem::SilverPriceMissing:
        showWarning(this, kSilverPriceMissing, kTitle);
        break;
    case WealthProblem::NoPrice:
        showWarning(this, kNoPrice, kTitle);
        break;
    }
    if (result.problem != WealthProblem::None) {
        field->focusAndSelectAll();
        return;
    }

    const QString texts[] = {result.pureGold,  result.goldValue, result.pureSilver,
                             result.silverValue, result.netWealth, result.goldNisab,
                             result.silverNisab, result.due};
    for (int i = 0; i < m_results.size(); ++i)
        showResult(m_results[i], texts[i]);
    verdict->setText(result.sentence);
    verdict->setAccessibleName(kVerdictName + result.sentence);
    if (result.dueSplit)
        showBreakdown(m_breakdown);
    nameBreakdownCells();
    unsplitNote->setVisible(result.dueTooLargeToSplit);
    ui::announce(this, result.sentence); // the verdict and the due, heard once
}

void frmzakat6::entry_Change()
{
    for (const Result &shown : std::as_const(m_results))
        showResult(shown, kResultPlaceholder);
    verdict->setText(kVerdictPlaceholder);
    verdict->setAccessibleName(kVerdictName + kNotComputedYet);
    for (DesignLabel *box : {m_breakdown.millions, m_breakdown.thousands, m_breakdown.units,
                             m_breakdown.wholePart, m_breakdown.fraction})
        box->setText(QString());
    m_breakdown.hundredths->write(QString());
    for (DesignLabel *name : {m_breakdown.millionName, m_breakdown.thousandName,
                              m_breakdown.unitName, m_breakdown.hundredthName})
        name->hide();
    unsplitNote->hide();
    nameBreakdownCells();
}

void frmzakat6::nameBreakdownCells()
{
    // "ألف: 6": each cell heard with its unit, the unit alone while it is empty.
    const std::pair<DesignLabel *, DesignLabel *> cells[] = {
        {m_breakdown.millions, m_breakdown.millionName},
        {m_breakdown.thousands, m_breakdown.thousandName},
        {m_breakdown.units, m_breakdown.unitName}};
    for (const auto &[box, name] : cells)
        box->setAccessibleName(box->text().isEmpty()
                                   ? name->text()
                                   : name->text() + QStringLiteral(": ") + box->text());
}

ComputationSummary frmzakat6::summary() const
{
    ComputationSummary summary;
    summary.heading = readable(m_heading->text());
    for (const Entry &shown : m_entries) {
        const QString text = trimBlanks(shown.field->text());
        if (!text.isEmpty() && readNumber(text).value_or(1) != 0)
            summary.add(shown.caption->text(), text);
    }
    if (!showsNumber(due->text()))
        return summary; // nothing computed from these entries yet
    // The metal without metal says nothing; the totals, the nisabs and the
    // due are listed whatever they are.
    for (const Result &shown : m_results) {
        const bool metal = shown.value == pureGold || shown.value == goldValue
            || shown.value == pureSilver || shown.value == silverValue;
        if (!metal || readNumber(shown.value->text()).value_or(1) != 0)
            summary.add(shown.caption->text(), shown.value->text());
    }
    summary.addLine(verdict->text());
    if (!unsplitNote->isHidden())
        summary.addLine(unsplitNote->text());
    else
        summary.addLine(breakdownText(m_breakdown));
    return summary;
}
