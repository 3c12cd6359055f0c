// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "produce/produceshare.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/summary.h"

#include <array>

// The produce and treasure window: a tenth of a harvest watered without cost,
// half a tenth of one watered at a cost, a fifth of buried treasure, in the
// unit the quantity is given in.
class frmzakat5 : public QWidget {
    Q_OBJECT
public:
    frmzakat5();

    void Command1_Click();
    void Text1_Change(); // an edit of the quantity takes back its share
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();

    // What the window shows of its computation, for copying and printing.
    ComputationSummary summary() const;

    DesignLabel *lbla1;
    OptionButton *Option1;
    OptionButton *Option2;
    OptionButton *Option3;
    std::array<DesignLabel *, 3> Label1;
    EntryField *Text1;
    DesignLabel *lbla;
    CommandButton *Command1;
    DesignLabel *lbl1;
    DesignLabel *Label10;
    DesignLabel *Label2;
    DesignLabel *Label3;
    DesignLabel *Label4;
    DesignLabel *Label5;
    DesignLabel *Label6;
    DesignLabel *Label7;
    CommandButton *Command7;
    CommandButton *Command6;

private:
    ProduceKind chosenKind() const;
    // An option's handler: the share under the newly chosen rate first, then
    // the rate's name.
    void chooseRate(ProduceKind kind);
};
