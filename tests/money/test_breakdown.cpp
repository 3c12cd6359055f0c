// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "core/numbers.h"
#include "money/breakdown.h"

#include <QTest>

namespace {
// The boxes' texts for an amount as a window shows it.
std::optional<BreakdownTexts> split(const QString &amount)
{
    const auto value = readNumber(amount);
    const auto parts = value ? breakDownAmount(*value) : std::nullopt;
    return parts ? std::optional(breakdownTexts(*parts)) : std::nullopt;
}
} // namespace

class BreakdownTest : public QObject {
    Q_OBJECT
private slots:
    void splitsTheAmount_data();
    void splitsTheAmount();
    void holdsTheExactFraction_data();
    void holdsTheExactFraction();
    void leavesTheBoxesForTextsThatAreNoAmount_data();
    void leavesTheBoxesForTextsThatAreNoAmount();
};

void BreakdownTest::splitsTheAmount_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("millions");
    QTest::addColumn<QString>("thousands");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("hundredths");
    QTest::addColumn<QString>("namesShown"); // M, T, U, H for million .. hundredth

    QTest::newRow("0.75") << "0.75" << "" << "" << "0" << "75" << "UH";
    QTest::newRow("12.5") << "12.5" << "" << "" << "12" << "50" << "UH";
    QTest::newRow("25") << "25" << "" << "" << "25" << "0" << "UH";
    QTest::newRow("999.99") << "999.99" << "" << "" << "999" << "99" << "UH";
    QTest::newRow("1000 is thousands") << "1000" << "" << "1" << "0" << "0" << "TUH";
    QTest::newRow("1234.56") << "1234.56" << "" << "1" << "234" << "56" << "TUH";
    QTest::newRow("999999.99") << "999999.99" << "" << "999" << "999" << "99" << "TUH";
    QTest::newRow("1000000 is millions") << "1000000" << "1" << "0" << "0" << "0" << "MTUH";
    QTest::newRow("1999999.99") << "1999999.99" << "1" << "999" << "999" << "99" << "MTUH";
    QTest::newRow("2500000.4") << "2500000.4" << "2" << "500" << "0" << "40" << "MTUH";
    QTest::newRow("625") << "625" << "" << "" << "625" << "0" << "UH";
    QTest::newRow("milliards stay in millions") << "2025000000" << "2025" << "0" << "0" << "0"
                                                 << "MTUH";
    QTest::newRow("2024999999.975") << "2024999999.975" << "2024" << "999" << "999" << "97.5"
                                    << "MTUH";
    QTest::newRow("2100000000") << "2100000000" << "2100" << "0" << "0" << "0" << "MTUH";
    QTest::newRow("308.625") << "308.625" << "" << "" << "308" << "62.5" << "UH";
    QTest::newRow("25050075.1") << "25050075.1" << "25" << "50" << "75" << "10" << "MTUH";
    QTest::newRow("negative rounds down") << "-2.5" << "" << "" << "-3" << "50" << "UH";
    QTest::newRow("negative thousands are units") << "-1234.25" << "" << "" << "-1235" << "75"
                                                  << "UH";
    QTest::newRow("negative whole") << "-7" << "" << "" << "-7" << "0" << "UH";
    QTest::newRow("exponent form below 0.0001") << "1.5E-05" << "" << "" << "0" << "0.0015"
                                                << "UH";
    QTest::newRow("blanks around") << " 15 " << "" << "" << "15" << "0" << "UH";
    QTest::newRow("tiny negative is no whole one below") << "-1E-20" << "" << "" << "0" << "0"
                                                         << "UH";
    QTest::newRow("small negative keeps fifteen digits") << "-1E-12" << "" << "" << "-1"
                                                         << "99.9999999999" << "UH";
    QTest::newRow("fifteen digits") << "12345678.9012345" << "12" << "345" << "678"
                                    << "90.12345" << "MTUH";
}

void BreakdownTest::splitsTheAmount()
{
    QFETCH(QString, amount);
    QFETCH(QString, millions);
    QFETCH(QString, thousands);
    QFETCH(QString, units);
    QFETCH(QString, hundredths);
    QFETCH(QString, namesShown);

    const auto parts = split(amount);
    QVERIFY(parts.has_value());
    QCOMPARE(parts->millions, millions);
    QCOMPARE(parts->thousands, thousands);
    QCOMPARE(parts->units, units);
    QCOMPARE(parts->hundredths, hundredths);
    QCOMPARE(!parts->millions.isEmpty(), namesShown.contains(u'M'));
    QCOMPARE(!parts->thousands.isEmpty(), namesShown.contains(u'T'));
    QCOMPARE(!parts->units.isEmpty(), namesShown.contains(u'U'));
    QCOMPARE(!parts->hundredths.isEmpty(), namesShown.contains(u'H'));
    QCOMPARE(split(amount)->hundredths, hundredths); // the same again
}

void BreakdownTest::holdsTheExactFraction_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("wholePart");
    QTest::addColumn<QString>("fraction");
    QTest::newRow("999.99") << "999.99" << "999" << "0.99";
    QTest::newRow("2500000.4") << "2500000.4" << "2500000" << "0.4";
    QTest::newRow("whole") << "25" << "25" << "0";
    QTest::newRow("negative") << "-2.5" << "-3" << "0.5";
    QTest::newRow("negative small") << "-0.001" << "-1" << "0.999";
    QTest::newRow("negative tiny") << "-1E-16" << "0" << "0";
}

void BreakdownTest::holdsTheExactFraction()
{
    QFETCH(QString, amount);
    QFETCH(QString, wholePart);
    QFETCH(QString, fraction);
    const auto parts = split(amount);
    QVERIFY(parts.has_value());
    QCOMPARE(parts->wholePart, wholePart);
    QCOMPARE(parts->fraction, fraction);
}

void BreakdownTest::leavesTheBoxesForTextsThatAreNoAmount_data()
{
    QTest::addColumn<QString>("amount");
    QTest::newRow("design placeholder") << ".....";
    QTest::newRow("below nisab") << "....";
    QTest::newRow("empty") << "";
    QTest::newRow("whole part past 32 bits") << "2147483648";
    QTest::newRow("far past 32 bits") << "1E+20";
    QTest::newRow("far below 32 bits") << "-2147483649";
}

void BreakdownTest::leavesTheBoxesForTextsThatAreNoAmount()
{
    QFETCH(QString, amount);
    QVERIFY(!split(amount).has_value());
}

QTEST_APPLESS_MAIN(BreakdownTest)
#include "test_breakdown.moc"
