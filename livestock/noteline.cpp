// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "livestock/noteline.h"

#include "ui/look.h"

#include <QPainter>
#include <QStyle>

NoteLine::NoteLine(QWidget *window, const QString &name, const QString &note,
                   const QRect &bounds, const QFont &font, const QColor &textColour)
    : DesignLabel(window, name, QString(), bounds, font, textColour, Align::Right)
{
    setWordWrap(false);
    setText(note);
}

void NoteLine::setText(const QString &note)
{
    QLabel::setText(note);
    setToolTip(note);
    setAccessibleDescription(note);
}

QString NoteLine::shownText() const
{
    // The note reads right to left, so its end (the left side) is cut.
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void NoteLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), alignment() | Qt::TextSingleLine, palette(),
                          isEnabled(), shownText(), foregroundRole());
}
