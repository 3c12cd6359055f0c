// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QIcon>

// The program's icon: its two 16-colour images, 32 x 32 and 16 x 16, at
// their own sizes, and the scalable drawing at every other size, so that a
// task switcher or a dock draws it sharp at any size. Where Qt cannot read
// the drawing (no SVG support installed), the two images alone.
QIcon windowIcon();
