// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QAccessibleInterface>
#include <QString>

namespace ui {

// The accessible interface of an entry field (and of the fields made from
// it): what assistive technology reads of the field's text, character by
// character and run by run. Installed by the first field made.
QAccessibleInterface *entryFieldAccessible(const QString &className, QObject *object);

} // namespace ui
