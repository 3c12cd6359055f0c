// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

// The figures of zakat on gold, silver and money, written once for the three
// money windows.
namespace Zakat {

// The due is the holding divided by 40: a quarter of a tenth, 2.5 %.
constexpr double kQuarterTenth = 40;

// The nisab of gold is twenty mithqal, 85 grams; of silver five awqiya, 200
// dirhams. Money and trade goods take the lower value of the two.
constexpr double kGoldNisabGrams = 85;
constexpr double kSilverNisabDirhams = 200;

// The largest holdings the gold and silver windows compute.
constexpr double kLargestGoldGrams = 850000;
constexpr double kLargestSilverDirhams = 9999999;

// The largest money value the gold and silver windows split into millions,
// thousands, units and hundredths: its whole part stays inside 32 bits.
constexpr double kLargestValueToSplit = 2100000000;

// The amounts of money the cash window computes: below the smallest the due
// is too small to show; the largest keeps the due (at most 2025000000) inside
// what the breakdown splits. The warnings name 80 milliards.
constexpr double kSmallestCashAmount = 10;
constexpr double kLargestCashAmount = 81000000000;
constexpr double kLargestMilliards = 80;

// The whole-wealth window weighs metal as pure metal: the nisab of gold is 85
// grams of pure gold, of silver 595 grams of pure silver (the 200 dirhams
// above, at 2.975 grams a dirham). Pure gold is 24 karats; sterling silver
// is 925 parts in a thousand.
constexpr double kSilverNisabGrams = 595;
constexpr double kPureGoldKarats = 24;
constexpr double kSterlingFineness = 0.925;

// The largest amount, weight or price the whole-wealth window takes in one
// field, the largest with 15 digits: whatever the fields hold, priced and
// added, stays a finite number.
constexpr double kLargestWealthEntry = 999999999999999;

} // namespace Zakat
