// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "records/csv.h"
#include "records/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

bool renameMe(Household &household)
{
    return household.renameMember(1, "أنا وأهلي") == Change::Done;
}

// Starts the helper that saves for the first member the years from first on.
QProcess *startSaver(QObject *parent, const QString &folder, int first, int count)
{
    auto *saver = new QProcess(parent);
    saver->start(QCoreApplication::applicationDirPath() + "/record_saver",
                 {folder, QString::number(first), QString::number(count)});
    return saver;
}

// The years a helper said it saved: whole lines only.
QList<int> savedYears(const QByteArray &output)
{
    QList<int> years;
    const QList<QByteArray> lines = output.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        years.append(lines[i].mid(6).toInt());
    return years;
}

// A store as the first version of the program wrote it.
const QByteArray kVersion1 = R"({"format": "zakat-household-records", "version": 1,
        "records": [{"member": "خالد", "hijriYear": 1445, "date": "2024-03-20",
          "entries": {"cash": "1000"}, "results": {"netWealth": "1000", "due": "25"},
          "payments": [{"date": "2024-03-21", "amount": "25"}]},
        {"member": "أنا", "hijriYear": 1446, "date": "2025-03-15", "entries": {},
          "results": {}, "payments": []},
        {"member": "خالد", "hijriYear": 1444, "date": "2023-03-25", "entries": {},
          "results": {}, "payments": []}]})";
const QByteArray kOurs = R"({"format": "zakat-household-records", "version": )";

} // namespace

class RecordStoreTest : public QObject {
    Q_OBJECT
private slots:
    void keepsEveryFieldAsTyped()
    {
        QTemporaryDir dir;
        Household household;
        const QString note = "قال: \"للجمعية\"، ثم\nسطر, آخر";
        QVERIFY(renameMe(household));
        QCOMPARE(household.addMember("فاطمة"), Change::Done);
        QCOMPARE(household.setHawl(2, {30, 12}), Change::Done);
        const Record record{1446, QDate(2025, 3, 15),
                            {{"gold21", "100"}, {"cash", "١٠٠٠٠٫٥"}, {"nisabBasis", "الأقل"}},
                            {{"netWealth", "34250"}, {"due", "856.25"}}, {}};
        QCOMPARE(household.saveRecord(1, record, false), Change::Done);
        QCOMPARE(household.addPayment(1, 1446, {QDate(2025, 3, 20), "100.5", note}), Change::Done);

        const auto saveAll = [&](Household &stored) { return (stored = household), true; };
        QCOMPARE(RecordStore(dir.path()).update(saveAll).status, StoreStatus::Ok);
        const StoreState loaded = RecordStore(dir.path()).load();
        QCOMPARE(documentBytes(loaded.household), documentBytes(household));
        QCOMPARE(loaded.household.member(1)->records.at(0).entries, record.entries);
        QCOMPARE(loaded.household.member(1)->records.at(0).payments.at(0).note, note);

        const QString csv = QString::fromUtf8(householdCsv(loaded.household));
        QVERIFY(householdCsv(household).startsWith("\xEF\xBB\xBF"));
        QVERIFY(csv.contains("\r\nأنا وأهلي,1446,حساب الزكاة,15 رمضان 1446 هـ,2025-03-15,"
                             "34250,856.25,100.5,755.75,,\r\n"));
        QVERIFY(csv.contains(",100.5,\"قال: \"\"للجمعية\"\"، ثم\nسطر, آخر\"\r\n"));
    }

    void writesNothingBeforeTheFirstSave()
    {
        QTemporaryDir dir;
        RecordStore store(dir.filePath("zakat/records"));
        auto removeLast = [](Household &h) { return h.removeMember(1, true) == Change::Done; };
        QCOMPARE(store.update(removeLast).status, StoreStatus::NoFile); // refused
        QVERIFY(!QFileInfo::exists(dir.filePath("zakat")));
        QCOMPARE(store.update(renameMe).status, StoreStatus::Ok);
        QCOMPARE(QDir(store.folder()).entryList(QDir::Files), QStringList{"records.json"});
    }

    void movesAnOlderFileForward_data()
    {
        QTest::addColumn<bool>("copyKeptBefore");
        QTest::addColumn<QString>("copyName");
        QTest::newRow("first move") << false << "records.json.v1.bak";
        QTest::newRow("a copy already kept") << true << "records.json.v1-2.bak";
    }

    void movesAnOlderFileForward()
    {
        QFETCH(bool, copyKeptBefore);
        QFETCH(QString, copyName);
        QTemporaryDir dir;
        write(dir.filePath("records.json"), kVersion1);
        if (copyKeptBefore)
            write(dir.filePath("records.json.v1.bak"), "an older copy");

        QCOMPARE(RecordStore(dir.path()).update([](Household &h) {
            return h.addPayment(2, 1446, {QDate(2025, 3, 16), "5", "باقي"}) == Change::Done;
        }).status, StoreStatus::Ok);
        QCOMPARE(bytesOf(dir.filePath(copyName)), kVersion1);
        if (copyKeptBefore)
            QCOMPARE(bytesOf(dir.filePath("records.json.v1.bak")), "an older copy");

        const StoredDocument stored = readDocument(bytesOf(dir.filePath("records.json")));
        QCOMPARE(stored.version, 2);
        const Member *khalid = stored.household.member(1);
        QCOMPARE(khalid->name, "خالد");
        QCOMPARE(khalid->hawl, std::optional<Hawl>({3, 9})); // 2023-03-25 is 3 Ramadan 1444
        QCOMPARE(khalid->records.size(), 2);
        QCOMPARE(khalid->records.at(1).payments.at(0).amount, "25");
        QCOMPARE(Record::text(khalid->records.at(1).results, "due"), "25");
        QCOMPARE(stored.household.member(2)->record(1446)->payments.at(0).note, "باقي");
    }

    void leavesAnUnreadableFileAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<StoreStatus>("status");
        QTest::addColumn<QString>("saying");
        using S = StoreStatus;
        QTest::newRow("not JSON") << QByteArray("zakat\n") << S::Damaged << "تالف";
        QTest::newRow("cut short") << kOurs + R"(2, "members": [)" << S::Damaged << "تالف";
        QTest::newRow("laid out otherwise")
            << kOurs + R"(2, "nextMemberId": 2, "members": [{"id": 1}]})"
            << S::Damaged << "تالف";
        QTest::newRow("another program's") << QByteArray(R"({"members": []})") << S::NotOurs
                                           << "ليس سجلًّا";
        QTest::newRow("a later version") << kOurs + R"(3})" << S::Newer << "إصدار أحدث";
    }

    void leavesAnUnreadableFileAlone()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(StoreStatus, status);
        QFETCH(QString, saying);
        QTemporaryDir dir;
        const QString path = dir.filePath("records.json");
        write(path, bytes);
        RecordStore store(dir.path());
        const StoreState loaded = store.load();
        QCOMPARE(loaded.status, status);
        const QString message = storeMessage(status, loaded.path);
        QVERIFY(message.contains(saying) && message.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(store.update(renameMe).status, status);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"records.json"});

        QCOMPARE(store.startNewStore(), dir.filePath("records-2.json"));
        QCOMPARE(store.update(renameMe).status, StoreStatus::Ok);
        QCOMPARE(bytesOf(path), bytes);
        const StoreState restarted = RecordStore(dir.path()).load();
        QCOMPARE(restarted.path, dir.filePath("records-2.json"));
        QCOMPARE(restarted.passedOver, QStringList{path});
        QCOMPARE(restarted.household.member(1)->name, "أنا وأهلي");
    }

    // Killed at random moments, a copy of the program saving again and again
    // leaves a readable store holding every save it reported.
    void keepsEverySaveThatReturnedBeforeAKill()
    {
        QTemporaryDir dir;
        QList<int> reported;
        for (int round = 0; round < 40; ++round) {
            QProcess *saver = startSaver(this, dir.path(), 1 + 200 * round, 200);
            QVERIFY(saver->waitForStarted());
            // A few saves in, whatever the machine's speed, and a moment more.
            const int saves = QRandomGenerator::global()->bounded(6);
            QByteArray output;
            while (output.count('\n') < saves && saver->waitForReadyRead(10000))
                output += saver->readAllStandardOutput();
            QThread::msleep(QRandomGenerator::global()->bounded(20));
            saver->kill();
            QVERIFY(saver->waitForFinished());
            reported += savedYears(output + saver->readAllStandardOutput());
            delete saver;
            const StoreState state = RecordStore(dir.path()).load();
            QVERIFY(state.status == StoreStatus::Ok || reported.isEmpty());
            for (const int year : reported)
                QVERIFY2(state.household.member(1)->record(year), QByteArray::number(year));
        }
        QVERIFY2(reported.size() > 40, "too few saves returned to tell anything");
    }

    void twoCopiesSavingAtOnceLoseNothing()
    {
        QTemporaryDir dir;
        QProcess *first = startSaver(this, dir.path(), 1001, 50);
        QProcess *second = startSaver(this, dir.path(), 1051, 50);
        QVERIFY(first->waitForFinished(60000) && second->waitForFinished(60000));
        QCOMPARE(RecordStore(dir.path()).load().household.member(1)->records.size(), 100);
    }
};

QTEST_GUILESS_MAIN(RecordStoreTest)
#include "test_record_store.moc"
