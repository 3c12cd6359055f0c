// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

#include <array>
#include <optional>

// Zakat on the whole of a household's wealth: cash, trade goods, money owed to
// it, shares, what it could draw of its pension, digital currency, gold of four
// karats and silver of two finenesses, and the jewellery it wears where its
// view counts it, added by value, less the debts it must pay within the year.
// A quarter-tenth is due when the net wealth reaches the nisab the household
// follows. Every figure is rounded to two decimals as shown, and what is
// judged is what is shown.

// The entries as typed; an empty entry counts as 0.
struct WealthEntries {
    QString cash;
    QString tradeGoods;
    QString receivables;
    QString doubtfulReceivables; // left out: zakat on them falls due when received
    QString tradingShares;       // counted whole
    QString investmentShares;    // counted at their zakatable share
    QString investmentSharesPercent;
    QString pension; // what could be drawn today, less penalty and tax
    QString crypto;
    QString gold24; // grams of each karat
    QString gold22;
    QString gold21;
    QString gold18;
    QString goldPrice; // of a gram of pure gold
    QString silverPure; // grams
    QString silver925;
    QString silverPrice; // of a gram of pure silver
    QString jewellery24; // grams of gold worn as jewellery, by karat
    QString jewellery22;
    QString jewellery21;
    QString jewellery18;
    QString jewellerySilver925; // grams of sterling silver worn as jewellery
    QString debts;              // due now or within the year
};

using WealthEntry = QString WealthEntries::*;

// Every entry, in the order the window asks for them.
inline constexpr std::array<WealthEntry, 23> kWealthEntries = {
    &WealthEntries::cash,           &WealthEntries::tradeGoods,
    &WealthEntries::receivables,    &WealthEntries::doubtfulReceivables,
    &WealthEntries::tradingShares,  &WealthEntries::investmentShares,
    &WealthEntries::investmentSharesPercent, &WealthEntries::pension,
    &WealthEntries::crypto,         &WealthEntries::gold24,
    &WealthEntries::gold22,         &WealthEntries::gold21,
    &WealthEntries::gold18,         &WealthEntries::goldPrice,
    &WealthEntries::silverPure,     &WealthEntries::silver925,
    &WealthEntries::silverPrice,    &WealthEntries::jewellery24,
    &WealthEntries::jewellery22,    &WealthEntries::jewellery21,
    &WealthEntries::jewellery18,    &WealthEntries::jewellerySilver925,
    &WealthEntries::debts};

// The nisab the household follows: the lower of the two (zakat is due when
// the wealth reaches either nisab whose price is known), or that of one metal.
enum class NisabBasis { Lower, Gold, Silver };

// The views the household follows.
struct WealthViews {
    bool jewelleryCounted = true; // worn jewellery counted like other gold and silver
    NisabBasis basis = NisabBasis::Lower;
};

// What stops the computation; the window warns about it.
enum class WealthProblem {
    None,
    NotAnAmount,        // an entry that is no number, or below zero (WealthZakat::entry)
    TooLarge,           // an entry above the largest (WealthZakat::entry)
    PercentOutOfRange,  // the share of the investment shares not from 0 to 100, or missing
    GoldPriceMissing,   // grams of gold and no price of gold
    SilverPriceMissing, // grams of silver and no price of silver
    NoPrice,            // neither price: no nisab to weigh the wealth against
    ChosenGoldPriceMissing,   // the nisab of gold followed, and no price of gold
    ChosenSilverPriceMissing, // the nisab of silver followed, and no price of silver
};

// How the net wealth stands against the nisabs whose price is known.
enum class WealthVerdict {
    NoWealth,         // nothing but prices typed
    DebtsCoverWealth, // the debts reach the wealth or pass it
    BothReached,      // both prices known
    GoldOnlyReached,
    SilverOnlyReached,
    NeitherReached,
    GoldReached,      // only the price of gold known
    BelowGold,
    SilverReached,    // only the price of silver known
    BelowSilver,
};

// The results, as shown (rounded to two decimals).
struct WealthZakat {
    WealthProblem problem = WealthProblem::None;
    WealthEntry entry = nullptr; // the entry a problem is about
    WealthVerdict verdict = WealthVerdict::NoWealth;
    WealthViews views;
    double pureGold = 0;   // the worn jewellery's included where it is counted
    double goldValue = 0;
    double pureSilver = 0;
    double silverValue = 0;
    double investmentCounted = 0;   // the zakatable share of the investment shares
    double jewelleryPureGold = 0;   // of the worn jewellery, counted or not
    double jewelleryPureSilver = 0;
    double netWealth = 0;
    std::optional<double> goldNisab;   // none without the price of gold
    std::optional<double> silverNisab; // none without the price of silver
    double due = 0;                    // 0 when nothing is due
    bool dueSplit = false;             // a due within what the breakdown splits
    bool dueTooLargeToSplit = false;   // a due shown whole, with a note
};

WealthZakat wealthZakat(const WealthEntries &entries, const WealthViews &views = {});

// The texts of the results, the one formatting step of the window.

// What a nisab shows when its price is not typed.
inline const QString kNisabWithoutPrice = QStringLiteral("لم يُكتب الثمن");

// A figure as the window writes it: two decimals at most, plain digits, and
// below zero its sign kept with its digits in right-to-left text.
QString wealthFigure(double value);

// A nisab as shown: its value, or that its price is not typed.
QString nisabText(const std::optional<double> &nisab);

// The verdict in one sentence, with the due, by the nisab followed; empty
// for a problem.
QString wealthSentence(const WealthZakat &zakat);

// The name of a nisab followed, as the window offers it.
QString basisName(NisabBasis basis);
