// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "bench/firstframe.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QWidget>
#include <QWindow>

#include <time.h>

std::int64_t monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1000000000 + now.tv_nsec;
}

namespace {

// The figure in KiB of the line "key:   N kB" of /proc/self/status, or -1.
long statusKiB(const QByteArray &key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

long peakResidentKiB()
{
    return statusKiB("VmHWM");
}

long residentKiB()
{
    return statusKiB("VmRSS");
}

FirstFrameWatch::FirstFrameWatch()
{
    qApp->installEventFilter(this);
}

FirstFrameWatch::~FirstFrameWatch()
{
    qApp->removeEventFilter(this);
}

void FirstFrameWatch::expect(const QString &windowName)
{
    m_frames.insert(windowName, 0);
    m_painted.insert(windowName, false);
}

std::int64_t FirstFrameWatch::frameTime(const QString &windowName) const
{
    return m_frames.value(windowName, 0);
}

std::int64_t FirstFrameWatch::waitForFrame(const QString &windowName)
{
    QElapsedTimer guard;
    guard.start();
    while (frameTime(windowName) == 0 && guard.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return frameTime(windowName);
}

// The watched window's name when the receiver is a watched top-level widget
// or its platform window; empty otherwise.
QString FirstFrameWatch::watchedWindowOf(QObject *receiver) const
{
    if (receiver->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(receiver);
        if (widget->isWindow() && m_frames.contains(widget->objectName()))
            return widget->objectName();
        return QString();
    }
    if (receiver->isWindowType()) {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->windowHandle() == receiver && m_frames.contains(widget->objectName()))
                return widget->objectName();
    }
    return QString();
}

bool FirstFrameWatch::eventFilter(QObject *receiver, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Paint && receiver->isWidgetType()) {
        const QString name = static_cast<QWidget *>(receiver)->window()->objectName();
        if (m_painted.contains(name))
            m_painted[name] = true;
        return false;
    }
    if (type != QEvent::Expose && type != QEvent::UpdateRequest)
        return false;
    const QString name = watchedWindowOf(receiver);
    if (name.isEmpty() || m_frames.value(name) != 0)
        return false;
    // The repaint that this event starts runs inside event(): deliver it here
    // so the time after it returns is the end of the frame.
    ++m_depth;
    receiver->event(event);
    --m_depth;
    if (m_painted.value(name)) {
        m_frames[name] = monotonicNanoseconds();
        if (m_onFrame)
            m_onFrame(name);
    }
    return true;
}
