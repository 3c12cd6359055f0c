// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "livestock/sheep.h"

#include <QTest>

#include <cstdint>
#include <random>

// The sheep rule over a large range: from 400 head on, one sheep for every
// full hundred of the flock, the flock counted to the nearest head (a half
// head to the even neighbour).

namespace {

const QString kSheep = QStringLiteral("شاة");

// The flock's nearest whole head count, worked out in whole numbers: the
// count is given as whole head plus quarters of a head.
std::int64_t nearestHead(std::int64_t whole, int quarters)
{
    if (quarters < 2)
        return whole;
    if (quarters > 2)
        return whole + 1;
    return whole % 2 == 0 ? whole : whole + 1;
}

// The empty text when x head give one sheep per full hundred of nearest.
QString perHundredFault(double x, std::int64_t nearest)
{
    const auto due = sheepDue(x);
    if (!due)
        return QStringLiteral("%1 head give no row").arg(x, 0, 'f', 2);
    const DueRow row = sheepRow(*due);
    bool ok = false;
    const std::int64_t sheep = row.count.toLongLong(&ok);
    if (!ok || row.kind != kSheep || sheep * 100 > nearest || (sheep + 1) * 100 <= nearest)
        return QStringLiteral("%1 head give \"%2\" \"%3\"").arg(x, 0, 'f', 2).arg(row.count, row.kind);
    return QString();
}

} // namespace

class SheepRuleTest : public QObject {
    Q_OBJECT
private slots:
    void onePerFullHundredFrom400_data();
    void onePerFullHundredFrom400();
    void onePerFullHundredUpToTheLargestCount();
    void neverFewerForALargerFlock();
};

void SheepRuleTest::onePerFullHundredFrom400_data()
{
    QTest::addColumn<int>("quarters"); // of a head, above the whole count
    QTest::newRow("whole flocks") << 0;
    QTest::newRow("a quarter over") << 1;
    QTest::newRow("a half over, to the even neighbour") << 2;
    QTest::newRow("three quarters over") << 3;
}

void SheepRuleTest::onePerFullHundredFrom400()
{
    QFETCH(int, quarters);
    for (std::int64_t head = 400; head <= 1000000; ++head) {
        const QString fault = perHundredFault(double(head) + quarters / 4.0, nearestHead(head, quarters));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
}

void SheepRuleTest::onePerFullHundredUpToTheLargestCount()
{
    std::mt19937_64 random(400);
    std::uniform_int_distribution<std::int64_t> head(1000000, 2147483646);
    for (int i = 0; i < 200000; ++i) {
        const std::int64_t whole = head(random);
        const int quarters = int(random() % 4);
        const QString fault = perHundredFault(double(whole) + quarters / 4.0, nearestHead(whole, quarters));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
    QVERIFY(perHundredFault(2147483647.0, 2147483647).isEmpty());
}

void SheepRuleTest::neverFewerForALargerFlock()
{
    // Across the fixed bands and into the rule, the due only ever grows.
    std::int64_t before = 0;
    for (int quarters = 0; quarters <= 4 * 20000; ++quarters) {
        const auto sheep = sheepDue(quarters / 4.0);
        QVERIFY(sheep.has_value());
        const std::int64_t due = *sheep;
        QVERIFY2(due >= before, qPrintable(QString::number(quarters / 4.0)));
        before = due;
    }
}

QTEST_APPLESS_MAIN(SheepRuleTest)
#include "test_sheep_rule.moc"
