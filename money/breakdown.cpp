// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/breakdown.h"

#include "core/numbers.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr std::int32_t kMillion = 1000000;
constexpr std::int32_t kThousand = 1000;

// The fraction of the amount above its whole part, in exact decimal digits of
// the amount as written, so that 999.99 gives 0.99 and -2.5 gives 0.5 (the
// whole part of a negative amount is rounded down).
std::string exactFractionDigits(const DecimalParts &amount)
{
    std::string digits = amount.fraction;
    if (!amount.negative || digits.empty())
        return digits;
    // 1 - 0.d1d2...dn: the nines' complement, and ten's on the last digit,
    // which is never zero.
    for (std::size_t i = 0; i < digits.size(); ++i)
        digits[i] = char('0' + ((i + 1 == digits.size() ? 10 : 9) - (digits[i] - '0')));
    return digits;
}

// Rounds the fraction 0.d1d2... to 15 significant digits, as every number the
// windows show. Only the complement of a tiny negative fraction (-1E-20 gives
// 0.99999999999999999999) can round up to a whole one: then it returns true
// and the digits are empty.
bool roundToFifteenDigits(std::string &digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        digits.clear();
        return false;
    }
    const std::size_t kept = first + 15;
    if (digits.size() <= kept)
        return false;
    const bool roundUp = digits[kept] >= '5';
    digits.resize(kept);
    if (roundUp) {
        std::size_t i = kept;
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            digits.clear();
            return true;
        }
        ++digits[i - 1];
    }
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    return false;
}

// "0.d1d2d3..." as number text, and the same fraction times 100.
QString fractionText(const std::string &digits, int shift)
{
    std::string whole = "0";
    std::string rest = digits;
    if (shift > 0) {
        std::string moved = rest.substr(0, std::min<std::size_t>(shift, rest.size()));
        moved.resize(shift, '0');
        rest = rest.size() > std::size_t(shift) ? rest.substr(shift) : std::string();
        whole = moved;
    }
    const std::string text = rest.empty() ? whole : whole + "." + rest;
    // At most 15 significant digits, so reading and writing it is exact.
    return numberText(*readNumber(QString::fromLatin1(text)));
}

} // namespace

std::optional<Breakdown> breakDownAmount(const QString &amountText)
{
    const auto amount = readNumber(amountText);
    if (!amount)
        return std::nullopt;
    const auto whole = wholeNumber(std::floor(*amount));
    if (!whole)
        return std::nullopt;
    const auto parts = decimalParts(*amount);

    std::string fraction = exactFractionDigits(*parts);
    std::int32_t w = *whole;
    if (roundToFifteenDigits(fraction))
        ++w; // only below zero, so it stays in range

    Breakdown result;
    result.wholePart = integerText(w);
    if (*amount >= kMillion) {
        const std::int32_t millions = w / kMillion;
        const std::int32_t thousands = (w - kMillion * millions) / kThousand;
        result.millions = integerText(millions);
        result.thousands = integerText(thousands);
        result.units = integerText(w - kMillion * millions - kThousand * thousands);
        result.showMillionName = true;
        result.showThousandName = true;
    } else if (*amount >= kThousand) {
        const std::int32_t thousands = w / kThousand;
        result.thousands = integerText(thousands);
        result.units = integerText(w - kThousand * thousands);
        result.showThousandName = true;
    } else {
        result.units = integerText(w);
    }

    result.fraction = fractionText(fraction, 0);
    result.hundredths = fractionText(fraction, 2);
    return result;
}
