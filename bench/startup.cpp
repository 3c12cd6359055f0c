// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

// The program's start-up alone, linked as the program is (no QtTest, which
// zakat_bench needs to press buttons): the menu's first frame, then the
// menu's own Exit once what start-up queued behind the frame has run.
//
//   zakat_startup    prints frame_ns, the monotonic time of the first frame

#include "bench/firstframe.h"

#include "app/mainmenu.h"
#include "app/startup.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FirstFrameWatch watch;
    watch.expect(QStringLiteral("frmzakat"));
    prepareApplication(application);
    MainMenu *menu = showMainMenu();
    const std::int64_t frame = watch.waitForFrame(QStringLiteral("frmzakat"));
    if (!frame)
        _exit(1);
    std::printf("frame_ns %lld\nqt %s\nplatform %s\n", static_cast<long long>(frame), qVersion(),
                QGuiApplication::platformName().toUtf8().constData());
    std::fflush(stdout);
    QTimer::singleShot(0, menu, [menu] { menu->exit(); });
    application.exec();
    _exit(0); // no tear-down, as for the floor
}
