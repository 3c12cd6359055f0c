// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "livestock/camels.h"
#include "livestock/cattle.h"
#include "livestock/sheep.h"
#include "tests/support/texts.h"

#include <QHash>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

using Expected::camelTexts;
using Expected::cattleTexts;

NoteLines notesOf(const QString &keys, const QHash<QString, QString> &texts)
{
    const QStringList list = keys.split(u' ');
    NoteLines notes;
    for (int i = 0; i < 5; ++i)
        notes[i] = texts.value(list.value(i), QStringLiteral("<unknown key>"));
    return notes;
}

QHash<QString, QString> camelTextsOnly()
{
    QHash<QString, QString> texts;
    for (auto it = camelTexts().cbegin(); it != camelTexts().cend(); ++it)
        texts.insert(it.key(), it->text);
    return texts;
}

// Rows given as count, kind of row 1, then count, kind of row 2.
HerdRows expectedRows(const QStringList &cells, const NoteLines &notes)
{
    return {{cells.value(0), cells.value(1)}, {cells.value(2), cells.value(3)}, notes};
}

} // namespace

char *toString(const HerdRows &rows)
{
    QStringList parts{rows.first.count, rows.first.kind, rows.second.count, rows.second.kind};
    for (const QString &note : rows.notes)
        parts << note;
    return qstrdup(("[\"" + parts.join(QStringLiteral("\" | \"")) + "\"]").toUtf8().constData());
}

char *toString(const DueRow &row)
{
    return qstrdup(QStringLiteral("[\"%1\" | \"%2\"]").arg(row.count, row.kind).toUtf8().constData());
}

class LivestockSchedulesTest : public QObject {
    Q_OBJECT
private slots:
    void camelBands_data();
    void camelBands();
    void camelNotesHaveTheirLengths_data();
    void camelNotesHaveTheirLengths();
    void camelsResetToPlaceholders();
    void camelsBeyondTheRuleHaveNoRows_data();
    void camelsBeyondTheRuleHaveNoRows();
    void camelRuleCoversTheHerdWithFewestHiqqa();

    void sheepBands_data();
    void sheepBands();
    void sheepResetToPlaceholders();
    void sheepBeyondTheRuleHaveNoRow();

    void cattleBands_data();
    void cattleBands();
    void cattleResetToPlaceholders();
    void cattleBeyondTheRuleHaveNoRows();
    void cattleRuleCoversTheHerdWithFewestMusinna();

    void entryIsReadAlikeByEveryPanel_data();
    void entryIsReadAlikeByEveryPanel();
};

void LivestockSchedulesTest::camelBands_data()
{
    QTest::addColumn<double>("camels");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("notes");
    QTest::newRow("below the nisab: 4") << 4.0 << QStringList{"000", "....", "000", "... "} << "N1 D1 D1 D1 D1";
    QTest::newRow("below the nisab: 0") << 0.0 << QStringList{"000", "....", "000", "... "} << "N1 D1 D1 D1 D1";
    QTest::newRow("below the nisab: negative") << -3.0 << QStringList{"000", "....", "000", "... "} << "N1 D1 D1 D1 D1";
    QTest::newRow("below the nisab: far negative") << -1e300 << QStringList{"000", "....", "000", "... "} << "N1 D1 D1 D1 D1";
    QTest::newRow("just below 5") << 4.9 << QStringList{"000", "....", "000", "... "} << "N1 D1 D1 D1 D1";
    QTest::newRow("from 5") << 5.0 << QStringList{"1", "شاة", "000", "... "} << "N2 D1 D1 D1 D1";
    QTest::newRow("just below 10") << 9.9 << QStringList{"1", "شاة", "000", "... "} << "N2 D1 D1 D1 D1";
    QTest::newRow("from 10") << 10.0 << QStringList{"2", "شاة", "000", "... "} << "N3 D1 D1 D1 D1";
    QTest::newRow("just below 15") << 14.9 << QStringList{"2", "شاة", "000", "... "} << "N3 D1 D1 D1 D1";
    QTest::newRow("from 15") << 15.0 << QStringList{"3", "شاة", "000", "... "} << "N3 D1 D1 D1 D1";
    QTest::newRow("just below 20") << 19.9 << QStringList{"3", "شاة", "000", "... "} << "N3 D1 D1 D1 D1";
    QTest::newRow("from 20") << 20.0 << QStringList{"4", "شاة", "000", "... "} << "N3 D1 D1 D1 D1";
    QTest::newRow("just below 25") << 24.9 << QStringList{"4", "شاة", "000", "... "} << "N3 D1 D1 D1 D1";
    QTest::newRow("from 25") << 25.0 << QStringList{"1", "بنت مخاض", "000", "... "} << "N4 N5 N6 N7 D1";
    QTest::newRow("just below 36") << 35.9 << QStringList{"1", "بنت مخاض", "000", "... "} << "N4 N5 N6 N7 D1";
    QTest::newRow("from 36") << 36.0 << QStringList{"1", "بنت لبون", "000", "... "} << "N8 D1 N9 N10 D1";
    QTest::newRow("just below 46") << 45.9 << QStringList{"1", "بنت لبون", "000", "... "} << "N8 D1 N9 N10 D1";
    QTest::newRow("from 46") << 46.0 << QStringList{"1", "حقة", "000", "... "} << "N11 D1 N12 N13 D1";
    QTest::newRow("just below 61") << 60.9 << QStringList{"1", "حقة", "000", "... "} << "N11 D1 N12 N13 D1";
    QTest::newRow("from 61") << 61.0 << QStringList{"1", "جذعة", "000", "... "} << "N14 D1 N15 N16 D1";
    QTest::newRow("just below 76") << 75.9 << QStringList{"1", "جذعة", "000", "... "} << "N14 D1 N15 N16 D1";
    QTest::newRow("from 76") << 76.0 << QStringList{"2", "بنت لبون", "000", "... "} << "N17 D1 N18 N10 D1";
    QTest::newRow("just below 91") << 90.9 << QStringList{"2", "بنت لبون", "000", "... "} << "N17 D1 N18 N10 D1";
    QTest::newRow("from 91") << 91.0 << QStringList{"2", "حقة ", "000", "... "} << "N11 D2 N19 N20 D1";
    QTest::newRow("just below 121") << 120.9 << QStringList{"2", "حقة ", "000", "... "} << "N11 D2 N19 N20 D1";
    QTest::newRow("from 121") << 121.0 << QStringList{"3", "بنت لبون ", "000", "... "} << "N17 D3 N18 N10 D1";
    QTest::newRow("just below 130") << 129.9 << QStringList{"3", "بنت لبون ", "000", "... "} << "N17 D3 N18 N10 D1";
    QTest::newRow("from 130") << 130.0 << QStringList{"2", "بنت لبون ", "1", "حقة"} << "N17 N11 N18 N21 D1";
    QTest::newRow("just below 140") << 139.9 << QStringList{"2", "بنت لبون ", "1", "حقة"} << "N17 N11 N18 N21 D1";
    QTest::newRow("from 140") << 140.0 << QStringList{"1", "بنت لبون ", "2", "حقة"} << "N8 N11 N18 N21 D1";
    QTest::newRow("just below 150") << 149.9 << QStringList{"1", "بنت لبون ", "2", "حقة"} << "N8 N11 N18 N21 D1";
    QTest::newRow("from 150") << 150.0 << QStringList{"3", "حقة", "000", "... "} << "N11 D4 N22 N23 D1";
    QTest::newRow("just below 160") << 159.9 << QStringList{"3", "حقة", "000", "... "} << "N11 D4 N22 N23 D1";
    QTest::newRow("from 160") << 160.0 << QStringList{"4", "بنت لبون ", "000", "..."} << "N17 D5 N18 N10 D1";
    QTest::newRow("just below 170") << 169.9 << QStringList{"4", "بنت لبون ", "000", "..."} << "N17 D5 N18 N10 D1";
    QTest::newRow("from 170") << 170.0 << QStringList{"3", "بنت لبون ", "1", "حقة"} << "N17 N11 N18 N21 D1";
    QTest::newRow("just below 180") << 179.9 << QStringList{"3", "بنت لبون ", "1", "حقة"} << "N17 N11 N18 N21 D1";
    QTest::newRow("from 180") << 180.0 << QStringList{"2", "بنت لبون ", "2", "حقة"} << "N17 N11 N18 N21 D1";
    QTest::newRow("just below 190") << 189.9 << QStringList{"2", "بنت لبون ", "2", "حقة"} << "N17 N11 N18 N21 D1";
    QTest::newRow("from 190") << 190.0 << QStringList{"1", "بنت لبون ", "3", "حقة"} << "N17 N24 N18 N21 D1";
    QTest::newRow("just below 200") << 199.9 << QStringList{"1", "بنت لبون ", "3", "حقة"} << "N17 N24 N18 N21 D1";
    QTest::newRow("from 200") << 200.0 << QStringList{"5", "بنت لبون ", "000", "..."} << "N17 N25 N11 N18 N26";
    QTest::newRow("just below 210") << 209.9 << QStringList{"5", "بنت لبون ", "000", "..."} << "N17 N25 N11 N18 N26";
    QTest::newRow("general rule: 210") << 210.0 << QStringList{"4", "بنت لبون", "1", "حقـة "} << "N17 N11 N18 N21 D6";
    QTest::newRow("general rule: 210.4") << 210.4 << QStringList{"4", "بنت لبون", "1", "حقـة "} << "N17 N11 N18 N21 D6";
    QTest::newRow("general rule: 210.5") << 210.5 << QStringList{"4", "بنت لبون", "1", "حقـة "} << "N17 N11 N18 N21 D6";
    QTest::newRow("general rule: 211.5") << 211.5 << QStringList{"4", "بنت لبون", "1", "حقـة "} << "N17 N11 N18 N21 D6";
    QTest::newRow("general rule: 220") << 220.0 << QStringList{"3", "بنت لبون", "2", "حقـة "} << "N17 N11 N18 N21 D6";
    QTest::newRow("general rule: 230") << 230.0 << QStringList{"2", "بنت لبون", "3", "حقـة "} << "N17 N24 N18 N21 D6";
    QTest::newRow("general rule: 239.5") << 239.5 << QStringList{"6", "بنت لبون", "000", "..."} << "N17 N25 N11 N18 N10";
    QTest::newRow("general rule: 240") << 240.0 << QStringList{"6", "بنت لبون", "000", "..."} << "N17 N25 N11 N18 N10";
    QTest::newRow("general rule: 245") << 245.0 << QStringList{"6", "بنت لبون", "000", "..."} << "N17 N25 N11 N18 N10";
    QTest::newRow("general rule: 250") << 250.0 << QStringList{"5", "بنت لبون", "1", "حقـة "} << "N17 N11 N18 N21 N25";
    QTest::newRow("general rule: 260") << 260.0 << QStringList{"4", "بنت لبون", "2", "حقـة "} << "N17 N11 N18 N21 D6";
    QTest::newRow("general rule: 290") << 290.0 << QStringList{"6", "بنت لبون", "1", "حقـة "} << "N17 N11 N18 N21 N25";
    QTest::newRow("general rule: 300") << 300.0 << QStringList{"5", "بنت لبون", "2", "حقـة "} << "N17 N11 N18 N21 N25";
    QTest::newRow("general rule: 310") << 310.0 << QStringList{"4", "بنت لبون", "3", "حقـة "} << "N17 N24 N18 N21 D6";
    QTest::newRow("general rule: 1000") << 1000.0 << QStringList{"25", "بنت لبون", "000", "..."} << "N17 N25 N11 N18 N10";
    QTest::newRow("general rule: 2147483647") << 2147483647.0 << QStringList{"53687091", "بنت لبون", "000", "..."} << "N17 N25 N11 N18 N10";
}

void LivestockSchedulesTest::camelBands()
{
    QFETCH(double, camels);
    QFETCH(QStringList, cells);
    QFETCH(QString, notes);
    const auto rows = camelsDue(camels);
    QVERIFY(rows.has_value());
    QCOMPARE(herdRows(*rows), expectedRows(cells, notesOf(notes, camelTextsOnly())));
}

void LivestockSchedulesTest::camelNotesHaveTheirLengths_data()
{
    QTest::addColumn<double>("camels");
    QTest::addColumn<QString>("notes");
    QTest::newRow("below the nisab") << 4.0 << "N1 D1 D1 D1 D1";
    QTest::newRow("one sheep") << 5.0 << "N2 D1 D1 D1 D1";
    QTest::newRow("sheep") << 10.0 << "N3 D1 D1 D1 D1";
    QTest::newRow("bint makhad") << 25.0 << "N4 N5 N6 N7 D1";
    QTest::newRow("bint labun") << 36.0 << "N8 D1 N9 N10 D1";
    QTest::newRow("hiqqa") << 46.0 << "N11 D1 N12 N13 D1";
    QTest::newRow("jadha'a") << 61.0 << "N14 D1 N15 N16 D1";
    QTest::newRow("two hiqqa") << 91.0 << "N11 D2 N19 N20 D1";
    QTest::newRow("three bint labun") << 121.0 << "N17 D3 N18 N10 D1";
    QTest::newRow("one and two") << 140.0 << "N8 N11 N18 N21 D1";
    QTest::newRow("three hiqqa") << 150.0 << "N11 D4 N22 N23 D1";
    QTest::newRow("four bint labun") << 160.0 << "N17 D5 N18 N10 D1";
    QTest::newRow("one and three") << 190.0 << "N17 N24 N18 N21 D1";
    QTest::newRow("five bint labun") << 200.0 << "N17 N25 N11 N18 N26";
    QTest::newRow("rule, no hiqqa") << 240.0 << "N17 N25 N11 N18 N10";
    QTest::newRow("rule, few bint labun") << 210.0 << "N17 N11 N18 N21 D6";
}

void LivestockSchedulesTest::camelNotesHaveTheirLengths()
{
    QFETCH(double, camels);
    QFETCH(QString, notes);
    const auto rows = camelsDue(camels);
    QVERIFY(rows.has_value());
    const QStringList keys = notes.split(u' ');
    for (int i = 0; i < 5; ++i)
        QVERIFY2(rows->notes[i].size() == camelTexts().value(keys[i]).length,
                 qPrintable(QStringLiteral("line %1 (%2) has %3 characters")
                                .arg(i + 1).arg(keys[i]).arg(rows->notes[i].size())));
}

void LivestockSchedulesTest::camelsResetToPlaceholders()
{
    QCOMPARE(camelsReset(), expectedRows({"....", "....", "000", ".... "},
                                     notesOf("D7 D1 D8 D9 D1", camelTextsOnly())));
}

void LivestockSchedulesTest::camelsBeyondTheRuleHaveNoRows_data()
{
    QTest::addColumn<double>("camels");
    QTest::newRow("rounds past 32 bits") << 2147483647.5;
    QTest::newRow("exponent form") << 5e9;
    QTest::newRow("largest double") << std::numeric_limits<double>::max();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void LivestockSchedulesTest::camelsBeyondTheRuleHaveNoRows()
{
    QFETCH(double, camels);
    QVERIFY(!camelsDue(camels).has_value());
}

void LivestockSchedulesTest::camelRuleCoversTheHerdWithFewestHiqqa()
{
    // b bint labun (40 each) and k hiqqa (50 each) leave 0 to 9 camels over,
    // and no combination with fewer hiqqa does.
    for (int m = 210; m <= 100000; ++m) {
        const auto rows = camelsDue(m);
        QVERIFY(rows.has_value());
        const int b = rows->firstCount;
        const int k = rows->secondCount;
        QVERIFY2(b >= 0 && k >= 0, qPrintable(QString::number(m)));
        const int over = m - (40 * b + 50 * k);
        QVERIFY2(over >= 0 && over <= 9, qPrintable(QString::number(m)));
        for (int fewer = 0; fewer < k; ++fewer) {
            const int rest = m - 50 * fewer;
            QVERIFY2(rest % 40 > 9, qPrintable(QStringLiteral("%1 camels, %2 hiqqa").arg(m).arg(fewer)));
        }
    }
}

void LivestockSchedulesTest::sheepBands_data()
{
    QTest::addColumn<double>("sheep");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("count");
    const QString none = QStringLiteral("....");
    const QString nothing = QStringLiteral("صفر");
    const QString sheep = QStringLiteral("شاة");
    QTest::newRow("negative") << -5.0 << none << nothing;
    QTest::newRow("0") << 0.0 << none << nothing;
    QTest::newRow("39") << 39.0 << none << nothing;
    QTest::newRow("39.9") << 39.9 << none << nothing;
    QTest::newRow("40, the nisab") << 40.0 << sheep << "1";
    QTest::newRow("120") << 120.0 << sheep << "1";
    QTest::newRow("120.5") << 120.5 << sheep << "1";
    QTest::newRow("121") << 121.0 << sheep << "2";
    QTest::newRow("200") << 200.0 << sheep << "2";
    QTest::newRow("200.9") << 200.9 << sheep << "2";
    QTest::newRow("201") << 201.0 << sheep << "3";
    QTest::newRow("300") << 300.0 << sheep << "3";
    QTest::newRow("300.5 rounds to 300") << 300.5 << sheep << "3";
    QTest::newRow("301") << 301.0 << sheep << "3";
    QTest::newRow("350.5") << 350.5 << sheep << "3";
    QTest::newRow("399") << 399.0 << sheep << "3";
    QTest::newRow("399.5 rounds to 400") << 399.5 << sheep << "4";
    QTest::newRow("400") << 400.0 << sheep << "4";
    QTest::newRow("450") << 450.0 << sheep << "4";
    QTest::newRow("1000") << 1000.0 << sheep << "10";
    QTest::newRow("largest 32-bit") << 2147483647.0 << sheep << "21474836";
}

void LivestockSchedulesTest::sheepBands()
{
    QFETCH(double, sheep);
    QFETCH(QString, kind);
    QFETCH(QString, count);
    const auto due = sheepDue(sheep);
    QVERIFY(due.has_value());
    QCOMPARE(sheepRow(*due), (DueRow{count, kind}));
}

void LivestockSchedulesTest::sheepResetToPlaceholders()
{
    QCOMPARE(sheepReset(), (DueRow{QStringLiteral("...."), QStringLiteral("....")}));
}

void LivestockSchedulesTest::sheepBeyondTheRuleHaveNoRow()
{
    QVERIFY(!sheepDue(2147483647.5).has_value());
    QVERIFY(!sheepDue(5e9).has_value());
    QVERIFY(!sheepDue(std::numeric_limits<double>::quiet_NaN()).has_value());
}

void LivestockSchedulesTest::cattleBands_data()
{
    QTest::addColumn<double>("cattle");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("notes");
    QTest::newRow("negative") << -3.0 << QStringList{"000", ".... ", "000", "...."} << "n1 sp sp sp sp";
    QTest::newRow("29") << 29.0 << QStringList{"000", ".... ", "000", "...."} << "n1 sp sp sp sp";
    QTest::newRow("29.9") << 29.9 << QStringList{"000", ".... ", "000", "...."} << "n1 sp sp sp sp";
    QTest::newRow("30, the nisab") << 30.0 << QStringList{"1", "تبيعة", "000", "...."} << "n2 n7 s23 s22 sp";
    QTest::newRow("39") << 39.0 << QStringList{"1", "تبيعة", "000", "...."} << "n2 n7 s23 s22 sp";
    QTest::newRow("40") << 40.0 << QStringList{"1", "مسنة", "000", ".... "} << "n3 n8 s23 s22 sp";
    QTest::newRow("59") << 59.0 << QStringList{"1", "مسنة", "000", ".... "} << "n3 n8 s23 s22 sp";
    QTest::newRow("60") << 60.0 << QStringList{"2", "تبيعة", "000", "...."} << "n2 n7 s23 s22 sp";
    QTest::newRow("70") << 70.0 << QStringList{"1", "تبيعة", "1", "مسنة"} << "n2 n7 s23 n4 sp";
    QTest::newRow("80") << 80.0 << QStringList{"2", "مسنة", "000", "....."} << "n3 s23 s23 s22 sp";
    QTest::newRow("90") << 90.0 << QStringList{"3", "تبيعة", "000", "...."} << "n2 n7 s23 s22 sp";
    QTest::newRow("100") << 100.0 << QStringList{"2", "تبيعة", "1", "مسنة"} << "n2 n7 s23 n4 sp";
    QTest::newRow("110") << 110.0 << QStringList{"1", "تبيعة", "2", "مسنة"} << "n2 n7 s23 n4 sp";
    QTest::newRow("120") << 120.0 << QStringList{"4", "تبيعة", "000", "...."} << "n2 n7 n5 n10 sp";
    QTest::newRow("129.5") << 129.5 << QStringList{"4", "تبيعة", "000", "...."} << "n2 n7 n5 n10 sp";
    QTest::newRow("130, one musinna") << 130.0 << QStringList{"3", "تبيعة", "1", "مسنة"} << "n2 n9 n5 s21 sp";
    QTest::newRow("139") << 139.0 << QStringList{"3", "تبيعة", "1", "مسنة"} << "n2 n9 n5 s21 sp";
    QTest::newRow("140, two musinna") << 140.0 << QStringList{"2", "تبيعة", "2", "مسنة"} << "n2 n9 n6 s21 sp";
    QTest::newRow("149.5 rounds to 150") << 149.5 << QStringList{"5", "تبيعة", "000", "...."} << "n2 n7 n10 n5 sp";
    QTest::newRow("150") << 150.0 << QStringList{"5", "تبيعة", "000", "...."} << "n2 n7 n10 n5 sp";
    QTest::newRow("160, note 10 offered") << 160.0 << QStringList{"4", "تبيعة", "1", "مسنة"} << "n2 n9 n5 n10 sp";
    QTest::newRow("170") << 170.0 << QStringList{"3", "تبيعة", "2", "مسنة"} << "n2 n9 n6 s21 sp";
    QTest::newRow("179") << 179.0 << QStringList{"3", "تبيعة", "2", "مسنة"} << "n2 n9 n6 s21 sp";
    QTest::newRow("200, note 11 offered") << 200.0 << QStringList{"4", "تبيعة", "2", "مسنة"} << "n2 n9 n6 n11 sp";
    QTest::newRow("240") << 240.0 << QStringList{"8", "تبيعة", "000", "...."} << "n2 n7 n10 n5 sp";
    QTest::newRow("1000") << 1000.0 << QStringList{"32", "تبيعة", "1", "مسنة"} << "n2 n9 n5 n10 sp";
}

void LivestockSchedulesTest::cattleBands()
{
    QFETCH(double, cattle);
    QFETCH(QStringList, cells);
    QFETCH(QString, notes);
    const auto rows = cattleDue(cattle);
    QVERIFY(rows.has_value());
    QCOMPARE(herdRows(*rows), expectedRows(cells, notesOf(notes, cattleTexts())));
}

void LivestockSchedulesTest::cattleResetToPlaceholders()
{
    const HerdRows reset = cattleReset();
    QCOMPARE(reset, expectedRows({"....", "....", "000", "...."},
                             notesOf("s18 s20 s21 s21 s21", cattleTexts())));
    // The runs, counted: 18 stops, a blank and 20 stops, then 21 stops.
    QCOMPARE(reset.notes[0].count(u'.'), 18);
    QCOMPARE(reset.notes[1], QLatin1Char(' ') + QString(20, u'.'));
    QCOMPARE(reset.notes[4].size(), 21);
}

void LivestockSchedulesTest::cattleBeyondTheRuleHaveNoRows()
{
    QVERIFY(!cattleDue(2147483647.5).has_value());
    QVERIFY(!cattleDue(5e9).has_value());
    QVERIFY(!cattleDue(std::numeric_limits<double>::quiet_NaN()).has_value());
    QVERIFY(cattleDue(2147483647.0).has_value());
}

void LivestockSchedulesTest::cattleRuleCoversTheHerdWithFewestMusinna()
{
    // t tabi'a (30 each) and s musinna (40 each) leave 0 to 9 head over, and
    // no combination with fewer musinna does.
    for (int n = 130; n <= 100000; ++n) {
        const auto rows = cattleDue(n);
        QVERIFY(rows.has_value());
        const int t = rows->firstCount;
        const int s = rows->secondCount;
        QVERIFY2(t >= 0 && s >= 0, qPrintable(QString::number(n)));
        const int over = n - (30 * t + 40 * s);
        QVERIFY2(over >= 0 && over <= 9, qPrintable(QString::number(n)));
        for (int fewer = 0; fewer < s; ++fewer) {
            const int rest = n - 40 * fewer;
            QVERIFY2(rest % 30 > 9, qPrintable(QStringLiteral("%1 head, %2 musinna").arg(n).arg(fewer)));
        }
    }
}

void LivestockSchedulesTest::entryIsReadAlikeByEveryPanel_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("outcome"); // reset, unchanged, or the count read
    QTest::newRow("empty") << "" << "reset";
    QTest::newRow("blanks") << "   " << "reset";
    QTest::newRow("prompt") << QStringLiteral("ادخل العدد فقط") << "unchanged";
    QTest::newRow("letters") << "abc" << "unchanged";
    QTest::newRow("inner blank") << "2 5" << "unchanged";
    QTest::newRow("blanks around") << " 250 " << "250";
    QTest::newRow("negative") << "-3" << "-3";
    QTest::newRow("exponent") << "2.5E2" << "250";
    QTest::newRow("arabic-indic digits") << QStringLiteral("٢٥٠") << "250";
    QTest::newRow("beyond 32 bits") << "5E9" << "unchanged";
}

void LivestockSchedulesTest::entryIsReadAlikeByEveryPanel()
{
    QFETCH(QString, entry);
    QFETCH(QString, outcome);
    const HeadCount read = readHeadCount(entry);
    QCOMPARE(read.empty, outcome == QLatin1String("reset"));
    if (outcome == QLatin1String("reset"))
        return;
    if (outcome == QLatin1String("unchanged")) {
        QVERIFY(!read.count || (!camelsDue(*read.count) && !sheepDue(*read.count)
                                && !cattleDue(*read.count)));
        return;
    }
    QCOMPARE(read.count, std::optional<double>(outcome.toDouble()));
}

QTEST_APPLESS_MAIN(LivestockSchedulesTest)
#include "test_livestock_schedules.moc"
