// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "money/breakdownview.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/summary.h"

#include <array>

// The cash and trade goods window: the quarter-tenth due on an amount of
// money, typed as one number or over four fields (milliards, millions,
// thousands, units), with its breakdown; and the nisab in money from today's
// prices of gold and silver.
class frmzakat2 : public QWidget {
    Q_OBJECT
public:
    frmzakat2();

    void Option1_Click();   // the amount as one number
    void Option2_Click();   // the amount over four fields
    void Command3_Click();  // "احسب"
    void Text3_Change();    // a new amount empties the result area
    void Part_Change();     // an edit of a part takes back the total
    void Text1_LostFocus(); // at most 80 milliards
    void Text7_Change();    // gold price: value of the gold nisab
    void Text8_Change();    // silver price: value of the silver nisab
    void Command1_Click();  // the nisab (hidden button)
    void Command4_Click();  // the breakdown (hidden button)

    // What the window shows of its computation, for copying and printing.
    ComputationSummary summary() const;

    DesignLabel *lbla1_2;
    std::array<DesignLabel *, 15> Label1{}; // Label1(0) .. Label1(14); not every index exists
    OptionButton *Option1;
    OptionButton *Option2;
    EntryField *Text3;
    EntryField *Text1;
    DesignLabel *Label10;
    EntryField *Text2;
    DesignLabel *Label11;
    EntryField *Text5;
    DesignLabel *Label12;
    EntryField *Text6;
    DesignLabel *Label13;
    CommandButton *Command3;
    DesignLabel *lbl15;
    DesignLabel *lbl3;
    DesignLabel *Label2;
    DesignLabel *Label6;
    DesignLabel *Label3;
    DesignLabel *Label8;
    DesignLabel *Label4;
    DesignLabel *Label7;
    EntryField *Text4;
    DesignLabel *Label9;
    CommandButton *Command4;
    DesignLabel *Label5;
    DesignLabel *Label15;
    EntryField *Text7;
    DesignLabel *Label17;
    DesignLabel *Label16;
    EntryField *Text8;
    DesignLabel *Label18;
    CommandButton *Command1;
    DesignLabel *Label20;
    CommandButton *Command7;
    CommandButton *Command6;

private:
    void priceChanged(EntryField *price, DesignLabel *value, double nisabUnits,
                      const QString &valueCaption);

    BreakdownControls m_breakdown;
    bool m_warningAboutMilliards = false;
};
