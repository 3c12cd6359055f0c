// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "core/numbers.h"
#include "money/metalzakat.h"

#include <QTest>

Q_DECLARE_METATYPE(QuantityVerdict)
Q_DECLARE_METATYPE(ValueVerdict)

class MetalZakatTest : public QObject {
    Q_OBJECT
private slots:
    void judgesTheQuantity_data();
    void judgesTheQuantity();
    void valuesTheDue_data();
    void valuesTheDue();
};

void MetalZakatTest::judgesTheQuantity_data()
{
    QTest::addColumn<bool>("gold");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QuantityVerdict>("verdict");
    QTest::addColumn<QString>("due");

    QTest::newRow("gold just below the nisab") << true << "84.99" << QuantityVerdict::BelowNisab << "";
    QTest::newRow("gold nisab itself") << true << "85" << QuantityVerdict::Due << "2.125";
    QTest::newRow("gold 100") << true << "100" << QuantityVerdict::Due << "2.5";
    QTest::newRow("gold 1000.5") << true << "1000.5" << QuantityVerdict::Due << "25.0125";
    QTest::newRow("gold largest") << true << "850000" << QuantityVerdict::Due << "21250";
    QTest::newRow("gold above the largest") << true << "850001" << QuantityVerdict::TooLarge << "";
    QTest::newRow("gold negative") << true << "-5" << QuantityVerdict::BelowNisab << "";
    QTest::newRow("gold arabic-indic digits") << true << QStringLiteral("١٠٠")
                                              << QuantityVerdict::Due << "2.5";
    QTest::newRow("gold blanks around") << true << " 100 " << QuantityVerdict::Due << "2.5";
    QTest::newRow("gold empty") << true << "" << QuantityVerdict::NoQuantity << "";
    QTest::newRow("gold blanks only") << true << "   " << QuantityVerdict::NoQuantity << "";
    QTest::newRow("gold inner blank") << true << "12 5" << QuantityVerdict::NotANumber << "";
    QTest::newRow("gold letters") << true << "abc" << QuantityVerdict::NotANumber << "";
    QTest::newRow("gold overflow") << true << "1E400" << QuantityVerdict::NotANumber << "";
    QTest::newRow("gold prompt") << true << QStringLiteral("اكتب مقدار كمية الذهب")
                                 << QuantityVerdict::NotANumber << "";
    QTest::newRow("silver just below the nisab") << false << "199.99" << QuantityVerdict::BelowNisab << "";
    QTest::newRow("silver nisab itself") << false << "200" << QuantityVerdict::Due << "5";
    QTest::newRow("silver 1000") << false << "1000" << QuantityVerdict::Due << "25";
    QTest::newRow("silver 1000.5") << false << "1000.5" << QuantityVerdict::Due << "25.0125";
    QTest::newRow("silver seven nines") << false << "9999999" << QuantityVerdict::Due << "249999.975";
    QTest::newRow("silver above in exponent form") << false << "1E7" << QuantityVerdict::TooLarge << "";
}

void MetalZakatTest::judgesTheQuantity()
{
    QFETCH(bool, gold);
    QFETCH(QString, quantity);
    QFETCH(QuantityVerdict, verdict);
    QFETCH(QString, due);
    const MetalDue result = metalZakatDue(quantity, gold ? kGoldRules : kSilverRules);
    QCOMPARE(result.verdict, verdict);
    QCOMPARE(verdict == QuantityVerdict::Due ? numberText(result.due) : QString(), due);
}

void MetalZakatTest::valuesTheDue_data()
{
    QTest::addColumn<QString>("due");
    QTest::addColumn<QString>("price");
    QTest::addColumn<ValueVerdict>("verdict");
    QTest::addColumn<QString>("value");

    QTest::newRow("2.5 at 250") << "2.5" << "250" << ValueVerdict::Split << "625";
    QTest::newRow("25.0125 at 40") << "25.0125" << "40" << ValueVerdict::Split << "1000.5";
    QTest::newRow("the largest split") << "21000" << "100000" << ValueVerdict::Split
                                       << "2100000000";
    QTest::newRow("just above the largest split") << "21250" << "100001"
                                                  << ValueVerdict::OutOfRange << "2125021250";
    QTest::newRow("silver above the largest split") << "249999.975" << "99999"
                                                    << ValueVerdict::OutOfRange
                                                    << "24999747500.025";
    QTest::newRow("beyond any number") << "21250" << "1E+308" << ValueVerdict::OutOfRange << "";
    QTest::newRow("negative price") << "2.5" << "-1" << ValueVerdict::Split << "-2.5";
    QTest::newRow("price minus zero") << "2.5" << "-0" << ValueVerdict::Split << "0";
    QTest::newRow("price not a number") << "2.5" << "xyz" << ValueVerdict::PriceNotANumber << "";
    QTest::newRow("price empty") << "2.5" << "" << ValueVerdict::PriceNotANumber << "";
    QTest::newRow("price prompt") << "2.5" << QStringLiteral("االثمن")
                                  << ValueVerdict::PriceNotANumber << "";
    QTest::newRow("below the nisab") << "...." << "250" << ValueVerdict::NoDue << "";
    QTest::newRow("nothing computed") << "....." << "250" << ValueVerdict::NoDue << "";
    QTest::newRow("emptied") << "" << "250" << ValueVerdict::NoDue << "";
    QTest::newRow("price checked first") << "...." << "xyz" << ValueVerdict::PriceNotANumber << "";
}

void MetalZakatTest::valuesTheDue()
{
    QFETCH(QString, due);
    QFETCH(QString, price);
    QFETCH(ValueVerdict, verdict);
    QFETCH(QString, value);
    const MetalValue result = metalValue(readNumber(due), price);
    QCOMPARE(result.verdict, verdict);
    const bool shown = verdict == ValueVerdict::Split || verdict == ValueVerdict::OutOfRange;
    QCOMPARE(shown ? numberText(result.value) : QString(), value);
}

QTEST_APPLESS_MAIN(MetalZakatTest)
#include "test_metal_zakat.moc"
