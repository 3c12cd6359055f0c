// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "records/csv.h"

#include "records/amounts.h"
#include "records/hawl.h"

#include <QSaveFile>
#include <QStringList>

namespace {

const QStringList kHeadings = {
    QStringLiteral("الاسم"),        QStringLiteral("السنة الهجرية"),
    QStringLiteral("البند"),        QStringLiteral("التاريخ الهجري"),
    QStringLiteral("التاريخ الميلادي"), QStringLiteral("صافي المال"),
    QStringLiteral("الزكاة الواجبة"), QStringLiteral("المدفوع"),
    QStringLiteral("الباقي"),       QStringLiteral("مبلغ الدفعة"),
    QStringLiteral("ملاحظة")};
const QString kRecordItem = QStringLiteral("حساب الزكاة");
const QString kPaymentItem = QStringLiteral("دفعة");

// A field quoted when it holds what would otherwise end it.
QString field(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n')
        && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString line(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &text : fields)
        quoted.append(field(text));
    return quoted.join(u',') + QStringLiteral("\r\n");
}

} // namespace

QByteArray householdCsv(const Household &household)
{
    QString text = line(kHeadings);
    for (const Member &member : household.members()) {
        for (const Record &record : member.records) {
            const QString year = QString::number(record.hijriYear);
            QStringList amounts;
            for (const Payment &payment : record.payments)
                amounts.append(payment.amount);
            const QString due = Record::text(record.results, kDueKey);
            const Remaining remaining = remainingDue(due, amounts);
            text += line({member.name, year, kRecordItem, hijriDateText(record.date),
                          record.date.toString(Qt::ISODate),
                          Record::text(record.results, kNetWealthKey), due, remaining.paid,
                          remaining.remaining, QString(), QString()});
            for (const Payment &payment : record.payments)
                text += line({member.name, year, kPaymentItem, hijriDateText(payment.date),
                              payment.date.toString(Qt::ISODate), QString(), QString(),
                              QString(), QString(), amountShown(payment.amount), payment.note});
        }
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

bool writeHouseholdCsv(const Household &household, const QString &path)
{
    const QByteArray bytes = householdCsv(household);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}
