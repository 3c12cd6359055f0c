// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

#include <array>
#include <optional>

// Zakat on the whole of a household's wealth: cash, trade goods, money owed
// to it, gold of four karats and silver of two finenesses, added by value,
// less the debts it must pay now. A quarter-tenth is due when the net wealth
// reaches the nisab of gold or of silver at the prices typed.

// The entries as typed; an empty entry counts as 0.
struct WealthEntries {
    QString cash;
    QString tradeGoods;
    QString receivables;
    QString gold24; // grams of each karat
    QString gold22;
    QString gold21;
    QString gold18;
    QString goldPrice; // of a gram of pure gold
    QString silverPure; // grams
    QString silver925;
    QString silverPrice; // of a gram of pure silver
    QString debts;
};

using WealthEntry = QString WealthEntries::*;

// Every entry, in the order the window asks for them.
inline constexpr std::array<WealthEntry, 12> kWealthEntries = {
    &WealthEntries::cash,       &WealthEntries::tradeGoods,  &WealthEntries::receivables,
    &WealthEntries::gold24,     &WealthEntries::gold22,      &WealthEntries::gold21,
    &WealthEntries::gold18,     &WealthEntries::goldPrice,   &WealthEntries::silverPure,
    &WealthEntries::silver925,  &WealthEntries::silverPrice, &WealthEntries::debts};

// What stops the computation; the window warns about it.
enum class WealthProblem {
    None,
    NotAnAmount,        // an entry that is no number, or below zero (WealthZakat::entry)
    TooLarge,           // an entry above the largest (WealthZakat::entry)
    GoldPriceMissing,   // grams of gold and no price of gold
    SilverPriceMissing, // grams of silver and no price of silver
    NoPrice,            // neither price: no nisab to weigh the wealth against
};

// How the net wealth stands against the nisabs whose price is known.
enum class WealthVerdict {
    NoWealth,         // nothing but prices typed
    DebtsCoverWealth, // the debts reach the wealth or pass it
    BothReached,
    GoldOnlyReached,  // both prices known
    SilverOnlyReached,
    NeitherReached,
    GoldReached,      // only the price of gold known
    BelowGold,
    SilverReached,    // only the price of silver known
    BelowSilver,
};

// The results, as shown.
struct WealthZakat {
    WealthProblem problem = WealthProblem::None;
    WealthEntry entry = nullptr; // the entry a problem is about
    WealthVerdict verdict = WealthVerdict::NoWealth;
    double pureGold = 0;
    double goldValue = 0;
    double pureSilver = 0;
    double silverValue = 0;
    double netWealth = 0;
    std::optional<double> goldNisab;   // none without the price of gold
    std::optional<double> silverNisab; // none without the price of silver
    double due = 0;                    // 0 when nothing is due
    bool dueSplit = false;             // a due within what the breakdown splits
    bool dueTooLargeToSplit = false;   // a due shown whole, with a note
};

WealthZakat wealthZakat(const WealthEntries &entries);

// What a nisab shows when its price is not typed.
inline const QString kNisabWithoutPrice = QStringLiteral("لم يُكتب الثمن");

// A nisab as shown: its value, or that its price is not typed.
QString nisabText(const std::optional<double> &nisab);

// The verdict in one sentence, with the due; empty for a problem.
QString wealthSentence(const WealthZakat &zakat);
