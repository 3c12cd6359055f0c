// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "livestock/notespanel.h"

#include "core/numbers.h"
#include "ui/accessible.h"
#include "ui/look.h"
#include "ui/window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

const QString kNotes = QStringLiteral("الملاحظات");
const QString kNotesAbout = QStringLiteral("ملاحظات %1");
const QString kNoNotesYet =
    QStringLiteral("لا ملاحظات بعد: احسب زكاة الإبل أو البقر، أو اضغط «ابل» أو «بقر».");
const QString kClose = QStringLiteral("إغلاق");
constexpr int kGap = 8;                // pixels between the panel and its window
constexpr int kNarrowestTwips = 3600; // narrower, the notes would read a few words a line

} // namespace

NotesPanel::NotesPanel(QWidget *livestockWindow)
    : QWidget(livestockWindow, Qt::Window)
{
    setObjectName(QStringLiteral("notesPanel"));
    ui::setAccessibleRole(this, QAccessible::Dialog); // named by its title
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_DeleteOnClose, false); // reopened with the notes of the moment
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Colour::FieldGreen);
    colours.setColor(QPalette::WindowText, Colour::White);
    colours.setColor(QPalette::Base, Colour::FieldGreen);
    colours.setColor(QPalette::Text, Colour::Yellow);
    setPalette(colours);
    setAutoFillBackground(true);

    // Drawn at its window's scale.
    const DesignScale at = scaleOf(livestockWindow);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("notesHeading"));
    m_heading->setFont(at.font(Face::Arial, 15.75, Bold));
    m_heading->setAlignment(Qt::AlignHCenter);

    // The note lines' own face and size, never smaller.
    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("notesText"));
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setLineWrapMode(QTextEdit::WidgetWidth);
    m_text->setAcceptRichText(false);
    m_text->setFrameStyle(QFrame::NoFrame);
    m_text->setFont(at.font(Face::TraditionalArabic, 15.75, Bold));
    m_text->setFocusPolicy(Qt::StrongFocus);
    // Read-only: the caret the keys move for a screen reader is not drawn.
    m_text->setCursorWidth(0);

    auto *close = new QPushButton(kClose, this);
    close->setObjectName(QStringLiteral("notesClose"));
    QPalette buttonColours = close->palette();
    buttonColours.setColor(QPalette::Button, Colour::Green);
    buttonColours.setColor(QPalette::ButtonText, Colour::White);
    close->setPalette(buttonColours);
    close->setAccessibleName(kClose);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_text, 1);
    layout->addWidget(close, 0, Qt::AlignLeft | Qt::AlignAbsolute);
    resize(at.size(7200, 4800));
    placeBeside(livestockWindow);
}

void NotesPanel::setNotes(const QString &about, const QStringList &notes)
{
    const QString title = about.isEmpty() ? kNotes : kNotesAbout.arg(about);
    setWindowTitle(title);
    m_heading->setText(title);
    ui::nameScrollArea(m_text, title);
    m_text->setPlainText(notes.isEmpty() ? kNoNotesYet : notes.join(QLatin1Char('\n')));
    // Each note a paragraph of its own, reading right to left.
    QTextCursor paragraphs(m_text->document());
    paragraphs.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLayoutDirection(Qt::RightToLeft);
    format.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    format.setBottomMargin(m_text->fontMetrics().height() / 3);
    paragraphs.mergeBlockFormat(format);
    m_text->moveCursor(QTextCursor::Start);
    fitHeight();
}

void NotesPanel::present()
{
    if (!isVisible())
        show();
    raise();
    activateWindow();
    m_text->setFocus(Qt::OtherFocusReason);
}

void NotesPanel::fitHeight()
{
    // Tall enough for every note without scrolling, where the screen allows.
    layout()->activate(); // the text's width as the panel lays it out
    m_text->document()->setTextWidth(m_text->viewport()->width());
    const int needed = wholeNumber(std::ceil(m_text->document()->size().height())).value_or(0)
        + 2 * m_text->frameWidth();
    const int extra = height() - m_text->height();
    int wanted = needed + extra;
    if (const QScreen *screen = this->screen())
        wanted = qMin(wanted, screen->availableGeometry().height() * 3 / 4);
    resize(width(), qMax(wanted, scaleOf(this).pixels(2400)));
    keepInsideScreen(this);
}

void NotesPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void NotesPanel::placeBeside(QWidget *livestockWindow)
{
    // Beside the livestock window, on the side with more room, made narrower
    // to fit there, so that it covers none of the window's fields and
    // results; over the window's cattle panel only where the screen has no
    // room beside it at all.
    const QRect window = livestockWindow->frameGeometry();
    const QScreen *screen = livestockWindow->screen();
    if (!screen) {
        move(window.left() - width() - kGap, window.top());
        return;
    }
    const QRect area = screen->availableGeometry();
    const QMargins frame = frameGeometry().size() == size()
        ? QMargins()
        : QMargins(geometry().left() - frameGeometry().left(),
                   geometry().top() - frameGeometry().top(),
                   frameGeometry().right() - geometry().right(),
                   frameGeometry().bottom() - geometry().bottom());
    const int frameWidth = frame.left() + frame.right();
    const int roomLeft = window.left() - area.left() - kGap - frameWidth;
    const int roomRight = area.right() - window.right() - kGap - frameWidth;
    const int room = std::max(roomLeft, roomRight);
    if (room >= scaleOf(this).pixels(kNarrowestTwips)) {
        resize(std::min(width(), room), height());
        fitHeight();
        const int x = roomLeft >= roomRight ? window.left() - kGap - frameWidth - width()
                                            : window.right() + kGap + 1;
        move(x, qBound(area.top(), window.top(), std::max(area.top(), area.bottom() - height())));
    } else {
        move(std::max(area.left(), window.left()), window.top());
    }
    keepInsideScreen(this); // its frame too
}
