// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

// Nanoseconds on the monotonic clock, which every process on the machine
// shares, so a parent and its child can be compared.
std::int64_t monotonicNanoseconds();

// Peak resident memory of this process in KiB (VmHWM), or -1.
long peakResidentKiB();
// Resident memory of this process now in KiB (VmRSS), or -1.
long residentKiB();

// Watches the whole application for the first frame of top-level windows by
// object name: the moment their first repaint (the window and every child
// drawn into the backing store and flushed) has returned. Installed on the
// application, so it sees windows that do not exist yet when it starts.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch();
    ~FirstFrameWatch() override;

    // Starts watching for the next first frame of the window with this name.
    void expect(const QString &windowName);
    // 0 until that frame has been drawn.
    std::int64_t frameTime(const QString &windowName) const;
    // Runs the event loop until the frame has been drawn (or 10 s passed).
    std::int64_t waitForFrame(const QString &windowName);
    // Called with the window's name the moment its first frame is drawn,
    // before anything queued behind it runs.
    void setOnFrame(std::function<void(const QString &)> onFrame) { m_onFrame = std::move(onFrame); }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    QString watchedWindowOf(QObject *receiver) const;

    QHash<QString, std::int64_t> m_frames; // name -> 0 while expected
    QHash<QString, bool> m_painted;        // name -> painted inside the current pass
    int m_depth = 0;
    std::function<void(const QString &)> m_onFrame;
};
