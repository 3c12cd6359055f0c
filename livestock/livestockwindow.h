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
#include "ui/window.h"

#include <QPointer>

#include <array>
#include <optional>

// The livestock window: three calculators side by side, camels on the right,
// sheep and goats in the middle, cattle and buffalo on the left, and one
// block of note lines that the camel and cattle calculators share. It never
// shows a message: an empty field resets its panel, a text that is not a
// number computes nothing, and any edit of a count takes back its panel's
// result.
//
// Design names, camels / sheep / cattle:
//   lbla1(0) / lbla1(1) / lbla1(2)      heading
//   Label1(0) / Label1(11) / Label1(10) countCaption
//   Text1 / Text2 / Text3               countField
//   Command1 / Command2 / Command3       computeButton
//   Label1(1) / Label1(4) / Label1(7)   dueCaption
//   Label1(2) / Label1(5) / Label1(8)   kindHeading
//   Label1(3) / Label1(6) / Label1(9)   countHeading
//   lbl1, lbl11 / lbl2, lbl21 / lbl3, lbl31   rows[0] (count, kind)
//   lbl13, lbl14 / none / lbl33, lbl34        rows[1]
//   Label1(13) sheepRemark              Label1(14) cattleRemark
// The note block: Label1(12) notesCaption, Command4 cattleNotesButton,
// Command5 camelNotesButton, lbl15 .. lbl19 noteLines; Command7 backButton,
// Command6 exitButton.
class LivestockWindow : public DesignWindow {
    Q_OBJECT
public:
    LivestockWindow();

    struct Panel {
        DesignLabel *heading = nullptr;
        DesignLabel *countCaption = nullptr;
        EntryField *countField = nullptr;
        CommandButton *computeButton = nullptr;
        DesignLabel *dueCaption = nullptr;
        DesignLabel *kindHeading = nullptr;
        DesignLabel *countHeading = nullptr;
        struct Row {
            DesignLabel *count = nullptr;
            DesignLabel *kind = nullptr;
        };
        std::array<Row, 2> rows; // the sheep have one
    };

    void computeCamels();
    void computeSheep();
    void computeCattle();
    void camelsChanged(); // an edit of a count takes back its panel's result
    void sheepChanged();
    void cattleChanged();

    // The notes the note lines show, whole, in a panel of their own (a click
    // on a note line, or F2).
    void showNotesWhole();

    // What the window shows of its computations, for copying and printing.
    ComputationSummary summary() const;

    Panel camels;
    Panel sheep;
    Panel cattle;
    DesignLabel *sheepRemark;
    DesignLabel *cattleRemark;
    DesignLabel *notesCaption;
    CommandButton *cattleNotesButton; // "بقر": the cattle notes again
    CommandButton *camelNotesButton;  // "ابل": the camel notes again
    std::array<NoteLine *, 5> noteLines;
    CommandButton *backButton;
    CommandButton *exitButton;

private:
    // What a panel shows for the count in its field: nothing since the last
    // edit, the placeholders of an empty field, or a due.
    struct Shown {
        QString count;            // the field as read
        std::optional<HerdDue> due; // none for an empty field
    };
    enum class Animal { None, Camels, Sheep, Cattle };
    static QString nameOf(Animal animal);

    void computeHerd(Panel &panel, std::optional<Shown> &shown, Animal animal,
                     HerdRows (*reset)(), std::optional<HerdDue> (*due)(double));
    void showRows(Panel &panel, const HerdRows &rows, Animal animal);
    void clearHerd(Panel &panel, std::optional<Shown> &shown, Animal animal);
    QStringList notesShown() const;
    // Says what is due on the count, from what the panel shows.
    void announceDue(const Shown &shown, Animal animal, const QString &whyNothing);
    void refreshNotesPanel();

    std::optional<Shown> m_camels;
    std::optional<Shown> m_sheep;
    std::optional<Shown> m_cattle;
    Animal m_notesAbout = Animal::None; // whose notes the note lines show
    NoteLines m_notes;
    QPointer<NotesPanel> m_notesPanel;
};
