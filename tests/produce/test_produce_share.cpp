// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "core/numbers.h"
#include "produce/produceshare.h"

#include <QTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(ProduceKind)

class ProduceShareTest : public QObject {
    Q_OBJECT
private slots:
    void writesTheShareDue_data();
    void writesTheShareDue();
    void givesNoTextForAQuantityThatIsNotFinite_data();
    void givesNoTextForAQuantityThatIsNotFinite();
    void namesEachRateWithALeadingBlank_data();
    void namesEachRateWithALeadingBlank();
};

void ProduceShareTest::writesTheShareDue_data()
{
    QTest::addColumn<double>("quantity");
    QTest::addColumn<ProduceKind>("kind");
    QTest::addColumn<QString>("share");
    const auto rain = ProduceKind::RainWatered;
    const auto irrigated = ProduceKind::Irrigated;
    const auto treasure = ProduceKind::Treasure;
    QTest::newRow("a tenth of 1000") << 1000.0 << rain << "100";
    QTest::newRow("half a tenth of 1000") << 1000.0 << irrigated << "50";
    QTest::newRow("a fifth of 1000") << 1000.0 << treasure << "200";
    QTest::newRow("a tenth keeps the fraction") << 25.0 << rain << "2.5";
    QTest::newRow("a tenth of 3 hides the binary error") << 3.0 << rain << "0.3";
    QTest::newRow("half a tenth of 1") << 1.0 << irrigated << "0.05";
    QTest::newRow("a fifth of 7") << 7.0 << treasure << "1.4";
    QTest::newRow("the nisab of 300 sa' owes 30") << 300.0 << rain << "30";
    QTest::newRow("far below the nisab still owes") << 12.0 << rain << "1.2";
    QTest::newRow("zero") << 0.0 << rain << "0";
    QTest::newRow("negative zero under a tenth") << -0.0 << rain << "0";
    QTest::newRow("negative zero under a fifth") << -0.0 << treasure << "0";
    QTest::newRow("negative owes nothing") << -40.0 << treasure << "0";
    QTest::newRow("tiny negative owes nothing") << -1e-300 << irrigated << "0";
    QTest::newRow("largest ten-digit entry") << 9999999999.0 << treasure << "1999999999.8";
    QTest::newRow("large share in exponent form") << 1e20 << rain << "1E+19";
    QTest::newRow("small share in exponent form") << 0.001 << irrigated << "5E-05";
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << treasure
                                    << "3.59538626972463E+307";
    QTest::newRow("smallest double underflows to zero")
        << std::numeric_limits<double>::denorm_min() << rain << "0";
}

void ProduceShareTest::writesTheShareDue()
{
    QFETCH(double, quantity);
    QFETCH(ProduceKind, kind);
    QFETCH(QString, share);
    QCOMPARE(numberText(produceShare(quantity, kind).value_or(qInf())), share);
}

void ProduceShareTest::givesNoTextForAQuantityThatIsNotFinite_data()
{
    QTest::addColumn<double>("quantity");
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void ProduceShareTest::givesNoTextForAQuantityThatIsNotFinite()
{
    QFETCH(double, quantity);
    for (auto kind : {ProduceKind::RainWatered, ProduceKind::Irrigated, ProduceKind::Treasure})
        QVERIFY(!produceShare(quantity, kind).has_value());
}

void ProduceShareTest::namesEachRateWithALeadingBlank_data()
{
    QTest::addColumn<ProduceKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("divisor");
    QTest::newRow("rain-watered: a tenth") << ProduceKind::RainWatered
                                           << QStringLiteral(" العُشر") << 10.0;
    QTest::newRow("irrigated: half a tenth") << ProduceKind::Irrigated
                                             << QStringLiteral(" نصف العُشر") << 20.0;
    QTest::newRow("treasure: a fifth") << ProduceKind::Treasure << QStringLiteral(" الخُمس")
                                       << 5.0;
}

void ProduceShareTest::namesEachRateWithALeadingBlank()
{
    QFETCH(ProduceKind, kind);
    QFETCH(QString, name);
    QFETCH(double, divisor);
    QCOMPARE(rateName(kind), name);
    QCOMPARE(shareDivisor(kind), divisor);
}

QTEST_APPLESS_MAIN(ProduceShareTest)
#include "test_produce_share.moc"
