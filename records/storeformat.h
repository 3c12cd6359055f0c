// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "records/household.h"

#include <QByteArray>
#include <QString>

// The record's file: one JSON document in UTF-8, marked as ours and carrying
// its layout's version.
//
// Version 2 (written now): the members with their ids and hawl, each with its
// records, each record with its entries and results as ordered [key, text]
// pairs (a JSON object would lose the window's order) and its payments:
//
//   {"format": "zakat-household-records", "version": 2, "nextMemberId": 3,
//    "members": [{"id": 1, "name": "أنا", "hawl": {"day": 15, "month": 9},
//                 "records": [{"hijriYear": 1446, "date": "2025-03-15",
//                              "entries": [["cash", "10000"], ["goldPrice", "300"]],
//                              "results": [["netWealth", "34250"], ["due", "856.25"]],
//                              "payments": [{"date": "2025-03-20", "amount": "500",
//                                            "note": "للجمعية"}]}]},
//                {"id": 2, "name": "فاطمة", "records": []}]}
//
// A member without "hawl" has none set yet. Version 1, the first layout,
// listed the records flat, each naming its member, with entries and results
// as objects and payments without notes; it is read and moved forward:
//
//   {"format": "zakat-household-records", "version": 1,
//    "records": [{"member": "أنا", "hijriYear": 1445, "date": "2024-03-20",
//                 "entries": {"cash": "1000"}, "results": {"due": "25", "netWealth": "1000"},
//                 "payments": [{"date": "2024-03-21", "amount": "25"}]}]}
//
// Its members take ids in the order they first appear and the hawl of their
// earliest record's day, as a first save would have given them.

inline const QString kStoreFormat = QStringLiteral("zakat-household-records");
inline constexpr int kStoreVersion = 2;

// What the store's file holds, or why it cannot be used.
enum class StoreStatus {
    Ok,
    NoFile,   // nothing saved yet
    Damaged,  // not JSON, or not laid out as this program writes it
    NotOurs,  // JSON without this program's format marker
    Newer,    // written by a later version of the program
    IoError,  // the file or its folder could not be read or written
    Busy,     // another copy of the program kept the store locked
};

struct StoredDocument {
    StoreStatus status = StoreStatus::Damaged; // Ok, Damaged, NotOurs or Newer
    int version = 0;
    Household household;
};

StoredDocument readDocument(const QByteArray &bytes);
QByteArray documentBytes(const Household &household); // always the current version
