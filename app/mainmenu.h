// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/linklabel.h"
#include "ui/window.h"

#include <QPointer>

class CashWindow;
class FitrWindow;
class GoldWindow;
class LivestockWindow;
class ProduceWindow;
class RecordsWindow;
class SilverWindow;
class WealthWindow;

// The main menu: one button per calculator window and one to end the program.
//
// Design names:
//   Label1 title        Label3 disclaimer      Label2 credit        Label4 contactLink
//   Command1 livestockButton   Command2 goldButton   Command3 silverButton
//   Command4 cashButton        Command5 produceButton   Command7 wealthButton
//   Command8 fitrButton        Command9 recordsButton   Command6 exitButton
//   hawlReminder (no design name)
class MainMenu : public DesignWindow {
    Q_OBJECT
public:
    MainMenu();

    // The menu's design size: grown below the design's buttons to hold the
    // calculators that came after it.
    static constexpr QSize kDesignTwips{10890, 9375};

    void openLivestock();
    void openGold();
    void openSilver();
    void openCash();
    void openProduce();
    void openWealth();
    void openRecords(int memberId = 0);
    void openFitr();
    void exit();
    // Once the menu is on screen: a member whose hawl has come, or comes
    // within the week, and who has no record for this year, named in one line.
    void remindOfHawl();

    DesignLabel *title;
    DesignLabel *disclaimer;
    DesignLabel *credit;
    LinkLabel *contactLink; // opens the about box
    CommandButton *livestockButton;
    CommandButton *goldButton;
    CommandButton *silverButton;
    CommandButton *cashButton;
    CommandButton *produceButton;
    CommandButton *exitButton;
    CommandButton *wealthButton; // the whole wealth, with the calculators
    CommandButton *fitrButton;
    CommandButton *recordsButton;
    LinkLabel *hawlReminder; // shown when a hawl is near; opens the records on its member

protected:
    bool event(QEvent *event) override;

private:
    int m_remindedMember = 0;
    bool m_drawn = false;
    // One window of each kind at most; empty until first opened or once closed.
    QPointer<LivestockWindow> m_livestock;
    QPointer<GoldWindow> m_gold;
    QPointer<CashWindow> m_cash;
    QPointer<ProduceWindow> m_produce;
    QPointer<SilverWindow> m_silver;
    QPointer<WealthWindow> m_wealth;
    QPointer<RecordsWindow> m_records;
    QPointer<FitrWindow> m_fitr;
};
