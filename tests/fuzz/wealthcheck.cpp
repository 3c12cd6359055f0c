// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "tests/fuzz/wealthcheck.h"

#include "core/numbers.h"
#include "money/fitr.h"
#include "money/wealthzakat.h"
#include "tests/fuzz/numbercheck.h"

#include <QLocale>

namespace {

QStringList faultsUnderCurrentLocale(const WealthEntries &entries)
{
    QStringList faults;
    const WealthZakat zakat = wealthZakat(entries);
    if (zakat.problem != WealthProblem::None) {
        if (!zakat.entry)
            faults << QStringLiteral("a refusal names no entry");
        if (zakat.due != 0 || !wealthSentence(zakat).isEmpty())
            faults << QStringLiteral("a refusal shows a result: ") + wealthSentence(zakat);
        return faults;
    }
    const QString due = numberText(zakat.due);
    const QString sentence = wealthSentence(zakat);
    const QStringList results = {numberText(zakat.pureGold),   numberText(zakat.goldValue),
                                 numberText(zakat.pureSilver), numberText(zakat.silverValue),
                                 numberText(zakat.netWealth),  nisabText(zakat.goldNisab),
                                 nisabText(zakat.silverNisab), due};

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

    const double net = zakat.netWealth;
    const auto reaches = [&](const std::optional<double> &nisab) {
        return nisab && net > 0 && net >= *nisab;
    };
    const bool owed = reaches(zakat.goldNisab) || reaches(zakat.silverNisab);
    if (owed && due != numberText(*readNumber(numberText(net / 40))))
        faults << QStringLiteral("the due %1 is not a quarter-tenth of %2")
                      .arg(due, numberText(net));
    if (!owed && due != QLatin1String("0"))
        faults << QStringLiteral("a due of %1 below every nisab").arg(due);
    if (owed && !sentence.contains(due))
        faults << QStringLiteral("the verdict does not show the due: ") + sentence;
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

QStringList fitrInputFaults(const QByteArray &bytes)
{
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    const FitrEntries entries{lines.value(0), lines.value(1), lines.mid(2).join(QString())};
    return faultsUnderEachLocale([&] {
        const FitrZakat zakat = fitrZakat(entries); // a refusal shows 0 and no value
        QStringList faults;
        for (const double figure : {zakat.totalKg, zakat.totalValue.value_or(0)}) {
            const QString text = numberText(figure);
            if (text.contains(u'E') || text.section(decimalSeparator(), 1).size() > 2)
                faults << QStringLiteral("Zakat al-Fitr: not plain digits to hundredths: ") + text;
            faults += numberValueFaults(figure);
        }
        return faults;
    });
}
