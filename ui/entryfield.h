// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QLineEdit>

#include <functional>

// A single-line entry field. Where its text is wider than the field in the
// design font (a prompt in a stand-in face wider than the design's), it is
// drawn in a smaller size that fits, as labels are, within the same bounds.
class EntryField : public QLineEdit {
    Q_OBJECT
public:
    EntryField(QWidget *window, const QString &name, const QString &text, const QRect &bounds,
               const QFont &font, Qt::Alignment alignment, int maxTypedLength);

    // Writes the text from the program: never cut to the typed maximum, and the
    // change handler runs at once, even when the text stays the same.
    void write(const QString &text);
    // Runs on every change, typed or written.
    void setChangeHandler(std::function<void()> handler);
    // Runs when Enter is pressed in the field.
    void setEnterHandler(std::function<void()> handler);

    // The whole text selected whenever the field is clicked, or also whenever it
    // receives the focus.
    void setSelectAllOnClick(bool on) { m_selectAllOnClick = on; }
    void setSelectAllOnFocus(bool on) { m_selectAllOnFocus = on; }
    // Gives the field the focus with its whole text selected.
    void focusAndSelectAll();

    int maxTypedLength() const { return m_maxTypedLength; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void fitText();

    QFont m_designFont;
    int m_maxTypedLength;
    bool m_selectAllOnClick = false;
    bool m_selectAllOnFocus = false;
    bool m_selectAllWhenFocused = false;
    std::function<void()> m_changeHandler;
};
