// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "core/numbers.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

class NumbersTest : public QObject {
    Q_OBJECT
private slots:
    void readsAcceptedSpellings_data();
    void readsAcceptedSpellings();
    void refusesOtherTexts_data();
    void refusesOtherTexts();
    void acceptsTheLocaleSeparator();
    void writesNumberText_data();
    void writesNumberText();
    void numberTextReadsBackToTheSameValue_data();
    void numberTextReadsBackToTheSameValue();
    void writesHundredthsInPlainDigits_data();
    void writesHundredthsInPlainDigits();
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void trimsOnlyBlanks();
};

void NumbersTest::readsAcceptedSpellings_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "100" << 100.0;
    QTest::newRow("decimal") << "1000.5" << 1000.5;
    QTest::newRow("blanks around") << "  85 " << 85.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("minus sign") << "-5" << -5.0;
    QTest::newRow("leading separator") << ".5" << 0.5;
    QTest::newRow("trailing separator") << "5." << 5.0;
    QTest::newRow("exponent") << "5E9" << 5e9;
    QTest::newRow("exponent with sign") << "2.5e-3" << 0.0025;
    QTest::newRow("exponent plus") << "1E+2" << 100.0;
    QTest::newRow("arabic-indic digits") << QStringLiteral("١٢٣") << 123.0;
    QTest::newRow("eastern arabic-indic digits") << QStringLiteral("۴۵۶") << 456.0;
    QTest::newRow("arabic decimal separator") << QStringLiteral("١٢٫٥") << 12.5;
    QTest::newRow("mixed scripts") << QStringLiteral("1٢۳.5") << 123.5;
    QTest::newRow("largest double") << "1.7976931348623157E308" << std::numeric_limits<double>::max();
    QTest::newRow("underflow is zero") << "1E-400" << 0.0;
    QTest::newRow("negative zero is zero") << "-0" << 0.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
}

void NumbersTest::readsAcceptedSpellings()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto read = readNumber(text);
    QVERIFY(read.has_value());
    QCOMPARE(*read, value);
    QVERIFY(!std::signbit(*read) || *read != 0);
}

void NumbersTest::refusesOtherTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("prompt") << QStringLiteral("اكتب مقدار كمية الذهب");
    QTest::newRow("inner blank") << "12 5";
    QTest::newRow("grouping") << "1,000";
    QTest::newRow("two separators") << "1.2.3";
    QTest::newRow("sign only") << "-";
    QTest::newRow("separator only") << ".";
    QTest::newRow("two signs") << "+-5";
    QTest::newRow("hex") << "0x10";
    QTest::newRow("inf") << "inf";
    QTest::newRow("nan") << "nan";
    QTest::newRow("infinity") << "Infinity";
    QTest::newRow("overflow") << "1E+400";
    QTest::newRow("overflow by digits") << QString(400, u'9');
    QTest::newRow("bare exponent") << "5E";
    QTest::newRow("exponent without mantissa") << "E5";
    QTest::newRow("letter after digits") << "12a";
    QTest::newRow("tab around") << "\t5";
    QTest::newRow("arabic comma") << QStringLiteral("1،5");
    QTest::newRow("percent") << "5%";
}

void NumbersTest::refusesOtherTexts()
{
    QFETCH(QString, text);
    QVERIFY(!readNumber(text).has_value());
}

void NumbersTest::acceptsTheLocaleSeparator()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    const auto read = readNumber(QStringLiteral("2,5"));
    const QString written = numberText(2.5);
    QLocale::setDefault(previous);
    QVERIFY(read.has_value());
    QCOMPARE(*read, 2.5);
    QCOMPARE(written, QStringLiteral("2,5"));
    QCOMPARE(numberText(2.5), QStringLiteral("2.5"));
}

void NumbersTest::writesNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 2500000.0 << "2500000";
    QTest::newRow("half") << 2.5 << "2.5";
    QTest::newRow("twentieth") << 0.05 << "0.05";
    QTest::newRow("milliards with fraction") << 2024999999.975 << "2024999999.975";
    QTest::newRow("fraction noise rounded away") << (999.99 - 999) << "0.990000000000009";
    QTest::newRow("fifteen digits") << 24999747500.025 << "24999747500.025";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("negative") << -2.5 << "-2.5";
    QTest::newRow("negative exponent form") << -1e-20 << "-1E-20";
    QTest::newRow("largest double stays readable") << std::numeric_limits<double>::max()
                                                   << "1.79769313486231E+308";
    QTest::newRow("largest plain") << 999999999999999.0 << "999999999999999";
    QTest::newRow("rounds up into exponent form") << 999999999999999.9 << "1E+15";
    QTest::newRow("exponent form") << 1.5e20 << "1.5E+20";
    QTest::newRow("smallest plain") << 0.0001 << "0.0001";
    QTest::newRow("below 0.0001") << 0.000015 << "1.5E-05";
    QTest::newRow("sixteen digits rounded") << 0.1234567890123456 << "0.123456789012346";
    QTest::newRow("infinity gives nothing") << std::numeric_limits<double>::infinity() << "";
    QTest::newRow("nan gives nothing") << std::numeric_limits<double>::quiet_NaN() << "";
}

void NumbersTest::writesNumberText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numberText(value), text);
}

void NumbersTest::numberTextReadsBackToTheSameValue_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("quarter-tenth of 1000.5") << 1000.5 / 40;
    QTest::newRow("large") << 1.7976931348623157e308;
    QTest::newRow("small") << 2.2250738585072014e-308;
    QTest::newRow("third") << 1.0 / 3;
    QTest::newRow("negative exponent form") << -4.5e-7;
}

void NumbersTest::numberTextReadsBackToTheSameValue()
{
    QFETCH(double, value);
    const auto read = readNumber(numberText(value));
    QVERIFY(read.has_value());
    QCOMPARE(numberText(*read), numberText(value));
    QVERIFY(std::abs(*read - value) <= std::abs(value) * 1e-14);
}

void NumbersTest::writesHundredthsInPlainDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("pure gold of 130.5 g of 21 karat") << 114.1875 << "114.19";
    QTest::newRow("a half as written goes up") << 2.675 << "2.68";
    QTest::newRow("below zero, away from zero") << -2.675 << "-2.68";
    QTest::newRow("no trailing zero") << 87.5 << "87.5";
    QTest::newRow("carried into the whole") << 999.995 << "1000";
    QTest::newRow("rounds to zero, no sign") << -0.004 << "0";
    QTest::newRow("tiny") << 1e-20 << "0";
    QTest::newRow("no exponent form") << 2.5000749995e18 << "2500074999500000000";
    QTest::newRow("the largest figures") << 1e30 << "1000000000000000000000000000000";
}

void NumbersTest::writesHundredthsInPlainDigits()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(hundredthsText(value), text);
    QCOMPARE(roundedToHundredths(value), *readNumber(text));
}

void NumbersTest::roundsHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("whole");
    QTest::newRow("210.5 to even below") << 210.5 << true << 210;
    QTest::newRow("211.5 to even above") << 211.5 << true << 212;
    QTest::newRow("-2.5") << -2.5 << true << -2;
    QTest::newRow("below half") << 7.49 << true << 7;
    QTest::newRow("above half") << 7.51 << true << 8;
    QTest::newRow("largest") << 2147483647.0 << true << 2147483647;
    QTest::newRow("rounds down to largest") << 2147483647.4 << true << 2147483647;
    QTest::newRow("rounds to just past largest") << 2147483647.5 << false << 0;
    QTest::newRow("smallest") << -2147483648.0 << true << int(-2147483648LL);
    QTest::newRow("rounds to smallest") << -2147483648.5 << true << int(-2147483648LL);
    QTest::newRow("past smallest") << -2147483649.0 << false << 0;
    QTest::newRow("huge") << 5e9 << false << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << 0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << 0;
}

void NumbersTest::roundsHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(bool, fits);
    QFETCH(int, whole);
    const auto rounded = wholeNumber(value);
    QCOMPARE(rounded.has_value(), fits);
    if (fits)
        QCOMPARE(*rounded, whole);
}

void NumbersTest::trimsOnlyBlanks()
{
    QCOMPARE(trimBlanks(QStringLiteral("  12 5  ")), QStringLiteral("12 5"));
    QCOMPARE(trimBlanks(QStringLiteral("\t5 ")), QStringLiteral("\t5"));
    QCOMPARE(trimBlanks(QStringLiteral("    ")), QString());
}

QTEST_APPLESS_MAIN(NumbersTest)
#include "test_numbers.moc"
