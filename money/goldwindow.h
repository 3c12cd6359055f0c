// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "money/metalwindow.h"

// The gold window: the quarter-tenth due on a weight of gold in grams, from
// the nisab of 85 grams, and its value in money.
class GoldWindow : public MetalWindow {
    Q_OBJECT
public:
    GoldWindow();
};
