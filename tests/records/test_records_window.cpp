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
// opened again; the menu's reminder; an unreadable store left alone. The day
// is fixed at 15 Ramadan 1446.
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
    // The window the menu button opens, by its object name.
    QWidget *open(CommandButton *MainMenu::*button, const char *name);
    void press(QWidget *window, const char *button) { ::press(control<QAbstractButton>(window, QString::fromLatin1(button))); }
    // The example household computed in the whole-wealth window and saved.
    QWidget *saveExample(const QString &cash = QStringLiteral("10000"));
    QStringList recordRow(int row);
    QString path(const char *file) const { return QDir(m_folder).filePath(QString::fromLatin1(file)); }

    std::unique_ptr<OpenedWindow> m_open;
    QString m_folder = RecordStore::defaultFolder();
};

void RecordsWindowTest::init()
{
    fixToday(QDate(2025, 3, 15));
    QDir(m_folder).removeRecursively();
    RecordBook::instance().reload();
    m_open = std::make_unique<OpenedWindow>();
}

void RecordsWindowTest::cleanup()
{
    m_open.reset();
    QDir(m_folder).removeRecursively();
}

QWidget *RecordsWindowTest::open(CommandButton *MainMenu::*button, const char *name)
{
    ::press(m_open->menu->*button);
    return openWindows(QString::fromLatin1(name)).value(0);
}

QWidget *RecordsWindowTest::saveExample(const QString &cash)
{
    QWidget *wealth = open(&MainMenu::wealthButton, "frmzakat6");
    for (const auto &[name, text] : {std::pair{"cash", cash}, {"gold21", QStringLiteral("100")},
                                     {"goldPrice", QStringLiteral("300")},
                                     {"debts", QStringLiteral("2000")}})
        typeInto(control<QLineEdit>(wealth, QString::fromLatin1(name)), text);
    press(wealth, "compute");
    press(wealth, "saveRecord");
    return wealth;
}

QStringList RecordsWindowTest::recordRow(int row)
{
    auto *table = control<QTableWidget>(openWindows(QStringLiteral("frmzakat8")).value(0),
                                        QStringLiteral("records"));
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
    return cells;
}

void RecordsWindowTest::aSavedComputationComesBackWithTheSameResults()
{
    QWidget *wealth = open(&MainMenu::wealthButton, "frmzakat6");
    QVERIFY(!control<QAbstractButton>(wealth, QStringLiteral("saveRecord"))->isEnabled());
    HeardEvents heard;
    saveExample();
    const QString saved = QStringLiteral("حُفظ الحساب في سجل أنا لعام 1446 هـ");
    QCOMPARE(control<QLabel>(wealth, QStringLiteral("saveNote"))->text(), saved);
    QVERIFY(heard.announcements().contains(ui::spokenName(saved)));

    QWidget *records = open(&MainMenu::recordsButton, "frmzakat8");
    const QStringList row = recordRow(0);
    QCOMPARE(row.mid(2), (QStringList{"34250", "856.25", "0", "856.25"}));
    QVERIFY(row.at(1).startsWith(QStringLiteral("15 رمضان 1446 هـ")));
    // Opened again over emptied fields, the same entries give the same results.
    typeInto(control<QLineEdit>(wealth, QStringLiteral("cash")), QString());
    press(records, "openRecord");
    press(wealth, "compute");
    QCOMPARE(control<QLabel>(wealth, QStringLiteral("due"))->text(), QStringLiteral("856.25"));
}

void RecordsWindowTest::savingTheSameYearAgainAsksFirst()
{
    saveExample();
    const SeenBox asked = questionBox(
        QStringLiteral("في سجل أنا حساب لعام 1446 هـ. أتريد أن تضع هذا الحساب مكانه؟ تبقى "
                       "الدفعات المسجلة له."),
        QStringLiteral("سجل الزكاة"));
    for (const auto &[yes, due] : {std::pair{false, "856.25"}, {true, "1106.25"}}) {
        m_open->boxes.answerYes = yes;
        QCOMPARE(m_open->boxes.during([&] { saveExample(QStringLiteral("20000")); }),
                 QList<SeenBox>{asked});
        const Member *me = RecordBook::instance().reload().household.member(1);
        QCOMPARE(me->records.size(), 1);
        QCOMPARE(Record::text(me->records.first().results, kDueKey), QString::fromLatin1(due));
    }
}

void RecordsWindowTest::paymentsShowWhatRemainsAtOnce_data()
{
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QStringList>("paidAndLeft");
    QTest::addColumn<QString>("note");
    QTest::newRow("in part") << QStringList{"500"} << QStringList{"500", "356.25"}
                             << "سُجّلت دفعة 500 لعام 1446 هـ، والباقي 356.25";
    QTest::newRow("in full, in two") << QStringList{"800.1", "56.15"}
                                     << QStringList{"856.25", "0 (مُسدَّدة)"}
                                     << "سُجّلت دفعة 56.15 لعام 1446 هـ، والباقي 0";
    QTest::newRow("a refused amount")
        << QStringList{"12.345"} << QStringList{"0", "856.25"}
        << "اكتب المبلغ المدفوع عددًا أكبر من صفر، بمنزلتين عشريتين على الأكثر";
}

void RecordsWindowTest::paymentsShowWhatRemainsAtOnce()
{
    QFETCH(QStringList, amounts);
    QFETCH(QStringList, paidAndLeft);
    QFETCH(QString, note);
    saveExample();
    QWidget *records = open(&MainMenu::recordsButton, "frmzakat8");
    for (const QString &amount : amounts) {
        typeInto(control<QLineEdit>(records, QStringLiteral("paymentAmount")), amount);
        press(records, "addPayment");
    }
    QCOMPARE(recordRow(0).mid(4), paidAndLeft);
    QCOMPARE(control<QLabel>(records, QStringLiteral("note"))->text(), note);
}

void RecordsWindowTest::membersAreAddedRenamedAndRemovedAfterAsking()
{
    QWidget *records = open(&MainMenu::recordsButton, "frmzakat8");
    auto *member = control<QComboBox>(records, QStringLiteral("member"));
    for (const auto &[name, button] : {std::pair{"فاطمة", "addMember"}, {"فاطمة الزهراء", "renameMember"}}) {
        member->setEditText(QString::fromUtf8(name));
        press(records, button);
    }
    QCOMPARE(member->currentText(), QStringLiteral("فاطمة الزهراء"));
    QVERIFY(QFile::exists(path("records.json")));

    saveExample(); // for "أنا"
    auto remove = [&](const QString &name, bool yes) {
        member->setCurrentIndex(member->findText(name));
        m_open->boxes.answerYes = yes;
        return m_open->boxes.during([&] { press(records, "removeMember"); }).size();
    };
    QCOMPARE(remove(QStringLiteral("أنا"), false), 1); // has a record: asked, kept
    QCOMPARE(remove(QStringLiteral("فاطمة الزهراء"), false), 0); // none: not asked
    QCOMPARE(RecordBook::instance().reload().household.members().size(), 1);
    remove(QStringLiteral("أنا"), true);
    QCOMPARE(control<QLabel>(records, QStringLiteral("note"))->text(),
             QStringLiteral("يبقى في الأسرة فرد واحد على الأقل"));
}

void RecordsWindowTest::theMenuRemindsOfANearHawl()
{
    // A member whose hawl, 20 Ramadan, comes in five days, with no record this year.
    RecordBook::instance().change([](Household &household) {
        int id = 0;
        return household.addMember(QStringLiteral("فاطمة"), &id) == Change::Done
            && household.setHawl(id, Hawl{20, 9}) == Change::Done;
    });
    m_open->menu->remindOfHawl();
    LinkLabel *reminder = m_open->menu->hawlReminder;
    QVERIFY(reminder->isVisibleTo(m_open->menu));
    QCOMPARE(reminder->text(), QStringLiteral("يحلّ حول فاطمة في 20 رمضان 1446 هـ (20 مارس 2025 م)، "
                                              "ولم يُحفظ حسابه لهذا العام"));
    reminder->open();
    QWidget *records = openWindows(QStringLiteral("frmzakat8")).value(0);
    QCOMPARE(control<QComboBox>(records, QStringLiteral("member"))->currentText(),
             QStringLiteral("فاطمة"));
    QVERIFY(control<QLabel>(records, QStringLiteral("nextHawl"))->text().endsWith(QStringLiteral("بعد 5 أيام")));
}

void RecordsWindowTest::anUnreadableStoreIsLeftAsItIsAndSaid()
{
    const QByteArray damaged = "{\"format\": \"zakat-household-records\", \"version\": 2, \"mem";
    QFile file(path("records.json"));
    QVERIFY(QDir().mkpath(m_folder) && file.open(QIODevice::WriteOnly) && file.write(damaged) > 0);
    file.close();
    QWidget *wealth = saveExample();
    QVERIFY(control<QLabel>(wealth, QStringLiteral("saveNote"))->text().contains(QDir::toNativeSeparators(path("records.json"))));
    QWidget *records = open(&MainMenu::recordsButton, "frmzakat8");
    QVERIFY(control<QLabel>(records, QStringLiteral("storeStatus"))->isVisibleTo(records));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), damaged);
}

void RecordsWindowTest::theRecordIsExportedForASpreadsheet()
{
    saveExample();
    QWidget *records = open(&MainMenu::recordsButton, "frmzakat8");
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
        static_cast<QFileDialog *>(QApplication::activeModalWidget())->selectFile(path("export.csv"));
        QMetaObject::invokeMethod(QApplication::activeModalWidget(), "accept");
    });
    press(records, "exportCsv");
    QFile csv(path("export.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly) && csv.readAll().startsWith("\xEF\xBB\xBF"));
}

ZAKAT_GUI_TEST_MAIN(RecordsWindowTest)
#include "test_records_window.moc"
