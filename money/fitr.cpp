// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/fitr.h"

#include "core/numbers.h"
#include "money/zakatconstants.h"

#include <cmath>
#include <string>

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

double toHundredths(double value)
{
    const auto parts = decimalParts(value);
    if (!parts)
        return value;
    // The figure in hundredths as decimal digits, rounded up on a third
    // decimal of 5 or more.
    std::string cents = parts->whole + (parts->fraction + "00").substr(0, 2);
    if (parts->fraction.size() > 2 && parts->fraction[2] >= '5') {
        std::size_t i = cents.size();
        while (i > 0 && cents[i - 1] == '9')
            cents[--i] = '0';
        if (i == 0)
            cents.insert(cents.begin(), '1');
        else
            ++cents[i - 1];
    }
    cents.insert(cents.size() - 2, 1, '.');
    const double rounded = readNumber(QString::fromLatin1(cents)).value_or(0);
    return parts->negative && rounded != 0 ? -rounded : rounded;
}

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
    result.totalKg = toHundredths(*persons * *kg);
    result.foodPrice = price;
    if (price) {
        // The value of the food the user reads, so that the two figures agree.
        result.totalValue = toHundredths(result.totalKg * *price);
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
