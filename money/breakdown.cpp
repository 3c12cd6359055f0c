// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/breakdown.h"

#include "core/numbers.h"
#include "core/plaintext.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include <QStringList>

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

// "0.d1d2d3..." as a number, and the same fraction times 100.
double fractionValue(const std::string &digits, int shift)
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
    // At most 15 significant digits, so writing it shows these digits.
    return *readNumber(QString::fromLatin1(text));
}

} // namespace

std::optional<Breakdown> breakDownAmount(double amount)
{
    const auto whole = wholeNumber(std::floor(amount));
    if (!whole)
        return std::nullopt;
    const auto parts = decimalParts(amount);

    std::string fraction = exactFractionDigits(*parts);
    std::int32_t w = *whole;
    if (roundToFifteenDigits(fraction))
        ++w; // only below zero, so it stays in range

    Breakdown result;
    result.wholePart = w;
    if (amount >= kMillion) {
        const std::int32_t millions = w / kMillion;
        const std::int32_t thousands = (w - kMillion * millions) / kThousand;
        result.millions = millions;
        result.thousands = thousands;
        result.units = w - kMillion * millions - kThousand * thousands;
    } else if (amount >= kThousand) {
        const std::int32_t thousands = w / kThousand;
        result.thousands = thousands;
        result.units = w - kThousand * thousands;
    } else {
        result.units = w;
    }
    result.fraction = fractionValue(fraction, 0);
    result.hundredths = fractionValue(fraction, 2);
    return result;
}

BreakdownTexts breakdownTexts(const Breakdown &breakdown)
{
    auto optionalText = [](const std::optional<std::int32_t> &part) {
        return part ? integerText(*part) : QString();
    };
    return {integerText(breakdown.wholePart), optionalText(breakdown.millions),
            optionalText(breakdown.thousands), integerText(breakdown.units),
            numberText(breakdown.fraction), numberText(breakdown.hundredths)};
}

QString breakdownLine(const Breakdown &breakdown, const BreakdownNames &names)
{
    const BreakdownTexts texts = breakdownTexts(breakdown);
    const std::pair<QString, QString> rows[] = {{texts.millions, names.million},
                                                {texts.thousands, names.thousand},
                                                {texts.units, names.unit},
                                                {texts.hundredths, names.hundredth}};
    QStringList shown;
    for (const auto &[number, name] : rows)
        if (!number.isEmpty())
            shown << number << readable(name);
    return shown.join(u' ');
}
