// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/designtext.h"

#include "ui/look.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

#include <cmath>

namespace {

constexpr int kFlagsLaidOutHere =
    int((Qt::AlignHorizontal_Mask & ~Qt::AlignJustify) | Qt::AlignVertical_Mask)
    | Qt::TextSingleLine | Qt::TextWordWrap | Qt::TextDontClip;

// Whether the text is laid out here: only where Qt's own way would sort the
// installed fonts first (a font of several faces, the first of them
// installed, as it is the face whose metrics the font has), and for what is
// done here as Qt does it.
bool laidOutHere(const QFont &font, int flags, Qt::LayoutDirection direction,
                 const QString &text)
{
    const QStringList families = font.families();
    return families.size() > 1 && isInstalledFamily(families.constFirst()) && !font.underline()
           && !font.overline()
           && !font.strikeOut() && (flags & ~kFlagsLaidOutHere) == 0
           && direction != Qt::LayoutDirectionAuto && !text.contains(QChar(0x9c)); // the mark between a text's length variants
}

// The text as Qt draws it in a rectangle: carriage returns and tabs as
// blanks, line feeds as line breaks, or as blanks on a single line.
QString shownText(const QString &text, int flags)
{
    const bool singleLine = flags & Qt::TextSingleLine;
    QString shown = text;
    for (QChar &character : shown) {
        if (character == u'\r' || character == u'\t' || (singleLine && character == u'\n'))
            character = u' ';
        else if (character == u'\n')
            character = QChar::LineSeparator;
    }
    return shown;
}

// The text laid out in lines in the room, as Qt lays out what it draws in a
// rectangle. `drawing` stops, as Qt does when it draws, at the first line
// that reaches the room's bottom.
struct Lines {
    Lines(const QFont &font, const QRectF &room, int givenFlags, Qt::LayoutDirection direction,
          const QString &text, bool drawing)
        : layout(shownText(text, givenFlags), font),
          flags(int(QStyle::visualAlignment(direction, Qt::Alignment(givenFlags))))
    {
        layout.setCacheEnabled(true);
        QTextOption option;
        option.setTextDirection(direction);
        option.setAlignment(Qt::AlignLeft); // each line is placed below
        layout.setTextOption(option);

        const QFontMetricsF metrics(ui::firstFaceOnly(font));
        if (text.isEmpty()) {
            height = metrics.height();
        } else {
            const qreal lineWidth =
                flags & Qt::TextWordWrap ? qMax<qreal>(0, room.width()) : 0x01000000;
            const qreal leading = metrics.leading();
            const bool clipped = !(flags & Qt::TextDontClip);
            height = -leading;
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid();
                 line = layout.createLine()) {
                line.setLineWidth(lineWidth);
                height = std::ceil(height + leading); // lines start on whole pixels
                line.setPosition(QPointF(0, height));
                height += line.ascent() + line.descent()
                          + (line.leadingIncluded() ? qMax<qreal>(0, line.leading()) : 0);
                width = qMax(width, line.naturalTextWidth());
                if (drawing && clipped && height >= room.height())
                    break;
            }
            layout.endLayout();
        }

        qreal x = 0;
        qreal y = 0;
        if (flags & Qt::AlignBottom)
            y = room.height() - height;
        else if (flags & Qt::AlignVCenter)
            y = (room.height() - height) / 2;
        if (flags & Qt::AlignRight)
            x = room.width() - width;
        else if (flags & Qt::AlignHCenter)
            x = (room.width() - width) / 2;
        bounds = QRectF(room.x() + x, room.y() + y, width, height);
    }

    QTextLayout layout;
    int flags; // with the alignment made physical
    qreal width = 0;
    qreal height = 0;
    QRectF bounds;
};

} // namespace

namespace ui {

QFont firstFaceOnly(const QFont &font)
{
    const QStringList families = font.families();
    if (families.size() < 2)
        return font;
    QFont first = font;
    first.setFamilies({families.first()});
    return first;
}

QRect textBounds(const QFont &font, const QRect &room, int flags, const QString &text)
{
    // Measured, Qt lays text out left to right.
    if (!laidOutHere(font, flags, Qt::LeftToRight, text))
        return QFontMetrics(font).boundingRect(room, flags, text);
    return Lines(font, room, flags, Qt::LeftToRight, text, false).bounds.toAlignedRect();
}

bool drawText(QPainter &painter, const QRect &room, int flags, const QString &text)
{
    const QFont font = painter.font();
    const Qt::LayoutDirection direction = painter.layoutDirection();
    if (text.isEmpty() || painter.pen().style() == Qt::NoPen
        || !laidOutHere(font, flags, direction, text)) {
        painter.drawText(room, flags, text);
        return false;
    }
    const Lines lines(font, room, flags, direction, text, true);
    const bool toTheRight = lines.flags & Qt::AlignRight;
    // Right to left, Qt moves a line ending in blanks by their width, which
    // only it knows: such text is left to Qt.
    if (toTheRight && direction == Qt::RightToLeft) {
        for (int i = 0; i < lines.layout.lineCount(); ++i) {
            const QTextLine line = lines.layout.lineAt(i);
            const int end = line.textStart() + line.textLength();
            if (line.textLength() > 0 && lines.layout.text().at(end - 1).isSpace()) {
                painter.drawText(room, flags, text);
                return false;
            }
        }
    }
    const bool clip = !(flags & Qt::TextDontClip) && !QRectF(room).contains(lines.bounds);
    if (clip) {
        painter.save();
        painter.setClipRect(QRectF(room), Qt::IntersectClip);
    }
    for (int i = 0; i < lines.layout.lineCount(); ++i) {
        const QTextLine line = lines.layout.lineAt(i);
        qreal x = 0;
        if (toTheRight)
            x = room.width() - line.horizontalAdvance();
        else if (lines.flags & Qt::AlignHCenter)
            x = (room.width() - line.horizontalAdvance()) / 2;
        line.draw(&painter, QPointF(room.x() + x, lines.bounds.y()));
    }
    if (clip)
        painter.restore();
    return true;
}

} // namespace ui
