// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "records/household.h"

#include <QByteArray>
#include <QString>

// Every member's records and payments as a table for a spreadsheet program:
// UTF-8 with a byte-order mark (without it a spreadsheet program may take the
// Arabic for another encoding), one line per record followed by one line per
// payment, dates in the Hijri and the Gregorian calendar, figures as typed and
// shown. A record's line fills the figures of the record, a payment's line
// its amount and note, so that a column adds up without counting twice.
QByteArray householdCsv(const Household &household);

// Writes it whole to the file the user chose, or not at all.
bool writeHouseholdCsv(const Household &household, const QString &path);
