// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "records/store.h"

#include <QObject>

#include <functional>

// The household's record as the program's windows share it: the store, what
// was last read from it, and a signal when that changes, so that every
// window showing the members or the records follows a save made in another.
// Nothing is read until a window asks (never before the menu's first frame)
// and nothing written until a change.
class RecordBook : public QObject {
    Q_OBJECT
public:
    // The program's one record book, over the store in the user's data folder.
    static RecordBook &instance();

    // What was read last (read now, the first time).
    const StoreState &state();
    // Reads the store afresh when another copy of the program may have
    // saved: when any store file changed since it was last read.
    const StoreState &reload();
    // Applies a change as RecordStore::update does; on success, or when the
    // store turns out changed, the windows hear of it.
    const StoreState &change(const std::function<bool(Household &)> &edit);
    // For a store that cannot be read: starts a new one beside it.
    void startNewStore();

    // The member of that name, if any.
    const Member *memberNamed(const QString &name);

signals:
    void changed();

private:
    explicit RecordBook(const QString &folder);
    void take(StoreState state);

    RecordStore m_store;
    StoreState m_state;
    bool m_read = false;
    QString m_readFiles; // the store files' fingerprint when last read; empty after a change
};
