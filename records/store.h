// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "records/household.h"
#include "records/storeformat.h"

#include <QString>
#include <QStringList>

#include <functional>

// The household's record on the user's machine: one file, records.json, in
// the user's data folder (QStandardPaths::AppDataLocation). What users fear
// is losing it, so:
//
// - Nothing is written, not even the folder, until a change is made.
// - Every change is all or nothing: a whole new document is written beside
//   the file and renamed over it once on disk (QSaveFile), so a program
//   killed at any moment, or a power cut, leaves the old file or the new one.
// - Two copies of the program lose nothing: a change takes a lock beside the
//   store (records.lock), reads the file afresh, applies itself to what it
//   read, writes and unlocks, and hands back the household as now stored,
//   the other copy's saves included. Reading takes no lock: the file is
//   always whole.
// - A file this program cannot read (damaged, another program's, a later
//   version's) is never written over, renamed or touched: load reports it,
//   every change refuses while it is so, and the program runs without
//   records. startNewStore() starts a new store beside it under the next free
//   name (records-2.json, records-3.json, ...), written at the first save.
//   The store is always the file of the highest number of records.json,
//   records-2.json, ... that can be read, the one started last, so the next
//   start finds the new store even if the old file reads again; every other
//   store file is named in passedOver, for the window to tell the user.
// - A file of an older layout is read as it is and moved forward at the first
//   change, after a copy of it is kept beside it (records.json.v1.bak; an
//   existing copy is never overwritten: the next is records.json.v1-2.bak).

struct StoreState {
    StoreStatus status = StoreStatus::NoFile;
    QString path;           // the store's file, or the unreadable file the status is about
    Household household;    // as stored; a new household while there is none to read
    QStringList passedOver; // the other store files in the folder, left as they are
};

class RecordStore {
public:
    static QString defaultFolder();
    // For tests and tools that run beside each other: a folder of their own,
    // set before the record book is first used.
    static void setDefaultFolder(const QString &folder);
    explicit RecordStore(const QString &folder = defaultFolder());

    QString folder() const { return m_folder; }

    StoreState load() const;

    // Applies a change: change() edits the household it is given and returns
    // whether there is anything to write (false when it refused, e.g. a save
    // that would replace a record, leaving the store untouched). It may be
    // called on a new household first, when nothing is stored yet, so that a
    // refused change leaves no folder behind; it must act only on the
    // household it is given. The status is Ok once written; Busy when the
    // lock could not be had within a few seconds; IoError when the write
    // failed; the unreadable file's status while there is one. In each case
    // but Ok nothing was written.
    StoreState update(const std::function<bool(Household &)> &change);

    // The store files of the folder as they are now, by name, size and time
    // of the last change: while it stays the same, nothing was saved.
    QString fingerprint() const;
    // For a store that cannot be read: the file the next change will create,
    // beside the unreadable one, which stays as it is.
    QString startNewStore();

private:
    QString m_folder;
    QString m_newStore;
};

// One Arabic sentence for the status, naming the file; empty for Ok.
QString storeMessage(StoreStatus status, const QString &path);
