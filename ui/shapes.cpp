// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/shapes.h"

#include "ui/accessible.h"
#include "ui/designlabel.h"

#include <QPainter>

OutlineShape::OutlineShape(QWidget *window, const QString &name, const QRect &bounds,
                           const QColor &colour)
    : QWidget(window), m_colour(colour)
{
    setObjectName(name);
    setGeometry(bounds);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    ui::keepFromAssistiveTechnology(this);
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
    ui::keepFromAssistiveTechnology(this);
}

void LineShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_colour);
    painter.drawLine(m_from, m_to);
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
