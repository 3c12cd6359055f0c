// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "ui/summary.h"

#include <QList>

#include <functional>

class DesignLabel;
class QAction;
class QWidget;
struct BackAndExit;

// What a desktop user expects of every window beyond its design: keys, a
// context menu, help, and on the calculator windows copying and printing the
// computation. No key acts while a modal box is open.

// Help is opened by the program's top layer, which knows the help pages; it
// hands this opener over at start-up, so that a window reaches its help
// without knowing where help lives.
using HelpOpener = std::function<void(QWidget *window)>;
void setHelpOpener(HelpOpener opener);
// Opens the help of the window (nothing before an opener is set).
void openHelp(QWidget *window);

// On any window: Ctrl+Q runs exit, F1 opens the window's help, and the
// window's context menu offers the given items and "مساعدة". Returns the help
// item.
QAction *addProgramActions(QWidget *window, std::function<void()> exit,
                           const QList<QAction *> &menuItems = {});

// On a calculator window, besides the program's actions: Esc and Ctrl+W press
// "رجوع"; Ctrl+Shift+C ("نسخ النتيجة") puts the window's summary on the
// clipboard and says so ("نُسخ الحساب") on the window for a moment, Ctrl+P ("طباعة") prints it through the print dialog. The result
// labels, in reading order, can be selected with the mouse and copied with
// Ctrl+C, their context menu offers the same items, and each is reached with
// Tab after the window's own controls while it shows a result.
void addCalculatorActions(QWidget *window, const BackAndExit &buttons,
                          std::function<ComputationSummary()> summary,
                          const QList<DesignLabel *> &results);

// The texts of the new items, for whoever shows or checks them.
inline const QString kCopySummaryText = QStringLiteral("نسخ النتيجة");
inline const QString kPrintText = QStringLiteral("طباعة");
inline const QString kHelpText = QStringLiteral("مساعدة");
inline const QString kCopySelectionText = QStringLiteral("نسخ");
// Shown on the window for a moment, and heard, once the summary is copied.
inline const QString kCopiedText = QStringLiteral("نُسخ الحساب");
