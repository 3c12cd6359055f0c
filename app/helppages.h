// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How to use each window, step by step, in Arabic: the one text the help
// windows show and the README's how-to section repeats.
struct HelpPage {
    QString window; // the object name of the window it explains
    QString title;
    QStringList steps;
};

// The menu's page first, then one per calculator in the menu's order.
const QList<HelpPage> &helpPages();
// The page of the window with that object name; none for another window.
const HelpPage *helpPageFor(const QString &window);
// The keys, copying, printing and help: shown under every page.
const HelpPage &keysHelp();
