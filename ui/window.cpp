// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/window.h"

#include "ui/accessible.h"
#include "ui/shapes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>

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
    if (window->windowHandle() && window->isVisible())
        return window->windowHandle()->frameMargins();
    for (QWidget *shown : QApplication::topLevelWidgets())
        if (shown != window && shown->isVisible() && shown->windowHandle()
            && shown->windowType() == Qt::Window)
            return shown->windowHandle()->frameMargins();
    return {};
}

// Places the window so that, with its frame, it is in the middle of the free
// area of its screen: move() places the frame's corner.
void moveCentred(QWidget *window, const QMargins &frame)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect outer(QPoint(), window->size().grownBy(frame));
    outer.moveCenter(screen->availableGeometry().center());
    window->move(outer.topLeft());
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

void exitProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
