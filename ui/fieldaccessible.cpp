// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/fieldaccessible.h"

#include "ui/announcer.h"
#include "ui/entryfield.h"

#include <QAccessibleWidget>
#include <QFontInfo>
#include <QTextLayout>

#include <algorithm>

namespace {

// An entry field as assistive technology reads it: its whole text, the caret
// and the selection, and one run of attributes over the whole text. A screen
// reader rebuilds what it speaks of a field from the runs the field reports;
// a run that covers no character (as Qt's own line-edit interface reports)
// loses the last character of the number, or the only one.
class FieldAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
public:
    explicit FieldAccessible(EntryField *field) : QAccessibleWidget(field, QAccessible::EditableText)
    {
    }

    EntryField *field() const { return static_cast<EntryField *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (field()->isReadOnly())
            state.readOnly = true;
        else
            state.editable = true;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return field()->displayText();
        if (t == QAccessible::Name && !field()->accessibleName().isEmpty())
            return ui::spokenName(field()->accessibleName());
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t != QAccessible::Value) {
            QAccessibleWidget::setText(t, text);
            return;
        }
        // As if typed over the whole text: the field's own limits apply.
        field()->selectAll();
        field()->insert(text);
    }

    // The text.
    QString text(int startOffset, int endOffset) const override
    {
        return field()->displayText().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(field()->displayText().size()); }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        // One run over the whole text: the field draws it all in one font.
        *startOffset = 0;
        *endOffset = characterCount();
        if (offset < 0 || offset > *endOffset)
            *startOffset = *endOffset = 0;
        const QFontInfo font(field()->font());
        return QStringLiteral("font-family:\"%1\";font-size:%2pt;")
            .arg(font.family())
            .arg(font.pointSizeF());
    }

    // The caret and the selection.
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *startOffset = field()->selectionStart();
            *endOffset = field()->selectionEnd();
        }
    }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int index) override
    {
        if (index == 0)
            field()->deselect();
    }
    void setSelection(int, int startOffset, int endOffset) override
    {
        field()->setSelection(startOffset, endOffset - startOffset);
    }

    // Where each character is drawn, on the screen: measured from the caret,
    // which the field places itself, so that its alignment and scrolling hold.
    QRect characterRect(int offset) const override
    {
        const QString shown = field()->displayText();
        if (offset < 0 || offset >= shown.size())
            return QRect();
        QTextLayout layout(shown, field()->font());
        QTextOption option;
        option.setTextDirection(field()->layoutDirection());
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        if (!line.isValid())
            return QRect();
        const QRect caret = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const qreal origin = caret.x() - line.cursorToX(field()->cursorPosition());
        const qreal from = origin + line.cursorToX(offset);
        const qreal to = origin + line.cursorToX(offset + 1);
        const QRect local(int(std::min(from, to)), caret.top(), int(std::abs(to - from)),
                          caret.height());
        return QRect(field()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        field()->setCursorPosition(endIndex);
        field()->setCursorPosition(startIndex);
    }

    // Editing, as typing would: within the field's limits.
    void deleteText(int startOffset, int endOffset) override
    {
        field()->setSelection(startOffset, endOffset - startOffset);
        field()->del();
    }
    void insertText(int offset, const QString &text) override
    {
        field()->setCursorPosition(offset);
        field()->insert(text);
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        field()->setSelection(startOffset, endOffset - startOffset);
        field()->insert(text);
    }
};

} // namespace

namespace ui {

QAccessibleInterface *entryFieldAccessible(const QString &className, QObject *object)
{
    if (object && object->isWidgetType() && qobject_cast<EntryField *>(object)
        && className == QLatin1String(object->metaObject()->className()))
        return new FieldAccessible(static_cast<EntryField *>(object));
    return nullptr;
}

} // namespace ui
