// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/buttons.h"

#include "ui/announcer.h"
#include "ui/look.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

constexpr int kEdge = 2;        // the raised or sunken edge of a button
constexpr int kFocusInset = 4;  // the focus frame, inside the edge

// Text on a disabled control: faded towards its face.
QColor fadedTowards(const QColor &text, const QColor &face)
{
    return QColor((text.red() * 2 + face.red() * 3) / 5, (text.green() * 2 + face.green() * 3) / 5,
                  (text.blue() * 2 + face.blue() * 3) / 5);
}

// A dotted rectangle, every other pixel, on the outline of the rectangle.
void drawFocusFrame(QPainter &painter, const QRect &frame, const QColor &colour)
{
    QPen dots(colour, 1);
    dots.setDashPattern({1, 1});
    painter.save();
    painter.setPen(dots);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.restore();
}

// Two-tone edge one pixel wide along the rectangle: the first colour on the
// top and left sides, the second on the bottom and right.
void drawEdge(QPainter &painter, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

} // namespace

CommandButton::CommandButton(QWidget *window, const QString &name, const QString &text,
                             const QRect &bounds, const QFont &font, const QColor &background)
    : QPushButton(text, window)
{
    placeControl(this, name, bounds, font);
    QPalette colours = palette();
    colours.setColor(QPalette::Button, background);
    colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(colours);
    setAutoDefault(false);
    setAccessibleName(ui::spokenName(text)); // what a screen reader announces the button does
}

void CommandButton::setHandler(std::function<void()> handler)
{
    connect(this, &QPushButton::clicked, this, std::move(handler));
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    const QColor ink = palette().color(QPalette::ButtonText);
    const bool sunk = isDown();
    const QRect whole = rect();
    painter.fillRect(whole, sunk ? face.darker(125) : face);
    const QColor shadow = face.darker(160);
    const QColor outline = face.darker(400);
    if (sunk) {
        drawEdge(painter, whole, outline, outline);
        drawEdge(painter, whole.adjusted(1, 1, -1, -1), shadow, face);
    } else {
        drawEdge(painter, whole, face.lighter(150), outline);
        drawEdge(painter, whole.adjusted(1, 1, -1, -1), face, shadow);
    }

    // The text in the middle, a little smaller where the stand-in face is
    // wider than the design's, one pixel down and across while pressed.
    QRect room = whole.adjusted(kEdge + 1, kEdge, -kEdge - 1, -kEdge);
    if (sunk)
        room.translate(1, 1);
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    painter.setLayoutDirection(layoutDirection());
    painter.setFont(fitFont(font(), room, flags, text()));
    painter.setPen(isEnabled() ? ink : fadedTowards(ink, face));
    painter.drawText(room, flags, text());

    if (hasFocus())
        drawFocusFrame(painter, whole.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset),
                       ink);
}

OptionButton::OptionButton(QWidget *window, const QString &name, const QString &text,
                           const QRect &bounds, const QFont &font, const QColor &textColour,
                           const QColor &background)
    : QRadioButton(text, window)
{
    placeControl(this, name, bounds, font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, textColour);
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setBackgroundRole(QPalette::Window); // a radio button would fill with the button colour
    setAutoFillBackground(true);
    setAccessibleName(ui::spokenName(text));
}

void OptionButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Window);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.fillRect(rect(), face);

    // The mark and the text sit where the style puts them, the mark on the
    // side where the text begins.
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect markBounds = style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, this);
    const QRect textBounds = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);

    const int diameter = std::min(markBounds.width(), markBounds.height());
    QRectF mark(0, 0, diameter - 1, diameter - 1);
    mark.moveCenter(QRectF(markBounds).center());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    painter.setBrush(isDown() || !isEnabled() ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white));
    painter.drawEllipse(mark);
    if (isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(isEnabled() ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80));
        const qreal dot = diameter / 2.5;
        painter.drawEllipse(mark.center(), dot / 2, dot / 2);
    }
    painter.restore();

    const int flags =
        int(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter))
        | Qt::TextSingleLine;
    painter.setLayoutDirection(layoutDirection());
        painter.setPen(isEnabled() ? ink : fadedTowards(ink, face));
    painter.drawText(textBounds, flags, text());

    if (hasFocus()) {
        const QRect textDrawn = painter.fontMetrics().boundingRect(textBounds, flags, text());
        drawFocusFrame(painter, textDrawn.adjusted(-2, 0, 2, 0) & rect(), ink);
    }
}
