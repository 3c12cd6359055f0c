// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "core/dates.h"

#include <QCalendar>
#include <QLocale>

QString gregorianDateText(const QDate &date)
{
    const QLocale arabic(QLocale::Arabic, QLocale::Egypt);
    return QStringLiteral("%1 %2 %3 م")
        .arg(date.day())
        .arg(arabic.standaloneMonthName(date.month(), QLocale::LongFormat))
        .arg(date.year());
}

QString hijriDateText(const QDate &date)
{
    const QCalendar hijri(QCalendar::System::IslamicCivil);
    const QCalendar::YearMonthDay day = hijri.partsFromDate(date);
    return QStringLiteral("%1 %2 %3 هـ")
        .arg(day.day)
        .arg(hijri.standaloneMonthName(QLocale(QLocale::Arabic, QLocale::Egypt), day.month,
                                       day.year))
        .arg(day.year);
}

namespace {
QDate g_fixedToday;
} // namespace

QDate today()
{
    return g_fixedToday.isValid() ? g_fixedToday : QDate::currentDate();
}

void fixToday(const QDate &day)
{
    g_fixedToday = day;
}
