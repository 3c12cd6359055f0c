// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QPushButton>
#include <QRadioButton>

#include <functional>

// A push button in the design colour. Space and Enter press it when it has
// the focus. Pressing it from the program means calling its handler directly.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(QWidget *window, const QString &name, const QString &text, const QRect &bounds,
                  const QFont &font, const QColor &background);
    void setHandler(std::function<void()> handler);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// An option button of the window's single group.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(QWidget *window, const QString &name, const QString &text, const QRect &bounds,
                 const QFont &font, const QColor &textColour, const QColor &background);
};
