// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "core/numbers.h"
#include "money/fitr.h"

#include <QTest>

Q_DECLARE_METATYPE(FitrProblem)

class FitrTest : public QObject {
    Q_OBJECT
private slots:
    void weighsTheFoodAndItsValueOrRefuses_data();
    void weighsTheFoodAndItsValueOrRefuses();
};

void FitrTest::weighsTheFoodAndItsValueOrRefuses_data()
{
    // The entries as typed, "persons;kg;price"; what stops the computation;
    // the kilograms and the value shown ("-" without a price) and whether the
    // value is split ("whole" where it is not).
    QTest::addColumn<QString>("entries");
    QTest::addColumn<FitrProblem>("problem");
    QTest::addColumn<QString>("shown");
    using P = FitrProblem;
    QTest::newRow("the example") << "6;2.5;7" << P::None << "15 105 split";
    QTest::newRow("no price") << "6;2.5; " << P::None << "15 - whole";
    QTest::newRow("a price of minus zero") << "4;3;-0" << P::None << "12 0 split";
    QTest::newRow("the largest sa'") << "2;10;" << P::None << "20 - whole";
    QTest::newRow("a half rounded up, its double below it") << "1;2.675;" << P::None
                                                            << "2.68 - whole";
    QTest::newRow("a third decimal below a half") << "3;2.0416;" << P::None << "6.12 - whole";
    QTest::newRow("a carry through the nines") << "1;9.995;" << P::None << "10 - whole";
    QTest::newRow("the value of the kilograms shown") << "3;2.0416;1.125" << P::None
                                                      << "6.12 6.89 split";
    QTest::newRow("persons in exponent form") << "1E2;3;" << P::None << "300 - whole";
    QTest::newRow("Arabic-Indic digits and separator")
        << QStringLiteral(" ٦ ;٢٫٥;۷") << P::None << "15 105 split";
    QTest::newRow("the largest entries") << "99999;10;99999999" << P::None
                                         << "999990 99998999000010 whole";
    QTest::newRow("no persons") << ";2.5;" << P::Persons << "";
    QTest::newRow("half a person") << "2.5;2.5;" << P::Persons << "";
    QTest::newRow("no one") << "0;2.5;" << P::Persons << "";
    QTest::newRow("more persons than the largest") << "1E5;2.5;" << P::Persons << "";
    QTest::newRow("the persons named first") << "x;0;-1" << P::Persons << "";
    QTest::newRow("no sa'") << "6;;" << P::KgPerPerson << "";
    QTest::newRow("a sa' of nothing") << "6;0;" << P::KgPerPerson << "";
    QTest::newRow("a sa' above ten kilograms") << "6;10.01;" << P::KgPerPerson << "";
    QTest::newRow("a sa' that overflows") << "6;1E400;" << P::KgPerPerson << "";
    QTest::newRow("a negative price") << "6;2.5;-1" << P::FoodPrice << "";
    QTest::newRow("a price in words") << "6;2.5;abc" << P::FoodPrice << "";
    QTest::newRow("a price above the largest") << "6;2.5;1E8" << P::FoodPrice << "";
}

void FitrTest::weighsTheFoodAndItsValueOrRefuses()
{
    QFETCH(QString, entries);
    QFETCH(FitrProblem, problem);
    QFETCH(QString, shown);
    const QStringList typed = entries.split(u';');
    const FitrZakat zakat = fitrZakat({typed[0], typed[1], typed[2]});
    QCOMPARE(zakat.problem, problem);
    if (problem != FitrProblem::None) {
        QVERIFY(!zakat.totalValue && fitrSentence(zakat).isEmpty());
        return;
    }
    const QString value = zakat.totalValue ? numberText(*zakat.totalValue) : QStringLiteral("-");
    QCOMPARE(QStringList({numberText(zakat.totalKg), value,
                          zakat.valueSplit ? QStringLiteral("split") : QStringLiteral("whole")})
                 .join(u' '),
             shown);
}

QTEST_APPLESS_MAIN(FitrTest)
#include "test_fitr.moc"
