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

} // namespace Zakat
