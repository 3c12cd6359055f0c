#pragma once

#include "widgets.h"

#include <QPointer>
#include <QString>

// The modal warning of the calculator windows: information icon, one OK
// button, the exact text and title, laid out right to left, blocking every
// window until the user dismisses it.
void showWarning(QWidget *over, const QString &text, const QString &title);

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
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

// "خروج من البرنامج": closes every window and ends the program at once.
void exitProgram();
