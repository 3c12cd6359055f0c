// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

#include <optional>

// The split of an amount of money into whole millions, thousands below a
// million, units below a thousand and hundredths, as the money windows show
// it beside the amount.
struct Breakdown {
    QString wholePart;  // working label: the amount rounded down
    QString millions;   // empty below a million
    QString thousands;  // empty below a thousand
    QString units;
    QString fraction;   // working label: the exact fraction of the amount as written
    QString hundredths; // that fraction times 100
    bool showMillionName = false;
    bool showThousandName = false;
    bool showUnitName = true;
    bool showHundredthName = true;
};

// Splits the amount as written in the amount label. No value when the text is
// not a number or its whole part does not fit a signed 32-bit integer: the
// window then leaves every box as it was.
std::optional<Breakdown> breakDownAmount(const QString &amountText);
