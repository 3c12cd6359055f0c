// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "livestock/noteline.h"

#include "ui/look.h"

#include <QMouseEvent>

NoteLine::NoteLine(QWidget *window, const QString &name, const QString &note,
                   const QRect &bounds, const QFont &font, const QColor &textColour)
    : DesignLabel(window, name, note, bounds, font, textColour, Align::Right)
{
    setWordWrap(false);
    setCursor(Qt::PointingHandCursor);
    setAccessibleDescription(howToReadWhole());
}

QString NoteLine::howToReadWhole()
{
    return QStringLiteral("انقر سطر الملاحظة أو اضغط F2 لقراءة الملاحظات كاملة");
}

void NoteLine::mouseReleaseEvent(QMouseEvent *event)
{
    DesignLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
