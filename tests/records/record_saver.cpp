// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

// A copy of the program saving records for the first member one after
// another, for the store's tests: record_saver FOLDER FIRST-YEAR COUNT. It
// prints "saved YEAR" once each save has returned, so that a test which kills
// it knows which saves the store must hold.

#include "records/store.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    RecordStore store(application.arguments().at(1));
    const int first = application.arguments().at(2).toInt();
    for (int year = first; year < first + application.arguments().at(3).toInt(); ++year) {
        Change saved = Change::NoSuchRecord;
        const Record record{year, QDate(2025, 3, 15), {{"cash", "1000"}}, {{"due", "25"}}, {}};
        const StoreState state = store.update([&](Household &household) {
            saved = household.saveRecord(1, record, false);
            return saved == Change::Done;
        });
        if (state.status != StoreStatus::Ok || saved != Change::Done)
            return 1;
        std::printf("saved %d\n", year);
        std::fflush(stdout);
    }
    return 0;
}
