// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "core/numbers.h"
#include "money/fitr.h"

#include <QTest>

// Which field a refusal names, and its warning, the window test checks; the
// largest entries here are the bounds that are still taken.
class FitrTest : public QObject {
    Q_OBJECT
private slots:
    void weighsTheFoodAndItsValueOrRefuses_data()
    {
        // The entries as typed, "persons;kg;price"; the kilograms and the
        // value shown ("-" without one) and whether the value is split
        // ("whole" where it is not), or "-" for a refusal.
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("shown");
        QTest::newRow("the example") << "6;2.5;7" << "15 105 split";
        QTest::newRow("a blank price, persons as 6E0") << "6E0;2.5; " << "15 - whole";
        QTest::newRow("a half up, its double below; minus zero") << "1;2.675;-0" << "2.68 0 split";
        QTest::newRow("a carry through the nines") << "1;9.995;" << "10 - whole";
        QTest::newRow("the value of the kilograms shown") << "3;2.0416;1.125" << "6.12 6.89 split";
        QTest::newRow("the largest") << "99999;10;99999999" << "999990 99998999000010 whole";
        QTest::newRow("half a person") << "2.5;2.5;" << "-";
        QTest::newRow("a sa' of nothing") << "6;0;" << "-";
        QTest::newRow("a price above the largest") << "6;2.5;1E8" << "-";
    }

    void weighsTheFoodAndItsValueOrRefuses()
    {
        QFETCH(QString, entries);
        QFETCH(QString, shown);
        const QStringList typed = entries.split(u';');
        const FitrZakat zakat = fitrZakat({typed[0], typed[1], typed[2]});
        const QString value = zakat.totalValue ? numberText(*zakat.totalValue) : "-";
        const QString split = zakat.valueSplit ? " split" : " whole";
        QCOMPARE(zakat.problem == FitrProblem::None ? numberText(zakat.totalKg) + u' ' + value + split
                                                   : fitrSentence(zakat) + value, // nothing shown
                 shown);
    }
};

QTEST_APPLESS_MAIN(FitrTest)
#include "test_fitr.moc"
