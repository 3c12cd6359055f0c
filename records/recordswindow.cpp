// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "records/recordswindow.h"

#include "core/dates.h"
#include "core/numbers.h"
#include "records/amounts.h"
#include "records/csv.h"
#include "records/hawl.h"
#include "records/recordbook.h"
#include "ui/accessible.h"
#include "ui/announcer.h"
#include "ui/calculator.h"
#include "ui/desktopactions.h"
#include "ui/look.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>

#include <algorithm>

namespace {

const QString kCaption = QStringLiteral("سجل الزكاة");
const QString kMemberCaption = QStringLiteral("الفرد");
const QString kAddMember = QStringLiteral("إضافة فرد");
const QString kRenameMember = QStringLiteral("تغيير الاسم");
const QString kRemoveMember = QStringLiteral("حذف الفرد");
const QString kHawlCaption = QStringLiteral("يوم الحول وشهره");
const QString kHawlDayName = QStringLiteral("يوم الحول");
const QString kHawlMonthName = QStringLiteral("شهر الحول");
const QString kNoHawl = QStringLiteral("لم يُحدَّد");
const QString kRecordsCaption = QStringLiteral("الحسابات المحفوظة، عام في كل سطر");
const QStringList kRecordColumns = {QStringLiteral("العام الهجري"), QStringLiteral("تاريخ الحساب"),
                                    QStringLiteral("صافي المال"), QStringLiteral("الزكاة الواجبة"),
                                    QStringLiteral("المدفوع"), QStringLiteral("الباقي")};
const QString kPaymentsCaption = QStringLiteral("دفعات العام المحدد");
const QStringList kPaymentColumns = {QStringLiteral("التاريخ"), QStringLiteral("المبلغ"),
                                     QStringLiteral("ملاحظة")};
const QString kPaymentDateCaption = QStringLiteral("تاريخ الدفعة");
const QString kPaymentAmountCaption = QStringLiteral("المبلغ المدفوع");
const QString kPaymentNoteCaption = QStringLiteral("ملاحظة");
const QString kAddPayment = QStringLiteral("سجّل الدفعة");
const QString kOpenRecord = QStringLiteral("افتح الحساب في زكاة المال مجتمعًا");
const QString kDeleteRecord = QStringLiteral("احذف حساب العام");
const QString kExportCsv = QStringLiteral("صدّر السجل لبرامج الجداول");
const QString kCsvFilter = QStringLiteral("ملف جداول (*.csv)");
const QString kRemovePayment = QStringLiteral("احذف الدفعة المحددة");
const QString kNewStore = QStringLiteral("ابدأ سجلًا جديدًا بجانبه");
const QString kFullyPaid = QStringLiteral("0 (مُسدَّدة)");

const QString kNextHawl = QStringLiteral("الحول القادم: %1، %2، بعد %3");
const QString kHawlToday = QStringLiteral("الحول اليوم: %1، %2");
const QString kHawlUnset = QStringLiteral(
    "لم يُحدَّد الحول بعد: يبدأ من يوم أول حفظ لهذا الفرد، أو اختر يومه وشهره");

// What the window says it did, or why not.
const QString kMemberAdded = QStringLiteral("أُضيف %1 إلى الأسرة");
const QString kMemberRenamed = QStringLiteral("صار الاسم %1");
const QString kMemberRemoved = QStringLiteral("حُذف %1 من الأسرة");
const QString kHawlSet = QStringLiteral("حول %1 يوم %2 من %3");
const QString kPaymentAdded = QStringLiteral("سُجّلت دفعة %1 لعام %2 هـ، والباقي %3");
const QString kPaymentRemoved = QStringLiteral("حُذفت دفعة %1 من عام %2 هـ، والباقي %3");
const QString kNoPaymentChosen = QStringLiteral("اختر الدفعة من جدول الدفعات أولًا");
const QString kOtherStores = QStringLiteral(
    "في مجلد السجل ملفات سجل أخرى لم تُستعمل وبقيت كما هي: %1");
const QString kNotExportedUnreadable =
    QStringLiteral("لا يُصدَّر السجل وملفه لا يُقرأ، فلا يُكتب ملف ناقص");
const QString kRecordDeleted = QStringLiteral("حُذف حساب عام %1 هـ");
const QString kExported = QStringLiteral("صُدّر السجل كله إلى الملف %1");
const QString kNotExported = QStringLiteral("لم يُكتب الملف %1");
const QString kNothingDone = QStringLiteral("لم تغيّر شيئًا في السجل بعد");
const QString kNoRecordChosen = QStringLiteral("اختر عامًا من الجدول أولًا");
const QString kBusy = QStringLiteral(
    "نسخة أخرى من البرنامج تحفظ في السجل الآن، فأعد المحاولة بعد قليل");
const QString kNewStoreStarted =
    QStringLiteral("يُكتب السجل الجديد في الملف %1 عند أول حفظ، والملف القديم باقٍ كما هو");

QString refusal(Change change)
{
    switch (change) {
    case Change::Done:
    case Change::ReplacesRecord:
    case Change::HasRecords:
        break;
    case Change::NoSuchMember:
    case Change::NoSuchRecord:
    case Change::NoSuchPayment:
        return QStringLiteral("لم يعد في السجل ما اخترته، فقد غيّرته نسخة أخرى من البرنامج");
    case Change::EmptyName:
        return QStringLiteral("اكتب الاسم في خانة «الفرد»");
    case Change::NameTaken:
        return QStringLiteral("في الأسرة فرد بهذا الاسم");
    case Change::LastMember:
        return QStringLiteral("يبقى في الأسرة فرد واحد على الأقل");
    case Change::BadAmount:
        return QStringLiteral("اكتب المبلغ المدفوع عددًا أكبر من صفر، بمنزلتين عشريتين على الأكثر");
    case Change::BadDate:
        return QStringLiteral("اختر تاريخ الدفعة");
    case Change::BadHawl:
    case Change::BadYear:
        return QStringLiteral("اختر يوم الحول وشهره");
    }
    return QString();
}

// A figure of a record as the whole-wealth window writes it: a negative one
// kept with its sign in right-to-left text.
QString figure(const QString &stored)
{
    if (!stored.startsWith(u'-'))
        return stored;
    return QChar(u'\u2066') + stored + QChar(u'\u2069');
}

// How many days, in the form Arabic gives the number: يوم واحد، يومان،
// 3 أيام، 11 يومًا، 100 يوم.
QString daysText(qint64 days)
{
    if (days == 1)
        return QStringLiteral("يوم واحد");
    if (days == 2)
        return QStringLiteral("يومين");
    const qint64 lastTwo = days % 100;
    if (lastTwo >= 3 && lastTwo <= 10)
        return QStringLiteral("%1 أيام").arg(days);
    if (lastTwo >= 11)
        return QStringLiteral("%1 يومًا").arg(days);
    return QStringLiteral("%1 يوم").arg(days);
}

QString paymentText(const Payment &payment)
{
    return amountShown(payment.amount);
}

// The day and month of the hawl change only by a choice made on purpose: a
// wheel turned over them while the keyboard is elsewhere is not one.
class WheelOnlyWithFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return event->type() == QEvent::Wheel && !static_cast<QWidget *>(watched)->hasFocus();
    }
};

QString bothDates(const QDate &date)
{
    return hijriDateText(date) + QStringLiteral("، ") + gregorianDateText(date);
}

QStringList amountsOf(const Record &record)
{
    QStringList amounts;
    for (const Payment &payment : record.payments)
        amounts << payment.amount;
    return amounts;
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setData(Qt::AccessibleTextRole, ui::spokenName(text)); // without the tatweel of "هـ"
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

constexpr int kRowHeight = 420;
constexpr int kAmountMaxLength = 18;
constexpr int kNoteMaxLength = 60;

} // namespace

RecordsWindow::RecordsWindow() : DesignWindow(kDesignTwips)
{
    const DesignScale &at = scale();
    setUpWindow(this, QStringLiteral("frmzakat8"), kCaption, at.size(kDesignTwips),
                Colour::Aubergine, true);
    const QFont captionFont = at.font(Face::Arial, 12, Bold);
    const QFont tableFont = at.font(Face::SimplifiedArabic, 12, Bold);
    auto label = [&](const QString &name, const QString &text, const QRect &bounds,
                     const QColor &colour = Colour::White, Qt::Alignment alignment = Align::Right) {
        return new DesignLabel(this, name, text, bounds, captionFont, colour, alignment);
    };
    auto button = [&](const QString &name, const QString &text, const QRect &bounds) {
        return new CommandButton(this, name, text, bounds, captionFont, Colour::Lavender);
    };
    auto place = [&](QWidget *control, const QString &name, const QRect &bounds,
                     const QString &spoken) {
        placeControl(control, name, bounds, tableFont);
        control->setAccessibleName(spoken);
        return control;
    };

    new DesignLabel(this, QStringLiteral("heading"), kCaption, at.rect(240, 120, 12720, 600),
                    at.font(Face::Arial, 18, Underlined), Colour::White, Align::Centre);

    // The member, and their hawl.
    label(QStringLiteral("memberCaption"), kMemberCaption, at.rect(11040, 840, 1920, kRowHeight));
    member = new QComboBox(this);
    place(member, QStringLiteral("member"), at.rect(7920, 840, 3000, kRowHeight), kMemberCaption);
    member->setEditable(true);
    member->setInsertPolicy(QComboBox::NoInsert); // names are added with "إضافة فرد"
    member->lineEdit()->setAccessibleName(kMemberCaption);
    member->view()->setAccessibleName(kMemberCaption);
    addMemberButton = button(QStringLiteral("addMember"), kAddMember,
                             at.rect(5640, 840, 2160, kRowHeight));
    renameMemberButton = button(QStringLiteral("renameMember"), kRenameMember,
                                at.rect(3360, 840, 2160, kRowHeight));
    removeMemberButton = button(QStringLiteral("removeMember"), kRemoveMember,
                                at.rect(1080, 840, 2160, kRowHeight));
    label(QStringLiteral("hawlCaption"), kHawlCaption, at.rect(10440, 1380, 2520, kRowHeight));
    hawlDay = new QSpinBox(this);
    place(hawlDay, QStringLiteral("hawlDay"), at.rect(9360, 1380, 960, kRowHeight), kHawlDayName);
    hawlDay->setRange(0, 30);
    hawlDay->setKeyboardTracking(false); // a day typed is taken whole, not digit by digit
    hawlDay->findChild<QLineEdit *>()->setAccessibleName(kHawlDayName);
    hawlDay->setSpecialValueText(kNoHawl);
    hawlMonth = new QComboBox(this);
    place(hawlMonth, QStringLiteral("hawlMonth"), at.rect(7440, 1380, 1800, kRowHeight),
          kHawlMonthName);
    hawlMonth->view()->setAccessibleName(kHawlMonthName);
    hawlMonth->addItem(kNoHawl, 0);
    const QCalendar hijri = hijriCalendar();
    for (int month = 1; month <= 12; ++month)
        hawlMonth->addItem(hijri.standaloneMonthName(QLocale(QLocale::Arabic, QLocale::Egypt),
                                                     month),
                           month);
    nextHawl = label(QStringLiteral("nextHawl"), QString(), at.rect(240, 1380, 7080, 840),
                     Colour::LightGreen);

    // The records, newest first, and the payments of the one selected.
    label(QStringLiteral("recordsCaption"), kRecordsCaption, at.rect(240, 2340, 12720, kRowHeight),
          Colour::LightGreen, Align::Centre);
    records = new QTableWidget(0, int(kRecordColumns.size()), this);
    place(records, QStringLiteral("records"), at.rect(240, 2820, 12720, 2760), kRecordsCaption);
    records->setHorizontalHeaderLabels(kRecordColumns);
    label(QStringLiteral("paymentsCaption"), kPaymentsCaption,
          at.rect(6720, 5700, 6240, kRowHeight), Colour::LightGreen, Align::Centre);
    payments = new QTableWidget(0, int(kPaymentColumns.size()), this);
    place(payments, QStringLiteral("payments"), at.rect(6720, 6180, 6240, 1620), kPaymentsCaption);
    payments->setHorizontalHeaderLabels(kPaymentColumns);
    for (QTableWidget *table : {records, payments}) {
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        // Qt's default is the widest glyph of the font, which for an Arabic
        // face on Windows is wider than a column: the table would scroll.
        table->horizontalHeader()->setMinimumSectionSize(at.pixels(600));
        // Windows gives headers a font of their own, the system's.
        table->horizontalHeader()->setFont(tableFont);
        table->setTabKeyNavigation(false); // Tab leaves the table, the arrows move in it
        table->setWordWrap(true);
        ui::nameScrollArea(table, table->accessibleName());
        for (QAbstractButton *corner : table->findChildren<QAbstractButton *>())
            corner->setAccessibleName(table->accessibleName()); // selects the whole table
    }
    records->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    // The selected record: open it, delete it, or pay towards it.
    openRecordButton = button(QStringLiteral("openRecord"), kOpenRecord,
                              at.rect(3360, 5700, 3240, kRowHeight));
    deleteRecordButton = button(QStringLiteral("deleteRecord"), kDeleteRecord,
                                at.rect(240, 5700, 3000, kRowHeight));
    label(QStringLiteral("paymentDateCaption"), kPaymentDateCaption,
          at.rect(4320, 6240, 2280, kRowHeight));
    paymentDate = new QDateEdit(today(), this);
    place(paymentDate, QStringLiteral("paymentDate"), at.rect(240, 6240, 3960, kRowHeight),
          kPaymentDateCaption);
    // Typed day by day with the arrows, in the digits the windows write.
    paymentDate->setLocale(QLocale::c());
    paymentDate->findChild<QLineEdit *>()->setAccessibleName(kPaymentDateCaption);
    paymentDate->setDisplayFormat(QStringLiteral("d / M / yyyy"));
    label(QStringLiteral("paymentAmountCaption"), kPaymentAmountCaption,
          at.rect(4320, 6780, 2280, kRowHeight));
    paymentAmount = new EntryField(this, QStringLiteral("paymentAmount"), QString(),
                                   at.rect(240, 6780, 3960, kRowHeight), tableFont,
                                   Qt::AlignHCenter, kAmountMaxLength);
    paymentAmount->setAccessibleName(kPaymentAmountCaption);
    label(QStringLiteral("paymentNoteCaption"), kPaymentNoteCaption,
          at.rect(4320, 7320, 2280, kRowHeight));
    paymentNote = new EntryField(this, QStringLiteral("paymentNote"), QString(),
                                 at.rect(240, 7320, 3960, kRowHeight), tableFont, Align::Right,
                                 kNoteMaxLength);
    paymentNote->setAccessibleName(kPaymentNoteCaption);
    addPaymentButton = button(QStringLiteral("addPayment"), kAddPayment,
                              at.rect(240, 7860, 6360, kRowHeight));
    removePaymentButton = button(QStringLiteral("removePayment"), kRemovePayment,
                                 at.rect(6720, 7860, 6240, kRowHeight));

    note = label(QStringLiteral("note"), QString(), at.rect(240, 8460, 12720, kRowHeight),
                 Colour::LightGreen, Align::Centre);
    note->setAccessibleName(kNothingDone);
    storeStatus = label(QStringLiteral("storeStatus"), QString(),
                        at.rect(2520, 8460, 10440, 540), Colour::Yellow, Align::Right);
    storeStatus->hide();
    newStoreButton = button(QStringLiteral("newStore"), kNewStore,
                            at.rect(240, 8460, 2160, kRowHeight));
    newStoreButton->hide();
    exportCsvButton = button(QStringLiteral("exportCsv"), kExportCsv,
                             at.rect(4560, 9120, 4080, 600));

    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("back"), at.rect(11025, 9120, 1935, 600),
                       QStringLiteral("exit"), at.rect(240, 9120, 2055, 600), Colour::Lavender);
    backButton = backAndExit.back;
    exitButton = backAndExit.exit;
    addCalculatorActions(this, backAndExit, [this] { return summary(); },
                         {nextHawl, note, storeStatus});

    addMemberButton->setHandler([this] { addMember(); });
    renameMemberButton->setHandler([this] { renameMember(); });
    removeMemberButton->setHandler([this] { removeMember(); });
    addPaymentButton->setHandler([this] { addPayment(); });
    removePaymentButton->setHandler([this] { removePayment(); });
    openRecordButton->setHandler([this] { openRecord(); });
    deleteRecordButton->setHandler([this] { deleteRecord(); });
    exportCsvButton->setHandler([this] { exportCsv(); });
    newStoreButton->setHandler([this] { startNewStore(); });
    paymentAmount->setEnterHandler([this] { addPayment(); });
    paymentNote->setEnterHandler([this] { addPayment(); });
    connect(member, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            chooseMember(member->itemData(index).toInt());
    });
    auto *wheel = new WheelOnlyWithFocus(this);
    hawlDay->installEventFilter(wheel);
    hawlMonth->installEventFilter(wheel);
    connect(hawlDay, &QSpinBox::valueChanged, this, [this] { setHawl(); });
    connect(hawlMonth, &QComboBox::currentIndexChanged, this, [this] { setHawl(); });
    connect(records, &QTableWidget::itemSelectionChanged, this, &RecordsWindow::showPayments);
    connect(&RecordBook::instance(), &RecordBook::changed, this, &RecordsWindow::refresh);

    RecordBook::instance().reload();
    refresh();
    applyTabOrder(this, {QStringLiteral("member"), QStringLiteral("addMember"),
                         QStringLiteral("renameMember"), QStringLiteral("removeMember"),
                         QStringLiteral("hawlDay"), QStringLiteral("hawlMonth"),
                         QStringLiteral("records"), QStringLiteral("openRecord"),
                         QStringLiteral("deleteRecord"), QStringLiteral("payments"),
                         QStringLiteral("paymentDate"), QStringLiteral("paymentAmount"),
                         QStringLiteral("paymentNote"), QStringLiteral("addPayment"),
                         QStringLiteral("removePayment"),
                         QStringLiteral("newStore"), QStringLiteral("exportCsv"),
                         QStringLiteral("back"), QStringLiteral("exit")});
}

bool RecordsWindow::event(QEvent *event)
{
    // Back at the front, it reads the store again: another copy may have saved.
    if (event->type() == QEvent::WindowActivate)
        RecordBook::instance().reload();
    return DesignWindow::event(event);
}

const Member *RecordsWindow::chosen() const
{
    const Household &household = RecordBook::instance().state().household;
    const Member *found = household.member(m_memberId);
    return found ? found : &household.members().first();
}

const Record *RecordsWindow::selectedRecord() const
{
    const QList<QTableWidgetItem *> selected = records->selectedItems();
    if (selected.isEmpty())
        return nullptr;
    return chosen()->record(selected.first()->data(Qt::UserRole).toInt());
}

void RecordsWindow::chooseMember(int memberId)
{
    m_memberId = memberId;
    refresh();
}

void RecordsWindow::refresh()
{
    const StoreState &state = RecordBook::instance().state();
    const bool readable = state.status == StoreStatus::Ok || state.status == StoreStatus::NoFile;
    QStringList others;
    for (const QString &path : state.passedOver)
        others << QChar(0x2066) + QDir::toNativeSeparators(path) + QChar(0x2069);
    storeStatus->setText(!readable         ? storeMessage(state.status, state.path)
                         : others.isEmpty() ? QString()
                                            : kOtherStores.arg(others.join(QStringLiteral("، "))));
    storeStatus->setAccessibleName(storeStatus->text().isEmpty() ? kCaption
                                                                 : ui::spokenName(storeStatus->text()));
    storeStatus->setVisible(!storeStatus->text().isEmpty());
    // A file that could not be read this once (its folder's permissions, a
    // program holding it) is tried again, not replaced by another store.
    newStoreButton->setVisible(!readable && state.status != StoreStatus::Busy
                               && state.status != StoreStatus::IoError);
    note->setVisible(readable);

    const Member *shown = chosen();
    m_memberId = shown->id;
    const int selectedYear = selectedRecord() ? selectedRecord()->hijriYear : 0;
    {
        const QSignalBlocker quiet(member);
        member->clear();
        for (const Member &each : state.household.members())
            member->addItem(each.name, each.id);
        member->setCurrentIndex(member->findData(shown->id));
    }
    {
        const QSignalBlocker quietDay(hawlDay);
        const QSignalBlocker quietMonth(hawlMonth);
        hawlDay->setValue(shown->hawl ? shown->hawl->day : 0);
        hawlMonth->setCurrentIndex(shown->hawl ? shown->hawl->month : 0);
    }
    const QDate now = today();
    if (shown->hawl) {
        const QDate next = ::nextHawl(now, *shown->hawl);
        const qint64 days = daysToHawl(now, *shown->hawl);
        nextHawl->setText(days == 0 ? kHawlToday.arg(hijriDateText(next), gregorianDateText(next))
                                    : kNextHawl.arg(hijriDateText(next), gregorianDateText(next),
                                                    daysText(days)));
    } else {
        nextHawl->setText(kHawlUnset);
    }
    nextHawl->setAccessibleName(ui::spokenName(nextHawl->text()));

    const QSignalBlocker quietRecords(records);
    records->setRowCount(0);
    QList<Record> newestFirst = shown->records;
    std::sort(newestFirst.begin(), newestFirst.end(),
              [](const Record &a, const Record &b) { return a.hijriYear > b.hijriYear; });
    for (const Record &record : newestFirst) {
        const QString due = Record::text(record.results, kDueKey);
        const Remaining left = remainingDue(due, amountsOf(record));
        const int row = records->rowCount();
        records->insertRow(row);
        const QString texts[] = {QString::number(record.hijriYear) + QStringLiteral(" هـ"),
                                 bothDates(record.date),
                                 figure(Record::text(record.results, kNetWealthKey)),
                                 figure(due),
                                 left.paid,
                                 left.fullyPaid ? kFullyPaid : left.remaining};
        for (int column = 0; column < records->columnCount(); ++column) {
            QTableWidgetItem *item = cell(texts[column]);
            item->setData(Qt::UserRole, record.hijriYear);
            records->setItem(row, column, item);
        }
        // Selected through the model: selectRow() needs the table laid out.
        if (record.hijriYear == selectedYear || (selectedYear == 0 && row == 0))
            records->selectionModel()->setCurrentIndex(
                records->model()->index(row, 0),
                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    records->resizeRowsToContents();
    showPayments();
}

void RecordsWindow::showPayments()
{
    payments->setRowCount(0);
    const Record *record = selectedRecord();
    for (QWidget *control : {static_cast<QWidget *>(openRecordButton),
                             static_cast<QWidget *>(deleteRecordButton),
                             static_cast<QWidget *>(addPaymentButton),
                             static_cast<QWidget *>(removePaymentButton)})
        control->setEnabled(record);
    if (!record)
        return;
    for (const Payment &payment : record->payments) {
        const int row = payments->rowCount();
        payments->insertRow(row);
        payments->setItem(row, 0, cell(bothDates(payment.date)));
        payments->setItem(row, 1, cell(paymentText(payment)));
        payments->setItem(row, 2, cell(payment.note));
    }
    payments->resizeRowsToContents();
}

void RecordsWindow::say(const QString &sentence)
{
    note->setText(sentence);
    note->setAccessibleName(sentence);
    ui::announce(this, sentence);
}

bool RecordsWindow::change(const std::function<Change(Household &)> &edit, const QString &done)
{
    Change outcome = Change::Done;
    const StoreState &state = RecordBook::instance().change([&](Household &household) {
        outcome = edit(household);
        return outcome == Change::Done;
    });
    // A refused change leaves a store not yet written as it was: no file.
    if (state.status == StoreStatus::Busy)
        say(kBusy);
    else if (state.status != StoreStatus::Ok && state.status != StoreStatus::NoFile)
        say(storeMessage(state.status, state.path));
    else if (outcome != Change::Done)
        say(refusal(outcome));
    else
        say(done);
    return state.status == StoreStatus::Ok && outcome == Change::Done;
}

void RecordsWindow::addMember()
{
    const QString name = member->currentText().simplified();
    int id = 0;
    if (change([&](Household &household) { return household.addMember(name, &id); },
               kMemberAdded.arg(name)))
        chooseMember(id);
}

void RecordsWindow::renameMember()
{
    const QString name = member->currentText().simplified();
    const int id = chosen()->id;
    change([&](Household &household) { return household.renameMember(id, name); },
           kMemberRenamed.arg(name));
}

void RecordsWindow::removeMember()
{
    const Member *shown = chosen();
    const int id = shown->id;
    const QString name = shown->name;
    bool evenWithRecords = false;
    if (!shown->records.isEmpty()) {
        if (!askYesNo(this,
                      QStringLiteral("لـ%1 %2 من الحسابات المحفوظة. أتحذفه مع حساباته ودفعاته؟")
                          .arg(name, QString::number(shown->records.size())),
                      kCaption))
            return;
        evenWithRecords = true;
    }
    if (change([&](Household &household) { return household.removeMember(id, evenWithRecords); },
               kMemberRemoved.arg(name)))
        chooseMember(RecordBook::instance().state().household.members().first().id);
}

void RecordsWindow::setHawl()
{
    const Hawl hawl{hawlDay->value(), hawlMonth->currentIndex()};
    if (chosen()->hawl == std::optional<Hawl>(hawl))
        return; // as it is
    if (hawl.day == 0 || hawl.month == 0) {
        if (chosen()->hawl)
            refresh(); // a hawl set is changed, never taken back: show it again
        return;    // chosen in part
    }
    const int id = chosen()->id;
    change([&](Household &household) { return household.setHawl(id, hawl); },
           kHawlSet.arg(chosen()->name, QString::number(hawl.day), hawlMonth->currentText()));
}

void RecordsWindow::addPayment()
{
    const Record *record = selectedRecord();
    if (!record) {
        say(kNoRecordChosen);
        return;
    }
    const Payment payment{paymentDate->date(), trimBlanks(paymentAmount->text()),
                          paymentNote->text().simplified()};
    const int id = chosen()->id;
    const int year = record->hijriYear;
    Change outcome = Change::Done;
    const StoreState &state = RecordBook::instance().change([&](Household &household) {
        outcome = household.addPayment(id, year, payment);
        return outcome == Change::Done;
    });
    if (state.status != StoreStatus::Ok || outcome != Change::Done) {
        say(state.status == StoreStatus::Busy ? kBusy
            : state.status != StoreStatus::Ok ? storeMessage(state.status, state.path)
                                              : refusal(outcome));
        if (outcome == Change::BadAmount)
            paymentAmount->focusAndSelectAll();
        return;
    }
    const Record *saved = chosen()->record(year);
    const Remaining left = saved ? remainingDue(Record::text(saved->results, kDueKey),
                                                amountsOf(*saved))
                                 : Remaining();
    say(kPaymentAdded.arg(paymentText(payment), QString::number(year), left.remaining));
    paymentAmount->write(QString());
    paymentNote->write(QString());
}

void RecordsWindow::removePayment()
{
    const Record *record = selectedRecord();
    const int row = payments->currentRow();
    if (!record || row < 0 || row >= record->payments.size()) {
        say(kNoPaymentChosen);
        return;
    }
    const Payment payment = record->payments.at(row);
    const int id = chosen()->id;
    const int year = record->hijriYear;
    if (!askYesNo(this,
                  QStringLiteral("أتحذف دفعة %1 من عام %2 هـ؟").arg(paymentText(payment),
                                                                  QString::number(year)),
                  kCaption))
        return;
    if (!change([&](Household &household) { return household.removePayment(id, year, payment); },
                QString()))
        return;
    const Record *saved = chosen()->record(year);
    const Remaining left = saved ? remainingDue(Record::text(saved->results, kDueKey),
                                                amountsOf(*saved))
                                 : Remaining();
    say(kPaymentRemoved.arg(paymentText(payment), QString::number(year), left.remaining));
}

void RecordsWindow::openRecord()
{
    const Record *record = selectedRecord();
    if (record && m_openRecord)
        m_openRecord(chosen()->name, record->entries);
}

void RecordsWindow::deleteRecord()
{
    const Record *record = selectedRecord();
    if (!record)
        return;
    const int id = chosen()->id;
    const int year = record->hijriYear;
    if (!askYesNo(this,
                  QStringLiteral("أتحذف حساب عام %1 هـ من سجل %2 مع دفعاته؟")
                      .arg(QString::number(year), chosen()->name),
                  kCaption))
        return;
    change([&](Household &household) { return household.deleteRecord(id, year); },
           kRecordDeleted.arg(year));
}

void RecordsWindow::exportCsv()
{
    if (RecordBook::instance().reload().status != StoreStatus::Ok
        && RecordBook::instance().state().status != StoreStatus::NoFile) {
        say(kNotExportedUnreadable);
        return;
    }
    // Qt's own dialog, which speaks Arabic on every desktop.
    const QString path = QFileDialog::getSaveFileName(
        this, kExportCsv, QDir::home().filePath(QStringLiteral("سجل الزكاة.csv")), kCsvFilter,
        nullptr, QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    const Household &household = RecordBook::instance().reload().household;
    say(writeHouseholdCsv(household, path) ? kExported.arg(QDir::toNativeSeparators(path))
                                           : kNotExported.arg(QDir::toNativeSeparators(path)));
}

void RecordsWindow::startNewStore()
{
    RecordBook::instance().startNewStore();
    say(kNewStoreStarted.arg(QDir::toNativeSeparators(RecordBook::instance().state().path)));
}

ComputationSummary RecordsWindow::summary() const
{
    const Member *shown = chosen();
    ComputationSummary summary;
    summary.heading = kCaption + QStringLiteral(": ") + shown->name;
    summary.addLine(nextHawl->text());
    for (auto record = shown->records.crbegin(); record != shown->records.crend(); ++record) {
        const QString due = Record::text(record->results, kDueKey);
        const Remaining left = remainingDue(due, amountsOf(*record));
        summary.addLine(QStringLiteral("عام %1 هـ (%2): صافي المال %3، الزكاة الواجبة %4، "
                                       "المدفوع %5، الباقي %6")
                            .arg(record->hijriYear)
                            .arg(bothDates(record->date),
                                 figure(Record::text(record->results, kNetWealthKey)),
                                 figure(due), left.paid, left.remaining));
        for (const Payment &payment : record->payments)
            summary.addLine(QStringLiteral("دفعة %1: %2%3")
                                .arg(bothDates(payment.date), paymentText(payment),
                                     payment.note.isEmpty() ? QString()
                                                            : QStringLiteral(" (%1)").arg(payment.note)));
    }
    return summary;
}
