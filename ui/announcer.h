// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QString>

class QWidget;

namespace ui {

// Says one Arabic sentence for the window to assistive technology: a screen
// reader speaks it as a notification of that window. Nothing on screen
// changes. The sentence stays readable as the window's notification until the
// window announces the next one.
void announce(QWidget *window, const QString &sentence);

// A result the window showed was taken back by an edit. Said once, as
// "مُسحت النتيجة", when the handler that took it back is done, unless the
// window announced another sentence meanwhile (a new result): the keystrokes
// that follow take nothing more back and say nothing.
void resultTakenBack(QWidget *window);
inline const QString kResultTakenBack = QStringLiteral("مُسحت النتيجة");

// The sentence the window announced last; empty before the first.
QString lastAnnouncement(const QWidget *window);

// A text as a listener should hear it: without the tatweel that stretches it
// to its place on the window, without doubled blanks or blanks at its edges,
// and with the few slips of the design's spelling said right.
QString spokenName(const QString &drawnText);

} // namespace ui
