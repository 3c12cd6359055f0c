// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

#include <optional>

// Zakat on gold and on silver: a quarter-tenth of the weight from the nisab
// up, and the value of that share in money at the price of one unit.

struct MetalRules {
    double nisab;           // below it nothing is due
    double largestQuantity; // a larger quantity is refused
};

extern const MetalRules kGoldRules;   // grams
extern const MetalRules kSilverRules; // dirhams

// What "احسب" makes of the quantity's text.
enum class QuantityVerdict {
    NoQuantity, // blank: nothing to do
    NotANumber, // warned about
    BelowNisab, // nothing due: the nisab note
    TooLarge,   // warned about
    Due,        // the quarter-tenth is in MetalDue::due
};

struct MetalDue {
    QuantityVerdict verdict;
    double due = 0; // for QuantityVerdict::Due, as shown
};

MetalDue metalZakatDue(const QString &quantityText, const MetalRules &rules);

// What "احسب القيمة بالاوراق النقدية" makes of the due, as shown, and the
// price, once the due has been computed again.
enum class ValueVerdict {
    PriceNotANumber, // warned about
    NoDue,           // nothing due, or no quantity: nothing more to do
    OutOfRange,      // warned about; MetalValue::value is shown, not split
    Split,           // MetalValue::value is shown and split
};

struct MetalValue {
    ValueVerdict verdict;
    double value = 0; // the due times the price, as shown; not finite when beyond any number
};

MetalValue metalValue(std::optional<double> due, const QString &priceText);
