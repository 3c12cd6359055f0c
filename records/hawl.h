// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "core/dates.h"
#include "records/household.h"

#include <QCalendar>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The hawl: zakat falls due each time a lunar year passes. Years, months and
// days here are those of the civil (tabular) Hijri calendar, which may differ
// by a day or two from the month as sighted; the user corrects the hawl day.

QCalendar hijriCalendar();
int hijriYear(const QDate &date);
std::optional<Hawl> hawlOf(const QDate &date); // the Hijri day and month of a date
bool isValidHawl(const Hawl &hawl);


// The hawl's date in a Hijri year; day 30 of a 29-day month is its last day.
QDate hawlDateIn(int hijriYear, const Hawl &hawl);

// The first hawl date on or after the day, and how many days are left to it.
QDate nextHawl(const QDate &day, const Hawl &hawl);
qint64 daysToHawl(const QDate &day, const Hawl &hawl);

// The Hijri year a computation made on the day belongs to: the year of the
// member's hawl date nearest the day (a hawl in late Dhu al-Hijjah computed a
// few days later, in Muharram, still belongs to the old year), or the day's
// own year while no hawl is set. Records are kept one per such year.
int zakatYear(const QDate &day, const std::optional<Hawl> &hawl);

// The reminder: a hawl date within the last 30 days or the next 7.
inline constexpr int kReminderDaysAfter = 30;
inline constexpr int kReminderDaysBefore = 7;
std::optional<QDate> hawlNear(const QDate &today, const Hawl &hawl);

// The members to remind on the day: a hawl date near it (hawlNear) and no
// record for that hawl's Hijri year. Since the reminder spans 38 days of a
// 354-day year, that hawl is always the one nearest today, so "this year" is
// zakatYear(today): a hawl on 25 Dhu al-Hijjah 1446 still asks for a record
// of 1446 on 5 Muharram 1447, the year a computation then would be saved in.
struct HawlReminder {
    int memberId = 0;
    QString name;
    QDate hawlDate;
};
QList<HawlReminder> hawlReminders(const Household &household, const QDate &today);
