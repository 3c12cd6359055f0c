// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "core/dates.h"
#include "core/plaintext.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;
class QTextDocument;

// Said of an entry typed after the last computation, which has no result yet.
inline const QString kNotComputedYet = QStringLiteral("(لم يُحسب بعد)");

// The program's name, as its menu shows it and a printed page heads with it.
inline const QString kProgramName = QStringLiteral("حساب الزكاة");

// What a calculator window shows of its computation, as plain Arabic text:
// what the window computes, then one line per entry, result and note shown.
// Each window writes its own, from its controls and captions.
struct ComputationSummary {
    QString heading;
    QStringList lines;
    QDate date = QDate::currentDate(); // shown in the Gregorian and the Hijri calendar

    // "caption: value unit"; nothing when the value is empty.
    void add(const QString &caption, const QString &value, const QString &unit = QString());
    // A line of its own (a note, a panel's name, a breakdown).
    void addLine(const QString &line);

    // The heading, the date and the lines, one to a line.
    QString text() const;
};

// "التاريخ: " and the day in the Gregorian calendar and in the Hijri
// (civil) one, month names in Arabic and digits as the windows write them.
QString dateLine(const QDate &date);


// Whether a label holds a number rather than a placeholder or nothing.
bool showsNumber(const QString &text);
// Whether a label holds words (a note) rather than dots or blanks.
bool showsWords(const QString &text);

// The page a summary prints as: the program's name and the summary's date
// above the summary, right to left.
void layOutSummary(QTextDocument *document, const ComputationSummary &summary);
// Prints the summary on the device (a printer, or a PDF file).
void printSummary(const ComputationSummary &summary, QPagedPaintDevice *device);
