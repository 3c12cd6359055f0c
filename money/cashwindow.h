// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "money/breakdownview.h"
#include "money/cashzakat.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/summary.h"
#include "ui/window.h"

#include <array>
#include <optional>

// The cash and trade goods window: the quarter-tenth due on an amount of
// money, typed as one number or over four fields (milliards, millions,
// thousands, units), with its breakdown; and the nisab in money from today's
// prices of gold and silver.
//
// Design names:
//   lbla1(2) heading           Label1(0) wayCaption          Option1 oneNumberOption
//   Option2 fourFieldsOption   Label1(10) amountCaption      Text3 amountField
//   Text1 / Text2 / Text5 / Text6 the four fields (milliards, millions, thousands,
//   units), named by Label10 / Label11 / Label12 / Label13
//   Command3 computeButton     lbl15 emptyNote               Label1(7) dueCaption
//   lbl3 dueLabel              Label2 / Label3 / Label4 / Text4 the due's millions,
//   thousands, units and hundredths, named by Label6 / Label8 / Label7 / Label9
//   Command4 breakdownButton (hidden)   Label5 / Label1(14) the hidden fraction and
//   whole part                 Label1(1) conditionsHeading   Label1(2) .. Label1(6)
//   conditions                 Label1(12) nisabCaption       Label15 goldPriceCaption
//   Text7 goldPriceField       Label17 goldNisabLabel        Label16 silverPriceCaption
//   Text8 silverPriceField     Label18 silverNisabLabel      Command1 nisabButton (hidden)
//   Label20 nisabLabel         Command7 backButton           Command6 exitButton
class CashWindow : public DesignWindow {
    Q_OBJECT
public:
    CashWindow();

    void chooseOneNumber();  // the amount as one number
    void chooseFourFields(); // the amount over four fields
    void compute();          // "احسب"
    void amountChanged();    // a new amount empties the result area
    void partChanged();      // an edit of a part takes back the total
    void milliardsLeft();    // at most 80 milliards
    void goldPriceChanged(); // the value of the gold nisab
    void silverPriceChanged(); // the value of the silver nisab
    void showNisab();        // the hidden "النصاب"
    void splitDue();         // the hidden "بالحروف"

    // What the window shows of its computation, for copying and printing.
    ComputationSummary summary() const;

    DesignLabel *heading;
    DesignLabel *wayCaption;
    OptionButton *oneNumberOption;
    OptionButton *fourFieldsOption;
    DesignLabel *amountCaption;
    EntryField *amountField;
    std::array<EntryField *, 4> partFields; // milliards, millions, thousands, units
    std::array<DesignLabel *, 4> partNames;
    CommandButton *computeButton;
    DesignLabel *emptyNote;
    DesignLabel *dueCaption;
    DesignLabel *dueLabel;
    BreakdownView breakdown;
    CommandButton *breakdownButton;
    DesignLabel *conditionsHeading;
    std::array<DesignLabel *, 5> conditions;
    DesignLabel *nisabCaption;
    DesignLabel *goldPriceCaption;
    EntryField *goldPriceField;
    DesignLabel *goldNisabLabel;
    DesignLabel *silverPriceCaption;
    EntryField *silverPriceField;
    DesignLabel *silverNisabLabel;
    CommandButton *nisabButton;
    DesignLabel *nisabLabel;
    // Not in the design: under the results, while the amount is below the
    // lower of the two nisabs shown.
    DesignLabel *belowNisabNote;
    CommandButton *backButton;
    CommandButton *exitButton;

private:
    // The last computation, while the amount it was made from stands.
    struct Computation {
        CashDue due; // as shown
        std::optional<Breakdown> split;
        bool totalOfParts = false; // the amount was added up from the four fields
    };
    void priceChanged(EntryField *price, DesignLabel *valueLabel, double &value,
                      double nisabUnits, const QString &valueCaption);
    // Shows the note below the nisab where it holds; the sentence heard, with
    // the note when it shows.
    void showBelowNisabNote();
    QString withNote(const QString &sentence) const;

    std::optional<Computation> m_computation;
    double m_goldNisab = 0;   // the values as shown
    double m_silverNisab = 0;
    double m_nisab = 0;
    bool m_warningAboutMilliards = false;
};
