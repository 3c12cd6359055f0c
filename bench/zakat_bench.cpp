// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

// The program's own start-up and windows, driven from outside: the start-up
// code through zakat_app, the windows through the menu's buttons, and the
// compute handlers called directly, as the program presses its buttons.
// Windows are found by their objectNames, the names the design gave them.
//
//   (the start-up alone is zakat_startup, linked as the program is)
//   zakat_bench memory           the menu and all eight windows, then VmHWM
//   zakat_bench windows ROUNDS   each window opened ROUNDS times from the menu
//   zakat_bench handlers COUNT   each compute handler called COUNT times
//   zakat_bench churn OPENINGS [WINDOW]
//                                one round of the eight windows, then OPENINGS
//                                more openings (all in turn, or only the
//                                window named), each closed with Back and
//                                destroyed; VmRSS after the first round and
//                                after every 500 further openings
//   zakat_bench records COUNT    the records window opened, a record saved
//                                from the whole-wealth window and a payment
//                                added, COUNT times each
//
// Every mode runs over a household record of 6 members x 30 years, each year
// with its payments, written first into a data folder of the run's own (the
// user's own record is never read), and reports whether start-up opened it
// before the menu's first frame.
#include "bench/firstframe.h"

#include "app/mainmenu.h"
#include "app/startup.h"
#include "livestock/livestockwindow.h"
#include "money/cashwindow.h"
#include "money/fitrwindow.h"
#include "money/goldwindow.h"
#include "money/silverwindow.h"
#include "money/wealthwindow.h"
#include "produce/producewindow.h"
#include "records/hawl.h"
#include "records/recordbook.h"
#include "records/recordswindow.h"
#include "core/dates.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <malloc.h>
#include <sys/inotify.h>
#include <unistd.h>
#include <vector>

namespace {

// A calculator window's Back button, or none when the widget is not that window.
template <class Window>
QAbstractButton *backButtonOf(QWidget *widget)
{
    auto *window = qobject_cast<Window *>(widget);
    return window ? window->backButton : nullptr;
}

struct Opening {
    const char *window; // its objectName
    CommandButton *MainMenu::*button;
    QAbstractButton *(*backButton)(QWidget *window);
};

// The windows added later last, so that the figures after the first five or
// six compare with a build whose bench opens only those.
const Opening kOpenings[] = {
    {"frmzakat1", &MainMenu::livestockButton, backButtonOf<LivestockWindow>},
    {"frmzakat4", &MainMenu::goldButton, backButtonOf<GoldWindow>},
    {"frmzakat3", &MainMenu::silverButton, backButtonOf<SilverWindow>},
    {"frmzakat2", &MainMenu::cashButton, backButtonOf<CashWindow>},
    {"frmzakat5", &MainMenu::produceButton, backButtonOf<ProduceWindow>},
    {"frmzakat6", &MainMenu::wealthButton, backButtonOf<WealthWindow>},
    {"frmzakat7", &MainMenu::fitrButton, backButtonOf<FitrWindow>},
    {"frmzakat8", &MainMenu::recordsButton, backButtonOf<RecordsWindow>},
};

const Opening &openingOf(const char *window)
{
    for (const Opening &opening : kOpenings)
        if (std::strcmp(opening.window, window) == 0)
            return opening;
    std::abort();
}

constexpr int kMembers = 6;
constexpr int kYears = 30;

QString memberName(int i)
{
    return QStringLiteral("فرد %1").arg(i + 1);
}

// A household as a long-kept record holds it: 6 members, each with 30 years
// of whole-wealth records (entries, results) and two payments a year, the
// last year before this one.
void writeHousehold()
{
    const int thisYear = zakatYear(today(), std::nullopt);
    const StoreState written = RecordStore().update([&](Household &household) {
        for (int m = 0; m < kMembers; ++m) {
            int id = 0;
            if (household.addMember(memberName(m), &id) != Change::Done
                || household.setHawl(id, Hawl{1 + m, 9}) != Change::Done)
                return false;
            for (int y = 0; y < kYears; ++y) {
                Record record;
                record.hijriYear = thisYear - kYears + y;
                record.date = today().addDays(-354 * (kYears - y));
                const QString cash = QString::number(20000 + 1000 * y + m);
                record.entries = {{QStringLiteral("cash"), cash},
                                  {QStringLiteral("gold21"), QStringLiteral("100")},
                                  {QStringLiteral("goldPrice"), QStringLiteral("300")},
                                  {QStringLiteral("silverPrice"), QStringLiteral("3.5")},
                                  {QStringLiteral("debts"), QStringLiteral("2000")},
                                  {QStringLiteral("nisabBasis"), QStringLiteral("lower")}};
                record.results = {{kNetWealthKey, cash}, {kDueKey, QStringLiteral("700")}};
                record.payments = {{record.date.addDays(1), QStringLiteral("400"), QStringLiteral("للجمعية")},
                                   {record.date.addDays(30), QStringLiteral("300"), QString()}};
                if (household.saveRecord(id, record, false) != Change::Done)
                    return false;
            }
        }
        return true;
    });
    if (written.status != StoreStatus::Ok) {
        std::fprintf(stderr, "the household's record could not be written\n");
        std::_Exit(1);
    }
}

void finish(int status)
{
    std::printf("qt %s\nplatform %s\n", qVersion(),
                QGuiApplication::platformName().toUtf8().constData());
    std::fflush(stdout);
    _exit(status);
}

template <class Window>
Window *topLevel(const char *name)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String(name) && widget->isVisible())
            if (auto *window = qobject_cast<Window *>(widget))
                return window;
    return nullptr;
}

// Opens the window by pressing its menu button and returns the nanoseconds
// from the press to the window's first frame, or -1.
std::int64_t openFromMenu(FirstFrameWatch &watch, MainMenu *menu, const Opening &opening)
{
    const QString name = QString::fromLatin1(opening.window);
    watch.expect(name);
    const std::int64_t pressed = monotonicNanoseconds();
    QTest::mouseClick(menu->*opening.button, Qt::LeftButton);
    const std::int64_t frame = watch.waitForFrame(name);
    return frame ? frame - pressed : -1;
}

// Back: the window closes and is destroyed later; destroy it now so the next
// opening starts from nothing, as it does for the user.
void closeAndDestroy(const char *name)
{
    if (QWidget *window = topLevel<QWidget>(name))
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Closes the window as the user does, with its Back button, then destroys it
// at once.
void backAndDestroy(const Opening &opening)
{
    QWidget *window = topLevel<QWidget>(opening.window);
    if (!window)
        finish(1);
    QAbstractButton *back = opening.backButton(window);
    if (!back)
        finish(1);
    QTest::mouseClick(back, Qt::LeftButton);
    if (window->isVisible())
        finish(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    if (topLevel<QWidget>(opening.window))
        finish(1);
}

// The churn line: openings after the first round, resident memory, and the
// heap bytes in use as malloc counts them (what the program holds, whatever
// the fragmentation of the heap), all in KiB.
void reportChurn(long openings)
{
    const struct mallinfo2 heap = mallinfo2();
    std::printf("churn %ld %ld %ld\n", openings, residentKiB(),
                long((heap.uordblks + heap.hblkhd) / 1024));
    std::fflush(stdout);
}

void benchChurn(FirstFrameWatch &watch, MainMenu *menu, long openings, const char *only)
{
    for (const Opening &opening : kOpenings) {
        if (openFromMenu(watch, menu, opening) < 0)
            finish(1);
        backAndDestroy(opening);
    }
    reportChurn(0);
    std::vector<const Opening *> turn;
    for (const Opening &opening : kOpenings)
        if (!only || std::strcmp(only, opening.window) == 0)
            turn.push_back(&opening);
    if (turn.empty())
        finish(2);
    for (long done = 1; done <= openings; ++done) {
        const Opening &opening = *turn[std::size_t(done - 1) % turn.size()];
        if (openFromMenu(watch, menu, opening) < 0)
            finish(1);
        backAndDestroy(opening);
        if (done % 500 == 0 || done == openings)
            reportChurn(done);
    }
}

MainMenu *startMenu(FirstFrameWatch &watch, QApplication &application)
{
    watch.expect(QStringLiteral("frmzakat"));
    prepareApplication(application);
    writeHousehold(); // in the data folder the program's name gives
    // Any opening of the record's folder or files from here to the first frame.
    const int opens = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (opens < 0 || inotify_add_watch(opens, QFile::encodeName(RecordStore::defaultFolder()).constData(),
                                       IN_OPEN | IN_ACCESS) < 0)
        finish(1);
    // What was opened by the first frame, by name ("" for the folder itself).
    QStringList opened;
    watch.setOnFrame([&](const QString &) {
        alignas(inotify_event) char events[4096];
        for (ssize_t got; (got = read(opens, events, sizeof events)) > 0;)
            for (char *at = events; at < events + got;) {
                const auto *event = reinterpret_cast<const inotify_event *>(at);
                opened << QString::fromLocal8Bit(event->len ? event->name : "");
                at += sizeof(inotify_event) + event->len;
            }
    });
    MainMenu *menu = showMainMenu();
    if (!watch.waitForFrame(QStringLiteral("frmzakat")))
        finish(1);
    watch.setOnFrame(nullptr);
    close(opens);
    if (!opened.isEmpty())
        std::fprintf(stderr, "opened before the first frame: \"%s\"\n",
                     qPrintable(opened.join(QStringLiteral("\", \""))));
    std::printf("store_read_before_first_frame %d\n", opened.isEmpty() ? 0 : 1);
    // What start-up queued behind the first frame runs before any user can
    // press a button; the first opening does not wait for it.
    QCoreApplication::processEvents();
    return menu;
}

// Calls the handler COUNT times, alternating two typical entries so that
// every call writes new texts into its labels; the entry is typed (written)
// outside the timing, and the paints the labels ask for run between calls.
// The run stops unless the first call changed what the result label shows
// (empty, or a placeholder, since the entry was typed).
void timeHandler(const char *key, int count, const std::function<void(int)> &enter,
                 const std::function<void()> &handler, const QLabel *result)
{
    for (int i = 0; i < count; ++i) {
        enter(i % 2);
        const QString before = result->text();
        const std::int64_t start = monotonicNanoseconds();
        handler();
        const std::int64_t end = monotonicNanoseconds();
        if (i == 0 && result->text() == before) {
            std::fprintf(stderr, "%s: the handler showed no result\n", key);
            finish(1);
        }
        std::printf("handler %s %lld\n", key, static_cast<long long>(end - start));
        if (i % 16 == 15)
            QCoreApplication::processEvents();
    }
}

void benchHandlers(FirstFrameWatch &watch, MainMenu *menu, int count)
{
    for (const Opening &opening : kOpenings)
        if (openFromMenu(watch, menu, opening) < 0)
            finish(1);
    auto *livestock = topLevel<LivestockWindow>("frmzakat1");
    auto *gold = topLevel<GoldWindow>("frmzakat4");
    auto *silver = topLevel<SilverWindow>("frmzakat3");
    auto *cash = topLevel<CashWindow>("frmzakat2");
    auto *produce = topLevel<ProduceWindow>("frmzakat5");
    auto *wealth = topLevel<WealthWindow>("frmzakat6");
    auto *fitr = topLevel<FitrWindow>("frmzakat7");
    if (!livestock || !gold || !silver || !cash || !produce || !wealth || !fitr)
        finish(1);

    auto entries = [](EntryField *field, const char *first, const char *second) {
        return [=](int which) { field->write(QString::fromLatin1(which ? second : first)); };
    };

    gold->priceField->write(QStringLiteral("250"));
    timeHandler("gold.computeDue", count, entries(gold->quantityField, "100", "150"),
                [=] { gold->computeDue(); }, gold->dueLabel);
    timeHandler("gold.computeValue", count, entries(gold->quantityField, "100", "150"),
                [=] { gold->computeValue(); }, gold->valueLabel);
    silver->priceField->write(QStringLiteral("3"));
    timeHandler("silver.computeDue", count, entries(silver->quantityField, "700", "900"),
                [=] { silver->computeDue(); }, silver->dueLabel);
    timeHandler("silver.computeValue", count, entries(silver->quantityField, "700", "900"),
                [=] { silver->computeValue(); }, silver->valueLabel);
    timeHandler("livestock.computeCamels", count,
                entries(livestock->camels.countField, "130", "200"),
                [=] { livestock->computeCamels(); }, livestock->camels.rows[0].kind);
    timeHandler("livestock.computeSheep", count,
                entries(livestock->sheep.countField, "150", "250"),
                [=] { livestock->computeSheep(); }, livestock->sheep.rows[0].kind);
    timeHandler("livestock.computeCattle", count,
                entries(livestock->cattle.countField, "75", "140"),
                [=] { livestock->computeCattle(); }, livestock->cattle.rows[0].kind);
    timeHandler("cash.compute", count, entries(cash->amountField, "150000", "250000"),
                [=] { cash->compute(); }, cash->dueLabel);
    timeHandler("produce.compute", count, entries(produce->quantityField, "1000", "1500"),
                [=] { produce->compute(); }, produce->shareLabel);
    // A typical household: cash at hand, 100 g of 21-karat gold at today's
    // price of gold, a debt due now.
    wealth->field(&WealthEntries::gold21)->write(QStringLiteral("100"));
    wealth->field(&WealthEntries::goldPrice)->write(QStringLiteral("300"));
    wealth->field(&WealthEntries::debts)->write(QStringLiteral("2000"));
    timeHandler("wealth.compute", count, entries(wealth->field(&WealthEntries::cash), "10000", "20000"),
                [=] { wealth->compute(); }, wealth->due);
    fitr->foodPrice->write(QStringLiteral("7"));
    timeHandler("fitr.compute", count, entries(fitr->persons, "6", "9"), [=] { fitr->compute(); },
                fitr->totalKg);
}

// The records window opened from the menu with the whole household's record,
// a record saved from the whole-wealth window (this year's record of the
// member removed first, outside the timing, so that no question is asked),
// and a payment added to it in the records window: COUNT times each.
void benchRecords(FirstFrameWatch &watch, MainMenu *menu, int count)
{
    const Opening &records = openingOf("frmzakat8");
    for (int i = 0; i <= count; ++i) {
        const std::int64_t took = openFromMenu(watch, menu, records);
        if (took < 0)
            finish(1);
        if (i > 0) // the first opening loads fonts and styles, as in the windows mode
            std::printf("records_open %lld\n", static_cast<long long>(took));
        closeAndDestroy(records.window);
    }

    if (openFromMenu(watch, menu, openingOf("frmzakat6")) < 0)
        finish(1);
    auto *wealth = topLevel<WealthWindow>("frmzakat6");
    wealth->field(&WealthEntries::cash)->write(QStringLiteral("34250"));
    wealth->field(&WealthEntries::goldPrice)->write(QStringLiteral("300"));
    wealth->compute();
    const QString name = memberName(2);
    wealth->member->setCurrentText(name);
    const int id = RecordBook::instance().memberNamed(name)->id;
    const int thisYear = zakatYear(today(), RecordBook::instance().memberNamed(name)->hawl);
    for (int i = 0; i < count; ++i) {
        RecordBook::instance().change(
            [&](Household &household) { return household.deleteRecord(id, thisYear) == Change::Done; });
        const std::int64_t start = monotonicNanoseconds();
        wealth->saveToRecord();
        const std::int64_t end = monotonicNanoseconds();
        const Member *saved = RecordBook::instance().memberNamed(name);
        if (!saved || !saved->record(thisYear)) {
            std::fprintf(stderr, "the record was not saved\n");
            finish(1);
        }
        std::printf("records_save %lld\n", static_cast<long long>(end - start));
        QCoreApplication::processEvents();
    }

    if (openFromMenu(watch, menu, records) < 0)
        finish(1);
    auto *window = topLevel<RecordsWindow>(records.window);
    window->member->setCurrentText(name);
    window->chooseMember(id);
    window->records->selectionModel()->setCurrentIndex( // the newest: this year's
        window->records->model()->index(0, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    for (int i = 0; i < count; ++i) {
        window->paymentAmount->write(QStringLiteral("10"));
        const std::int64_t start = monotonicNanoseconds();
        window->addPayment();
        const std::int64_t end = monotonicNanoseconds();
        const Record *paid = RecordBook::instance().memberNamed(name)->record(thisYear);
        if (!paid || paid->payments.size() != i + 1) {
            std::fprintf(stderr, "the payment was not added: %s\n", qPrintable(window->note->text()));
            finish(1);
        }
        std::printf("records_payment %lld\n", static_cast<long long>(end - start));
        QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // The run's own data folder, so that the user's record is neither read
    // nor written, holding a household's long-kept record.
    QTemporaryDir data;
    if (!data.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    QApplication application(argc, argv);
    FirstFrameWatch watch;
    const char *mode = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 30;

    MainMenu *menu = startMenu(watch, application);
    if (std::strcmp(mode, "memory") == 0) {
        // The peak after each window too, to see which one costs what, each
        // once the event loop has run what the window's first frame queued.
        std::printf("hwm_after frmzakat %ld\n", peakResidentKiB());
        for (const Opening &opening : kOpenings) {
            if (openFromMenu(watch, menu, opening) < 0)
                finish(1);
            QCoreApplication::processEvents();
            std::printf("hwm_after %s %ld\n", opening.window, peakResidentKiB());
        }
        std::printf("hwm_kib %ld\n", peakResidentKiB());
    } else if (std::strcmp(mode, "windows") == 0) {
        for (int round = 0; round <= count; ++round) {
            for (const Opening &opening : kOpenings) {
                const std::int64_t took = openFromMenu(watch, menu, opening);
                if (took < 0)
                    finish(1);
                // The first round loads the fonts and styles each window needs.
                std::printf("%s %s %lld\n", round == 0 ? "cold" : "open", opening.window,
                            static_cast<long long>(took));
                closeAndDestroy(opening.window);
            }
        }
    } else if (std::strcmp(mode, "churn") == 0) {
        benchChurn(watch, menu, argc > 2 ? std::atol(argv[2]) : 3000, argc > 3 ? argv[3] : nullptr);
    } else if (std::strcmp(mode, "handlers") == 0) {
        benchHandlers(watch, menu, count);
    } else if (std::strcmp(mode, "records") == 0) {
        benchRecords(watch, menu, count);
    } else {
        std::fprintf(stderr, "unknown mode %s\n", mode);
        finish(2);
    }
    finish(0);
}
