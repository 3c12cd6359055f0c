// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QLabel>

// A static label: wraps at word boundaries inside its bounds and paints
// nothing outside them. Transparent unless given a background colour. The
// stand-in faces of a desktop without the design faces are often wider or
// taller than the originals; where the text would not fit its bounds in the
// design size, it is drawn just small enough to fit whole.
class DesignLabel : public QLabel {
    Q_OBJECT
public:
    DesignLabel(QWidget *window, const QString &name, const QString &text, const QRect &bounds,
                const QFont &font, const QColor &textColour, Qt::Alignment alignment,
                const QColor &background = QColor());

    // The font the text is drawn in: the design font, or a smaller size of it
    // where words wrap.
    QFont fittedFont() const;
    // The text as drawn: the whole text, or its beginning and an ellipsis
    // where it cannot fit: a single word (a number) too wide for the label
    // even in the smallest size, or a label of a single line (setWordWrap
    // false) that is narrower than its text. A cut text shows whole in the
    // label's tooltip; text() and what assistive technology reads are always
    // the whole text.
    QString shownText() const;
    // How the text is laid out in the label's bounds.
    int drawingFlags() const;

    // What a listener hears of the label. A result is named by its caption,
    // the value it shows and its unit ("ألف: 6"), or by its caption alone
    // while it shows no value; any other label by its text. Either way
    // cleaned as spoken.
    void setSpokenCaption(const QString &caption, const QString &unit = QString());
    QString spokenText() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_spokenCaption;
    QString m_spokenUnit;
};
