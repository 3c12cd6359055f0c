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

    // A result can be reached with Tab, after the window's own controls,
    // while it shows one; until then (dots, blanks, a run of zeros holding a
    // place, or a box whose name beside it is hidden) it is heard as
    // "لا نتيجة بعد" and Tab passes it by. A result that an edit takes back
    // is told once, for the whole window.
    void makeReachable();
    bool isReachableResult() const { return m_reachable; }
    // The name beside a box, shown only while the box holds a result.
    void setShownWith(const QWidget *name) { m_shownWith = name; }
    // A box heard after this result's value, by its name, while it holds one.
    void setReadWith(const QWidget *box) { m_readWith = box; }
    bool showsResult() const;
    QString spokenCaptionAndUnit() const;
    // Writes the text; a result keeps its place in the Tab order up to date.
    void setText(const QString &text);
    // Takes the result in or out of the Tab order by what it shows now.
    void refreshReachable();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_spokenCaption;
    QString m_spokenUnit;
    bool m_reachable = false;
    const QWidget *m_shownWith = nullptr;
    const QWidget *m_readWith = nullptr;
};

// Said of a result that shows none yet.
inline const QString kNoResultYet = QStringLiteral("لا نتيجة بعد");

// Once a window's controls are made: its results come after its own
// controls in the Tab order, in the order the window made them reachable,
// and what a listener would hear twice or as a result is kept from
// assistive technology: a label that only holds a place (dots, blanks), and
// a caption or unit whose words a result's name or a field's name already
// says.
void settleResults(QWidget *window, QWidget *lastControl);
