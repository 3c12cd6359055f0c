// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

// Properties of the number reader and of number text that must hold whatever
// a user types or the program computes. Shared by the fuzz target and by the
// test that replays the kept corpus, so both check exactly the same things.
// Each function returns the properties broken, one line each; none when all hold.

// Checks one text under the current default locale: the reader refuses it
// exactly when it is not a number as the reader's contract defines one (so
// never with a letter other than an exponent mark, nor with an inner blank),
// gives the value the C library reads from the same number, never -0, and a
// value it accepts passes numberValueFaults.
QStringList numberTextFaults(const QString &text);

// Checks the number text of one double under the current default locale: it
// is empty exactly when the value is not finite; otherwise it has at most 15
// significant digits, digits 0-9 only, the locale's separator, no trailing
// zeros, no "inf", "nan" or "-0", the exponent form only from 1E+15 up or
// below 0.0001, and reading it back gives a finite value with the same text.
QStringList numberValueFaults(double value);

// Checks one fuzz input under a locale writing ".", one writing "," and an
// Arabic one: the bytes as UTF-8 text, as UTF-16 text, and their first eight
// bytes as a double.
QStringList numberInputFaults(const QByteArray &bytes);

// Runs the check under each locale whose decimal separator the program must
// read (".", "," and the Arabic one), and returns its faults, each with the
// locale it was found under; the default locale is restored afterwards.
QStringList faultsUnderEachLocale(const std::function<QStringList()> &check);

// The reference grammar the checks hold the reader to, written apart from
// it: the text, blanks around it ignored, spelled in ASCII with "." as the
// separator, or nothing when it is not an optional sign, digits of the three
// scripts with at most one decimal separator, and an optional exponent.
std::optional<std::string> referenceSpelling(const QString &text);
