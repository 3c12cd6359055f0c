// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/mainmenu.h"
#include "app/startup.h"
#include "core/dates.h"
#include "records/recordbook.h"
#include "tests/support/guitest.h"
#include "tests/support/heard.h"
#include "ui/announcer.h"
#include "ui/linklabel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTableWidget>

// The household's record used as a user uses it: a computation saved from
// the whole-wealth window, found again in the records window, paid towards,
// opened again; the menu's reminder; an unreadable store left alone.
class RecordsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void aSavedComputationComesBackWithTheSameResults();
    void savingTheSameYearAgainAsksFirst();
    void paymentsShowWhatRemainsAtOnce_data();
    void paymentsShowWhatRemainsAtOnce();
    void membersAreAddedRenamedAndRemovedAfterAsking();
    void theMenuRemindsOfANearHawl();
    void anUnreadableStoreIsLeftAsItIsAndSaid();
    void theRecordIsExportedForASpreadsheet();

private:
    QWidget *open(CommandButton *MainMenu::*button);
    // The example household computed in the whole-wealth window and saved.
    void saveExample(const QString &cash = QStringLiteral("10000"));
    QString cellText(int row, int column) const;

    std::unique_ptr<OpenedWindow> m_open;
    QString m_folder;
};

namespace {
// 15 Ramadan 1446.
const QDate kToday(2025, 3, 15);
} // namespace

void RecordsWindowTest::init()
{
    fixToday(kToday);
    m_folder = RecordStore::defaultFolder();
    QDir(m_folder).removeRecursively();
    RecordBook::instance().reload();
    m_open = std::make_unique<OpenedWindow>();
}

void RecordsWindowTest::cleanup()
{
    m_open.reset();
    QDir(m_folder).removeRecursively();
}

QWidget *RecordsWindowTest::open(CommandButton *MainMenu::*button)
{
    press(m_open->menu->*button);
    const QString name = button == &MainMenu::wealthButton ? QStringLiteral("frmzakat6")
                                                           : QStringLiteral("frmzakat8");
    return control<QWidget>(openWindows(name).value(0), name == QLatin1String("frmzakat6")
                                                            ? QStringLiteral("compute")
                                                            : QStringLiteral("records"))
        ->window();
}

void RecordsWindowTest::saveExample(const QString &cash)
{
    QWidget *wealth = open(&MainMenu::wealthButton);
    for (const auto &[name, text] : {std::pair{"cash", cash}, {"gold21", QStringLiteral("100")},
                                     {"goldPrice", QStringLiteral("300")},
                                     {"debts", QStringLiteral("2000")}})
        typeInto(control<QLineEdit>(wealth, QString::fromLatin1(name)), text);
    press(control<QAbstractButton>(wealth, QStringLiteral("compute")));
    press(control<QAbstractButton>(wealth, QStringLiteral("saveRecord")));
}

QString RecordsWindowTest::cellText(int row, int column) const
{
    QWidget *records = openWindows(QStringLiteral("frmzakat8")).value(0);
    QTableWidgetItem *item = control<QTableWidget>(records, QStringLiteral("records"))->item(row, column);
    return item ? item->text() : QString();
}

void RecordsWindowTest::aSavedComputationComesBackWithTheSameResults()
{
    QWidget *wealth = open(&MainMenu::wealthButton);
    QVERIFY(!control<QAbstractButton>(wealth, QStringLiteral("saveRecord"))->isEnabled());
    HeardEvents heard;
    saveExample();
    const QString saved = QStringLiteral("حُفظ الحساب في سجل أنا لعام 1446 هـ");
    QCOMPARE(control<QLabel>(wealth, QStringLiteral("saveNote"))->text(), saved);
    QVERIFY(heard.announcements().contains(ui::spokenName(saved)));
    QVERIFY(QFile::exists(QDir(m_folder).filePath(QStringLiteral("records.json"))));

    open(&MainMenu::recordsButton);
    QCOMPARE((QStringList{cellText(0, 0), cellText(0, 2), cellText(0, 3), cellText(0, 4),
                          cellText(0, 5)}),
             (QStringList{"1446 هـ", "34250", "856.25", "0", "856.25"}));
    QVERIFY(cellText(0, 1).contains(QStringLiteral("15 رمضان 1446 هـ")));

    // Opened again, with the fields emptied first: the same entries give the
    // same results.
    QWidget *records = openWindows(QStringLiteral("frmzakat8")).first();
    typeInto(control<QLineEdit>(wealth, QStringLiteral("cash")), QString());
    press(control<QAbstractButton>(records, QStringLiteral("openRecord")));
    QCOMPARE(control<QLineEdit>(wealth, QStringLiteral("cash"))->text(), QStringLiteral("10000"));
    press(control<QAbstractButton>(wealth, QStringLiteral("compute")));
    QCOMPARE(control<QLabel>(wealth, QStringLiteral("due"))->text(), QStringLiteral("856.25"));
}

void RecordsWindowTest::savingTheSameYearAgainAsksFirst()
{
    saveExample();
    const QString question = QStringLiteral(
        "في سجل أنا حساب لعام 1446 هـ. أتريد أن تضع هذا الحساب مكانه؟ تبقى الدفعات المسجلة له.");
    for (const bool yes : {false, true}) {
        m_open->boxes.answerYes = yes;
        const QList<SeenBox> asked = m_open->boxes.during([&] { saveExample("20000"); });
        QCOMPARE(asked, QList<SeenBox>{questionBox(question, QStringLiteral("سجل الزكاة"))});
        const Member *me = RecordBook::instance().reload().household.member(1);
        QCOMPARE(me->records.size(), 1);
        QCOMPARE(Record::text(me->records.first().results, kDueKey),
                 yes ? QStringLiteral("1106.25") : QStringLiteral("856.25"));
    }
}

void RecordsWindowTest::paymentsShowWhatRemainsAtOnce_data()
{
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QString>("paid");
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<QString>("note");
    QTest::newRow("in part") << QStringList{"500"} << "500" << "356.25"
                             << "سُجّلت دفعة 500 لعام 1446 هـ، والباقي 356.25";
    QTest::newRow("in full, in two") << QStringList{"800.1", "56.15"} << "856.25" << "0 (مُسدَّدة)"
                                     << "سُجّلت دفعة 56.15 لعام 1446 هـ، والباقي 0";
    QTest::newRow("a refused amount") << QStringList{"12.345"} << "0" << "856.25"
                                      << "اكتب المبلغ المدفوع عددًا أكبر من صفر، بمنزلتين عشريتين على الأكثر";
}

void RecordsWindowTest::paymentsShowWhatRemainsAtOnce()
{
    QFETCH(QStringList, amounts);
    QFETCH(QString, paid);
    QFETCH(QString, remaining);
    QFETCH(QString, note);
    saveExample();
    QWidget *records = open(&MainMenu::recordsButton);
    for (const QString &amount : amounts) {
        typeInto(control<QLineEdit>(records, QStringLiteral("paymentAmount")), amount);
        press(control<QAbstractButton>(records, QStringLiteral("addPayment")));
    }
    QCOMPARE(cellText(0, 4), paid);
    QCOMPARE(cellText(0, 5), remaining);
    QCOMPARE(control<QLabel>(records, QStringLiteral("note"))->text(), note);
}

void RecordsWindowTest::membersAreAddedRenamedAndRemovedAfterAsking()
{
    QWidget *records = open(&MainMenu::recordsButton);
    auto *member = control<QComboBox>(records, QStringLiteral("member"));
    auto act = [&](const QString &typed, const char *button) {
        member->setEditText(typed);
        press(control<QAbstractButton>(records, QString::fromLatin1(button)));
    };
    act(QStringLiteral("فاطمة"), "addMember");
    act(QStringLiteral("فاطمة الزهراء"), "renameMember");
    QCOMPARE(member->currentText(), QStringLiteral("فاطمة الزهراء"));
    QCOMPARE(member->count(), 2);
    QVERIFY(QFile::exists(QDir(m_folder).filePath(QStringLiteral("records.json"))));

    saveExample(); // for "أنا"
    auto remove = [&](const QString &name, bool yes) {
        member->setCurrentIndex(member->findText(name));
        m_open->boxes.answerYes = yes;
        return m_open->boxes.during(
            [&] { press(control<QAbstractButton>(records, QStringLiteral("removeMember"))); });
    };
    QCOMPARE(remove(QStringLiteral("أنا"), false).size(), 1); // has a record: asked, kept
    QVERIFY(remove(QStringLiteral("فاطمة الزهراء"), false).isEmpty()); // none: not asked
    QCOMPARE(RecordBook::instance().reload().household.members().size(), 1);
    remove(QStringLiteral("أنا"), true);
    QCOMPARE(control<QLabel>(records, QStringLiteral("note"))->text(),
             QStringLiteral("يبقى في الأسرة فرد واحد على الأقل"));
}

void RecordsWindowTest::theMenuRemindsOfANearHawl()
{
    // A member whose hawl, 20 Ramadan, comes in five days, with no record this year.
    int id = 0;
    RecordBook::instance().change([&](Household &household) {
        return household.addMember(QStringLiteral("فاطمة"), &id) == Change::Done
            && household.setHawl(id, Hawl{20, 9}) == Change::Done;
    });
    m_open->menu->remindOfHawl();
    auto *reminder = m_open->menu->hawlReminder;
    QVERIFY(reminder->isVisibleTo(m_open->menu));
    QCOMPARE(reminder->text(), QStringLiteral("يحلّ حول فاطمة في 20 رمضان 1446 هـ (20 مارس 2025 م)، "
                                              "ولم يُحفظ حسابه لهذا العام"));
    reminder->open();
    QWidget *records = openWindows(QStringLiteral("frmzakat8")).value(0);
    QVERIFY(records);
    QCOMPARE(control<QComboBox>(records, QStringLiteral("member"))->currentText(),
             QStringLiteral("فاطمة"));
    QVERIFY(control<QLabel>(records, QStringLiteral("nextHawl"))->text().contains(QStringLiteral("بعد 5 يومًا")));
}

void RecordsWindowTest::anUnreadableStoreIsLeftAsItIsAndSaid()
{
    QDir().mkpath(m_folder);
    const QString path = QDir(m_folder).filePath(QStringLiteral("records.json"));
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("{\"format\": \"zakat-household-records\", \"version\": 2, \"mem");
    damaged.close();
    saveExample();
    QWidget *wealth = openWindows(QStringLiteral("frmzakat6")).first();
    QVERIFY(control<QLabel>(wealth, QStringLiteral("saveNote"))->text().contains(QDir::toNativeSeparators(path)));
    QWidget *records = open(&MainMenu::recordsButton);
    QVERIFY(control<QLabel>(records, QStringLiteral("storeStatus"))->isVisibleTo(records));
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("{\"format\": \"zakat-household-records\", \"version\": 2, \"mem"));
}

void RecordsWindowTest::theRecordIsExportedForASpreadsheet()
{
    saveExample();
    QWidget *records = open(&MainMenu::recordsButton);
    const QString path = QDir(m_folder).filePath(QStringLiteral("export.csv"));
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
        auto *dialog = static_cast<QFileDialog *>(QApplication::activeModalWidget());
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    press(control<QAbstractButton>(records, QStringLiteral("exportCsv")));
    QFile csv(path);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(QString::fromUtf8(bytes).contains(QStringLiteral("أنا")));
}

ZAKAT_GUI_TEST_MAIN(RecordsWindowTest)
#include "test_records_window.moc"
