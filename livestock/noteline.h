// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"

// A note line of the livestock window: one line tall and narrower than most
// notes. It keeps its bounds, shows as much of its note as fits with an
// ellipsis where the note is cut, and offers the whole note as its tooltip and
// accessible description, so the user can always read it. text() stays the
// whole note.
class NoteLine : public DesignLabel {
    Q_OBJECT
public:
    NoteLine(QWidget *window, const QString &name, const QString &note, const QRect &bounds,
             const QFont &font, const QColor &textColour);

    // Writes the note; a note line is always written through this, never
    // through QLabel::setText, so that its tooltip follows.
    void setText(const QString &note);

    // The part of the note the line shows: the whole note when it fits,
    // otherwise its beginning and an ellipsis.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
