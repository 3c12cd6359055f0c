#pragma once

#include "widgets.h"

#include <QPointer>
#include <QString>

// Texts the calculator windows share.
inline const QString kComputeText = QStringLiteral("احسب");
inline const QString kBackText = QStringLiteral("رجوع");
inline const QString kExitText = QStringLiteral("خروج من البرنامج");
inline const QString kDigitsOnlyWarning =
    QStringLiteral(" ادخل ارقام فقط ويدون مسافات بين الارقام");

// The two buttons every calculator window carries, in the window's font:
// "رجوع" closes the window (the menu builds it afresh next time) and
// "خروج من البرنامج" ends the program.
struct BackAndExit {
    CommandButton *back;
    CommandButton *exit;
};
BackAndExit addBackAndExit(QWidget *window, const QString &backName, const QRect &backBounds,
                           const QString &exitName, const QRect &exitBounds,
                           const QColor &colour);

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
