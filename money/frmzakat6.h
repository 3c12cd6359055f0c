// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "money/breakdownview.h"
#include "money/wealthzakat.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/summary.h"

#include <QList>

// The whole-wealth window: cash, trade goods, money owed to the household,
// gold by karat and silver by fineness, added by value less the debts due
// now, weighed against the nisab of gold and of silver at today's prices;
// the quarter-tenth due with its breakdown.
class frmzakat6 : public QWidget {
    Q_OBJECT
public:
    frmzakat6();

    // Larger than the other calculators, to hold every kind of wealth.
    static constexpr QSize kDesignTwips{13200, 9600};

    void compute_Click();  // "احسب"
    void entry_Change();   // any edit empties the results

    // What the window shows of its computation, for copying and printing.
    ComputationSummary summary() const;

    // The entries, in the order of WealthEntries.
    EntryField *cash;
    EntryField *tradeGoods;
    EntryField *receivables;
    EntryField *gold24;
    EntryField *gold22;
    EntryField *gold21;
    EntryField *gold18;
    EntryField *goldPrice;
    EntryField *silverPure;
    EntryField *silver925;
    EntryField *silverPrice;
    EntryField *debts;
    CommandButton *compute;

    DesignLabel *pureGold;
    DesignLabel *goldValue;
    DesignLabel *pureSilver;
    DesignLabel *silverValue;
    DesignLabel *netWealth;
    DesignLabel *goldNisab;
    DesignLabel *silverNisab;
    DesignLabel *verdict;
    DesignLabel *due;
    DesignLabel *unsplitNote; // shown when the due is too large to split

    CommandButton *back;
    CommandButton *exit;

private:
    struct Entry {
        EntryField *field;
        DesignLabel *caption;
        WealthEntry entry;
    };
    struct Result {
        DesignLabel *value;
        DesignLabel *caption; // with the unit
    };

    EntryField *fieldOf(WealthEntry entry) const;
    DesignLabel *captionOf(const EntryField *field) const;
    void showResult(const Result &result, const QString &text);
    void nameBreakdownCells();

    QList<Entry> m_entries;
    QList<Result> m_results;
    DesignLabel *m_heading;
    BreakdownControls m_breakdown;
};
