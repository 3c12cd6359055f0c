// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QAccessible>
#include <QStringList>

// What assistive technology is told while it lives: every event the program
// sends through QAccessible is caught before any bridge sees it. A screen
// reader speaks a notification the moment it is shown; those sentences are
// the announcements.
class QWidget;

// Walks the window's accessible tree as a screen reader does: every object
// has a name, cleaned as spoken, none is decoration, and no two focusable
// objects share a name. Fails the running test otherwise.
void checkAccessibleTree(QWidget *window);

class HeardEvents {
public:
    HeardEvents();
    ~HeardEvents();
    HeardEvents(const HeardEvents &) = delete;
    HeardEvents &operator=(const HeardEvents &) = delete;

    // The sentences announced (notifications shown), oldest first.
    QStringList announcements() const { return m_announcements; }
    // The text-inserted events, as the inserted text, oldest first.
    QStringList insertedTexts() const { return m_inserted; }
    void clear();

private:
    static void handle(QAccessibleEvent *event);
    QAccessible::UpdateHandler m_previous;
    QStringList m_announcements;
    QStringList m_inserted;
};
