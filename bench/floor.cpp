// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

// The floor: the least a Qt Widgets program does to show one empty window of
// the menu's size. No Qt program gets its first frame on screen sooner.
#include "bench/firstframe.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    FirstFrameWatch watch;
    watch.expect(QStringLiteral("floor"));
    QWidget window;
    window.setObjectName(QStringLiteral("floor"));
    window.resize(726, 502);
    // "floor text": the same window with ten lines of Arabic in one Arabic
    // face, the least any program showing the menu's texts pays for fonts.
    if (argc > 1 && std::strcmp(argv[1], "text") == 0) {
        const QFont arabic(QStringLiteral("Noto Naskh Arabic"), 14);
        for (int line = 0; line < 10; ++line) {
            auto *label = new QLabel(QStringLiteral("زكــاة الذهب والفضة %1").arg(line), &window);
            label->setFont(arabic);
            label->setGeometry(20, 10 + 48 * line, 680, 44);
        }
    }
    window.show();
    const std::int64_t frame = watch.waitForFrame(QStringLiteral("floor"));
    // Closed once the event loop is idle, as the program quits, so that the
    // process's CPU time is from start to quit for both.
    QTimer::singleShot(0, &window, &QWidget::close);
    application.exec();
    std::printf("frame_ns %lld\n", static_cast<long long>(frame));
    std::printf("hwm_kib %ld\n", peakResidentKiB());
    std::printf("qt %s\nplatform %s\n", qVersion(),
                QGuiApplication::platformName().toUtf8().constData());
    std::fflush(stdout);
    _exit(frame ? 0 : 1); // no tear-down, for either program
}
