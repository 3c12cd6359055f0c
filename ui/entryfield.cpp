// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/entryfield.h"

#include "ui/look.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStyleOptionFrame>
#include <QValidator>

namespace {

// Limits what the user types or pastes, never what the program writes: an
// edit is refused when it makes the text longer than the limit and longer
// than the text before it, so a longer text written by the program can still
// be shortened.
class TypedLengthValidator : public QValidator {
public:
    TypedLengthValidator(QLineEdit *field, int maxLength)
        : QValidator(field), m_maxLength(maxLength), m_accepted(field->text())
    {
        connect(field, &QLineEdit::textChanged, this, [this](const QString &text) {
            m_accepted = text;
        });
    }

    State validate(QString &input, int &) const override
    {
        if (input.size() <= m_maxLength || input.size() <= m_accepted.size())
            return Acceptable;
        return Invalid;
    }

private:
    int m_maxLength;
    QString m_accepted;
};

} // namespace

EntryField::EntryField(QWidget *window, const QString &name, const QString &text,
                       const QRect &bounds, const QFont &font, Qt::Alignment alignment,
                       int maxTypedLength)
    : QLineEdit(text, window), m_designFont(font), m_maxTypedLength(maxTypedLength)
{
    placeControl(this, name, bounds, font);
    fitText();
    connect(this, &QLineEdit::textChanged, this, &EntryField::fitText);
    setAlignment(alignment & ~Qt::AlignVertical_Mask);
    setValidator(new TypedLengthValidator(this, maxTypedLength));
    setCursorPosition(0);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (m_changeHandler)
            m_changeHandler();
    });
}

void EntryField::write(const QString &text)
{
    if (text == this->text()) {
        if (m_changeHandler)
            m_changeHandler();
        return;
    }
    setText(text); // emits textChanged, which runs the handler
}

void EntryField::setChangeHandler(std::function<void()> handler)
{
    m_changeHandler = std::move(handler);
}

void EntryField::setEnterHandler(std::function<void()> handler)
{
    connect(this, &QLineEdit::returnPressed, this, std::move(handler));
}

void EntryField::focusAndSelectAll()
{
    setFocus(Qt::OtherFocusReason);
    selectAll();
    // After a message box the window may get the keyboard back only later;
    // the text is selected again when the focus actually arrives.
    m_selectAllWhenFocused = !hasFocus();
}

void EntryField::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Paste && !isReadOnly()) {
        // Of a paste too long for the field, the part that fits is kept.
        const QString pasted = QGuiApplication::clipboard()->text();
        const qsizetype kept = text().size() - selectedText().size();
        const qsizetype room = std::max<qsizetype>(0, m_maxTypedLength - kept);
        if (pasted.size() > room) {
            if (room > 0)
                insert(pasted.left(room));
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void EntryField::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event); // the click has placed the caret
    if (m_selectAllOnClick)
        selectAll();
}

void EntryField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (m_selectAllOnFocus || m_selectAllWhenFocused)
        selectAll();
    m_selectAllWhenFocused = false;
}

void EntryField::fitText()
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    // The width a line edit gives its text: inside the frame, less its
    // margin of two pixels on either side and the caret's pixel. Only the
    // width counts: a line edit centres the line and its glyphs fit even
    // where the face's line spacing is taller than the field.
    QRect room = style()
                     ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                     .marginsRemoved(textMargins())
                     .adjusted(2, 0, -3, 0);
    room.setHeight(QWIDGETSIZE_MAX);
    const QFont fitted = fitFont(m_designFont, room, Qt::AlignLeft | Qt::TextSingleLine, text());
    if (fitted.pixelSize() != font().pixelSize())
        setFont(fitted);
}
