// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/cashzakat.h"

#include "core/numbers.h"
#include "money/zakatconstants.h"

#include <cmath>

std::optional<double> amountOfParts(const std::array<QString, 4> &partTexts)
{
    double total = 0;
    for (std::size_t i = 0; i < partTexts.size(); ++i) {
        const auto part = readNumber(partTexts[i]);
        if (!part)
            return std::nullopt;
        total += *part * kPlaceValues[i];
    }
    return total;
}

CashDue cashZakatDue(const QString &amountText)
{
    if (trimBlanks(amountText).isEmpty())
        return {CashVerdict::NoAmount};
    const auto amount = readNumber(amountText);
    if (!amount)
        return {CashVerdict::NotANumber};
    if (*amount < Zakat::kSmallestCashAmount)
        return {CashVerdict::TooSmall, 0, *amount};
    if (*amount > Zakat::kLargestCashAmount)
        return {CashVerdict::TooLarge};
    return {CashVerdict::Due, shownValue(*amount / Zakat::kQuarterTenth), *amount};
}

bool milliardsTooLarge(const QString &milliardsText)
{
    const auto milliards = readNumber(milliardsText);
    return milliards && *milliards > Zakat::kLargestMilliards;
}

std::optional<double> nisabValue(const QString &priceText, double nisabUnits)
{
    const auto price = readNumber(priceText);
    if (!price)
        return std::nullopt;
    const double value = *price * nisabUnits;
    if (!std::isfinite(value))
        return std::nullopt;
    return shownValue(value);
}

double lowerNisab(double goldValue, double silverValue)
{
    return silverValue >= goldValue ? goldValue : silverValue;
}

bool belowNisab(const CashDue &due, double nisab)
{
    const bool computed = due.verdict == CashVerdict::Due || due.verdict == CashVerdict::TooSmall;
    return computed && nisab > 0 && due.amount < nisab;
}
