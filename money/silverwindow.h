// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "money/metalwindow.h"

// The silver window: the quarter-tenth due on a quantity of silver in dirhams,
// from the nisab of 200 dirhams, and its value in money.
class SilverWindow : public MetalWindow {
    Q_OBJECT
public:
    SilverWindow();
};
