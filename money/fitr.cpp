// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/fitr.h"

#include "core/numbers.h"
#include "money/zakatconstants.h"

#include <cmath>

namespace {

// %1 the persons, %2 the kilograms, %3 the value.
const QString kFoodSentence =
    QStringLiteral("زكاة الفطر عن %1 من الأشخاص: %2 كيلوجرام من قوت البلد.");
const QString kFoodAndValueSentence =
    QStringLiteral("زكاة الفطر عن %1 من الأشخاص: %2 كيلوجرام من قوت البلد، وقيمتها %3.");

bool isWhole(double value)
{
    return std::floor(value) == value;
}

} // namespace

FitrZakat fitrZakat(const FitrEntries &entries)
{
    FitrZakat result;
    const auto persons = readNumber(entries.persons);
    if (!persons || !isWhole(*persons) || *persons < 1 || *persons > kLargestFitrPersons) {
        result.problem = FitrProblem::Persons;
        return result;
    }
    const auto kg = readNumber(entries.kgPerPerson);
    if (!kg || *kg <= 0 || *kg > kLargestSaKg) {
        result.problem = FitrProblem::KgPerPerson;
        return result;
    }
    std::optional<double> price;
    if (!trimBlanks(entries.foodPrice).isEmpty()) {
        price = readNumber(entries.foodPrice);
        if (!price || *price < 0 || *price > kLargestFoodPrice) {
            result.problem = FitrProblem::FoodPrice;
            return result;
        }
    }

    result.persons = wholeNumber(*persons).value_or(0);
    result.kgPerPerson = *kg;
    result.totalKg = roundedToHundredths(*persons * *kg);
    result.foodPrice = price;
    if (price) {
        // The value of the food the user reads, so that the two figures agree.
        result.totalValue = roundedToHundredths(result.totalKg * *price);
        result.valueSplit = *result.totalValue <= Zakat::kLargestValueToSplit;
    }
    return result;
}

QString fitrValueText(const FitrZakat &zakat)
{
    return zakat.totalValue ? numberText(*zakat.totalValue) : kFitrNoPrice;
}

QString fitrSentence(const FitrZakat &zakat)
{
    if (zakat.problem != FitrProblem::None)
        return QString();
    const QString persons = integerText(zakat.persons);
    const QString kg = numberText(zakat.totalKg);
    if (!zakat.totalValue)
        return kFoodSentence.arg(persons, kg);
    return kFoodAndValueSentence.arg(persons, kg, numberText(*zakat.totalValue));
}
