// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/summary.h"

#include "core/numbers.h"

#include <QCalendar>
#include <QDate>
#include <QFont>
#include <QLocale>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

const QString kDateCaption = QStringLiteral("التاريخ");

// A printed page in the faces the windows use for their Arabic text.
QFont printFont(double points, bool bold)
{
    QFont font(QStringLiteral("Simplified Arabic"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void addParagraph(QTextCursor &cursor, const QString &text, const QFont &font, bool first)
{
    QTextBlockFormat block;
    block.setLayoutDirection(Qt::RightToLeft);
    block.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    block.setBottomMargin(font.pointSizeF() / 2);
    QTextCharFormat characters;
    characters.setFont(font);
    if (first)
        cursor.setBlockFormat(block);
    else
        cursor.insertBlock(block);
    cursor.setBlockCharFormat(characters);
    cursor.insertText(text, characters);
}

} // namespace

void ComputationSummary::add(const QString &caption, const QString &value, const QString &unit)
{
    const QString shown = trimBlanks(value);
    if (shown.isEmpty())
        return;
    QString line = readable(caption) + QStringLiteral(": ") + shown;
    if (!unit.isEmpty())
        line += u' ' + readable(unit);
    lines.append(line);
}

void ComputationSummary::addLine(const QString &line)
{
    const QString shown = readable(line);
    if (!shown.isEmpty())
        lines.append(shown);
}

QString ComputationSummary::text() const
{
    return QStringList(QStringList{heading, dateLine(date)} + lines).join(u'\n') + u'\n';
}

QString dateLine(const QDate &date)
{
    return kDateCaption + QStringLiteral(": ") + gregorianDateText(date) + QStringLiteral("، ")
        + hijriDateText(date);
}

bool showsNumber(const QString &text)
{
    return readNumber(text).has_value();
}

bool showsWords(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

void layOutSummary(QTextDocument *document, const ComputationSummary &summary)
{
    document->clear();
    QTextOption direction = document->defaultTextOption();
    direction.setTextDirection(Qt::RightToLeft);
    direction.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    document->setDefaultTextOption(direction);
    QTextCursor cursor(document);
    addParagraph(cursor, kProgramName, printFont(20, true), true);
    addParagraph(cursor, dateLine(summary.date), printFont(11, false), false);
    addParagraph(cursor, summary.heading, printFont(16, true), false);
    for (const QString &line : summary.lines)
        addParagraph(cursor, line, printFont(13, false), false);
}

void printSummary(const ComputationSummary &summary, QPagedPaintDevice *device)
{
    QTextDocument document;
    layOutSummary(&document, summary);
    document.print(device);
}
