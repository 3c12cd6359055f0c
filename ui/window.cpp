// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/window.h"

#include <QApplication>
#include <QScreen>

void setUpWindow(QWidget *window, const QString &name, const QString &caption,
                 const QSize &clientSize, const QColor &background, bool rightToLeft,
                 const QFont &font)
{
    window->setObjectName(name);
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
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void exitProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
