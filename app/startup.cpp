// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/startup.h"

#include "app/mainmenu.h"
#include "app/helpwindow.h"
#include "app/windowicon.h"
#include "ui/desktopactions.h"
#include "ui/look.h"
#include "ui/window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>

#include <functional>

namespace {

// Qt's own texts (the buttons of a message box, a field's context menu) in
// Arabic, whatever the desktop's language: every other text of the program is
// Arabic. Without Qt's translation file they stay as Qt writes them.
void loadQtArabic(QApplication &application)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_ar"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    // The few texts of the print dialog that Qt's translation lacks, built
    // into the program.
    auto *extra = new QTranslator(&application);
    if (extra->load(QStringLiteral(":/translations/qt_extra_ar.qm")))
        QCoreApplication::installTranslator(extra);
    else
        delete extra;
}

// Runs the work once, at the turn of the event loop after the first frame
// of the first window shown: the window's own paint comes first in a frame,
// and its children's and the flush to the screen follow before the loop
// turns.
class AfterFirstFrame : public QObject {
public:
    AfterFirstFrame(QApplication &application, std::function<void()> work)
        : QObject(&application), m_work(std::move(work))
    {
        application.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && receiver->isWidgetType()
            && static_cast<QWidget *>(receiver)->isWindow()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                m_work();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_work;
};

// The calculators' result labels can be selected, so QLabel gives each a
// text document, laid out first in the application's font, which the menu
// never draws in. Loading that font (fontconfig sorts every installed font
// for the default family) is done once the menu is on screen rather than
// while the first calculator opens.
void loadApplicationFont()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral(" "));
    document.size(); // lays it out
}

} // namespace

void prepareApplication(QApplication &application)
{
    Q_INIT_RESOURCE(icons); // the icons live in a static library
    Q_INIT_RESOURCE(translations);
    registerFontSubstitutes();
    loadQtArabic(application);
    setHelpOpener(showHelpFor); // the windows below app/ reach help through it
    // Fusion paints the fields in the colours the windows give them, whatever
    // the desktop's own style; the buttons draw their own faces.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The images are all a first frame shows; the sizes made from the
    // drawing, which X11 takes all at once, follow it.
    application.setWindowIcon(windowIcon(OfferedIconSizes::Images));
    new AfterFirstFrame(application, [] {
        QApplication::setWindowIcon(windowIcon());
        loadApplicationFont();
    });
    application.setApplicationName(QStringLiteral("zakat"));
    // Lets Wayland desktops tie the windows to the installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.zakat_calculator.zakat"));
}

MainMenu *showMainMenu()
{
    auto *menu = new MainMenu();
    centreOnScreen(menu);
    menu->show();
    // The keyboard comes to the menu at once, even where no window manager
    // hands it over (a screen reader's user may have none to click on).
    menu->activateWindow();
    return menu;
}
