// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

class QColor;
class QString;

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

// Makes the field of the hundredths a box the breakdown writes and the user
// never enters: disabled, out of the tab order, its number in yellow on the
// window's background.
void makeHundredthsBox(EntryField *box, const QColor &background);

// The rows of the breakdown that show, as one line: each number with its
// unit name ("6 ألف 250 ريال أوجنيه 0 هللة أو قرش"); empty when none shows.
QString breakdownText(const BreakdownControls &controls);
