// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/linklabel.h"

#include "ui/accessible.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QString kPressAction = QAccessibleActionInterface::pressAction();

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel *link) : QAccessibleWidget(link, QAccessible::Link) {}

    QStringList actionNames() const override { return {kPressAction}; }
    void doAction(const QString &action) override
    {
        if (action == kPressAction)
            static_cast<LinkLabel *>(widget())->open();
    }
};

QAccessibleInterface *linkAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("LinkLabel") && object && object->isWidgetType())
        return new LinkAccessible(static_cast<LinkLabel *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(QWidget *window, const QString &name, const QString &text,
                     const QRect &bounds, const QFont &font, const QColor &textColour,
                     Qt::Alignment alignment)
    : DesignLabel(window, name, text, bounds, font, textColour, alignment)
{
    ui::installAccessibleFactory(linkAccessible);
    QFont underlined = font;
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(text);
}

void LinkLabel::setHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

void LinkLabel::open()
{
    if (m_handler)
        m_handler();
}

bool LinkLabel::event(QEvent *event)
{
    // QLabel gives a label that takes the focus a text document of its own
    // when the label is polished, laid out in the application's font, so the
    // menu's first frame would load a face it never draws. The link draws its
    // text itself; QLabel makes the document when the link first gets the
    // focus.
    if (event->type() == QEvent::Polish) {
        setFocusPolicy(Qt::NoFocus);
        const bool handled = DesignLabel::event(event);
        setFocusPolicy(Qt::StrongFocus);
        return handled;
    }
    return DesignLabel::event(event);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clicked = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (clicked)
        open();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            open();
            return;
        }
        break;
    default:
        break;
    }
    DesignLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    DesignLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Where the keyboard is, in the link's own colour.
    QPainter painter(this);
    QPen pen(palette().color(foregroundRole()));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
