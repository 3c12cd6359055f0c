// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "money/breakdownview.h"
#include "ui/window.h"
#include "money/wealthzakat.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/summary.h"

#include <QList>

#include <optional>

// The whole-wealth window: cash, trade goods, money owed to the household,
// gold by karat and silver by fineness, added by value less the debts due
// now, weighed against the nisab of gold and of silver at today's prices;
// the quarter-tenth due with its breakdown. Its controls are named for what
// they are, and so are their objectNames.
class WealthWindow : public DesignWindow {
    Q_OBJECT
public:
    WealthWindow();

    // Larger than the other calculators, to hold every kind of wealth.
    static constexpr QSize kDesignTwips{13200, 9600};

    void compute();        // "احسب"
    void entryChanged();   // any edit empties the results

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
    CommandButton *computeButton;

    DesignLabel *verdict;
    DesignLabel *due;
    BreakdownView breakdown;
    DesignLabel *unsplitNote; // shown when the due is too large to split

    CommandButton *backButton;
    CommandButton *exitButton;

private:
    struct Entry {
        EntryField *field;
        QString caption;
        WealthEntry entry;
    };
    // A result row: its value label, its caption, and how it reads a result.
    struct Result {
        DesignLabel *value;
        QString caption; // with the unit
        QString (*text)(const WealthZakat &);
        bool metal; // left out of the summary while there is none of it
    };

    const Entry &entryOf(WealthEntry entry) const;
    void showResult(const Result &result, const QString &text);
    void nameBreakdownBoxes();

    QList<Entry> m_entries;
    QList<Result> m_results;
    std::optional<WealthZakat> m_zakat; // the last computation, while its entries stand
    std::optional<Breakdown> m_split;
};
