// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

class QWidget;

// The program's own details: its name, version and licence, how its results
// are meant to be read, and the credit line. Modal, right to left, closed
// with its OK button.
void showAbout(QWidget *over, const QString &creditLine);

// The text of the box.
QString aboutText(const QString &creditLine);
