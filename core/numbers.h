// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

// Numbers as the windows read and show them. Every numeric test and every
// value read from a field or label goes through readNumber; every number the
// program writes goes through numberText or integerText.

// The text without the blanks (spaces) before and after it.
QString trimBlanks(const QString &text);

// A text pasted into a field as the field takes it: without the line breaks,
// tabs, blanks and invisible direction marks copied around it from a
// spreadsheet, a chat or a page; a line break or tab inside becomes a blank,
// so that it shows and the text is still refused where a blank is.
QString pastedText(const QString &text);

// Reads a field's text as a number. Blanks around the text are ignored; the
// text must be an optional sign, digits (0-9, Arabic-Indic or Eastern
// Arabic-Indic) with at most one decimal separator (".", the Arabic decimal
// separator or the locale's), and an optional exponent. Anything else, and
// values too large for a double, give no value.
std::optional<double> readNumber(const QString &text);

// The value of a digit in any of the three scripts users type: 0-9,
// Arabic-Indic (U+0660..U+0669) and Eastern Arabic-Indic (U+06F0..U+06F9);
// -1 for any other character.
int digitValue(QChar c);

// Writes a number as the windows show it: at most 15 significant digits, no
// grouping, no trailing zeros, an exponent form only from 1E+15 up or below
// 0.0001, never "-0". Not-finite values give the empty text.
QString numberText(double value);

// The value as the windows show it, read back: rounded to 15 significant
// digits, never -0. Where a later step works on a figure the user reads (the
// grams due times the price), it works on this. Not-finite values stay as
// they are.
double shownValue(double value);

// A value rounded to two decimals, halves away from zero, as its 15
// significant digits write it (so 2.675 gives 2.68, as a reader expects).
// Not-finite values stay as they are.
double roundedToHundredths(double value);

// A value rounded to two decimals as above, written in plain digits whatever
// its size (never an exponent form), no grouping, no trailing zeros, the
// windows' decimal separator, never "-0". Not-finite values give the empty
// text.
QString hundredthsText(double value);

// Rounds to the nearest whole number, halves to the even neighbour; no value
// when the input is not finite or the result does not fit a signed 32-bit
// integer. No other code turns a double into an integer.
std::optional<std::int32_t> wholeNumber(double value);

// Plain decimal digits, with a minus sign only when negative.
QString integerText(std::int32_t value);

// The value rounded to 15 significant digits as an exact decimal: its sign,
// the digits before the decimal point (at least "0") and the digits after it
// (no trailing zeros, possibly none). Not-finite values give nothing.
struct DecimalParts {
    bool negative = false;
    std::string whole;
    std::string fraction;
};
std::optional<DecimalParts> decimalParts(double value);

// The decimal separator the windows write and accept besides "." and U+066B:
// the locale's when it is "." or ",", otherwise ".".
QChar decimalSeparator();
