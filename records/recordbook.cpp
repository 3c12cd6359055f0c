// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "records/recordbook.h"

RecordBook &RecordBook::instance()
{
    static RecordBook book(RecordStore::defaultFolder());
    return book;
}

RecordBook::RecordBook(const QString &folder) : m_store(folder) {}

const StoreState &RecordBook::state()
{
    if (!m_read)
        reload();
    return m_state;
}

const StoreState &RecordBook::reload()
{
    // Taken before reading, so that a save in between is read next time.
    const QString files = m_store.fingerprint();
    if (m_read && !m_readFiles.isEmpty() && files == m_readFiles)
        return m_state;
    take(m_store.load());
    m_readFiles = m_state.status == StoreStatus::Ok ? files : QString();
    return m_state;
}

const StoreState &RecordBook::change(const std::function<bool(Household &)> &edit)
{
    take(m_store.update(edit));
    m_readFiles.clear();
    return m_state;
}

void RecordBook::startNewStore()
{
    m_store.startNewStore();
    m_readFiles.clear();
    reload();
}

const Member *RecordBook::memberNamed(const QString &name)
{
    for (const Member &member : state().household.members())
        if (member.name == name)
            return &member;
    return nullptr;
}

void RecordBook::take(StoreState state)
{
    const bool first = !m_read;
    m_read = true;
    const bool same = !first && state.status == m_state.status && state.path == m_state.path
        && state.passedOver == m_state.passedOver && state.household == m_state.household;
    m_state = std::move(state);
    // A refused change keeps the household; Busy or a write error keep it too.
    if (!same)
        emit changed();
}
