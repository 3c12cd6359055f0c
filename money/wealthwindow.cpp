// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/wealthwindow.h"

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

const QString kDueCaption = QStringLiteral("الزكاة الواجبة");
const BreakdownNames kNames{QStringLiteral("مليون"), QStringLiteral("ألف"),
                           QStringLiteral("ريال أوجنيه"), QStringLiteral("هللة أو قرش")};

} // namespace

WealthWindow::WealthWindow() : DesignWindow(kDesignTwips)
{
    const DesignScale &at = scale();
    setUpWindow(this, QStringLiteral("frmzakat6"), kCaption, at.size(kDesignTwips),
                Colour::DarkTeal, true);

    // Decoration first, so that it lies beneath the labels: a frame round each
    // group of entries, round the results, the verdict, the due and its split.
    auto frame = [&](const char *name, const QRect &bounds) {
        new OutlineShape(this, QString::fromLatin1(name), bounds, Colour::White);
    };
    frame("moneyFrame", at.rect(6780, 870, 6240, 1650));
    frame("goldFrame", at.rect(6780, 2610, 6240, 2670));
    frame("silverFrame", at.rect(6780, 5370, 6240, 1650));
    frame("debtsFrame", at.rect(6780, 7110, 6240, 630));
    frame("resultsFrame", at.rect(240, 870, 6450, 3930));
    frame("verdictFrame", at.rect(240, 4920, 6450, 1380));
    frame("dueFrame", at.rect(240, 6390, 6450, 660));
    frame("breakdownFrame", at.rect(240, 7140, 6450, 930));
    new LineShape(this, QStringLiteral("resultsLine"), at.point(3480, 870),
                  at.point(3480, 4800), Colour::White);

    const QFont captionFont = at.font(Face::Arial, 12, Bold);
    const QFont fieldFont = at.font(Face::SimplifiedArabic, 14.25, Bold);
    const QFont resultFont = at.font(Face::SimplifiedArabic, 15.75, Bold);
    const QFont boxNameFont = at.font(Face::SimplifiedArabic, 12, Bold);
    auto label = [&](const QString &name, const QString &text, const QRect &bounds,
                     const QFont &font, const QColor &colour = Colour::White,
                     Qt::Alignment alignment = Align::Right) {
        return new DesignLabel(this, name, text, bounds, font, colour, alignment);
    };

    label(QStringLiteral("heading"), kCaption, at.rect(6900, 150, 6000, 600),
          at.font(Face::Arial, 18, Underlined), Colour::White, Align::Centre);
    label(QStringLiteral("resultsHeading"), kResultsHeading, at.rect(240, 210, 6450, 540),
          at.font(Face::Arial, 15.75, Bold), Colour::White, Align::Centre);

    // The entries, one to a row: caption on the right, field on its left.
    auto entry = [&](const char *name, const QString &caption, int top, int maxLength,
                     WealthEntry member) {
        const QString fieldName = QString::fromLatin1(name);
        label(fieldName + QStringLiteral("Caption"), caption, at.rect(9300, top, 3600, 450),
              captionFont);
        auto *field = new EntryField(this, fieldName, QString(), at.rect(6900, top, 2280, 450),
                                     fieldFont, Qt::AlignHCenter, maxLength);
        field->setAccessibleName(ui::spokenName(caption));
        m_entries.append({field, caption, member});
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
    computeButton = new CommandButton(this, QStringLiteral("compute"), kComputeText,
                                      at.rect(6900, 7920, 6000, 540),
                                      at.font(Face::Arial, 14.25, Bold), Colour::Aqua);

    // The results, one to a row: caption on the right, value on its left.
    auto result = [&](const char *name, const QString &caption, int top,
                      QString (*text)(const WealthZakat &), bool metal) {
        const QString valueName = QString::fromLatin1(name);
        label(valueName + QStringLiteral("Caption"), caption, at.rect(3540, top, 3060, 450),
              captionFont);
        auto *value = label(valueName, kResultPlaceholder, at.rect(360, top, 3060, 450),
                            resultFont, Colour::Yellow, Align::Centre);
        m_results.append(Result{value, caption, text, metal});
    };
    result("pureGold", QStringLiteral("الذهب الخالص بالجرام"), 960,
           [](const WealthZakat &z) { return numberText(z.pureGold); }, true);
    result("goldValue", QStringLiteral("قيمة الذهب"), 1470,
           [](const WealthZakat &z) { return numberText(z.goldValue); }, true);
    result("pureSilver", QStringLiteral("الفضة الخالصة بالجرام"), 1980,
           [](const WealthZakat &z) { return numberText(z.pureSilver); }, true);
    result("silverValue", QStringLiteral("قيمة الفضة"), 2490,
           [](const WealthZakat &z) { return numberText(z.silverValue); }, true);
    result("netWealth", QStringLiteral("صافي المال بعد الديون"), 3120,
           [](const WealthZakat &z) { return numberText(z.netWealth); }, false);
    result("goldNisab",
           kNisabCaption.arg(QStringLiteral("الذهب"), numberText(Zakat::kGoldNisabGrams)), 3750,
           [](const WealthZakat &z) { return nisabText(z.goldNisab); }, false);
    result("silverNisab",
           kNisabCaption.arg(QStringLiteral("الفضة"), numberText(Zakat::kSilverNisabGrams)),
           4260, [](const WealthZakat &z) { return nisabText(z.silverNisab); }, false);
    verdict = label(QStringLiteral("verdict"), kVerdictPlaceholder, at.rect(360, 4980, 6210, 1260),
                    at.font(Face::TraditionalArabic, 14.25, Bold), Colour::LightGreen);
    label(QStringLiteral("dueCaption"), kDueCaption, at.rect(3540, 6480, 3060, 480),
          at.font(Face::Arial, 14.25, Bold));
    due = label(QStringLiteral("due"), kResultPlaceholder, at.rect(360, 6435, 3060, 570),
                at.font(Face::SimplifiedArabic, 18, Bold), Colour::Yellow, Align::Centre);
    m_results.append(Result{due, kDueCaption,
                            [](const WealthZakat &z) { return numberText(z.due); }, false});

    // The due split, in four boxes from millions on the right to hundredths.
    auto box = [&](const char *name, int left) {
        return label(QString::fromLatin1(name), QString(), at.rect(left, 7200, 1500, 420),
                     resultFont, Colour::Yellow, Align::Centre);
    };
    auto boxName = [&](const char *name, const QString &text, int left) {
        auto *shown = label(QString::fromLatin1(name), text, at.rect(left, 7620, 1500, 390),
                            boxNameFont, Colour::White, Align::Centre);
        shown->hide();
        return shown;
    };
    breakdown.millions = box("millions", 5100);
    breakdown.thousands = box("thousands", 3540);
    breakdown.units = box("units", 1980);
    breakdown.hundredths = new EntryField(this, QStringLiteral("hundredths"), QString(),
                                          at.rect(420, 7200, 1500, 420), boxNameFont,
                                          Qt::AlignHCenter, kHundredthsMaxLength);
    makeHundredthsBox(breakdown.hundredths, Colour::DarkTeal);
    breakdown.millionName = boxName("millionName", kNames.million, 5100);
    breakdown.thousandName = boxName("thousandName", kNames.thousand, 3540);
    breakdown.unitName = boxName("unitName", kNames.unit, 1980);
    breakdown.hundredthName = boxName("hundredthName", kNames.hundredth, 420);
    breakdown.hundredths->setAccessibleName(kNames.hundredth);
    unsplitNote = label(QStringLiteral("unsplitNote"), kUnsplit, at.rect(240, 8130, 6450, 450),
                        boxNameFont, Colour::LightGreen, Align::Centre);
    unsplitNote->hide();
    label(QStringLiteral("conditions"), kConditions, at.rect(2550, 8760, 8250, 690),
          at.font(Face::TraditionalArabic, 13.5, Bold), Colour::LightGreen, Align::Centre);

    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("back"), at.rect(10965, 8730, 1935, 735),
                       QStringLiteral("exit"), at.rect(300, 8730, 2055, 735), Colour::Aqua);
    backButton = backAndExit.back;
    exitButton = backAndExit.exit;
    QList<DesignLabel *> selectable = {verdict};
    for (const Result &shown : std::as_const(m_results))
        selectable << shown.value;
    addCalculatorActions(this, backAndExit, [this] { return summary(); }, selectable);

    computeButton->setHandler([this] { compute(); });
    for (const Entry &shown : std::as_const(m_entries)) {
        shown.field->setSelectAllOnClick(true);
        shown.field->setChangeHandler([this] { entryChanged(); });
        shown.field->setEnterHandler([this] { compute(); });
    }
    entryChanged(); // the results' spoken names

    QStringList tabOrder;
    for (const Entry &shown : std::as_const(m_entries))
        tabOrder << shown.field->objectName();
    tabOrder << computeButton->objectName() << backButton->objectName()
             << exitButton->objectName();
    applyTabOrder(this, tabOrder);
}

const WealthWindow::Entry &WealthWindow::entryOf(WealthEntry entry) const
{
    for (const Entry &shown : m_entries)
        if (shown.entry == entry)
            return shown;
    return m_entries.first();
}

void WealthWindow::showResult(const Result &result, const QString &text)
{
    result.value->setText(text);
    // A screen reader hears the number with what it is, and no dots.
    result.value->setAccessibleName(ui::spokenName(result.caption) + QStringLiteral(": ")
                                    + (text == kResultPlaceholder ? kNotComputedYet : text));
}

void WealthWindow::compute()
{
    entryChanged();
    WealthEntries entries;
    for (const Entry &shown : std::as_const(m_entries))
        entries.*shown.entry = shown.field->text();
    const WealthZakat zakat = wealthZakat(entries);

    const Entry &entry = entryOf(zakat.entry);
    const QString fieldCaption = readable(entry.caption);
    switch (zakat.problem) {
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
    if (zakat.problem != WealthProblem::None) {
        entry.field->focusAndSelectAll();
        return;
    }

    m_zakat = zakat;
    for (const Result &shown : std::as_const(m_results))
        showResult(shown, shown.text(zakat));
    const QString sentence = wealthSentence(zakat);
    verdict->setText(sentence);
    verdict->setAccessibleName(kVerdictName + sentence);
    if (zakat.dueSplit)
        m_split = breakDownAmount(zakat.due);
    if (m_split)
        showBreakdown(breakdown, *m_split);
    nameBreakdownBoxes();
    unsplitNote->setVisible(zakat.dueTooLargeToSplit);
    ui::announce(this, sentence); // the verdict and the due, heard once
}

void WealthWindow::entryChanged()
{
    m_zakat.reset();
    m_split.reset();
    for (const Result &shown : std::as_const(m_results))
        showResult(shown, kResultPlaceholder);
    verdict->setText(kVerdictPlaceholder);
    verdict->setAccessibleName(kVerdictName + kNotComputedYet);
    clearBreakdown(breakdown);
    unsplitNote->hide();
    nameBreakdownBoxes();
}

void WealthWindow::nameBreakdownBoxes()
{
    // "ألف: 6": each box heard with its name, the name alone while it is empty.
    const BreakdownTexts texts = m_split ? breakdownTexts(*m_split) : BreakdownTexts();
    const std::pair<DesignLabel *, QString> boxes[] = {
        {breakdown.millions, kNames.million},
        {breakdown.thousands, kNames.thousand},
        {breakdown.units, kNames.unit}};
    const QString numbers[] = {texts.millions, texts.thousands, texts.units};
    for (int i = 0; i < 3; ++i)
        boxes[i].first->setAccessibleName(numbers[i].isEmpty()
                                              ? boxes[i].second
                                              : boxes[i].second + QStringLiteral(": ")
                                                    + numbers[i]);
}

ComputationSummary WealthWindow::summary() const
{
    ComputationSummary summary;
    summary.heading = readable(kCaption);
    for (const Entry &shown : m_entries) {
        const QString text = trimBlanks(shown.field->text());
        if (!text.isEmpty() && readNumber(text).value_or(1) != 0)
            summary.add(shown.caption, text);
    }
    if (!m_zakat)
        return summary; // nothing computed from these entries yet
    // The metal without metal says nothing; the totals, the nisabs and the
    // due are listed whatever they are.
    for (const Result &shown : m_results) {
        const QString text = shown.text(*m_zakat);
        if (!shown.metal || readNumber(text).value_or(1) != 0)
            summary.add(shown.caption, text);
    }
    summary.addLine(wealthSentence(*m_zakat));
    if (m_zakat->dueTooLargeToSplit)
        summary.addLine(kUnsplit);
    else if (m_split)
        summary.addLine(breakdownLine(*m_split, kNames));
    return summary;
}
