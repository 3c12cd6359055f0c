// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/startup.h"

#include "app/frmzakat.h"
#include "app/helpwindow.h"
#include "ui/desktopactions.h"
#include "ui/look.h"
#include "ui/window.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>

void prepareApplication(QApplication &application)
{
    Q_INIT_RESOURCE(icons); // the icons live in a static library
    registerFontSubstitutes();
    setHelpOpener(showHelpFor); // the windows below app/ reach help through it
    // Fusion paints buttons and fields in the colours the windows give them,
    // whatever the desktop's own style.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QIcon icon;
    icon.addPixmap(QPixmap(QStringLiteral(":/icons/zakat32.xpm")));
    icon.addPixmap(QPixmap(QStringLiteral(":/icons/zakat16.xpm")));
    application.setWindowIcon(icon);
    application.setApplicationName(QStringLiteral("zakat"));
    // Lets Wayland desktops tie the windows to the installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zakat_calculator.Zakat"));
}

frmzakat *showMainMenu()
{
    auto *menu = new frmzakat();
    centreOnScreen(menu);
    menu->show();
    return menu;
}
