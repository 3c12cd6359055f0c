// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "livestock/noteline.h"
#include "livestock/notespanel.h"
#include "livestock/schedule.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/summary.h"

#include <QPointer>

#include <array>

// The livestock window: three calculators side by side, camels on the right,
// sheep and goats in the middle, cattle and buffalo on the left, and one
// block of note lines that the camel and cattle calculators share. It never
// shows a message: an empty field resets its panel, a text that is not a
// number computes nothing, and any edit of a count takes back its panel's
// result.
class frmzakat1 : public QWidget {
    Q_OBJECT
public:
    frmzakat1();

    void Command1_Click(); // camels
    void Command2_Click(); // sheep and goats
    void Command3_Click(); // cattle and buffalo
    void Command4_Click(); // "بقر": the cattle notes again
    void Command5_Click(); // "ابل": the camel notes again
    // An edit of a count takes back what was computed from it.
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();

    // The notes the note lines show, whole, in a panel of their own (a click
    // on a note line, or F2).
    void showNotesWhole();

    // What the window shows of its computations, for copying and printing.
    ComputationSummary summary() const;

    // Camel panel.
    DesignLabel *lbla1_0;
    EntryField *Text1;
    CommandButton *Command1;
    DesignLabel *lbl1;
    DesignLabel *lbl11;
    DesignLabel *lbl13;
    DesignLabel *lbl14;
    // Sheep and goat panel.
    DesignLabel *lbla1_1;
    EntryField *Text2;
    CommandButton *Command2;
    DesignLabel *lbl2;
    DesignLabel *lbl21;
    // Cattle and buffalo panel.
    DesignLabel *lbla1_2;
    EntryField *Text3;
    CommandButton *Command3;
    DesignLabel *lbl3;
    DesignLabel *lbl31;
    DesignLabel *lbl33;
    DesignLabel *lbl34;
    // Captions, column headings and remarks, by their index.
    std::array<DesignLabel *, 15> Label1;
    // The shared note block.
    CommandButton *Command4;
    CommandButton *Command5;
    NoteLine *lbl15;
    NoteLine *lbl16;
    NoteLine *lbl17;
    NoteLine *lbl18;
    NoteLine *lbl19;
    CommandButton *Command7;
    CommandButton *Command6;

private:
    void showHerd(const HerdRows &rows, DesignLabel *firstCount, DesignLabel *firstKind,
                  DesignLabel *secondCount, DesignLabel *secondKind, const QString &animal);
    void clearHerd(DesignLabel *firstCount, DesignLabel *firstKind, DesignLabel *secondCount,
                   DesignLabel *secondKind, const QString &animal);
    QStringList notesShown() const;
    NoteLines notesOnLines() const;
    // Says what is due on the count in the field, from the rows shown.
    void announceDue(const EntryField *count, const QString &animal,
                     const QList<DueRow> &rows, const QString &whyNothing);

    QString m_notesAbout; // the animal whose notes the note lines show
    QPointer<NotesPanel> m_notesPanel;
};
