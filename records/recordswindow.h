// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "records/household.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/summary.h"
#include "ui/window.h"

#include <functional>

class QComboBox;
class QDateEdit;
class QSpinBox;
class QTableWidget;

// The household's record, year after year: its members and each one's hawl,
// the computations saved from the whole-wealth window, one a Hijri year, and
// the payments made against each. No design describes it: its controls'
// objectNames are the names of their members (member, hawlDay, records, ...).
// Everything it shows is read from the store when it opens or comes to the
// front, so that a save made by another copy of the program shows too.
class RecordsWindow : public DesignWindow {
    Q_OBJECT
public:
    RecordsWindow();

    static constexpr QSize kDesignTwips{13200, 9960};

    // Opens a record's entries in the whole-wealth window; handed over by the
    // program, which knows that window.
    using RecordOpener = std::function<void(const QString &memberName, const Fields &entries)>;
    void setRecordOpener(RecordOpener opener) { m_openRecord = std::move(opener); }

    // Shows that member's record (the menu's hawl reminder).
    void chooseMember(int memberId);

    void addMember();     // the name typed in member, as a new member
    void renameMember();  // the chosen member, to the name typed
    void removeMember();  // after asking, when the member has records
    void setHawl();       // the day and month chosen
    void addPayment();
    void removePayment(); // the one chosen in the payments table, after asking
    void openRecord();
    void deleteRecord();  // after asking
    void exportCsv();
    void startNewStore();

    // The chosen member's history, for copying and printing.
    ComputationSummary summary() const;

    QComboBox *member;
    CommandButton *addMemberButton;
    CommandButton *renameMemberButton;
    CommandButton *removeMemberButton;
    QSpinBox *hawlDay;
    QComboBox *hawlMonth;
    DesignLabel *nextHawl;
    QTableWidget *records;
    QTableWidget *payments;
    QDateEdit *paymentDate;
    EntryField *paymentAmount;
    EntryField *paymentNote;
    CommandButton *addPaymentButton;
    CommandButton *removePaymentButton;
    CommandButton *openRecordButton;
    CommandButton *deleteRecordButton;
    CommandButton *exportCsvButton;
    DesignLabel *note; // what the last action did, read by a screen reader too
    DesignLabel *storeStatus;
    CommandButton *newStoreButton;
    CommandButton *backButton;
    CommandButton *exitButton;

protected:
    bool event(QEvent *event) override;

private:
    // Shows the household as last read.
    void refresh();
    void showPayments();
    const Member *chosen() const;
    const Record *selectedRecord() const;
    // Applies a change to the store, and says what it did or why it did not.
    bool change(const std::function<Change(Household &)> &edit, const QString &done);
    void say(const QString &sentence);

    int m_memberId = 1;
    RecordOpener m_openRecord;
};
