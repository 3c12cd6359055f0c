// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/breakdown.h"
#include "core/numbers.h"

#include <QTest>

#include <cstdint>
#include <optional>
#include <random>

// The breakdown over a large range of amounts: the four boxes always give back
// the amount as written, to the last decimal, and each box stays within its
// denomination. Everything is compared in exact decimal, never in doubles.

namespace {

__extension__ typedef __int128 Exact; // a decimal scaled by 10^kScaleDigits
constexpr int kScaleDigits = 16; // enough for the hundredths of 15-digit amounts

Exact powerOfTen(int exponent)
{
    Exact power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// The decimal text ("-12.5", "97.5", "1.5E-05", "") as an exact scaled value;
// nothing when it has more decimals than the scale holds, or is no decimal.
// The empty text of a box that is not shown counts as zero.
std::optional<Exact> exactValue(const QString &text)
{
    if (text.isEmpty())
        return Exact(0);
    qsizetype i = 0;
    const bool negative = text.startsWith(u'-');
    if (negative)
        ++i;
    QString digits;
    int decimals = 0;
    bool inFraction = false;
    for (; i < text.size() && text.at(i) != u'E' && text.at(i) != u'e'; ++i) {
        const QChar c = text.at(i);
        if (c == u'.' && !inFraction) {
            inFraction = true;
        } else if (c >= u'0' && c <= u'9') {
            digits += c;
            decimals += inFraction ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits.isEmpty() || digits.size() > 30)
        return std::nullopt;
    int exponent = 0;
    if (i < text.size()) {
        bool ok = false;
        exponent = text.mid(i + 1).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const int shift = kScaleDigits - decimals + exponent;
    if (shift < 0 || shift > 20)
        return std::nullopt;
    Exact value = 0;
    for (const QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    value *= powerOfTen(shift);
    return negative ? -value : value;
}

QString exactText(Exact value)
{
    std::string digits;
    const bool negative = value < 0;
    Exact rest = negative ? -value : value;
    do {
        digits.insert(digits.begin(), char('0' + int(rest % 10)));
        rest /= 10;
    } while (rest != 0);
    return QString::fromStdString((negative ? "-" : "") + digits) + QStringLiteral("E-%1").arg(kScaleDigits);
}

// The amount of a whole number of thousandths as number text: "-12.345", "7".
QString thousandthsText(std::int64_t thousandths)
{
    const bool negative = thousandths < 0;
    const std::uint64_t magnitude = negative ? std::uint64_t(-thousandths) : std::uint64_t(thousandths);
    QString text = QString::number(magnitude / 1000);
    QString fraction = QStringLiteral("%1").arg(magnitude % 1000, 3, 10, QLatin1Char('0'));
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return negative ? u'-' + text : text;
}

// Checks one amount; the empty text when all holds, else what failed.
QString breakdownFault(const QString &amount)
{
    if (numberText(readNumber(amount).value_or(0)) != amount)
        return QStringLiteral("%1 is not number text").arg(amount);
    const auto split = breakDownAmount(*readNumber(amount));
    const auto parts = split ? std::optional(breakdownTexts(*split)) : std::nullopt;
    if (!parts)
        return QStringLiteral("%1 gives no breakdown").arg(amount);
    const auto written = exactValue(amount);
    const auto millions = exactValue(parts->millions);
    const auto thousands = exactValue(parts->thousands);
    const auto units = exactValue(parts->units);
    const auto hundredths = exactValue(parts->hundredths);
    if (!written || !millions || !thousands || !units || !hundredths)
        return QStringLiteral("%1 gives a box that is no exact decimal: %2 | %3 | %4 | %5")
            .arg(amount, parts->millions, parts->thousands, parts->units, parts->hundredths);
    // Scaled values: the hundredths are divided by 100 after multiplying the
    // rest by 100, so no digit is lost.
    const Exact recomposed = *millions * 100000000 + *thousands * 100000 + *units * 100 + *hundredths;
    if (recomposed != *written * 100)
        return QStringLiteral("%1 recomposes to %2 hundredths (%3 | %4 | %5 | %6)")
            .arg(amount, exactText(recomposed), parts->millions, parts->thousands, parts->units,
                 parts->hundredths);
    const Exact one = powerOfTen(kScaleDigits);
    if (*hundredths < 0 || *hundredths >= 100 * one)
        return QStringLiteral("%1 gives the hundredths %2").arg(amount, parts->hundredths);
    if (*written >= 1000 * one && (*units < 0 || *units >= 1000 * one))
        return QStringLiteral("%1 gives the units %2").arg(amount, parts->units);
    if (*written >= 1000000 * one && (*thousands < 0 || *thousands >= 1000 * one))
        return QStringLiteral("%1 gives the thousands %2").arg(amount, parts->thousands);
    if ((*written < 1000000 * one) != parts->millions.isEmpty()
        || (*written < 1000 * one) != parts->thousands.isEmpty())
        return QStringLiteral("%1 fills the wrong boxes").arg(amount);
    return QString();
}

} // namespace

class BreakdownPropertiesTest : public QObject {
    Q_OBJECT
private slots:
    void recomposesEveryHalfHundredthInItsRange_data();
    void recomposesEveryHalfHundredthInItsRange();
    void recomposesRandomAmountsOfUpToThreeDecimals();
    void recomposesRandomAmountsOfFifteenDigits();
};

void BreakdownPropertiesTest::recomposesEveryHalfHundredthInItsRange_data()
{
    // Ranges in thousandths, every multiple of 0.005 in each.
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("to");
    QTest::newRow("negative units, zero and the thousands threshold")
        << qint64(-1000000) << qint64(1100000);
    QTest::newRow("around the millions threshold") << qint64(999900000) << qint64(1000100000);
    QTest::newRow("just below the milliards") << qint64(999999800000) << qint64(1000000100000);
    QTest::newRow("up to the breakdown's limit") << qint64(2099999800000) << qint64(2100000000000);
    QTest::newRow("deep negatives") << qint64(-2100000000000) << qint64(-2099999900000);
}

void BreakdownPropertiesTest::recomposesEveryHalfHundredthInItsRange()
{
    QFETCH(qint64, from);
    QFETCH(qint64, to);
    for (qint64 thousandths = from; thousandths <= to; thousandths += 5) {
        const QString fault = breakdownFault(thousandthsText(thousandths));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
}

void BreakdownPropertiesTest::recomposesRandomAmountsOfUpToThreeDecimals()
{
    std::mt19937_64 random(2100);
    std::uniform_int_distribution<std::int64_t> thousandths(-2100000000000, 2100000000000);
    for (int i = 0; i < 100000; ++i) {
        const QString fault = breakdownFault(thousandthsText(thousandths(random)));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
}

void BreakdownPropertiesTest::recomposesRandomAmountsOfFifteenDigits()
{
    // Amounts with as many significant digits as number text keeps, the
    // decimal point anywhere from the first digit to the tenth.
    std::mt19937_64 random(15);
    for (int i = 0; i < 50000; ++i) {
        const int wholeDigits = std::uniform_int_distribution<int>(0, 9)(random);
        QString digits;
        for (int d = 0; d < 15; ++d)
            digits += QChar(u'0' + std::uniform_int_distribution<int>(d == 0 ? 1 : 0, 9)(random));
        QString amount = wholeDigits == 0 ? QStringLiteral("0.") + digits
                                          : digits.left(wholeDigits) + u'.' + digits.mid(wholeDigits);
        while (amount.endsWith(u'0'))
            amount.chop(1);
        if (amount.endsWith(u'.'))
            amount.chop(1);
        if (random() % 2)
            amount.prepend(u'-');
        const QString fault = breakdownFault(amount);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
}

QTEST_APPLESS_MAIN(BreakdownPropertiesTest)
#include "test_breakdown_properties.moc"
