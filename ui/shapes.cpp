// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/shapes.h"

#include <QPainter>

OutlineShape::OutlineShape(QWidget *window, const QString &name, const QRect &bounds,
                           const QColor &colour)
    : QWidget(window), m_colour(colour)
{
    setObjectName(name);
    setGeometry(bounds);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_colour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

LineShape::LineShape(QWidget *window, const QString &name, const QPoint &from, const QPoint &to,
                     const QColor &colour)
    : QWidget(window), m_colour(colour)
{
    setObjectName(name);
    const QRect bounds = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
    setGeometry(bounds);
    m_from = from - bounds.topLeft();
    m_to = to - bounds.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_colour);
    painter.drawLine(m_from, m_to);
}
