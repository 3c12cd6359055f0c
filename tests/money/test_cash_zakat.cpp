// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "core/numbers.h"
#include "money/cashzakat.h"

#include <QTest>

Q_DECLARE_METATYPE(CashVerdict)

class CashZakatTest : public QObject {
    Q_OBJECT
private slots:
    void judgesTheAmount_data();
    void judgesTheAmount();
    void addsTheFourParts_data();
    void addsTheFourParts();
    void capsTheMilliards_data();
    void capsTheMilliards();
    void valuesTheMetalNisab_data();
    void valuesTheMetalNisab();
    void takesTheLowerNisab_data();
    void takesTheLowerNisab();
};

void CashZakatTest::judgesTheAmount_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<CashVerdict>("verdict");
    QTest::addColumn<QString>("due");

    QTest::newRow("1000") << "1000" << CashVerdict::Due << "25";
    QTest::newRow("100000000") << "100000000" << CashVerdict::Due << "2500000";
    QTest::newRow("12345") << "12345" << CashVerdict::Due << "308.625";
    QTest::newRow("80999999999") << "80999999999" << CashVerdict::Due << "2024999999.975";
    QTest::newRow("four parts total") << "1002003004" << CashVerdict::Due << "25050075.1";
    QTest::newRow("smallest amount is computed") << "10" << CashVerdict::Due << "0.25";
    QTest::newRow("largest amount is computed") << "81000000000" << CashVerdict::Due
                                                << "2025000000";
    QTest::newRow("just below the smallest") << "9.99" << CashVerdict::TooSmall << "";
    QTest::newRow("5") << "5" << CashVerdict::TooSmall << "";
    QTest::newRow("design-time zeros") << "0000" << CashVerdict::TooSmall << "";
    QTest::newRow("negative") << "-1000" << CashVerdict::TooSmall << "";
    QTest::newRow("just above the largest") << "81000000001" << CashVerdict::TooLarge << "";
    QTest::newRow("exponent beyond the largest") << "1E300" << CashVerdict::TooLarge << "";
    QTest::newRow("empty") << "" << CashVerdict::NoAmount << "";
    QTest::newRow("blanks only") << "   " << CashVerdict::NoAmount << "";
    QTest::newRow("letters") << "abc" << CashVerdict::NotANumber << "";
    QTest::newRow("inner blank") << "10 00" << CashVerdict::NotANumber << "";
    QTest::newRow("overflow") << "1E400" << CashVerdict::NotANumber << "";
    QTest::newRow("blanks around") << " 400 " << CashVerdict::Due << "10";
    QTest::newRow("arabic-indic digits") << QStringLiteral("٤٠٠") << CashVerdict::Due << "10";
    QTest::newRow("fraction") << "1000.4" << CashVerdict::Due << "25.01";
}

void CashZakatTest::judgesTheAmount()
{
    QFETCH(QString, amount);
    QFETCH(CashVerdict, verdict);
    QFETCH(QString, due);
    const CashDue result = cashZakatDue(amount);
    QCOMPARE(result.verdict, verdict);
    QCOMPARE(verdict == CashVerdict::Due ? numberText(result.due) : QString(), due);
}

void CashZakatTest::addsTheFourParts_data()
{
    QTest::addColumn<QStringList>("parts"); // milliards, millions, thousands, units
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("total");

    QTest::newRow("1, 2, 3, 4") << QStringList{"1", "2", "3", "4"} << true << 1002003004.0;
    QTest::newRow("all zero") << QStringList{"0", "0", "0", "0"} << true << 0.0;
    QTest::newRow("largest of each") << QStringList{"80", "999", "999", "999"} << true
                                     << 80999999999.0;
    QTest::newRow("fractions carry") << QStringList{"0", "0.5", "1.5", "0.25"} << true
                                     << 501500.25;
    QTest::newRow("parts above a thousand") << QStringList{"0", "0", "1E3", "0"} << true
                                            << 1000000.0;
    QTest::newRow("blanks around") << QStringList{" 1", "0 ", "0", "0"} << true << 1e9;
    QTest::newRow("a letter in the units") << QStringList{"1", "2", "3", "x"} << false << 0.0;
    QTest::newRow("an empty part") << QStringList{"1", "", "3", "4"} << false << 0.0;
}

void CashZakatTest::addsTheFourParts()
{
    QFETCH(QStringList, parts);
    QFETCH(bool, numeric);
    QFETCH(double, total);
    const auto sum = amountOfParts({parts[0], parts[1], parts[2], parts[3]});
    QCOMPARE(sum.has_value(), numeric);
    if (numeric)
        QCOMPARE(*sum, total);
}

void CashZakatTest::capsTheMilliards_data()
{
    QTest::addColumn<QString>("milliards");
    QTest::addColumn<bool>("tooLarge");

    QTest::newRow("85") << "85" << true;
    QTest::newRow("80 is allowed") << "80" << false;
    QTest::newRow("80.5") << "80.5" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("negative") << "-99" << false;
    QTest::newRow("blanks around") << " 81 " << true;
    QTest::newRow("exponent") << "9E9" << true;
    QTest::newRow("letters are left for the compute button") << "xy" << false;
    QTest::newRow("empty") << "" << false;
}

void CashZakatTest::capsTheMilliards()
{
    QFETCH(QString, milliards);
    QFETCH(bool, tooLarge);
    QCOMPARE(milliardsTooLarge(milliards), tooLarge);
}

void CashZakatTest::valuesTheMetalNisab_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<double>("units");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<QString>("value");

    QTest::newRow("gold at 200") << "200" << 85.0 << true << "17000";
    QTest::newRow("silver at 3") << "3" << 200.0 << true << "600";
    QTest::newRow("gold at 20") << "20" << 85.0 << true << "1700";
    QTest::newRow("silver at 8.5") << "8.5" << 200.0 << true << "1700";
    QTest::newRow("gold at 0.1") << "0.1" << 85.0 << true << "8.5";
    QTest::newRow("zero") << "0" << 85.0 << true << "0";
    QTest::newRow("negative zero is zero") << "-0" << 200.0 << true << "0";
    QTest::newRow("negative") << "-2" << 85.0 << true << "-170";
    QTest::newRow("empty") << "" << 85.0 << false << "";
    QTest::newRow("letters") << "abc" << 200.0 << false << "";
    QTest::newRow("value beyond any number") << "9E307" << 85.0 << false << "";
    QTest::newRow("large but finite") << "1E300" << 200.0 << true << "2E+302";
}

void CashZakatTest::valuesTheMetalNisab()
{
    QFETCH(QString, price);
    QFETCH(double, units);
    QFETCH(bool, numeric);
    QFETCH(QString, value);
    const auto result = nisabValue(price, units);
    QCOMPARE(result.has_value(), numeric);
    if (numeric)
        QCOMPARE(numberText(*result), value);
}

void CashZakatTest::takesTheLowerNisab_data()
{
    QTest::addColumn<QString>("gold");
    QTest::addColumn<QString>("silver");
    QTest::addColumn<QString>("nisab");

    QTest::newRow("silver lower") << "17000" << "600" << "600";
    QTest::newRow("gold lower") << "1700" << "6000" << "1700";
    QTest::newRow("equal gives gold") << "1700" << "1700" << "1700";
    QTest::newRow("both zero") << "0" << "0" << "0";
    QTest::newRow("only gold priced") << "17000" << "0" << "0";
    QTest::newRow("compared as numbers, not texts") << "900" << "10000" << "900";
    QTest::newRow("negative silver") << "0" << "-400" << "-400";
    QTest::newRow("exponent form") << "2E+302" << "1700" << "1700";
}

void CashZakatTest::takesTheLowerNisab()
{
    QFETCH(QString, gold);
    QFETCH(QString, silver);
    QFETCH(QString, nisab);
    QCOMPARE(numberText(lowerNisab(*readNumber(gold), *readNumber(silver))), nisab);
}

QTEST_APPLESS_MAIN(CashZakatTest)
#include "test_cash_zakat.moc"
