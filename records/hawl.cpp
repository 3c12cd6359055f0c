// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "records/hawl.h"

#include <QLocale>

QCalendar hijriCalendar()
{
    return QCalendar(QCalendar::System::IslamicCivil);
}

int hijriYear(const QDate &date)
{
    return date.year(hijriCalendar());
}

std::optional<Hawl> hawlOf(const QDate &date)
{
    if (!date.isValid())
        return std::nullopt;
    const QCalendar::YearMonthDay parts = hijriCalendar().partsFromDate(date);
    return Hawl{parts.day, parts.month};
}

bool isValidHawl(const Hawl &hawl)
{
    return hawl.day >= 1 && hawl.day <= 30 && hawl.month >= 1 && hawl.month <= 12;
}

QDate hawlDateIn(int year, const Hawl &hawl)
{
    const QCalendar hijri = hijriCalendar();
    const int day = qMin(hawl.day, hijri.daysInMonth(hawl.month, year));
    return hijri.dateFromParts(year, hawl.month, day);
}

QDate nextHawl(const QDate &day, const Hawl &hawl)
{
    const int year = hijriYear(day);
    const QDate thisYear = hawlDateIn(year, hawl);
    return thisYear >= day ? thisYear : hawlDateIn(year + 1, hawl);
}

qint64 daysToHawl(const QDate &day, const Hawl &hawl)
{
    return day.daysTo(nextHawl(day, hawl));
}

int zakatYear(const QDate &day, const std::optional<Hawl> &hawl)
{
    const int year = hijriYear(day);
    if (!hawl)
        return year;
    int nearest = year;
    qint64 distance = -1;
    for (int candidate = year - 1; candidate <= year + 1; ++candidate) {
        const QDate date = hawlDateIn(candidate, *hawl);
        if (!date.isValid()) // before the calendar's first year
            continue;
        // On a tie the earlier hawl wins: a computation follows its hawl.
        const qint64 away = qAbs(day.daysTo(date));
        if (distance < 0 || away < distance) {
            nearest = candidate;
            distance = away;
        }
    }
    return nearest;
}

std::optional<QDate> hawlNear(const QDate &today, const Hawl &hawl)
{
    const QDate date = nextHawl(today.addDays(-kReminderDaysAfter), hawl);
    if (today.daysTo(date) > kReminderDaysBefore)
        return std::nullopt;
    return date;
}

QList<HawlReminder> hawlReminders(const Household &household, const QDate &today)
{
    QList<HawlReminder> reminders;
    for (const Member &member : household.members()) {
        if (!member.hawl)
            continue;
        const std::optional<QDate> date = hawlNear(today, *member.hawl);
        if (date && !member.record(hijriYear(*date)))
            reminders.append({member.id, member.name, *date});
    }
    return reminders;
}
