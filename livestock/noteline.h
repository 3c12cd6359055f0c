// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "ui/designlabel.h"

// A note line of the livestock window: one line tall and narrower than most
// notes. It keeps its bounds and shows as much of its note as fits, cut with
// an ellipsis like every design label that keeps to one line; text() stays
// the whole note. A click on it asks for the notes whole.
class NoteLine : public DesignLabel {
    Q_OBJECT
public:
    NoteLine(QWidget *window, const QString &name, const QString &note, const QRect &bounds,
             const QFont &font, const QColor &textColour);

    // How a user reads the notes whole, for assistive technology.
    static QString howToReadWhole();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
