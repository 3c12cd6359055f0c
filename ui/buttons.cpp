// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/buttons.h"

#include "ui/look.h"

#include <QKeyEvent>
#include <QList>

namespace {

// One palette for all buttons of the same colours. Fusion draws a push button
// from a pixmap it keeps in the application's pixmap cache, under a text key
// that holds the palette's identity. With a palette of its own, every button
// of every window built added entries that were never drawn again: pixmaps
// until the cache was full (10 MiB), then, with Qt 6.4, the text keys of the
// pixmaps dropped, which the cache keeps. Every colour is set in the shared
// palette, so that a button takes it as it is instead of mixing it anew with
// its window's palette; the colours are those the button had anyway, the
// window's included.
QPalette sharedPalette(const QPalette &colours)
{
    static QList<QPalette> shared;
    for (const QPalette &palette : std::as_const(shared))
        if (palette == colours)
            return palette;
    QPalette complete = colours;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            complete.setBrush(QPalette::ColorGroup(group), QPalette::ColorRole(role),
                              colours.brush(QPalette::ColorGroup(group), QPalette::ColorRole(role)));
    shared.append(complete);
    return complete;
}

} // namespace

CommandButton::CommandButton(QWidget *window, const QString &name, const QString &text,
                             const QRect &bounds, const QFont &font, const QColor &background)
    : QPushButton(text, window)
{
    placeControl(this, name, bounds, font);
    QPalette colours = palette();
    colours.setColor(QPalette::Button, background);
    colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(sharedPalette(colours));
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
