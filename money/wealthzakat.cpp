// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/wealthzakat.h"

#include "core/numbers.h"
#include "money/zakatconstants.h"

namespace {

// The verdicts, each one sentence, by the nisab followed; %1 is the due. A
// sentence that states a due never says in the same breath that none is due.
const QString kNoWealth = QStringLiteral("لم تكتب مالًا يُزكّى، فلا زكاة عليك.");
const QString kDebtsCoverWealth =
    QStringLiteral("الديون التي عليك تستغرق مالك كله، فلا زكاة عليك.");
const QString kBothReached =
    QStringLiteral("بلغ مالك نصاب الذهب ونصاب الفضة، فالزكاة الواجبة %1.");
const QString kNeitherReached =
    QStringLiteral("لم يبلغ مالك نصاب الذهب ولا نصاب الفضة، فلا زكاة عليك.");
const QString kGoldOnlyByLower = QStringLiteral(
    "بلغ مالك نصاب الذهب ولم يبلغ نصاب الفضة، وبالأقل من النصابين فالزكاة الواجبة %1.");
const QString kSilverOnlyByLower = QStringLiteral(
    "بلغ مالك نصاب الفضة ولم يبلغ نصاب الذهب، وبالأقل من النصابين فالزكاة الواجبة %1.");
const QString kGoldFollowedReached =
    QStringLiteral("بلغ مالك نصاب الذهب الذي تتبعه، فالزكاة الواجبة %1.");
const QString kSilverFollowedReached =
    QStringLiteral("بلغ مالك نصاب الفضة الذي تتبعه، فالزكاة الواجبة %1.");
const QString kGoldFollowedSilverReached = QStringLiteral(
    "بلغ مالك نصاب الفضة ولم يبلغ نصاب الذهب الذي تتبعه، فلا تجب عليك الزكاة بنصاب الذهب.");
const QString kSilverFollowedGoldReached = QStringLiteral(
    "بلغ مالك نصاب الذهب ولم يبلغ نصاب الفضة الذي تتبعه، فلا تجب عليك الزكاة بنصاب الفضة.");
const QString kGoldReached = QStringLiteral("بلغ مالك نصاب الذهب، فالزكاة الواجبة %1.");
const QString kSilverReached = QStringLiteral("بلغ مالك نصاب الفضة، فالزكاة الواجبة %1.");
const QString kBelowGoldFollowed =
    QStringLiteral("لم يبلغ مالك نصاب الذهب الذي تتبعه، فلا زكاة عليك.");
const QString kBelowSilverFollowed =
    QStringLiteral("لم يبلغ مالك نصاب الفضة الذي تتبعه، فلا زكاة عليك.");
// Below the one nisab known, the other may be lower: the user is asked for
// its price rather than told that nothing is due.
const QString kBelowGoldAskSilver = QStringLiteral(
    "لم يبلغ مالك نصاب الذهب، ونصاب الفضة قد يكون أقل منه: اكتب ثمن جرام الفضة لتعرف هل "
    "بلغه مالك.");
const QString kBelowSilverAskGold = QStringLiteral(
    "لم يبلغ مالك نصاب الفضة، ونصاب الذهب قد يكون أقل منه: اكتب ثمن جرام الذهب لتعرف هل "
    "بلغه مالك.");

// Around a figure below zero: a left-to-right isolate, so that its minus sign
// stays before its digits in a right-to-left line.
constexpr char16_t kLeftToRightIsolate = u'\u2066';
constexpr char16_t kPopIsolate = u'\u2069';

QString sentenceOf(WealthVerdict verdict, NisabBasis basis, const QString &due)
{
    switch (verdict) {
    case WealthVerdict::NoWealth:
        return kNoWealth;
    case WealthVerdict::DebtsCoverWealth:
        return kDebtsCoverWealth;
    case WealthVerdict::BothReached:
        return kBothReached.arg(due);
    case WealthVerdict::GoldOnlyReached:
        return basis == NisabBasis::Lower  ? kGoldOnlyByLower.arg(due)
               : basis == NisabBasis::Gold ? kGoldFollowedReached.arg(due)
                                           : kSilverFollowedGoldReached;
    case WealthVerdict::SilverOnlyReached:
        return basis == NisabBasis::Lower    ? kSilverOnlyByLower.arg(due)
               : basis == NisabBasis::Silver ? kSilverFollowedReached.arg(due)
                                             : kGoldFollowedSilverReached;
    case WealthVerdict::NeitherReached:
        return kNeitherReached;
    case WealthVerdict::GoldReached:
        return basis == NisabBasis::Gold ? kGoldFollowedReached.arg(due) : kGoldReached.arg(due);
    case WealthVerdict::BelowGold:
        return basis == NisabBasis::Gold ? kBelowGoldFollowed : kBelowGoldAskSilver;
    case WealthVerdict::SilverReached:
        return basis == NisabBasis::Silver ? kSilverFollowedReached.arg(due)
                                           : kSilverReached.arg(due);
    case WealthVerdict::BelowSilver:
        return basis == NisabBasis::Silver ? kBelowSilverFollowed : kBelowSilverAskGold;
    }
    return QString();
}

WealthVerdict verdictOf(std::optional<bool> reachesGold, std::optional<bool> reachesSilver)
{
    if (reachesGold && reachesSilver) {
        if (*reachesGold && *reachesSilver)
            return WealthVerdict::BothReached;
        if (*reachesGold)
            return WealthVerdict::GoldOnlyReached;
        return *reachesSilver ? WealthVerdict::SilverOnlyReached : WealthVerdict::NeitherReached;
    }
    if (reachesGold)
        return *reachesGold ? WealthVerdict::GoldReached : WealthVerdict::BelowGold;
    return *reachesSilver ? WealthVerdict::SilverReached : WealthVerdict::BelowSilver;
}

// Grams of gold of the four karats, as pure gold: each karat is that many
// 24ths pure.
double pureGoldOf(double karat24, double karat22, double karat21, double karat18)
{
    return karat24 + karat22 * 22 / Zakat::kPureGoldKarats + karat21 * 21 / Zakat::kPureGoldKarats
        + karat18 * 18 / Zakat::kPureGoldKarats;
}

} // namespace

WealthZakat wealthZakat(const WealthEntries &entries, const WealthViews &views)
{
    WealthZakat result;
    result.views = views;
    std::array<double, kWealthEntries.size()> values{};
    for (std::size_t i = 0; i < kWealthEntries.size(); ++i) {
        const WealthEntry entry = kWealthEntries[i];
        const QString &text = entries.*entry;
        if (trimBlanks(text).isEmpty())
            continue; // an empty field counts as 0
        const auto value = readNumber(text);
        if (entry == &WealthEntries::investmentSharesPercent
            && (!value || *value < 0 || *value > 100)) {
            result.problem = WealthProblem::PercentOutOfRange;
            result.entry = entry;
            return result;
        }
        if (!value || *value < 0) {
            result.problem = WealthProblem::NotAnAmount;
            result.entry = entry;
            return result;
        }
        if (*value > Zakat::kLargestWealthEntry) {
            result.problem = WealthProblem::TooLarge;
            result.entry = entry;
            return result;
        }
        values[i] = *value + 0.0; // never -0
    }
    // Shares held for the long term count at a share the user must give:
    // without it they would silently count for nothing.
    if (!trimBlanks(entries.investmentShares).isEmpty()
        && readNumber(entries.investmentShares).value_or(0) > 0
        && trimBlanks(entries.investmentSharesPercent).isEmpty()) {
        result.problem = WealthProblem::PercentOutOfRange;
        result.entry = &WealthEntries::investmentSharesPercent;
        return result;
    }
    const auto amount = [&](WealthEntry entry) {
        for (std::size_t i = 0; i < kWealthEntries.size(); ++i)
            if (kWealthEntries[i] == entry)
                return values[i];
        return 0.0;
    };
    const auto fail = [&](WealthProblem problem, WealthEntry entry) {
        result.problem = problem;
        result.entry = entry;
        return result;
    };

    result.jewelleryPureGold = roundedToHundredths(
        pureGoldOf(amount(&WealthEntries::jewellery24), amount(&WealthEntries::jewellery22),
                   amount(&WealthEntries::jewellery21), amount(&WealthEntries::jewellery18)));
    result.jewelleryPureSilver = roundedToHundredths(amount(&WealthEntries::jewellerySilver925)
                                                     * Zakat::kSterlingFineness);
    const double counted = views.jewelleryCounted ? 1 : 0;
    result.pureGold = roundedToHundredths(
        pureGoldOf(amount(&WealthEntries::gold24), amount(&WealthEntries::gold22),
                   amount(&WealthEntries::gold21), amount(&WealthEntries::gold18))
        + counted
            * pureGoldOf(amount(&WealthEntries::jewellery24), amount(&WealthEntries::jewellery22),
                         amount(&WealthEntries::jewellery21),
                         amount(&WealthEntries::jewellery18)));
    result.pureSilver = roundedToHundredths(
        amount(&WealthEntries::silverPure)
        + (amount(&WealthEntries::silver925)
           + counted * amount(&WealthEntries::jewellerySilver925))
            * Zakat::kSterlingFineness);
    const double goldPrice = amount(&WealthEntries::goldPrice);
    const double silverPrice = amount(&WealthEntries::silverPrice);
    if (result.pureGold > 0 && goldPrice == 0)
        return fail(WealthProblem::GoldPriceMissing, &WealthEntries::goldPrice);
    if (result.pureSilver > 0 && silverPrice == 0)
        return fail(WealthProblem::SilverPriceMissing, &WealthEntries::silverPrice);
    if (goldPrice == 0 && silverPrice == 0)
        return fail(WealthProblem::NoPrice, &WealthEntries::goldPrice);
    if (views.basis == NisabBasis::Gold && goldPrice == 0)
        return fail(WealthProblem::ChosenGoldPriceMissing, &WealthEntries::goldPrice);
    if (views.basis == NisabBasis::Silver && silverPrice == 0)
        return fail(WealthProblem::ChosenSilverPriceMissing, &WealthEntries::silverPrice);

    // Each figure follows from the figures shown before it, so that a reader
    // can work every step again from the window.
    result.goldValue = roundedToHundredths(result.pureGold * goldPrice);
    result.silverValue = roundedToHundredths(result.pureSilver * silverPrice);
    result.investmentCounted = roundedToHundredths(
        amount(&WealthEntries::investmentShares) * amount(&WealthEntries::investmentSharesPercent)
        / 100);
    const double debts = amount(&WealthEntries::debts);
    result.netWealth = roundedToHundredths(
        amount(&WealthEntries::cash) + amount(&WealthEntries::tradeGoods)
        + amount(&WealthEntries::receivables) + amount(&WealthEntries::tradingShares)
        + result.investmentCounted + amount(&WealthEntries::pension)
        + amount(&WealthEntries::crypto) + result.goldValue + result.silverValue - debts);

    std::optional<bool> reachesGold;
    std::optional<bool> reachesSilver;
    if (goldPrice > 0) {
        result.goldNisab = roundedToHundredths(Zakat::kGoldNisabGrams * goldPrice);
        reachesGold = result.netWealth >= *result.goldNisab;
    }
    if (silverPrice > 0) {
        result.silverNisab = roundedToHundredths(Zakat::kSilverNisabGrams * silverPrice);
        reachesSilver = result.netWealth >= *result.silverNisab;
    }

    if (result.netWealth <= 0) {
        result.verdict = debts > 0 ? WealthVerdict::DebtsCoverWealth : WealthVerdict::NoWealth;
        return result;
    }
    result.verdict = verdictOf(reachesGold, reachesSilver);
    const bool due = views.basis == NisabBasis::Gold ? reachesGold.value_or(false)
        : views.basis == NisabBasis::Silver          ? reachesSilver.value_or(false)
                                            : reachesGold.value_or(false)
            || reachesSilver.value_or(false);
    if (due) {
        result.due = roundedToHundredths(result.netWealth / Zakat::kQuarterTenth);
        result.dueSplit = result.due <= Zakat::kLargestValueToSplit;
        result.dueTooLargeToSplit = !result.dueSplit;
    }
    return result;
}

QString wealthFigure(double value)
{
    const QString text = hundredthsText(value);
    if (!text.startsWith(u'-'))
        return text;
    return QChar(kLeftToRightIsolate) + text + QChar(kPopIsolate);
}

QString nisabText(const std::optional<double> &nisab)
{
    return nisab ? wealthFigure(*nisab) : kNisabWithoutPrice;
}

QString wealthSentence(const WealthZakat &zakat)
{
    if (zakat.problem != WealthProblem::None)
        return QString();
    return sentenceOf(zakat.verdict, zakat.views.basis, wealthFigure(zakat.due));
}

QString basisName(NisabBasis basis)
{
    switch (basis) {
    case NisabBasis::Lower:
        return QStringLiteral("الأقل من النصابين");
    case NisabBasis::Gold:
        return QStringLiteral("نصاب الذهب");
    case NisabBasis::Silver:
        return QStringLiteral("نصاب الفضة");
    }
    return QString();
}
