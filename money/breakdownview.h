// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "money/breakdown.h"

class QColor;

class DesignLabel;
class EntryField;

// The controls of a money window that show the breakdown of an amount: the
// four boxes with their names, and, on the design windows, the two hidden
// labels in which the design keeps the amount's whole part and fraction
// (written for whoever looks, never read back).
struct BreakdownView {
    DesignLabel *millions = nullptr;
    DesignLabel *thousands = nullptr;
    DesignLabel *units = nullptr;
    EntryField *hundredths = nullptr;
    DesignLabel *millionName = nullptr;
    DesignLabel *thousandName = nullptr;
    DesignLabel *unitName = nullptr;
    DesignLabel *hundredthName = nullptr;
    DesignLabel *wholePart = nullptr; // none on the whole-wealth window
    DesignLabel *fraction = nullptr;  // none on the whole-wealth window
};

// Each box holds a result only while its name beside it shows: the "0" a
// box shows at opening, or what it keeps, is no result to reach or hear.
void tieBoxesToNames(const BreakdownView &view);

// Writes the split into the boxes and shows the names of the boxes in use.
void showBreakdown(const BreakdownView &view, const Breakdown &breakdown);

// What a window leaves as it is when it empties the breakdown.
enum BreakdownKept {
    KeepNothing = 0,
    KeepNames = 1,     // the names stay shown
    KeepWholePart = 2, // the hidden whole part keeps its number
};

// Empties the boxes and hides the names, but for what the window keeps.
void clearBreakdown(const BreakdownView &view, int kept = KeepNothing);

// Makes the field of the hundredths a box the breakdown writes and the user
// never enters: disabled, out of the tab order, its number in yellow on the
// window's background.
void makeHundredthsBox(EntryField *box, const QColor &background);
