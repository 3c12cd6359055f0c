// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QByteArray>
#include <QStringList>

// Properties of the whole-wealth and Zakat al-Fitr rules that must hold
// whatever is typed into their windows' fields. Shared, like the number
// properties, by the fuzz target and the corpus replay. Returns the
// properties broken, one line each.

// The bytes as UTF-8 text, one line per field in the window's order (the
// lines past the twelfth joined to the last), under a locale writing ".", one
// writing "," and an Arabic one: a refusal names an entry and shows nothing;
// otherwise every result is the nisab's "no price" text or number text that
// reads back (never inf, nan or -0), and the due is a quarter-tenth of the
// net wealth, shown in the verdict, exactly when the net wealth reaches a
// nisab shown, and 0 otherwise.
QStringList wealthInputFaults(const QByteArray &bytes);

// Properties of the Zakat al-Fitr rule whatever is typed into its window's
// three fields, the bytes read the same way (the lines past the third joined
// to the price): the kilograms and the value are number text in plain
// digits, to hundredths at most, that reads back (never inf, nan or -0).
QStringList fitrInputFaults(const QByteArray &bytes);
