// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QIcon>

// The sizes the icon offers a desktop that takes every size offered (X11).
enum class OfferedIconSizes {
    Images,          // the two images' only
    ImagesAndDrawn,  // the images' and those the drawing is made at
};

// The program's icon: its two 16-colour images, 32 x 32 and 16 x 16, at
// their own sizes, and the scalable drawing at every other size, so that a
// task switcher or a dock draws it sharp at any size. Where Qt cannot read
// the drawing (no SVG support installed), the two images alone.
//
// The drawing is read the first time a size other than the images' is asked
// for: reading it loads Qt's SVG support, which a window's first frame does
// not need. Offering the drawn sizes asks for them all at once.
QIcon windowIcon(OfferedIconSizes offered = OfferedIconSizes::ImagesAndDrawn);
