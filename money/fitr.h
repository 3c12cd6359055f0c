// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Zakat al-Fitr: a sa' of the country's staple food for every person a
// household gives for, before the Eid prayer; and, for who gives its value,
// that food at the price of a kilogram.

// The entries as typed.
struct FitrEntries {
    QString persons;     // the payer and those the payer supports
    QString kgPerPerson; // the sa' in kilograms
    QString foodPrice;   // of a kilogram; may be left empty
};

// The entries' bounds. The sa' is a measure of volume, weighed differently
// by what fills it: about 2.04 kg of wheat, 2.5 or 3 kg of rice in common
// rounded measures; ten kilograms is beyond every estimate. The largest
// persons and price keep the value of the food below 1E+15, written in plain
// digits.
inline constexpr double kLargestFitrPersons = 99999;
inline constexpr double kLargestSaKg = 10;
inline constexpr double kLargestFoodPrice = 99999999;

// The entry the computation stops at; the window warns about it.
enum class FitrProblem {
    None,
    Persons,     // empty, not a whole number, below 1 or above the largest
    KgPerPerson, // not a number, 0 or less, or above 10
    FoodPrice,   // not a number, negative, or above the largest
};

// The results, as shown: figures rounded to hundredths.
struct FitrZakat {
    FitrProblem problem = FitrProblem::None;
    std::int32_t persons = 0;
    double kgPerPerson = 0;
    double totalKg = 0;
    std::optional<double> foodPrice;  // none when left empty
    std::optional<double> totalValue; // the total as shown times the price
    bool valueSplit = false;          // within what the breakdown splits
};

FitrZakat fitrZakat(const FitrEntries &entries);

// What the value shows without a price.
inline const QString kFitrNoPrice = QStringLiteral("لم يُكتب الثمن");

// The value as shown: its number, or that no price is typed.
QString fitrValueText(const FitrZakat &zakat);

// The results in one sentence: the food for so many people, and its value
// where a price is typed; empty for a problem.
QString fitrSentence(const FitrZakat &zakat);
