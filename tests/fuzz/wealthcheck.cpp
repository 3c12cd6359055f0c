// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "tests/fuzz/wealthcheck.h"

#include "core/numbers.h"
#include "money/fitr.h"
#include "money/wealthzakat.h"
#include "tests/fuzz/numbercheck.h"

#include <QLocale>

namespace {

QStringList faultsUnderCurrentLocale(const WealthEntries &entries, const WealthViews &views)
{
    QStringList faults;
    const WealthZakat zakat = wealthZakat(entries, views);
    if (zakat.problem != WealthProblem::None) {
        if (!zakat.entry)
            faults << QStringLiteral("a refusal names no entry");
        if (zakat.due != 0 || !wealthSentence(zakat).isEmpty())
            faults << QStringLiteral("a refusal shows a result: ") + wealthSentence(zakat);
        return faults;
    }
    const QString due = hundredthsText(zakat.due);
    const QString sentence = wealthSentence(zakat);
    const double figures[] = {zakat.pureGold,   zakat.goldValue, zakat.pureSilver,
                              zakat.silverValue, zakat.netWealth, zakat.goldNisab.value_or(0),
                              zakat.silverNisab.value_or(0), zakat.due};
    for (const double figure : figures) {
        const QString text = hundredthsText(figure);
        const auto value = readNumber(text);
        if (!value || hundredthsText(*value) != text || text.contains(u'E')
            || text.section(decimalSeparator(), 1).size() > 2)
            faults << QStringLiteral("a figure is not written plainly: ") + text;
        else
            faults += numberValueFaults(*value);
    }
    if (!faults.isEmpty())
        return faults;

    const double net = zakat.netWealth;
    const auto reaches = [&](const std::optional<double> &nisab) {
        return nisab && net > 0 && net >= *nisab;
    };
    const bool owed = views.basis == NisabBasis::Gold     ? reaches(zakat.goldNisab)
                      : views.basis == NisabBasis::Silver ? reaches(zakat.silverNisab)
                                                          : reaches(zakat.goldNisab)
                                                                || reaches(zakat.silverNisab);
    if (owed && zakat.due != roundedToHundredths(net / 40))
        faults << QStringLiteral("the due %1 is not a quarter-tenth of %2")
                      .arg(due, hundredthsText(net));
    if (!owed && zakat.due != 0)
        faults << QStringLiteral("a due of %1 below the nisab followed").arg(due);
    if (owed && !sentence.contains(wealthFigure(zakat.due)))
        faults << QStringLiteral("the verdict does not show the due: ") + sentence;
    if (!owed && sentence.contains(QStringLiteral("الواجبة")))
        faults << QStringLiteral("the verdict states a due where none is: ") + sentence;
    return faults;
}

} // namespace

QStringList wealthInputFaults(const QByteArray &bytes)
{
    WealthEntries entries;
    QString viewLine;
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (std::size_t(i) < kWealthEntries.size())
            entries.*kWealthEntries[std::size_t(i)] = lines[i];
        else
            viewLine += lines[i];
    }
    WealthViews views;
    views.basis = viewLine.startsWith(u'1')   ? NisabBasis::Gold
                  : viewLine.startsWith(u'2') ? NisabBasis::Silver
                                              : NisabBasis::Lower;
    views.jewelleryCounted = !viewLine.contains(u'x');

    QStringList faults;
    for (const QString &fault :
         faultsUnderEachLocale([&] { return faultsUnderCurrentLocale(entries, views); }))
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
