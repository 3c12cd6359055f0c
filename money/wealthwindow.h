// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "money/breakdownview.h"
#include "records/household.h"
#include "money/wealthzakat.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/summary.h"
#include "ui/window.h"

#include <QList>

#include <optional>

class QCheckBox;
class QComboBox;

// The whole-wealth window: what a household holds today (money, shares and
// savings, gold and silver, worn jewellery) added by value less its debts due
// within the year, weighed against the nisab it follows; the quarter-tenth
// due with its breakdown. No design describes it: its controls' objectNames
// are the names of their members (cash, goldPrice, due, ...), each caption
// the field's name followed by "Caption".
class WealthWindow : public DesignWindow {
    Q_OBJECT
public:
    WealthWindow();

    // Three columns wide, to hold every kind of wealth beside the results.
    static constexpr QSize kDesignTwips{19920, 10020};

    void compute();      // "احسب"
    void entryChanged(); // any edit or choice empties the results
    // "احفظ في السجل": the computation on screen into the chosen member's
    // record of this Hijri year, after asking before it replaces one.
    void saveToRecord();
    // A saved record's entries and views back in the fields, for the member
    // named, to review or to compute again.
    void showRecord(const QString &memberName, const Fields &entries);

    // What the window shows of its computation, for copying and printing.
    ComputationSummary summary() const;

    // The entries, by the names of WealthEntries.
    EntryField *field(WealthEntry entry) const;
    QCheckBox *jewelleryCounted;
    QComboBox *nisabBasis;
    CommandButton *computeButton;

    DesignLabel *verdict;
    DesignLabel *due;
    BreakdownView breakdown;
    QWidget *breakdownFrame; // shown while a due is split
    DesignLabel *unsplitNote; // shown when the due is too large to split

    QComboBox *member; // whose wealth this is
    CommandButton *saveRecordButton;
    DesignLabel *saveNote; // says, without a box, what the save did

    CommandButton *backButton;
    CommandButton *exitButton;

protected:
    bool event(QEvent *event) override;

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

    WealthViews views() const;
    const Entry &entryOf(WealthEntry entry) const;
    QString entryText(WealthEntry entry) const;
    void warn(const WealthZakat &zakat);
    void showResult(const Result &result, const QString &text);
    void nameBreakdownBoxes();
    void fillMembers();
    void noteSaved(const QString &note);
    Fields typedEntries() const;
    Fields shownResults() const;

    QList<Entry> m_entries;
    QList<Result> m_results;
    std::optional<WealthZakat> m_zakat; // the last computation, while its entries stand
    std::optional<Breakdown> m_split;
};
