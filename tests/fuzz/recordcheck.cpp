// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "tests/fuzz/recordcheck.h"

#include "records/amounts.h"
#include "records/storeformat.h"
#include "tests/fuzz/numbercheck.h"

namespace {

QStringList amountFaults(const QStringList &lines)
{
    QStringList faults;
    for (const QString &line : lines) {
        const Amount amount = readAmount(line);
        if (amount.problem != AmountProblem::None)
            continue;
        if (amount.hundredths < 0)
            faults << QStringLiteral("a payment below zero: ") + line;
        const Amount again = readAmount(amountText(amount.hundredths));
        if (again.problem != AmountProblem::None || again.hundredths != amount.hundredths)
            faults << QStringLiteral("a payment not written back as itself: ") + line;
    }
    if (lines.isEmpty())
        return faults;
    const Remaining left = remainingDue(lines.first(), lines.mid(1));
    if (left.problem == AmountProblem::None) {
        const Amount remaining = readAmount(left.remaining);
        if (remaining.problem != AmountProblem::None || remaining.hundredths < 0)
            faults << QStringLiteral("a remaining due that is no amount: ") + left.remaining;
        else if (left.fullyPaid != (remaining.hundredths == 0))
            faults << QStringLiteral("paid in full, and %1 remaining").arg(left.remaining);
    }
    return faults;
}

} // namespace

QStringList recordInputFaults(const QByteArray &bytes)
{
    QStringList faults;
    const StoredDocument read = readDocument(bytes);
    if (read.status == StoreStatus::Ok) {
        const QByteArray written = documentBytes(read.household);
        const StoredDocument again = readDocument(written);
        if (again.status != StoreStatus::Ok || documentBytes(again.household) != written)
            faults << QStringLiteral("a household read does not write back as itself");
    }
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    for (const QString &fault : faultsUnderEachLocale([&] { return amountFaults(lines); }))
        faults << QStringLiteral("record: ") + fault;
    return faults;
}
