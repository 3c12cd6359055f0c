// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "records/amounts.h"
#include "records/hawl.h"
#include "records/household.h"

#include <QTest>

// The Hijri dates of these tables were worked out apart from the program,
// with the tabular calendar's own arithmetic (1446 is a common year of 354
// days, 1445 and 1447 leap years whose Dhu al-Hijjah has 30 days).

class RecordRulesTest : public QObject {
    Q_OBJECT
private slots:
    void findsTheNextHawl_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<Hawl>("hawl");
        QTest::addColumn<QDate>("next");
        QTest::newRow("later this year") << QDate(2025, 2, 9) << Hawl{1, 9} << QDate(2025, 3, 1);
        QTest::newRow("on the hawl day") << QDate(2025, 3, 1) << Hawl{1, 9} << QDate(2025, 3, 1);
        QTest::newRow("passed, so across the year end")
            << QDate(2025, 6, 17) << Hawl{10, 1} << QDate(2025, 7, 6);
        QTest::newRow("30 Safar, a month of 29 days")
            << QDate(2024, 7, 12) << Hawl{30, 2} << QDate(2024, 9, 4);
        QTest::newRow("30 Dhu al-Hijjah in a common year")
            << QDate(2025, 5, 29) << Hawl{30, 12} << QDate(2025, 6, 26);
        QTest::newRow("30 Dhu al-Hijjah in a leap year")
            << QDate(2024, 6, 8) << Hawl{30, 12} << QDate(2024, 7, 7);
        QTest::newRow("the day after a 29-day month's end")
            << QDate(2024, 9, 5) << Hawl{30, 2} << QDate(2025, 8, 24);
    }

    void findsTheNextHawl()
    {
        QFETCH(QDate, today);
        QFETCH(Hawl, hawl);
        QFETCH(QDate, next);
        QCOMPARE(nextHawl(today, hawl), next);
    }

    void remindsAroundTheHawl_data()
    {
        // The hawl of 15 Ramadan 1446 falls on 2025-03-15.
        QTest::addColumn<Hawl>("hawl");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("recordYear"); // 0: none
        QTest::addColumn<bool>("reminded");
        QTest::addColumn<int>("zakatYear");
        const Hawl r15{15, 9};
        QTest::newRow("30 days after") << r15 << QDate(2025, 4, 14) << 0 << true << 1446;
        QTest::newRow("31 days after") << r15 << QDate(2025, 4, 15) << 0 << false << 1446;
        QTest::newRow("7 days before") << r15 << QDate(2025, 3, 8) << 0 << true << 1446;
        QTest::newRow("8 days before") << r15 << QDate(2025, 3, 7) << 0 << false << 1446;
        QTest::newRow("saved this year") << r15 << QDate(2025, 3, 20) << 1446 << false << 1446;
        QTest::newRow("saved only last year") << r15 << QDate(2025, 3, 20) << 1445 << true << 1446;
        // 25 Dhu al-Hijjah 1446 is 2025-06-22; 2025-07-01 is 5 Muharram 1447.
        QTest::newRow("hawl before the year end, none saved")
            << Hawl{25, 12} << QDate(2025, 7, 1) << 0 << true << 1446;
        QTest::newRow("hawl before the year end, saved for it")
            << Hawl{25, 12} << QDate(2025, 7, 1) << 1446 << false << 1446;
        QTest::newRow("hawl before the year end, saved for the new year")
            << Hawl{25, 12} << QDate(2025, 7, 1) << 1447 << true << 1446;
        // 3 Muharram 1447 is 2025-06-29; 2025-06-25 is 28 Dhu al-Hijjah 1446.
        QTest::newRow("hawl just after the year end")
            << Hawl{3, 1} << QDate(2025, 6, 25) << 1446 << true << 1447;
    }

    void remindsAroundTheHawl()
    {
        QFETCH(Hawl, hawl);
        QFETCH(QDate, today);
        QFETCH(int, recordYear);
        QFETCH(bool, reminded);
        QFETCH(int, zakatYear);
        Household household;
        QCOMPARE(household.setHawl(1, hawl), Change::Done);
        if (recordYear)
            QCOMPARE(household.saveRecord(1, Record{recordYear, today, {}, {}, {}}, false),
                     Change::Done);
        QCOMPARE(hawlReminders(household, today).size(), reminded ? 1 : 0);
        QCOMPARE(::zakatYear(today, hawl), zakatYear);
    }

    void countsWhatRemainsInHundredths_data()
    {
        QTest::addColumn<QString>("due");
        QTest::addColumn<QStringList>("payments");
        // Or the AmountProblem: 1 not a number, 2 negative, 3 finer than a
        // hundredth, 4 beyond the range.
        QTest::addColumn<QString>("paidRemainingOverpaid");
        QTest::addColumn<bool>("fullyPaid");
        using P = QStringList;
        QTest::newRow("nothing paid") << "856.25" << P{} << "0 856.25 " << false;
        QTest::newRow("0.1 + 0.2 pays 0.3 exactly") << "0.3" << P{"0.1", "0.2"} << "0.3 0 " << true;
        QTest::newRow("parts") << "656.25" << P{"100", "56.2"} << "156.2 500.05 " << false;
        QTest::newRow("due finer than a hundredth rounds up")
            << "856.2625" << P{"856.26"} << "856.26 0.01 " << false;
        QTest::newRow("tiny due") << "2.5E-05" << P{} << "0 0.01 " << false;
        QTest::newRow("paid beyond the due") << "25" << P{"30.5"} << "30.5 0 5.5" << true;
        QTest::newRow("nothing due") << "0" << P{} << "0 0 " << true;
        QTest::newRow("Arabic-Indic digits") << "١٠٠" << P{"٥٠٫٥", "5E1"} << "100.5 0 0.5" << true;
        QTest::newRow("largest amount, no rounding")
            << "999999999999999.99" << P{"0.01"} << "0.01 999999999999999.98 " << false;
        QTest::newRow("payment finer than a hundredth") << "100" << P{"0.005"} << "3" << false;
        QTest::newRow("negative payment") << "100" << P{"-5"} << "2" << false;
        QTest::newRow("grouped payment") << "100" << P{"1,000"} << "1" << false;
        QTest::newRow("due beyond the range") << "1.5E+15" << P{} << "4" << false;
        QTest::newRow("payments adding beyond the range")
            << "1" << P{"999999999999999.99", "0.01"} << "4" << false;
    }

    void countsWhatRemainsInHundredths()
    {
        QFETCH(QString, due);
        QFETCH(QStringList, payments);
        QFETCH(QString, paidRemainingOverpaid);
        QFETCH(bool, fullyPaid);
        const Remaining result = remainingDue(due, payments);
        QCOMPARE(result.problem != AmountProblem::None
                     ? QString::number(int(result.problem))
                     : result.paid + u' ' + result.remaining + u' ' + result.overpaid,
                 paidRemainingOverpaid);
        QCOMPARE(result.fullyPaid, fullyPaid);
    }

    void replacesAYearsRecordOnlyWhenAsked()
    {
        Household household;
        const Record first{1446, QDate(2025, 3, 15), {{"cash", "1000"}}, {{"due", "25"}}, {}};
        QCOMPARE(household.saveRecord(1, first, false), Change::Done);
        QCOMPARE(household.member(1)->hawl, Hawl({15, 9})); // the first save's day
        QCOMPARE(household.addPayment(1, 1446, {QDate(2025, 3, 16), "10", "نقدًا"}), Change::Done);
        QCOMPARE(household.addPayment(1, 1446, {QDate(2025, 3, 16), "0", ""}), Change::BadAmount);

        const Record again{1446, QDate(2025, 3, 20), {{"cash", "2000"}}, {{"due", "50"}}, {}};
        QCOMPARE(household.saveRecord(1, again, false), Change::ReplacesRecord);
        QCOMPARE(household.member(1)->record(1446)->entries, first.entries);
        QCOMPARE(household.saveRecord(1, again, true), Change::Done);
        const Record *saved = household.member(1)->record(1446);
        QCOMPARE(saved->entries, again.entries);
        QCOMPARE(saved->payments.size(), 1); // what was paid stays paid
        QCOMPARE(household.member(1)->records.size(), 1);
    }
};

QTEST_GUILESS_MAIN(RecordRulesTest)
#include "test_record_rules.moc"
