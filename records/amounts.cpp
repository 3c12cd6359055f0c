// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "records/amounts.h"

#include "core/numbers.h"

#include <string>

namespace {

enum class Rounding { Refuse, Up };

// The text's exact value in hundredths. readNumber decides what is a number,
// so that the record accepts exactly what the fields do; the digits are then
// read again here, exactly, without going through a double.
Amount readHundredths(const QString &typed, Rounding rounding)
{
    if (!readNumber(typed))
        return {AmountProblem::NotANumber, 0};
    const QString text = trimBlanks(typed);
    qsizetype i = 0;
    bool negative = false;
    if (text.at(i) == u'+' || text.at(i) == u'-')
        negative = text.at(i++) == u'-';
    std::string digits; // without leading zeros
    long decimals = 0;  // digits after the separator
    bool afterPoint = false;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text.at(i));
        if (digit < 0 && (text.at(i) == u'e' || text.at(i) == u'E'))
            break;
        if (digit < 0) {
            afterPoint = true; // readNumber let through one separator only
            continue;
        }
        if (!digits.empty() || digit != 0)
            digits += char('0' + digit);
        if (afterPoint)
            ++decimals;
    }
    long exponent = 0;
    if (i < text.size()) {
        ++i;
        bool negativeExponent = false;
        if (text.at(i) == u'+' || text.at(i) == u'-')
            negativeExponent = text.at(i++) == u'-';
        for (; i < text.size(); ++i)
            if (exponent < 1000000) // far beyond any amount either way
                exponent = exponent * 10 + digitValue(text.at(i));
        if (negativeExponent)
            exponent = -exponent;
    }
    if (digits.empty())
        return {AmountProblem::None, 0}; // zero, "-0" included
    if (negative)
        return {AmountProblem::Negative, 0};

    // value = digits x 10^(exponent - decimals), so hundredths = digits x 10^shift.
    const long shift = exponent - decimals + 2;
    bool roundUp = false;
    if (shift < 0) {
        const std::size_t dropped = std::size_t(-shift) < digits.size()
            ? std::size_t(-shift) : digits.size();
        const bool exact = digits.find_first_not_of('0', digits.size() - dropped)
            == std::string::npos;
        if (!exact && rounding == Rounding::Refuse)
            return {AmountProblem::TooManyDecimals, 0};
        roundUp = !exact;
        digits.resize(digits.size() - dropped);
    } else if (long(digits.size()) + shift > 17) {
        return {AmountProblem::TooLarge, 0};
    } else {
        digits.append(std::size_t(shift), '0');
    }
    if (digits.size() > 17) // whole hundredths beyond the largest amount, however written
        return {AmountProblem::TooLarge, 0};
    qint64 hundredths = 0;
    for (const char digit : digits) // at most 17 digits: no overflow
        hundredths = hundredths * 10 + (digit - '0');
    hundredths += roundUp ? 1 : 0;
    if (hundredths > kLargestAmount)
        return {AmountProblem::TooLarge, 0};
    return {AmountProblem::None, hundredths};
}

} // namespace

Amount readAmount(const QString &text)
{
    return readHundredths(text, Rounding::Refuse);
}

Amount readDue(const QString &text)
{
    return readHundredths(text, Rounding::Up);
}

QString amountText(qint64 hundredths)
{
    // No amount reaches the lowest qint64, so its negation is safe.
    const qint64 magnitude = hundredths < 0 ? -hundredths : hundredths;
    QString text = hundredths < 0 ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / 100);
    const qint64 cents = magnitude % 100;
    if (cents != 0) {
        text += decimalSeparator();
        text += QString::number(cents / 10);
        if (cents % 10 != 0)
            text += QString::number(cents % 10);
    }
    return text;
}

QString amountShown(const QString &typed)
{
    const Amount amount = readAmount(typed);
    return amount.problem == AmountProblem::None ? amountText(amount.hundredths) : typed;
}

Remaining remainingDue(const QString &dueText, const QStringList &payments)
{
    Remaining result;
    const Amount due = readDue(dueText);
    if (due.problem != AmountProblem::None) {
        result.problem = due.problem;
        return result;
    }
    qint64 paid = 0;
    for (const QString &payment : payments) {
        const Amount amount = readAmount(payment);
        if (amount.problem == AmountProblem::None && paid > kLargestAmount - amount.hundredths)
            result.problem = AmountProblem::TooLarge; // keeps the sum within range
        else
            result.problem = amount.problem;
        if (result.problem != AmountProblem::None)
            return result;
        paid += amount.hundredths;
    }
    const qint64 left = due.hundredths - paid;
    result.paid = amountText(paid);
    result.fullyPaid = left <= 0;
    result.remaining = amountText(left > 0 ? left : 0);
    if (left < 0)
        result.overpaid = amountText(-left);
    return result;
}
