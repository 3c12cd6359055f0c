// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/window.h"

#include "ui/look.h"
#include "ui/accessible.h"
#include "ui/designlabel.h"
#include "ui/shapes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

void setUpWindow(QWidget *window, const QString &name, const QString &caption,
                 const QSize &clientSize, const QColor &background, bool rightToLeft,
                 const QFont &font)
{
    window->setObjectName(name);
    ui::setAccessibleRole(window, QAccessible::Window);
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(clientSize);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    window->setFont(font);
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, background);
    window->setPalette(colours);
    window->setAutoFillBackground(true);
}

void applyTabOrder(QWidget *window, const QStringList &names)
{
    QWidget *previous = nullptr;
    for (const QString &name : names) {
        auto *control = window->findChild<QWidget *>(name);
        Q_ASSERT(control);
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
    if (!names.isEmpty())
        window->findChild<QWidget *>(names.first())->setFocus(Qt::OtherFocusReason);
    settleResults(window, previous);

    // What the user works with lies above the captions and the decoration,
    // which may reach over its edge by a pixel: every frame shows whole.
    for (QWidget *control : window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (qobject_cast<QAbstractButton *>(control) || qobject_cast<QLineEdit *>(control))
            control->raise();
    keepTextsOffRules(window);
}

namespace {

// The frame the window manager draws around the program's windows: known
// from a window of the program already shown, since they all have the same
// frame, or from the window itself once shown.
QMargins knownFrame(QWidget *window)
{
    if (window && window->windowHandle() && window->isVisible())
        return window->windowHandle()->frameMargins();
    for (QWidget *shown : QApplication::topLevelWidgets())
        if (shown != window && shown->isVisible() && shown->windowHandle()
            && shown->windowType() == Qt::Window)
            return shown->windowHandle()->frameMargins();
    return {};
}

// The frame of a common desktop's window manager (a title bar and thin
// edges), assumed before the first window shows the real one.
constexpr QMargins kUsualFrame(4, 30, 4, 4);

const QScreen *screenOf(const QWidget *window)
{
    if (window && window->screen())
        return window->screen();
    return QGuiApplication::primaryScreen();
}

// Moves the outer rectangle (frame included) inside the area; where it is
// larger, its top left corner stays in view, with the title bar.
QRect inside(QRect outer, const QRect &area)
{
    if (outer.right() > area.right())
        outer.moveRight(area.right());
    if (outer.bottom() > area.bottom())
        outer.moveBottom(area.bottom());
    if (outer.left() < area.left())
        outer.moveLeft(area.left());
    if (outer.top() < area.top())
        outer.moveTop(area.top());
    return outer;
}

// Places the window so that, with its frame, it is in the middle of the free
// area of its screen, and wholly inside it: move() places the frame's corner.
void moveCentred(QWidget *window, const QMargins &frame)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return;
    QRect outer(QPoint(), window->size().grownBy(frame));
    outer.moveCenter(screen->availableGeometry().center());
    window->move(inside(outer, screen->availableGeometry()).topLeft());
}

// A window shown before any other has no frame to go by; the window manager
// tells its frame only once it has put one around the window. When it does,
// the window moves once so that it is centred frame and all.
class CentreOnceFramed : public QObject {
public:
    CentreOnceFramed(QWidget *window, const QMargins &assumed)
        : QObject(window), m_window(window), m_assumed(assumed)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const auto type = event->type();
        if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize)
            return false;
        const QMargins frame = knownFrame(m_window);
        if (frame.isNull())
            return false; // not framed yet, or never
        if (frame != m_assumed)
            moveCentred(m_window, frame);
        deleteLater();
        m_window->removeEventFilter(this);
        return false;
    }

private:
    QWidget *m_window;
    QMargins m_assumed;
};

} // namespace

void centreOnScreen(QWidget *window)
{
    const QMargins frame = knownFrame(window);
    moveCentred(window, frame);
    if (!window->isVisible())
        new CentreOnceFramed(window, frame);
}

DesignScale scaleToFit(const QSize &designTwips)
{
    const QScreen *screen = screenOf(nullptr);
    if (!screen)
        return DesignScale();
    QMargins frame = knownFrame(nullptr);
    if (frame.isNull())
        frame = kUsualFrame;
    const QSize room = screen->availableGeometry().size().shrunkBy(frame);
    const double scale =
        std::min({1.0, double(room.width()) * kTwipsPerPixel / designTwips.width(),
                  double(room.height()) * kTwipsPerPixel / designTwips.height()});
    // In thousandths, so that the rounding of the bounds never adds a pixel.
    return DesignScale(std::floor(scale * 1000) / 1000);
}

DesignWindow::DesignWindow(const QSize &designTwips) : m_scale(scaleToFit(designTwips)) {}

DesignScale scaleOf(const QWidget *widget)
{
    // A panel or help window is a window of its own, whose parent is the
    // design window it was opened for.
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (const auto *window = qobject_cast<const DesignWindow *>(w))
            return window->scale();
    return DesignScale();
}

void keepInsideScreen(QWidget *window)
{
    const QScreen *screen = screenOf(window);
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = knownFrame(window);
    if (window->minimumSize() != window->maximumSize()) {
        const QSize room = area.size().shrunkBy(frame);
        window->resize(window->size().boundedTo(room));
    }
    const QRect outer(window->pos(), window->size().grownBy(frame));
    window->move(inside(outer, area).topLeft());
}

void exitProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
