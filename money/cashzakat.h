// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

#include <array>
#include <optional>

// Zakat on money and on the value of trade goods: a quarter-tenth of the
// amount, and the nisab in money from today's prices of gold and silver.

// The place values of the four amount fields: milliards, millions,
// thousands, units.
constexpr std::array<double, 4> kPlaceValues = {1000000000, 1000000, 1000, 1};

// The amount written over the four fields (milliards, millions, thousands,
// units), added in that order. No value when any of them is not a number.
std::optional<double> amountOfParts(const std::array<QString, 4> &partTexts);

// What the compute button makes of the amount's text.
enum class CashVerdict {
    NoAmount,     // blank: nothing to do
    NotANumber,   // warned about
    TooSmall,     // below the smallest amount: no due shown
    TooLarge,     // above the largest amount: warned about
    Due,          // the due is in CashDue::due
};

struct CashDue {
    CashVerdict verdict;
    double due = 0;    // the quarter-tenth as shown, for CashVerdict::Due
    double amount = 0; // as read, for CashVerdict::Due and TooSmall
};

CashDue cashZakatDue(const QString &amountText);

// True when the milliards field holds a number above the largest milliards
// entry; anything else (80 itself, a text that is no number) passes.
bool milliardsTooLarge(const QString &milliardsText);

// The value of the nisab weight of a metal at the price typed for one unit of
// it, as shown. No value when the price is not a number or the value is
// beyond any finite number.
std::optional<double> nisabValue(const QString &priceText, double nisabUnits);

// The nisab in money: the lower of the gold and the silver value, gold when
// they are equal.
double lowerNisab(double goldValue, double silverValue);

// Whether an amount falls short of a nisab known from the prices: nothing is
// due on it alone, unless other wealth brings it to the nisab. The due the
// window shows is a quarter-tenth whatever the nisab; the note says this.
bool belowNisab(const CashDue &due, double nisab);
