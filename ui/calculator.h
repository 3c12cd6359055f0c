// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "ui/buttons.h"

#include <QString>

// What the calculator windows share: texts, the Back and Exit buttons and
// the warning box.

inline const QString kComputeText = QStringLiteral("احسب");
inline const QString kBackText = QStringLiteral("رجوع");
inline const QString kExitText = QStringLiteral("خروج من البرنامج");
// The button of every box the program shows, as an Arabic desktop words it
// (Qt's own translation has another word).
inline const QString kOkText = QStringLiteral("موافق");
inline const QString kYesText = QStringLiteral("نعم");
inline const QString kNoText = QStringLiteral("لا");
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
// button reading "موافق", the exact text and title, laid out right to left, blocking every
// window until the user dismisses it.
void showWarning(QWidget *over, const QString &text, const QString &title);

// The modal question the program asks before it replaces or deletes what the
// user saved: a question icon, "نعم" and "لا" (the default, so that Enter
// destroys nothing), laid out right to left. True for "نعم".
bool askYesNo(QWidget *over, const QString &text, const QString &title);
