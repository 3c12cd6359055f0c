// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "money/breakdownview.h"
#include "money/metalzakat.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/summary.h"
#include "ui/window.h"

#include <QStringList>

#include <array>
#include <optional>

// What differs between the gold and the silver window; everything else of the
// two windows is MetalWindow. Bounds are in twips.
struct MetalDesign {
    struct Item {
        QString text;
        QRect bounds;
    };

    QString objectName;
    QString caption;
    bool rightToLeft;

    const MetalRules *rules; // nisab and largest quantity
    int quantityMaxLength;
    int priceMaxLength;

    Item heading;
    Item quantityCaption;
    Item quantityField; // its prompt
    QRect compute;
    Item dueCaption;
    QRect due;
    Item dueUnit;
    QRect dueNote;
    QRect breakdownButton;
    Item priceCaption;
    QRect priceField;
    QRect computeValue;
    QRect value;
    std::array<QRect, 4> breakdownBoxes; // millions, thousands, units, hundredths
    std::array<QRect, 4> boxNames;       // in the same order
    QRect hiddenFraction;
    QRect hiddenWholePart;
    std::array<Item, 3> notes;
    std::array<FontSpec, 3> noteFonts;
    QRect back;
    QRect exit;

    QRect notesFrame;
    QRect dueFrame;
    QRect valueFrame;
    std::array<QRect, 4> boxFrames;
    QPoint lineFrom, lineTo; // the rule between the boxes and their names

    QStringList tabOrder; // design names; the first takes the focus at opening

    QString belowNisabNote;    // under the due, below the nisab
    QString aboveBoundWarning; // the quantity above the largest
    QString priceWarning;      // the price not a number
    QString valueWarning;      // the value in money above the breakdown's range
};

// A window that computes the quarter-tenth due on a weight of metal and its
// value in money, with the amount breakdown.
//
// Design names:
//   lbla1(0) heading              Label1(0) quantityCaption   Text1 quantityField
//   Command1 computeButton        Label1(1) dueCaption        lbl11 dueLabel
//   Label10 dueUnit               lbl15 dueNote               Command6 breakdownButton
//   Label1(2) priceCaption        Text5 priceField            Command5 computeValueButton
//   Label11 valueLabel            Label12 / Label13 / Label14 / Text6 the breakdown's
//   millions, thousands, units and hundredths, named by Label16 / Label18 / Label17 /
//   Label15                       Label19 / Label1(3) the hidden fraction and whole part
//   Label2 / Label3 / Label4 notes   Command7 backButton      Command2 exitButton
class MetalWindow : public DesignWindow {
    Q_OBJECT
public:
    explicit MetalWindow(const MetalDesign &design);

    void computeDue();           // "احسب"
    void computeValue();         // "احسب القيمة بالاوراق النقدية"
    void splitValue();           // "بالحروف", disabled: pressed by the value step
    void quantityChanged();      // takes back every result
    void priceChanged();         // takes back the value and its split

    // What the window shows of its computation, for copying and printing.
    ComputationSummary summary() const;

    DesignLabel *heading;
    DesignLabel *quantityCaption;
    EntryField *quantityField;
    CommandButton *computeButton;
    DesignLabel *dueCaption;
    DesignLabel *dueLabel;
    DesignLabel *dueUnit;
    DesignLabel *dueNote;
    CommandButton *breakdownButton;
    DesignLabel *priceCaption;
    EntryField *priceField;
    CommandButton *computeValueButton;
    DesignLabel *valueLabel;
    BreakdownView breakdown;
    std::array<DesignLabel *, 3> notes;
    CommandButton *backButton;
    CommandButton *exitButton;

private:
    // What the window shows of its last computation.
    enum class NoteShown { Placeholder, BelowNisab, Blank };
    struct State {
        std::optional<double> due;   // as shown
        NoteShown note = NoteShown::Placeholder; // what the line under the due says
        std::optional<double> value; // as shown; not finite when beyond any number
        std::optional<Breakdown> split;
    };

    // Computes and shows the due on the quantity; says whether it shows one
    // (or the nisab below it).
    bool showDue();
    void clearResults(bool keepDue);
    // The due, and its value where shown, as one sentence for a listener.
    QString resultSentence(bool withValue) const;

    const MetalDesign &m_design;
    State m_state;
};
