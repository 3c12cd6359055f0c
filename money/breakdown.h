// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The split of an amount of money into whole millions, thousands below a
// million, units below a thousand and hundredths, as the money windows show
// it beside the amount.
struct Breakdown {
    std::int32_t wholePart = 0;              // the amount rounded down
    std::optional<std::int32_t> millions;    // from a million up
    std::optional<std::int32_t> thousands;   // from a thousand up
    std::int32_t units = 0;
    double fraction = 0;   // the exact fraction of the amount as shown
    double hundredths = 0; // that fraction times 100
};

// Splits the amount as shown (15 significant digits). No value when its whole
// part does not fit a signed 32-bit integer: the window then leaves every
// box as it was.
std::optional<Breakdown> breakDownAmount(double amount);

// The texts the boxes show: a box the split does not use is empty, and so is
// the name beside it.
struct BreakdownTexts {
    QString wholePart;
    QString millions;
    QString thousands;
    QString units;
    QString fraction;
    QString hundredths;
};
BreakdownTexts breakdownTexts(const Breakdown &breakdown);

// The names of the four boxes, as a window writes them beside the numbers.
struct BreakdownNames {
    QString million;
    QString thousand;
    QString unit;
    QString hundredth;
};

// The boxes in use as one line: each number with its name
// ("6 ألف 250 ريال أوجنيه 0 هللة أو قرش").
QString breakdownLine(const Breakdown &breakdown, const BreakdownNames &names);
