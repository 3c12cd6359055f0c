// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QPushButton>
#include <QRadioButton>

#include <functional>

// A push button in the design colour. Space and Enter press it when it has
// the focus. Pressing it from the program means calling its handler directly.
// It draws itself, whatever the desktop's style, as a flat face in its design
// colour with a raised edge: sunk while pressed, its text faded while
// disabled, and a dotted frame in the text colour inside the face while it
// has the focus, which shows on every design colour.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(QWidget *window, const QString &name, const QString &text, const QRect &bounds,
                  const QFont &font, const QColor &background);
    void setHandler(std::function<void()> handler);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// An option button of the window's single group, on a face of its design
// background with its text in the design colour (the palette's WindowText,
// which a window may change while it runs). It draws its own round mark,
// grey while pressed, and the same dotted focus frame, around its text.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(QWidget *window, const QString &name, const QString &text, const QRect &bounds,
                 const QFont &font, const QColor &textColour, const QColor &background);

protected:
    void paintEvent(QPaintEvent *event) override;
};
