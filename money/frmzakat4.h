// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "money/metalscreen.h"

// The gold window: the quarter-tenth due on a weight of gold in grams, from
// the nisab of 85 grams, and its value in money.
class frmzakat4 : public MetalScreen {
    Q_OBJECT
public:
    frmzakat4();
};
