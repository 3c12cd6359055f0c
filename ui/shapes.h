// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QWidget>

// Decoration: a rectangle outline, or a straight line between two points,
// drawn beneath the labels and transparent to the mouse.
class OutlineShape : public QWidget {
    Q_OBJECT
public:
    OutlineShape(QWidget *window, const QString &name, const QRect &bounds, const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

class LineShape : public QWidget {
    Q_OBJECT
public:
    LineShape(QWidget *window, const QString &name, const QPoint &from, const QPoint &to,
              const QColor &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_colour;
};

// Keeps the text of every label of the window off the table rules that run
// through the label's bounds: the text keeps to the side of the rule where
// most of the label lies, a few pixels from it. The bounds stay as they are.
void keepTextsOffRules(QWidget *window);
