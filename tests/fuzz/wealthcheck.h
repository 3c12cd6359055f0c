// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QByteArray>
#include <QStringList>

// Properties of the whole-wealth and Zakat al-Fitr rules that must hold
// whatever is typed into their windows' fields and whatever views are chosen.
// Shared, like the number properties, by the fuzz target and the corpus
// replay. Returns the
// properties broken, one line each.

// The bytes as UTF-8 text, one line per field in the window's order (23
// fields), then a line of views: "1" the nisab of gold followed, "2" that of
// silver, else the lower; an "x" in it leaves worn jewellery out. Lines past
// it are joined to it. Checked under a locale writing ".", one writing ","
// and an Arabic one: a refusal names an entry and shows nothing; otherwise
// every figure is the nisab's "no price" text or a plain figure of at most
// two decimals that reads back (never inf, nan or -0), and the due is a
// quarter-tenth of the net wealth, stated in the verdict, exactly when the
// net wealth reaches the nisab followed, and 0 otherwise, the verdict then
// stating none.
QStringList wealthInputFaults(const QByteArray &bytes);

// Properties of the Zakat al-Fitr rule whatever is typed into its window's
// three fields, the bytes read the same way (the lines past the third joined
// to the price): the kilograms and the value are number text in plain
// digits, to hundredths at most, that reads back (never inf, nan or -0).
QStringList fitrInputFaults(const QByteArray &bytes);
