// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

class DesignLabel;
class EntryField;

// The controls of a money window that show the amount breakdown.
struct BreakdownControls {
    DesignLabel *amount;
    DesignLabel *wholePart;
    DesignLabel *fraction;
    DesignLabel *millions;
    DesignLabel *thousands;
    DesignLabel *units;
    EntryField *hundredths;
    DesignLabel *millionName;
    DesignLabel *thousandName;
    DesignLabel *unitName;
    DesignLabel *hundredthName;
};

// The "بالحروف" handler of every money window: splits the amount label's
// number into the boxes and shows the unit names that apply. Does nothing
// when the amount label holds no number.
void showBreakdown(const BreakdownControls &controls);
