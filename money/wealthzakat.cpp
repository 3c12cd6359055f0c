// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/wealthzakat.h"

#include "core/numbers.h"
#include "money/zakatconstants.h"

#include <optional>

namespace {

// The verdicts, each one sentence; %1 is the due.
const QString kNoWealth = QStringLiteral("لم تكتب مالًا يُزكّى، فلا زكاة عليك.");
const QString kDebtsCoverWealth =
    QStringLiteral("الديون التي عليك تستغرق مالك كله، فلا زكاة عليك.");
const QString kBothReached =
    QStringLiteral("بلغ مالك نصاب الذهب ونصاب الفضة، فالزكاة الواجبة %1.");
const QString kGoldOnlyReached = QStringLiteral(
    "بلغ مالك نصاب الذهب ولم يبلغ نصاب الفضة، فالزكاة الواجبة %1 بنصاب الذهب، ولا زكاة "
    "بنصاب الفضة.");
const QString kSilverOnlyReached = QStringLiteral(
    "بلغ مالك نصاب الفضة ولم يبلغ نصاب الذهب، فالزكاة الواجبة %1 بنصاب الفضة، ولا زكاة "
    "بنصاب الذهب.");
const QString kNeitherReached =
    QStringLiteral("لم يبلغ مالك نصاب الذهب ولا نصاب الفضة، فلا زكاة عليك.");
const QString kGoldReached = QStringLiteral(
    "بلغ مالك نصاب الذهب، فالزكاة الواجبة %1، ولم يُكتب ثمن الفضة فلم يُقارن بنصابها.");
const QString kBelowGold = QStringLiteral(
    "لم يبلغ مالك نصاب الذهب فلا زكاة عليك به، ولم يُكتب ثمن الفضة لمعرفة نصابها.");
const QString kSilverReached = QStringLiteral(
    "بلغ مالك نصاب الفضة، فالزكاة الواجبة %1، ولم يُكتب ثمن الذهب فلم يُقارن بنصابه.");
const QString kBelowSilver = QStringLiteral(
    "لم يبلغ مالك نصاب الفضة فلا زكاة عليك به، ولم يُكتب ثمن الذهب لمعرفة نصابه.");

QString sentenceOf(WealthVerdict verdict, const QString &due)
{
    switch (verdict) {
    case WealthVerdict::NoWealth:
        return kNoWealth;
    case WealthVerdict::DebtsCoverWealth:
        return kDebtsCoverWealth;
    case WealthVerdict::BothReached:
        return kBothReached.arg(due);
    case WealthVerdict::GoldOnlyReached:
        return kGoldOnlyReached.arg(due);
    case WealthVerdict::SilverOnlyReached:
        return kSilverOnlyReached.arg(due);
    case WealthVerdict::NeitherReached:
        return kNeitherReached;
    case WealthVerdict::GoldReached:
        return kGoldReached.arg(due);
    case WealthVerdict::BelowGold:
        return kBelowGold;
    case WealthVerdict::SilverReached:
        return kSilverReached.arg(due);
    case WealthVerdict::BelowSilver:
        return kBelowSilver;
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

} // namespace

WealthZakat wealthZakat(const WealthEntries &entries)
{
    WealthZakat result;
    std::array<double, kWealthEntries.size()> values{};
    for (std::size_t i = 0; i < kWealthEntries.size(); ++i) {
        const QString &text = entries.*kWealthEntries[i];
        if (trimBlanks(text).isEmpty())
            continue; // an empty field counts as 0
        const auto value = readNumber(text);
        if (!value || *value < 0) {
            result.problem = WealthProblem::NotAnAmount;
            result.entry = kWealthEntries[i];
            return result;
        }
        if (*value > Zakat::kLargestWealthEntry) {
            result.problem = WealthProblem::TooLarge;
            result.entry = kWealthEntries[i];
            return result;
        }
        values[i] = *value + 0.0; // never -0
    }
    const auto amount = [&](WealthEntry entry) {
        for (std::size_t i = 0; i < kWealthEntries.size(); ++i)
            if (kWealthEntries[i] == entry)
                return values[i];
        return 0.0;
    };

    // Each karat is that many 24ths pure gold.
    const double pureGold = amount(&WealthEntries::gold24)
        + amount(&WealthEntries::gold22) * 22 / Zakat::kPureGoldKarats
        + amount(&WealthEntries::gold21) * 21 / Zakat::kPureGoldKarats
        + amount(&WealthEntries::gold18) * 18 / Zakat::kPureGoldKarats;
    const double pureSilver = amount(&WealthEntries::silverPure)
        + amount(&WealthEntries::silver925) * Zakat::kSterlingFineness;
    const double goldPrice = amount(&WealthEntries::goldPrice);
    const double silverPrice = amount(&WealthEntries::silverPrice);
    if (pureGold > 0 && goldPrice == 0) {
        result.problem = WealthProblem::GoldPriceMissing;
        result.entry = &WealthEntries::goldPrice;
        return result;
    }
    if (pureSilver > 0 && silverPrice == 0) {
        result.problem = WealthProblem::SilverPriceMissing;
        result.entry = &WealthEntries::silverPrice;
        return result;
    }
    if (goldPrice == 0 && silverPrice == 0) {
        result.problem = WealthProblem::NoPrice;
        result.entry = &WealthEntries::goldPrice;
        return result;
    }

    const double goldValue = pureGold * goldPrice;
    const double silverValue = pureSilver * silverPrice;
    const double debts = amount(&WealthEntries::debts);
    const double netWealth = shownValue(amount(&WealthEntries::cash) + amount(&WealthEntries::tradeGoods)
                                   + amount(&WealthEntries::receivables) + goldValue + silverValue
                                   - debts);
    // What is judged is what the user reads.
    result.pureGold = shownValue(pureGold);
    result.goldValue = shownValue(goldValue);
    result.pureSilver = shownValue(pureSilver);
    result.silverValue = shownValue(silverValue);
    result.netWealth = netWealth;

    std::optional<bool> reachesGold;
    std::optional<bool> reachesSilver;
    if (goldPrice > 0) {
        result.goldNisab = shownValue(Zakat::kGoldNisabGrams * goldPrice);
        reachesGold = netWealth >= *result.goldNisab;
    }
    if (silverPrice > 0) {
        result.silverNisab = shownValue(Zakat::kSilverNisabGrams * silverPrice);
        reachesSilver = netWealth >= *result.silverNisab;
    }

    if (netWealth <= 0) {
        result.verdict = debts > 0 ? WealthVerdict::DebtsCoverWealth : WealthVerdict::NoWealth;
    } else {
        result.verdict = verdictOf(reachesGold, reachesSilver);
        if (reachesGold.value_or(false) || reachesSilver.value_or(false)) {
            result.due = shownValue(netWealth / Zakat::kQuarterTenth);
            result.dueSplit = result.due <= Zakat::kLargestValueToSplit;
            result.dueTooLargeToSplit = !result.dueSplit;
        }
    }
    return result;
}

QString nisabText(const std::optional<double> &nisab)
{
    return nisab ? numberText(*nisab) : kNisabWithoutPrice;
}

QString wealthSentence(const WealthZakat &zakat)
{
    if (zakat.problem != WealthProblem::None)
        return QString();
    return sentenceOf(zakat.verdict, numberText(zakat.due));
}
