// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/metalzakat.h"

#include "core/numbers.h"
#include "money/zakatconstants.h"

#include <cmath>

const MetalRules kGoldRules{Zakat::kGoldNisabGrams, Zakat::kLargestGoldGrams};
const MetalRules kSilverRules{Zakat::kSilverNisabDirhams, Zakat::kLargestSilverDirhams};

MetalDue metalZakatDue(const QString &quantityText, const MetalRules &rules)
{
    if (trimBlanks(quantityText).isEmpty())
        return {QuantityVerdict::NoQuantity};
    const auto quantity = readNumber(quantityText);
    if (!quantity)
        return {QuantityVerdict::NotANumber};
    if (*quantity < rules.nisab)
        return {QuantityVerdict::BelowNisab};
    if (*quantity > rules.largestQuantity)
        return {QuantityVerdict::TooLarge};
    return {QuantityVerdict::Due, shownValue(*quantity / Zakat::kQuarterTenth)};
}

MetalValue metalValue(std::optional<double> due, const QString &priceText)
{
    const auto price = readNumber(priceText);
    if (!price)
        return {ValueVerdict::PriceNotANumber};
    if (!due)
        return {ValueVerdict::NoDue};
    // The value is judged as it is shown, rounded to 15 digits.
    const double value = shownValue(*due * *price);
    if (std::isfinite(value) && value <= Zakat::kLargestValueToSplit)
        return {ValueVerdict::Split, value};
    return {ValueVerdict::OutOfRange, value}; // beyond the split, or beyond any amount of money
}
