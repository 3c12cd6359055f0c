// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QAccessible>
#include <QString>

class QAbstractScrollArea;
class QWidget;

namespace ui {

// Installs a factory of accessible interfaces, once however often a control
// asks for it: each kind of control installs its own on first use.
void installAccessibleFactory(QAccessible::InterfaceFactory factory);

// What a window is to assistive technology: a frame (QAccessible::Window) for
// the menu and the calculators, a dialog for the panels and help that belong
// to one of them. Its name is its accessible name, or else its title, cleaned
// as spoken. What is kept from assistive technology is not among its
// children; the sentence it announced last is.
void setAccessibleRole(QWidget *window, QAccessible::Role role);

// Keeps a control of a window out of what assistive technology sees: the
// decoration (frames and rules), and the hidden labels a window keeps values
// in.
void keepFromAssistiveTechnology(QWidget *control);

// Names a text area and the parts Qt adds around its text (the page it lies
// on, the scroll bars and their holders) in Arabic, so that none is heard
// nameless.
void nameScrollArea(QAbstractScrollArea *area, const QString &name);

} // namespace ui
