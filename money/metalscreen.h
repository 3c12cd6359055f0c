// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "money/breakdownview.h"
#include "money/metalzakat.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/summary.h"

#include <QStringList>

#include <array>

// What differs between the gold and the silver window; everything else of the
// two windows is MetalScreen.
struct MetalDesign {
    struct Item {
        QString text;
        QRect bounds;
    };

    QString objectName;
    QString caption;
    bool rightToLeft;

    const MetalRules *rules; // nisab and largest quantity
    int quantityMaxLength; // typed characters in Text1
    int priceMaxLength;    // typed characters in Text5

    Item heading;          // lbla1(0)
    Item quantityCaption;  // Label1(0)
    Item quantityField;    // Text1
    QRect compute;         // Command1
    Item dueCaption;       // Label1(1)
    QRect due;             // lbl11
    Item dueUnit;          // Label10
    QRect dueNote;         // lbl15
    QRect breakdownButton; // Command6
    Item priceCaption;     // Label1(2)
    QRect priceField;      // Text5
    QRect computeValue;    // Command5
    QRect value;           // Label11
    std::array<QRect, 4> breakdownRows;  // Label12, Label13, Label14, Text6
    std::array<QRect, 4> unitNames;      // Label16, Label18, Label17, Label15
    QRect fractionStore;   // Label19
    QRect wholeStore;      // Label1(3)
    std::array<Item, 3> notes;           // Label2, Label3, Label4
    std::array<QFont, 3> noteFonts;
    QRect back;            // Command7
    QRect exit;            // Command2

    QRect notesFrame;                    // Shape2
    QRect dueFrame;                      // Shape1(0)
    QRect valueFrame;                    // Shape1(1)
    std::array<QRect, 4> rowFrames;      // Shape1(2) .. Shape1(5)
    QPoint lineFrom, lineTo;             // Line1

    QStringList tabOrder; // the first takes the focus at opening

    QString belowNisabNote;    // lbl15 below the nisab
    QString aboveBoundWarning; // the quantity above the upper bound
    QString priceWarning;      // the price not a number
    QString valueWarning;      // the value in money above the breakdown's range
};

// A window that computes the quarter-tenth due on a weight of metal and its
// value in money, with the amount breakdown.
class MetalScreen : public QWidget {
    Q_OBJECT
public:
    explicit MetalScreen(const MetalDesign &design);

    void Command1_Click();
    void Command5_Click();
    void Command6_Click();
    void Text1_Change();
    void Text5_Change();

    // What the window shows of its computation, for copying and printing.
    ComputationSummary summary() const;

    DesignLabel *lbla1_0;
    std::array<DesignLabel *, 4> Label1;
    EntryField *Text1;
    CommandButton *Command1;
    DesignLabel *lbl11;
    DesignLabel *Label10;
    DesignLabel *lbl15;
    CommandButton *Command6;
    EntryField *Text5;
    CommandButton *Command5;
    DesignLabel *Label11;
    DesignLabel *Label12;
    DesignLabel *Label13;
    DesignLabel *Label14;
    EntryField *Text6;
    DesignLabel *Label16;
    DesignLabel *Label18;
    DesignLabel *Label17;
    DesignLabel *Label15;
    DesignLabel *Label19;
    DesignLabel *Label2;
    DesignLabel *Label3;
    DesignLabel *Label4;
    CommandButton *Command7;
    CommandButton *Command2;

private:
    void clearResults(bool keepDue);
    // Computes and shows the due on the quantity; says whether it shows one.
    bool showDue();
    // The due, and its value where shown, as one sentence for a listener.
    QString resultSentence(bool withValue) const;

    const MetalDesign &m_design;
    BreakdownControls m_breakdown;
};
