// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "ui/designlabel.h"

#include <functional>

// A label that acts as a link: underlined, with the pointing hand, reached
// with Tab and opened with a click, Enter or Space. Assistive technology
// sees a link it can press.
class LinkLabel : public DesignLabel {
    Q_OBJECT
public:
    LinkLabel(QWidget *window, const QString &name, const QString &text, const QRect &bounds,
              const QFont &font, const QColor &textColour, Qt::Alignment alignment);

    void setHandler(std::function<void()> handler);
    // What opening the link does; also what a screen reader says of it.
    void open();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::function<void()> m_handler;
    bool m_pressed = false;
};
