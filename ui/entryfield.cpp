// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/entryfield.h"

#include "core/numbers.h"
#include "ui/accessible.h"
#include "ui/announcer.h"
#include "ui/fieldaccessible.h"
#include "ui/look.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QTimer>
#include <QStyleOptionFrame>
#include <QValidator>
#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>

namespace {

// Characters typed inside a number that the number cannot hold: grouping
// marks (the comma, the Arabic comma and thousands separator, the
// apostrophe) and blanks.
bool holdsSeparators(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[,\\x{060C}\\x{066C}'\\s]"));
    const QString trimmed = trimBlanks(text);
    if (!trimmed.contains(separators) || readNumber(text))
        return false;
    QString without = trimmed;
    return readNumber(without.remove(separators)).has_value();
}

// Limits what the user types or pastes, never what the program writes: an
// edit is refused when it makes the text longer than the limit and longer
// than the text before it, so a longer text written by the program can still
// be shortened. A refusal is told to the field, which says why.
class TypedLengthValidator : public QValidator {
public:
    TypedLengthValidator(EntryField *field, int maxLength)
        : QValidator(field), m_field(field), m_maxLength(maxLength), m_accepted(field->text())
    {
        connect(field, &QLineEdit::textChanged, this, [this](const QString &text) {
            m_accepted = text;
        });
    }

    State validate(QString &input, int &) const override
    {
        if (m_field->isWriting() || input.size() <= m_maxLength
            || input.size() <= m_accepted.size())
            return Acceptable;
        // Told after the refusal is done, outside the field's own editing.
        QTimer::singleShot(0, m_field, &EntryField::showLimitNote);
        return Invalid;
    }

private:
    EntryField *m_field;
    int m_maxLength;
    QString m_accepted;
};

// "حرف" counted as Arabic counts it.
QString characters(int count)
{
    if (count == 1)
        return QStringLiteral("حرف واحد");
    if (count == 2)
        return QStringLiteral("حرفين");
    if (count >= 3 && count <= 10)
        return QStringLiteral("%1 أحرف").arg(count);
    return QStringLiteral("%1 حرفًا").arg(count);
}

// The Paste item of a field's standard context menu: named so by newer Qt,
// known by its text, in the language Qt speaks, before that.
QAction *pasteAction(QMenu *menu)
{
    if (auto *named = menu->findChild<QAction *>(QStringLiteral("edit-paste")))
        return named;
    const QString paste = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions())
        if (action->text().section(QLatin1Char('\t'), 0, 0) == paste)
            return action;
    return nullptr;
}

// The rectangles, on the screen, of the window's controls that show a text,
// other than the field.
QList<QRect> textsAround(const QWidget *field)
{
    QList<QRect> texts;
    for (const QWidget *control : field->window()->findChildren<QWidget *>()) {
        // The note itself, and help beside the window, are windows of their own.
        if (control == field || !control->isVisible() || control->window() != field->window())
            continue;
        const auto *label = qobject_cast<const QLabel *>(control);
        const bool showsText = (label && !label->text().trimmed().isEmpty())
            || qobject_cast<const QAbstractButton *>(control)
            || qobject_cast<const QLineEdit *>(control);
        if (showsText)
            texts << QRect(control->mapToGlobal(QPoint(0, 0)), control->size());
    }
    return texts;
}

} // namespace

EntryField::EntryField(QWidget *window, const QString &name, const QString &text,
                       const QRect &bounds, const QFont &font, Qt::Alignment alignment,
                       int maxTypedLength)
    : QLineEdit(text, window), m_designFont(font), m_maxTypedLength(maxTypedLength)
{
    ui::installAccessibleFactory(ui::entryFieldAccessible);
    placeControl(this, name, bounds, font);
    fitText();
    connect(this, &QLineEdit::textChanged, this, &EntryField::fitText);
    setAlignment(alignment & ~Qt::AlignVertical_Mask);
    setValidator(new TypedLengthValidator(this, maxTypedLength));
    setCursorPosition(0);
    connect(this, &QLineEdit::textChanged, this, [this] {
        // What the note refused is past: an edit that went in takes it away,
        // unless the text still holds separators.
        if (!m_writing && holdsSeparators(this->text()))
            showNote(kSeparatorNote);
        else if (m_limitNote)
            m_limitNote->hide();
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
    m_writing = true; // whatever its length: the limit is the user's
    setText(text);    // emits textChanged, which runs the handler
    m_writing = false;
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

bool EntryField::fits(qsizetype insertedLength) const
{
    return text().size() - selectedText().size() + insertedLength <= m_maxTypedLength;
}

void EntryField::pasteCleaned(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString pasted = pastedText(QGuiApplication::clipboard()->text(mode));
    if (pasted.isEmpty())
        return;
    if (!fits(pasted.size())) {
        showLimitNote(); // never a cut-down part of what was copied
        return;
    }
    insert(pasted);
}

QString EntryField::limitNoteText(int maxTypedLength)
{
    return QStringLiteral("لا تقبل هذه الخانة أكثر من %1").arg(characters(maxTypedLength));
}

const QString EntryField::kSeparatorNote =
    QStringLiteral("تُكتب الأرقام بلا فواصل ولا مسافات بينها، مثل 1000 أو 10.5");

void EntryField::noteSeparators()
{
    if (holdsSeparators(text()))
        showNote(kSeparatorNote);
}

void EntryField::showLimitNote()
{
    showNote(limitNoteText(m_maxTypedLength));
}

void EntryField::showNote(const QString &noteText)
{
    if (!isVisible())
        return;
    if (!m_limitNote) {
        // A small window of its own, so that it covers nothing of the design
        // and goes when the field goes.
        m_limitNote = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint);
        m_limitNote->setObjectName(QStringLiteral("limitNote"));
        m_limitNote->setLayoutDirection(Qt::RightToLeft);
        m_limitNote->setMargin(4);
        m_limitNote->setFrameStyle(QFrame::Box | QFrame::Plain);
        QPalette colours = m_limitNote->palette();
        colours.setColor(QPalette::Window, Colour::NoteYellow);
        colours.setColor(QPalette::WindowText, Colour::Black);
        m_limitNote->setPalette(colours);
        m_limitNote->setAutoFillBackground(true);
        QFont noteFont = m_limitNote->font();
        noteFont.setPixelSize(qMax(14, font().pixelSize() * 3 / 4));
        m_limitNote->setFont(noteFont);
    }
    const bool shownAlready = m_limitNote->isVisible() && m_limitNote->text() == noteText;
    m_limitNote->setText(noteText);
    m_limitNote->setAccessibleName(noteText);
    m_limitNote->adjustSize();
    const QPoint at = freePlaceForNote(m_limitNote->size());
    m_limitNote->move(at);
    m_limitNote->show();
    m_limitNote->raise();
    // Each refused character is told; a note about what stays in the text
    // once, when it appears.
    if (!shownAlready || noteText != kSeparatorNote)
        ui::announce(window(), noteText);
}

QPoint EntryField::freePlaceForNote(const QSize &size) const
{
    // The nearest place to the field, under it first, where the note covers
    // no text of the window and stays on the screen; inside the window where
    // there is room, else beside the window.
    const QRect field(mapToGlobal(QPoint(0, 0)), this->size());
    const QPoint wanted(field.right() - size.width() + 1, field.bottom() + 3);
    const QList<QRect> texts = textsAround(this);
    const QScreen *screen = this->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QRect window = this->window()->frameGeometry();
    auto free = [&](const QRect &note) {
        if (!area.isNull() && !area.contains(note))
            return false;
        if (note.intersects(field))
            return false;
        for (const QRect &text : texts)
            if (note.intersects(text))
                return false;
        return true;
    };
    // Places a step apart, looked at ring by ring outwards from the wanted
    // one: once a ring lies farther than the nearest free place found, no
    // nearer one is left.
    constexpr int kStep = 4;
    QPoint best = wanted;
    qint64 bestDistance = -1;
    const QRect searched = window.adjusted(-size.width(), -size.height(), 0, 0);
    const int reach = std::max({std::abs(searched.left() - wanted.x()),
                                std::abs(searched.right() - wanted.x()),
                                std::abs(searched.top() - wanted.y()),
                                std::abs(searched.bottom() - wanted.y())});
    auto consider = [&](int dx, int dy) {
        const QPoint corner = wanted + QPoint(dx, dy);
        if (!searched.contains(corner))
            return;
        const qint64 distance = qint64(dx) * dx + qint64(dy) * dy;
        if (bestDistance >= 0 && distance >= bestDistance)
            return;
        if (free(QRect(corner, size))) {
            best = corner;
            bestDistance = distance;
        }
    };
    for (int ring = 0; ring <= reach; ring += kStep) {
        if (bestDistance >= 0 && qint64(ring) * ring >= bestDistance)
            break;
        if (ring == 0) {
            consider(0, 0);
            continue;
        }
        for (int d = -ring; d <= ring; d += kStep) {
            consider(d, ring); // under first, then above, then the sides
            consider(d, -ring);
        }
        for (int d = -ring + kStep; d < ring; d += kStep) {
            consider(ring, d);
            consider(-ring, d);
        }
    }
    return best;
}

void EntryField::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Paste) {
        pasteCleaned();
        return;
    }
    // A character the field cannot take is refused before the field inserts
    // it: inserted, even for the validator to take it back, it would be told
    // to a screen reader as typed.
    const QString typed = event->text();
    const bool insertsText = !typed.isEmpty() && typed.at(0).isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (insertsText && !isReadOnly() && refuses(typed.size())) {
        event->accept();
        showLimitNote();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryField::inputMethodEvent(QInputMethodEvent *event)
{
    const QString committed = event->commitString();
    if (!committed.isEmpty() && !isReadOnly() && refuses(committed.size())) {
        showLimitNote();
        QInputMethodEvent nothing; // ends the composition, inserting nothing
        QLineEdit::inputMethodEvent(&nothing);
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

bool EntryField::refuses(qsizetype insertedLength) const
{
    // As the validator judges: longer than the limit and than the text before.
    const qsizetype after = text().size() - selectedText().size() + insertedLength;
    return after > m_maxTypedLength && after > text().size();
}

void EntryField::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
        && rect().contains(event->position().toPoint())) {
        pasteCleaned(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event); // the click has placed the caret
    if (m_selectAllOnClick)
        selectAll();
}

void EntryField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    bool select = m_selectAllOnFocus;
    switch (event->reason()) {
    case Qt::MouseFocusReason:  // the caret stays where the click put it
    case Qt::PopupFocusReason:  // back from a context menu as it was
        break;
    case Qt::ActiveWindowFocusReason:
        // The window taking the keyboard: when it has just opened and after a
        // warning, not when the user merely comes back to it.
        select = select || !m_focusedBefore || m_selectAllWhenFocused;
        break;
    default: // Tab, Shift+Tab, or the program giving the focus
        select = true;
        break;
    }
    if (select)
        selectAll();
    m_selectAllWhenFocused = false;
    m_focusedBefore = true;
    noteSeparators(); // back in the field, after a warning too
}

void EntryField::selectAllWhenFocusReturns()
{
    m_selectAllWhenFocused = true;
}

void EntryField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (m_limitNote && event->reason() != Qt::PopupFocusReason)
        m_limitNote->hide();
}

void EntryField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's Paste goes through the same cleaning and limit as Ctrl+V.
    if (QAction *paste = pasteAction(menu)) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { pasteCleaned(); });
    }
    menu->popup(event->globalPos());
}

void EntryField::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    // A drop goes in at the drop point and replaces nothing.
    const QString dropped = pastedText(event->mimeData()->text());
    if (!fits(dropped.size() + selectedText().size())) {
        event->ignore();
        showLimitNote();
        return;
    }
    QMimeData cleaned;
    cleaned.setText(dropped);
    QDropEvent forwarded(event->position(), event->possibleActions(), &cleaned,
                         event->buttons(), event->modifiers(), event->type());
    forwarded.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&forwarded);
    event->setAccepted(forwarded.isAccepted());
    event->setDropAction(forwarded.dropAction());
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
