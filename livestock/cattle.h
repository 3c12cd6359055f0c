// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "livestock/schedule.h"

// The cattle and buffalo schedule: nothing below 30 head, then tabi'a (one
// for every 30) and musinna (one for every 40), with the notes that define
// them and name their substitutes.
//
// Row 1 is lbl3 / lbl31, row 2 lbl33 / lbl34, the notes lbl15 to lbl19.
using CattleRows = HerdRows;

// What is due on x cattle and buffalo. No value when x is 130 or more and its
// nearest whole number does not fit a signed 32-bit integer: the panel stays
// as it was.
std::optional<CattleRows> cattleDue(double x);

// The placeholders of an empty entry.
CattleRows cattleReset();
