// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "livestock/schedule.h"

// The sheep and goat schedule: nothing below 40 head, then one, two or three
// sheep, then one for every full hundred. Its one row is lbl2 (count) and
// lbl21 (kind); it writes no notes.
using SheepRow = DueRow;

// What is due on x sheep and goats. No value when x is 301 or more and its
// nearest whole number does not fit a signed 32-bit integer: the panel stays
// as it was.
std::optional<SheepRow> sheepDue(double x);

// The placeholders of an empty entry.
SheepRow sheepReset();
