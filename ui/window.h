// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QPointer>
#include <QWidget>

// The window itself: design name, caption, fixed client size, background,
// direction; destroyed when closed.
void setUpWindow(QWidget *window, const QString &name, const QString &caption,
                 const QSize &clientSize, const QColor &background, bool rightToLeft,
                 const QFont &font = QFont());

// Tab order through the named controls, and the focus on the first of them.
// Called once the window's controls are all made, it also settles how they
// are drawn together: the buttons and fields above every caption and
// decoration, and the texts of labels off the table rules.
void applyTabOrder(QWidget *window, const QStringList &names);

// Places the window, title bar and frame included, in the middle of the free
// area of its screen, and moves it where it must so that it lies wholly
// inside that area.
void centreOnScreen(QWidget *window);

// The design size of the calculator windows, in twips.
inline constexpr QSize kCalculatorTwips(11880, 8490);

// Sets the scale of the window built next so that a window of the given
// design size in twips fits, frame included, in the free area of the screen:
// the design size where it fits, smaller where it does not.
void fitDesignToScreen(const QSize &designTwips = kCalculatorTwips);

// Moves the window, frame included, inside the free area of its screen; a
// window the user may resize is first made no larger than that area.
void keepInsideScreen(QWidget *window);

// Shows the calculator window of the slot, creating it first when it has
// none (the first press, or after the window was closed), then brings it to
// the front.
// A window larger than the calculators gives its own design size.
template <class Window>
Window *openWindow(QPointer<Window> &slot, const QSize &designTwips = kCalculatorTwips)
{
    if (slot && !slot->isVisible())
        slot.clear(); // closed, and only waiting to be destroyed
    if (!slot) {
        fitDesignToScreen(designTwips);
        slot = new Window();
        centreOnScreen(slot);
    }
    if (slot->isMinimized())
        slot->showNormal();
    else
        slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

// "خروج من البرنامج": closes every window and ends the program at once.
void exitProgram();
