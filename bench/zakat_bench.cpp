// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

// The program's own start-up and windows, driven from outside: the start-up
// code through zakat_app, the windows through the menu's buttons, and the
// compute handlers called directly, as the program presses its buttons.
//
//   (the start-up alone is zakat_startup, linked as the program is)
//   zakat_bench memory           the menu and all five windows, then VmHWM
//   zakat_bench windows ROUNDS   each window opened ROUNDS times from the menu
//   zakat_bench handlers COUNT   each compute handler called COUNT times
//   zakat_bench churn OPENINGS [WINDOW]
//                                one round of the five windows, then OPENINGS
//                                more openings (all five in turn, or only the
//                                window named), each closed with Back and
//                                destroyed; VmRSS after the first round and
//                                after every 500 further openings
#include "bench/firstframe.h"

#include "app/frmzakat.h"
#include "livestock/frmzakat1.h"
#include "money/frmzakat2.h"
#include "money/frmzakat3.h"
#include "money/frmzakat4.h"
#include "produce/frmzakat5.h"
#include "app/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <malloc.h>
#include <unistd.h>
#include <vector>

namespace {

struct Opening {
    const char *window;
    CommandButton *frmzakat::*button;
};

const Opening kOpenings[] = {
    {"frmzakat1", &frmzakat::Command1}, // livestock
    {"frmzakat4", &frmzakat::Command2}, // gold
    {"frmzakat3", &frmzakat::Command3}, // silver
    {"frmzakat2", &frmzakat::Command4}, // cash and trade goods
    {"frmzakat5", &frmzakat::Command5}, // produce
};

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
std::int64_t openFromMenu(FirstFrameWatch &watch, frmzakat *menu, const Opening &opening)
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

// Closes the window as the user does, with its Back button (Command7 in every
// calculator window), then destroys it at once.
void backAndDestroy(const char *name)
{
    QWidget *window = topLevel<QWidget>(name);
    if (!window)
        finish(1);
    auto *back = window->findChild<QAbstractButton *>(QStringLiteral("Command7"));
    if (!back)
        finish(1);
    QTest::mouseClick(back, Qt::LeftButton);
    if (window->isVisible())
        finish(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    if (topLevel<QWidget>(name))
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

void benchChurn(FirstFrameWatch &watch, frmzakat *menu, long openings, const char *only)
{
    for (const Opening &opening : kOpenings) {
        if (openFromMenu(watch, menu, opening) < 0)
            finish(1);
        backAndDestroy(opening.window);
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
        backAndDestroy(opening.window);
        if (done % 500 == 0 || done == openings)
            reportChurn(done);
    }
}

frmzakat *startMenu(FirstFrameWatch &watch, QApplication &application)
{
    watch.expect(QStringLiteral("frmzakat"));
    prepareApplication(application);
    frmzakat *menu = showMainMenu();
    if (!watch.waitForFrame(QStringLiteral("frmzakat")))
        finish(1);
    // What start-up queued behind the first frame runs before any user can
    // press a button; the first opening does not wait for it.
    QCoreApplication::processEvents();
    return menu;
}

// Calls the handler COUNT times, alternating two typical entries so that
// every call writes new texts into its labels; the entry is typed (written)
// outside the timing, and the paints the labels ask for run between calls.
void timeHandler(const char *key, int count, const std::function<void(int)> &enter,
                 const std::function<void()> &handler, const std::function<bool()> &shown)
{
    for (int i = 0; i < count; ++i) {
        enter(i % 2);
        const std::int64_t start = monotonicNanoseconds();
        handler();
        const std::int64_t end = monotonicNanoseconds();
        if (i == 0 && !shown()) {
            std::fprintf(stderr, "%s: the handler showed no result\n", key);
            finish(1);
        }
        std::printf("handler %s %lld\n", key, static_cast<long long>(end - start));
        if (i % 16 == 15)
            QCoreApplication::processEvents();
    }
}

bool hasText(const QLabel *label)
{
    return !label->text().isEmpty();
}

void benchHandlers(FirstFrameWatch &watch, frmzakat *menu, int count)
{
    for (const Opening &opening : kOpenings)
        if (openFromMenu(watch, menu, opening) < 0)
            finish(1);
    auto *livestock = topLevel<frmzakat1>("frmzakat1");
    auto *gold = topLevel<frmzakat4>("frmzakat4");
    auto *silver = topLevel<frmzakat3>("frmzakat3");
    auto *cash = topLevel<frmzakat2>("frmzakat2");
    auto *produce = topLevel<frmzakat5>("frmzakat5");
    if (!livestock || !gold || !silver || !cash || !produce)
        finish(1);

    auto entries = [](EntryField *field, const char *first, const char *second) {
        return [=](int which) { field->write(QString::fromLatin1(which ? second : first)); };
    };

    gold->Text5->write(QStringLiteral("250"));
    timeHandler("gold.Command1_Click", count, entries(gold->Text1, "100", "150"),
                [=] { gold->Command1_Click(); }, [=] { return hasText(gold->lbl11); });
    timeHandler("gold.Command5_Click", count, entries(gold->Text1, "100", "150"),
                [=] { gold->Command5_Click(); }, [=] { return hasText(gold->Label11); });
    silver->Text5->write(QStringLiteral("3"));
    timeHandler("silver.Command1_Click", count, entries(silver->Text1, "700", "900"),
                [=] { silver->Command1_Click(); }, [=] { return hasText(silver->lbl11); });
    timeHandler("silver.Command5_Click", count, entries(silver->Text1, "700", "900"),
                [=] { silver->Command5_Click(); }, [=] { return hasText(silver->Label11); });
    timeHandler("livestock.Command1_Click", count, entries(livestock->Text1, "130", "200"),
                [=] { livestock->Command1_Click(); }, [=] { return hasText(livestock->lbl11); });
    timeHandler("livestock.Command2_Click", count, entries(livestock->Text2, "150", "250"),
                [=] { livestock->Command2_Click(); }, [=] { return hasText(livestock->lbl21); });
    timeHandler("livestock.Command3_Click", count, entries(livestock->Text3, "75", "140"),
                [=] { livestock->Command3_Click(); }, [=] { return hasText(livestock->lbl31); });
    timeHandler("cash.Command3_Click", count, entries(cash->Text3, "150000", "250000"),
                [=] { cash->Command3_Click(); }, [=] { return hasText(cash->lbl3); });
    timeHandler("produce.Command1_Click", count, entries(produce->Text1, "1000", "1500"),
                [=] { produce->Command1_Click(); }, [=] { return hasText(produce->lbl1); });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FirstFrameWatch watch;
    const char *mode = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 30;

    frmzakat *menu = startMenu(watch, application);
    if (std::strcmp(mode, "memory") == 0) {
        // The peak after each window too, to see which one costs what.
        std::printf("hwm_after frmzakat %ld\n", peakResidentKiB());
        for (const Opening &opening : kOpenings) {
            if (openFromMenu(watch, menu, opening) < 0)
                finish(1);
            std::printf("hwm_after %s %ld\n", opening.window, peakResidentKiB());
        }
        QCoreApplication::processEvents();
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
    } else {
        std::fprintf(stderr, "unknown mode %s\n", mode);
        finish(2);
    }
    finish(0);
}
