// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "ui/look.h"

#include <QPointer>
#include <QWidget>

// A window drawn to its design: it takes the scale that fits its design size
// on the screen of the moment once, when it is built, and keeps it.
class DesignWindow : public QWidget {
    Q_OBJECT
public:
    const DesignScale &scale() const { return m_scale; }

protected:
    explicit DesignWindow(const QSize &designTwips);

private:
    DesignScale m_scale;
};

// The scale of the design window the widget belongs to or was opened for
// (its panels and help); 1 for anything else.
DesignScale scaleOf(const QWidget *widget);

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

// The scale at which a window of the given design size in twips fits, frame
// included, in the free area of the screen: its design size where it fits,
// smaller where it does not.
DesignScale scaleToFit(const QSize &designTwips);

// Moves the window, frame included, inside the free area of its screen; a
// window the user may resize is first made no larger than that area.
void keepInsideScreen(QWidget *window);

// Shows the calculator window of the slot, creating it first when it has
// none (the first press, or after the window was closed), then brings it to
// the front.
template <class Window>
Window *openWindow(QPointer<Window> &slot)
{
    if (slot && !slot->isVisible())
        slot.clear(); // closed, and only waiting to be destroyed
    if (!slot) {
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
