// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "app/helppages.h"

#include <QWidget>

class QTextEdit;

// The help of one window, beside it and without blocking it: the window's
// page and the keys, right to left, in a text view that takes the focus and
// scrolls with the keys. Esc closes it; it goes when its window goes.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(const HelpPage &page, QWidget *forWindow);

    QTextEdit *text;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Opens the help of the window, or brings its open help forward; nothing for
// a window without a page.
void showHelpFor(QWidget *window);
