// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "produce/produceshare.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/summary.h"
#include "ui/window.h"

#include <array>
#include <optional>

// The produce and treasure window: a tenth of a harvest watered without cost,
// half a tenth of one watered at a cost, a fifth of buried treasure, in the
// unit the quantity is given in.
//
// Design names:
//   lbla1 heading            Option1 rainWateredOption   Option2 irrigatedOption
//   Option3 treasureOption   Label1(0) quantityCaption   Text1 quantityField
//   Label1(1) dueCaption     lbla rateLabel              Command1 computeButton
//   lbl1 shareLabel          Label10 unitLabel           Label1(2) measureNote
//   Label2 .. Label7 notes   Command7 backButton         Command6 exitButton
class ProduceWindow : public DesignWindow {
    Q_OBJECT
public:
    ProduceWindow();

    void compute();         // "احسب"
    void quantityChanged(); // takes back the share
    // An option chosen: the share under the newly chosen rate first, then the
    // rate's name.
    void chooseRate(ProduceKind kind);

    // What the window shows of its computation, for copying and printing.
    ComputationSummary summary() const;

    DesignLabel *heading;
    OptionButton *rainWateredOption;
    OptionButton *irrigatedOption;
    OptionButton *treasureOption;
    DesignLabel *quantityCaption;
    EntryField *quantityField;
    DesignLabel *dueCaption;
    DesignLabel *rateLabel;
    CommandButton *computeButton;
    DesignLabel *shareLabel;
    DesignLabel *unitLabel;
    DesignLabel *measureNote;
    std::array<DesignLabel *, 6> notes;
    CommandButton *backButton;
    CommandButton *exitButton;

private:
    ProduceKind chosenKind() const;

    std::optional<double> m_share; // as shown, for the quantity in the field
};
