// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/calculator.h"

#include "ui/accessible.h"
#include "ui/announcer.h"
#include "ui/entryfield.h"
#include "ui/window.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>

namespace {
// The word a screen reader says for the role of an alert, in Arabic.
const QString kAlertRoleWord = QStringLiteral("تنبيه");
} // namespace

void showWarning(QWidget *over, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, over);
    box.setObjectName(QStringLiteral("warning"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setLayoutDirection(Qt::RightToLeft);
    // As an Arabic desktop words it; Qt's own translation has another word.
    box.button(QMessageBox::Ok)->setText(kOkText);
    // Heard once, with its text: a screen reader says an alert's role as
    // "تنبيه", the title most warnings have, so the box is named by its text
    // (after a title that says more), and the text's label, which would be
    // read again, is kept from it with the icon.
    ui::setAccessibleRole(&box, QAccessible::AlertMessage);
    const QString heardTitle = ui::spokenName(title);
    box.setAccessibleName(heardTitle == kAlertRoleWord
                              ? ui::spokenName(text)
                              : heardTitle + QStringLiteral(": ") + ui::spokenName(text));
    for (QLabel *label : box.findChildren<QLabel *>())
        ui::keepFromAssistiveTechnology(label);
    // The field the user was in has its whole text selected when the box
    // gives the keyboard back, so that typing again replaces the refused
    // entry rather than extends it.
    if (auto *field = qobject_cast<EntryField *>(QApplication::focusWidget()))
        field->selectAllWhenFocusReturns();
    box.exec();
    // The window the box was over takes the keyboard again, so the focus the
    // handler gives next lands where the user is looking.
    if (over)
        over->window()->activateWindow();
}

bool askYesNo(QWidget *over, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, over);
    box.setObjectName(QStringLiteral("question"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setLayoutDirection(Qt::RightToLeft);
    box.button(QMessageBox::Yes)->setText(kYesText);
    box.button(QMessageBox::No)->setText(kNoText);
    box.setDefaultButton(QMessageBox::No);
    const bool yes = box.exec() == QMessageBox::Yes;
    if (over)
        over->window()->activateWindow();
    return yes;
}

BackAndExit addBackAndExit(QWidget *window, const QString &backName, const QRect &backBounds,
                           const QString &exitName, const QRect &exitBounds,
                           const QColor &colour)
{
    BackAndExit buttons{
        new CommandButton(window, backName, kBackText, backBounds, window->font(), colour),
        new CommandButton(window, exitName, kExitText, exitBounds, window->font(), colour)};
    buttons.back->setHandler([window] { window->close(); });
    buttons.exit->setHandler([] { exitProgram(); });
    return buttons;
}
