// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "livestock/schedule.h"

// The cattle and buffalo schedule: nothing below 30 head, then tabi'a (one
// for every 30) and musinna (one for every 40), with the notes that define
// them and name their substitutes.

// What is due on x cattle and buffalo. No value when x is 130 or more and its
// nearest whole number does not fit a signed 32-bit integer: the panel stays
// as it was.
std::optional<HerdDue> cattleDue(double x);

// The placeholders of an empty entry.
HerdRows cattleReset();
