// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/linklabel.h"

#include <QPointer>

class frmzakat2;
class frmzakat3;
class frmzakat1;
class frmzakat4;
class frmzakat5;
class frmzakat6;

// The main menu: one button per calculator window and one to end the program.
class frmzakat : public QWidget {
    Q_OBJECT
public:
    frmzakat();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

    DesignLabel *Label1;
    DesignLabel *Label3;
    DesignLabel *Label2;
    LinkLabel *Label4; // opens the about box
    CommandButton *Command1;
    CommandButton *Command2;
    CommandButton *Command3;
    CommandButton *Command4;
    CommandButton *Command5;
    CommandButton *Command6;
    CommandButton *Command7; // the whole wealth, below the design's buttons

private:
    // One window of each kind at most; empty until first opened or once closed.
    QPointer<frmzakat1> m_livestock;
    QPointer<frmzakat4> m_gold;
    QPointer<frmzakat2> m_cash;
    QPointer<frmzakat5> m_produce;
    QPointer<frmzakat3> m_silver;
    QPointer<frmzakat6> m_wealth;
};
