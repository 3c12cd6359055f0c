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
        return {CashVerdict::NoAmount, QString()};
    const auto amount = readNumber(amountText);
    if (!amount)
        return {CashVerdict::NotANumber, QString()};
    if (*amount < Zakat::kSmallestCashAmount)
        return {CashVerdict::TooSmall, QString()};
    if (*amount > Zakat::kLargestCashAmount)
        return {CashVerdict::TooLarge, QString()};
    return {CashVerdict::Due, numberText(*amount / Zakat::kQuarterTenth)};
}

bool milliardsTooLarge(const QString &milliardsText)
{
    const auto milliards = readNumber(milliardsText);
    return milliards && *milliards > Zakat::kLargestMilliards;
}

std::optional<QString> nisabValue(const QString &priceText, double nisabUnits)
{
    const auto price = readNumber(priceText);
    if (!price)
        return std::nullopt;
    const double value = *price * nisabUnits;
    if (!std::isfinite(value))
        return std::nullopt;
    return numberText(value);
}

std::optional<QString> lowerNisab(const QString &goldValueText, const QString &silverValueText)
{
    const auto gold = readNumber(goldValueText);
    const auto silver = readNumber(silverValueText);
    if (!gold || !silver)
        return std::nullopt;
    return numberText(*silver >= *gold ? *gold : *silver);
}
