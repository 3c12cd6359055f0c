// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "livestock/schedule.h"

// The camel schedule: sheep below 25 camels, one or two camels of a given age
// up to 120, then bint labun and hiqqa, with the notes that name the
// substitutes a herder may give instead.

// What is due on n camels. No value when n is at least 210 and its nearest
// whole number does not fit a signed 32-bit integer: such a herd lies beyond
// the general rule, and the panel stays as it was.
std::optional<HerdDue> camelsDue(double n);

// The placeholders of an empty entry.
HerdRows camelsReset();
