// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/shapes.h"

#include "ui/accessible.h"
#include "ui/designlabel.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

OutlineShape::OutlineShape(QWidget *window, const QString &name, const QRect &bounds,
                           const QColor &colour)
    : QWidget(window), m_colour(colour)
{
    setObjectName(name);
    setGeometry(bounds);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    ui::keepFromAssistiveTechnology(this);
}

namespace {

// The rectangle, in whole device pixels, that lies wholly inside the widget,
// with the painter set to draw in device pixels. At a fractional scale
// (1.25, 1.5, 1.75) a widget's edge falls inside a device pixel, which its
// neighbour or the clip may take: a line drawn on the edge itself loses its
// top or left side.
QRect wholePixelsInside(QPainter &painter, const QRect &logical)
{
    const QTransform toDevice = painter.deviceTransform();
    const QRectF device = toDevice.mapRect(QRectF(logical));
    painter.setWorldTransform(toDevice.inverted());
    const int left = int(std::ceil(device.left() - 0.01));
    const int top = int(std::ceil(device.top() - 0.01));
    const int right = int(std::floor(device.right() + 0.01)); // one past the last pixel
    const int bottom = int(std::floor(device.bottom() + 0.01));
    return QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

// A line one logical pixel wide, as whole device pixels.
int lineWidth(const QPainter &painter)
{
    return std::max(1, int(std::lround(painter.deviceTransform().m11())));
}

} // namespace

void OutlineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int width = lineWidth(painter);
    const QRect r = wholePixelsInside(painter, rect());
    painter.fillRect(QRect(r.left(), r.top(), r.width(), width), m_colour);
    painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), m_colour);
    painter.fillRect(QRect(r.left(), r.top(), width, r.height()), m_colour);
    painter.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), m_colour);
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
    ui::keepFromAssistiveTechnology(this);
}

void LineShape::paintEvent(QPaintEvent *)
{
    // The line runs along the left or top side of the widget, one pixel
    // wide; drawn as a strip of whole device pixels along that side.
    QPainter painter(this);
    const int width = lineWidth(painter);
    const QRect r = wholePixelsInside(painter, rect());
    if (m_from.x() == m_to.x())
        painter.fillRect(QRect(r.left(), r.top(), width, r.height()), m_colour);
    else if (m_from.y() == m_to.y())
        painter.fillRect(QRect(r.left(), r.top(), r.width(), width), m_colour);
    else {
        painter.resetTransform();
        painter.setPen(m_colour);
        painter.drawLine(m_from, m_to);
    }
}

void keepTextsOffRules(QWidget *window)
{
    constexpr int kRoom = 3; // pixels between a rule and the nearest text
    const QList<LineShape *> rules = window->findChildren<LineShape *>();
    for (DesignLabel *label : window->findChildren<DesignLabel *>()) {
        const QRect bounds = label->geometry();
        // A rule that only touches an edge of the label, the top of a table
        // under a caption, passes by the text; one through the label's middle
        // runs across it.
        const QPoint middle = bounds.center();
        QMargins margins = label->contentsMargins();
        for (const LineShape *rule : rules) {
            // The rule runs along the left or top side of its bounds, which
            // reach one pixel past it.
            const QRect line = rule->geometry().adjusted(0, 0, -1, -1);
            if (line.width() == 1 && line.left() >= bounds.left() && line.left() <= bounds.right()
                && line.top() <= middle.y() && line.bottom() >= middle.y()) {
                const int x = line.left();
                if (x - bounds.left() > bounds.right() - x)
                    margins.setRight(std::max(margins.right(), bounds.right() - x + kRoom));
                else
                    margins.setLeft(std::max(margins.left(), x - bounds.left() + kRoom));
            } else if (line.height() == 1 && line.top() >= bounds.top()
                       && line.top() <= bounds.bottom() && line.left() <= middle.x()
                       && line.right() >= middle.x()) {
                const int y = line.top();
                if (y - bounds.top() > bounds.bottom() - y)
                    margins.setBottom(std::max(margins.bottom(), bounds.bottom() - y + kRoom));
                else
                    margins.setTop(std::max(margins.top(), y - bounds.top() + kRoom));
            }
        }
        label->setContentsMargins(margins);
    }
}
