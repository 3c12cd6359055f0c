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
        return {QuantityVerdict::NoQuantity, QString()};
    const auto quantity = readNumber(quantityText);
    if (!quantity)
        return {QuantityVerdict::NotANumber, QString()};
    if (*quantity < rules.nisab)
        return {QuantityVerdict::BelowNisab, QString()};
    if (*quantity > rules.largestQuantity)
        return {QuantityVerdict::TooLarge, QString()};
    return {QuantityVerdict::Due, numberText(*quantity / Zakat::kQuarterTenth)};
}

MetalValue metalValue(const QString &dueText, const QString &priceText)
{
    const auto price = readNumber(priceText);
    if (!price)
        return {ValueVerdict::PriceNotANumber, QString()};
    const auto due = readNumber(dueText);
    if (!due)
        return {ValueVerdict::NoDue, QString()};
    const double value = *due * *price;
    if (!std::isfinite(value))
        return {ValueVerdict::OutOfRange, QString()}; // beyond any amount of money
    // The value is judged as it is shown, rounded to 15 digits.
    const QString shown = numberText(value);
    const auto shownValue = readNumber(shown);
    if (shownValue && *shownValue <= Zakat::kLargestValueToSplit)
        return {ValueVerdict::Split, shown};
    return {ValueVerdict::OutOfRange, shown};
}
