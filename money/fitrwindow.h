// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "money/breakdownview.h"
#include "money/fitr.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/summary.h"
#include "ui/window.h"

#include <optional>

// The Zakat al-Fitr window: the persons a household gives for, the sa' in
// kilograms and the price of a kilogram of the staple food; the food due,
// its value split as the money windows split an amount, and one sentence
// that says both. Its controls are named for what they are, and so are
// their objectNames.
class FitrWindow : public DesignWindow {
    Q_OBJECT
public:
    FitrWindow();

    static constexpr QSize kDesignTwips{11400, 6840};

    void compute();      // "احسب"
    void entryChanged(); // any edit empties the results

    // What the window shows of its computation, for copying and printing.
    ComputationSummary summary() const;

    EntryField *persons;
    EntryField *kgPerPerson;
    EntryField *foodPrice;
    CommandButton *computeButton;

    DesignLabel *totalKg;
    DesignLabel *totalValue;
    DesignLabel *verdict;
    BreakdownView breakdown;
    DesignLabel *unsplitNote; // shown when the value is too large to split

    CommandButton *backButton;
    CommandButton *exitButton;

private:
    std::optional<FitrZakat> m_zakat; // the last computation, while its entries stand
    std::optional<Breakdown> m_split;
};
