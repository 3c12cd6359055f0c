// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "tests/fuzz/wealthcheck.h"

#include "core/numbers.h"
#include "money/wealthzakat.h"
#include "tests/fuzz/numbercheck.h"

#include <QLocale>

namespace {

QStringList faultsUnderCurrentLocale(const WealthEntries &entries)
{
    QStringList faults;
    const WealthZakat zakat = wealthZakat(entries);
    const QStringList results = {zakat.pureGold,  zakat.goldValue, zakat.pureSilver,
                                 zakat.silverValue, zakat.netWealth, zakat.goldNisab,
                                 zakat.silverNisab, zakat.due};
    if (zakat.problem != WealthProblem::None) {
        if (!zakat.entry)
            faults << QStringLiteral("a refusal names no entry");
        for (const QString &result : results)
            if (!result.isEmpty())
                faults << QStringLiteral("a refusal shows a result: ") + result;
        return faults;
    }

    for (const QString &result : results) {
        if (result == kNisabWithoutPrice)
            continue;
        const auto value = readNumber(result);
        if (!value) {
            faults << QStringLiteral("a result is no number: ") + result;
            continue;
        }
        if (numberText(*value) != result)
            faults << QStringLiteral("a result is not in number text: ") + result;
        faults += numberValueFaults(*value);
    }
    if (!faults.isEmpty())
        return faults;

    const double net = *readNumber(zakat.netWealth);
    const auto reaches = [&](const QString &nisab) {
        return nisab != kNisabWithoutPrice && net > 0 && net >= *readNumber(nisab);
    };
    const bool owed = reaches(zakat.goldNisab) || reaches(zakat.silverNisab);
    if (owed && zakat.due != numberText(*readNumber(numberText(net / 40))))
        faults << QStringLiteral("the due %1 is not a quarter-tenth of %2")
                      .arg(zakat.due, zakat.netWealth);
    if (!owed && zakat.due != QLatin1String("0"))
        faults << QStringLiteral("a due of %1 below every nisab").arg(zakat.due);
    if (owed && !zakat.sentence.contains(zakat.due))
        faults << QStringLiteral("the verdict does not show the due: ") + zakat.sentence;
    return faults;
}

} // namespace

QStringList wealthInputFaults(const QByteArray &bytes)
{
    WealthEntries entries;
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString &text = entries.*kWealthEntries[std::min<std::size_t>(i, kWealthEntries.size() - 1)];
        text += lines[i];
    }

    QStringList faults;
    for (const QString &fault :
         faultsUnderEachLocale([&] { return faultsUnderCurrentLocale(entries); }))
        faults << QStringLiteral("whole wealth: ") + fault;
    return faults;
}
