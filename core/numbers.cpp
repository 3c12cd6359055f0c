// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "core/numbers.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= 0x0660 && u <= 0x0669)
        return u - 0x0660;
    if (u >= 0x06F0 && u <= 0x06F9)
        return u - 0x06F0;
    return -1;
}

namespace {

bool isDecimalSeparator(QChar c)
{
    if (c == u'.' || c == QChar(0x066B))
        return true;
    const QString localePoint = QLocale().decimalPoint();
    return localePoint.size() == 1 && c == localePoint.at(0);
}

constexpr int kSignificantDigits = 15;

// The value rounded to 15 significant digits: its digits without trailing
// zeros and the decimal exponent of the first one (value = 0.d1d2... x 10^(exponent+1)).
struct RoundedDigits {
    bool negative = false;
    std::string digits; // empty for zero
    int exponent = 0;
};

std::optional<RoundedDigits> roundedDigits(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string text(buffer, result.ptr);
    RoundedDigits rounded;
    std::size_t i = 0;
    if (text[i] == '-') {
        rounded.negative = true;
        ++i;
    }
    const std::size_t e = text.find('e');
    for (; i < e; ++i)
        if (text[i] != '.')
            rounded.digits += text[i];
    rounded.exponent = std::stoi(text.substr(e + 1));
    // Near the largest double, rounding up would give a text no double can
    // hold; the digits are cut instead so that the text always reads back.
    const std::string largest = "179769313486231";
    if (rounded.exponent == 308 && rounded.digits > largest)
        rounded.digits = largest;
    while (!rounded.digits.empty() && rounded.digits.back() == '0')
        rounded.digits.pop_back();
    if (rounded.digits.empty()) { // zero of either sign reads as plain zero
        rounded.negative = false;
        rounded.exponent = 0;
    }
    return rounded;
}

} // namespace

QChar decimalSeparator()
{
    const QString localePoint = QLocale().decimalPoint();
    if (localePoint == QLatin1String(","))
        return u',';
    return u'.';
}

QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

namespace {

// Characters that only steer the direction of text or join letters: copied
// from right-to-left text they often cling to a number, unseen.
bool isInvisibleMark(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x061C || u == 0x200B || u == 0x200E || u == 0x200F || u == 0xFEFF
        || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

} // namespace

QString pastedText(const QString &text)
{
    auto clings = [](QChar c) { return c.isSpace() || isInvisibleMark(c); };
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && clings(text.at(begin)))
        ++begin;
    while (end > begin && clings(text.at(end - 1)))
        --end;
    QString kept = text.mid(begin, end - begin);
    for (QChar &c : kept)
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    return kept;
}

std::optional<double> readNumber(const QString &untrimmed)
{
    const QString text = trimBlanks(untrimmed);
    const qsizetype end = text.size();

    std::string ascii; // the same number spelled for std::from_chars
    qsizetype i = 0;
    if (i < end && (text.at(i) == u'+' || text.at(i) == u'-')) {
        if (text.at(i) == u'-')
            ascii += '-';
        ++i;
    }

    int mantissaDigits = 0;
    int pointPosition = -1;       // mantissa digits seen before the separator
    int firstNonZero = -1;        // index of the first non-zero mantissa digit
    for (; i < end; ++i) {
        const QChar c = text.at(i);
        const int digit = digitValue(c);
        if (digit >= 0) {
            if (digit != 0 && firstNonZero < 0)
                firstNonZero = mantissaDigits;
            ascii += char('0' + digit);
            ++mantissaDigits;
        } else if (pointPosition < 0 && isDecimalSeparator(c)) {
            pointPosition = mantissaDigits;
            ascii += '.';
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (pointPosition < 0)
        pointPosition = mantissaDigits;

    long exponent = 0;
    if (i < end && (text.at(i) == u'e' || text.at(i) == u'E')) {
        ascii += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < end && (text.at(i) == u'+' || text.at(i) == u'-')) {
            negativeExponent = text.at(i) == u'-';
            ascii += char(text.at(i).unicode());
            ++i;
        }
        int exponentDigits = 0;
        for (; i < end; ++i) {
            const int digit = digitValue(text.at(i));
            if (digit < 0)
                break;
            ascii += char('0' + digit);
            if (exponent < 1000000)
                exponent = exponent * 10 + digit;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != end)
        return std::nullopt;

    double value = 0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value,
                                        std::chars_format::general);
    if (result.ptr != ascii.data() + ascii.size())
        return std::nullopt;
    if (result.ec == std::errc::result_out_of_range) {
        // Too large for a double is no number; too small to tell from zero is zero.
        const long magnitude = exponent + (pointPosition - firstNonZero - 1);
        if (firstNonZero >= 0 && magnitude > 0)
            return std::nullopt;
        return 0.0;
    }
    if (result.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        return 0.0;
    return value;
}

std::optional<DecimalParts> decimalParts(double value)
{
    const auto rounded = roundedDigits(value);
    if (!rounded)
        return std::nullopt;
    DecimalParts parts;
    parts.negative = rounded->negative;
    const std::string &digits = rounded->digits;
    const int wholeCount = rounded->exponent + 1; // digits before the point
    if (digits.empty()) {
        parts.whole = "0";
    } else if (wholeCount <= 0) {
        parts.whole = "0";
        parts.fraction = std::string(std::size_t(-wholeCount), '0') + digits;
    } else if (std::size_t(wholeCount) >= digits.size()) {
        parts.whole = digits + std::string(wholeCount - digits.size(), '0');
    } else {
        parts.whole = digits.substr(0, wholeCount);
        parts.fraction = digits.substr(wholeCount);
    }
    return parts;
}

QString numberText(double value)
{
    const auto rounded = roundedDigits(value);
    if (!rounded)
        return QString();
    const QChar point = decimalSeparator();
    QString text = rounded->negative ? QStringLiteral("-") : QString();
    const int exponent = rounded->exponent;
    if (!rounded->digits.empty() && (exponent >= kSignificantDigits || exponent < -4)) {
        const std::string &digits = rounded->digits;
        text += QLatin1Char(digits[0]);
        if (digits.size() > 1)
            text += point + QString::fromLatin1(digits.substr(1));
        text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        text += QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
        return text;
    }
    const DecimalParts parts = *decimalParts(value);
    text += QString::fromLatin1(parts.whole);
    if (!parts.fraction.empty())
        text += point + QString::fromLatin1(parts.fraction);
    return text;
}

namespace {

// The digits of a value rounded to two decimals, halves away from zero: its
// sign, whole digits and at most two fraction digits without trailing zeros.
std::optional<DecimalParts> hundredthsParts(double value)
{
    auto parts = decimalParts(value);
    if (!parts)
        return std::nullopt;
    std::string &whole = parts->whole;
    std::string &fraction = parts->fraction;
    const bool roundUp = fraction.size() > 2 && fraction[2] >= '5';
    if (fraction.size() > 2)
        fraction.resize(2);
    if (roundUp) {
        // Add one hundredth to the digits whole.fraction, carrying leftwards.
        fraction.resize(2, '0');
        std::string digits = whole + fraction;
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
        whole = digits.substr(0, digits.size() - 2);
        fraction = digits.substr(digits.size() - 2);
    }
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (whole.find_first_not_of('0') == std::string::npos && fraction.empty())
        parts->negative = false; // never -0
    return parts;
}

} // namespace

double roundedToHundredths(double value)
{
    const auto parts = hundredthsParts(value);
    if (!parts)
        return value;
    std::string text = (parts->negative ? "-" : "") + parts->whole;
    if (!parts->fraction.empty())
        text += "." + parts->fraction;
    return readNumber(QString::fromLatin1(text)).value_or(value) + 0.0;
}

QString hundredthsText(double value)
{
    const auto parts = hundredthsParts(value);
    if (!parts)
        return QString();
    QString text = parts->negative ? QStringLiteral("-") : QString();
    text += QString::fromLatin1(parts->whole);
    if (!parts->fraction.empty())
        text += decimalSeparator() + QString::fromLatin1(parts->fraction);
    return text;
}

double shownValue(double value)
{
    if (!std::isfinite(value))
        return value;
    return readNumber(numberText(value)).value_or(value) + 0.0; // + 0.0: never -0
}

std::optional<std::int32_t> wholeNumber(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // The default rounding mode rounds halves to the even neighbour.
    const double rounded = std::nearbyint(value);
    if (rounded < double(std::numeric_limits<std::int32_t>::min())
        || rounded > double(std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

QString integerText(std::int32_t value)
{
    return QString::number(value);
}
