// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QDate>
#include <QString>

// A day as the windows write it, month names in Arabic and digits as the
// windows write them: "15 مارس 2025 م", and in the civil Hijri calendar, by
// which zakat's year is counted, "15 رمضان 1446 هـ". A numeric date such as
// 2026-12-09 would read backwards in a right-to-left line.
QString gregorianDateText(const QDate &date);
QString hijriDateText(const QDate &date);

// Today, as the household's record and its hawl reminder count it. The
// README's pictures and the tests fix it, so that what they show does not
// move with the calendar; an invalid day lets the clock run again.
QDate today();
void fixToday(const QDate &day);
