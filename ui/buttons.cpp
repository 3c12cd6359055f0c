// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/buttons.h"

#include "ui/look.h"

#include <QKeyEvent>

CommandButton::CommandButton(QWidget *window, const QString &name, const QString &text,
                             const QRect &bounds, const QFont &font, const QColor &background)
    : QPushButton(text, window)
{
    placeControl(this, name, bounds, font);
    QPalette colours = palette();
    colours.setColor(QPalette::Button, background);
    colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(colours);
    setAutoDefault(false);
    setAccessibleName(text); // what a screen reader announces the button does
}

void CommandButton::setHandler(std::function<void()> handler)
{
    connect(this, &QPushButton::clicked, this, std::move(handler));
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

OptionButton::OptionButton(QWidget *window, const QString &name, const QString &text,
                           const QRect &bounds, const QFont &font, const QColor &textColour,
                           const QColor &background)
    : QRadioButton(text, window)
{
    placeControl(this, name, bounds, font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, textColour);
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setBackgroundRole(QPalette::Window); // a radio button would fill with the button colour
    setAutoFillBackground(true);
    setAccessibleName(text);
}
