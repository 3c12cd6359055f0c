// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "livestock/schedule.h"

// The sheep and goat schedule: nothing below 40 head, then one, two or three
// sheep, then one for every full hundred. It has one row and writes no notes.

// How many sheep are due on x sheep and goats (0 below the nisab). No value
// when x is 301 or more and its nearest whole number does not fit a signed
// 32-bit integer: the panel stays as it was.
std::optional<std::int32_t> sheepDue(double x);

// The row the window writes for a due.
DueRow sheepRow(std::int32_t sheep);

// The placeholders of an empty entry.
DueRow sheepReset();
