// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include <functional>



// A single-line entry field. What the user types or pastes is held to the
// field's length, never what the program writes. A paste is cleaned of the
// blanks and line breaks copied around it and goes in whole or not at all;
// whatever the field refuses, a short note beside it says why. Whenever the
// field receives the focus other than by a click, its whole text is
// selected, so that typing replaces it. Where its text is wider than the
// field in the design font (a prompt in a stand-in face wider than the
// design's), it is drawn in a smaller size that fits, as labels are, within
// the same bounds.
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
    // receives the focus by a click.
    void setSelectAllOnClick(bool on) { m_selectAllOnClick = on; }
    void setSelectAllOnFocus(bool on) { m_selectAllOnFocus = on; }
    // Gives the field the focus with its whole text selected.
    void focusAndSelectAll();
    // Selects the whole text when the field next receives the focus other
    // than by a click, as when a warning box gives the keyboard back.
    void selectAllWhenFocusReturns();
    // Whether the program is writing the text (write() is running).
    bool isWriting() const { return m_writing; }

    int maxTypedLength() const { return m_maxTypedLength; }

    // Pastes the clipboard's text, cleaned, in place of the selection, when it
    // fits the room the field has; otherwise inserts nothing and shows the note.
    void pasteCleaned(QClipboard::Mode mode = QClipboard::Clipboard);

    // The note that says how many characters the field takes, shown near it,
    // over no other text, when it refuses what the user types or pastes; it
    // stays while characters keep being refused and goes as soon as the
    // field's text changes or the user leaves the field.
    static QString limitNoteText(int maxTypedLength);
    QLabel *limitNote() const { return m_limitNote; }
    void showLimitNote();
    // The same note says, while the typed text holds a comma, a grouping
    // mark or a blank inside a number, that numbers are written without
    // separators: the text stays as typed, and the window's own warning
    // follows if the number is computed.
    static const QString kSeparatorNote;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Whether a text of the given length, in place of the selection, stays
    // within the typed maximum.
    bool fits(qsizetype insertedLength) const;
    // Whether typing a text of the given length, in place of the selection,
    // is refused.
    bool refuses(qsizetype insertedLength) const;

    void fitText();
    // Shows the note with the text, heard when it appears or says something new.
    void showNote(const QString &text);
    void noteSeparators();
    // Where the note of the given size goes, on the screen.
    QPoint freePlaceForNote(const QSize &size) const;

    QFont m_designFont;
    int m_maxTypedLength;
    bool m_selectAllOnClick = false;
    bool m_selectAllOnFocus = false;
    bool m_selectAllWhenFocused = false;
    bool m_focusedBefore = false;
    bool m_writing = false;
    std::function<void()> m_changeHandler;
    QPointer<QLabel> m_limitNote;
};
