// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/helpwindow.h"

#include "ui/accessible.h"
#include "ui/look.h"
#include "ui/window.h"

#include <QAction>
#include <QEvent>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("مساعدة: %1");
// The text's own name: the window around it is heard by its title already.
const QString kTextName = QStringLiteral("نص المساعدة");
const QString kDescription =
    QStringLiteral("خطوات استعمال النافذة ومفاتيح البرنامج، تُقرأ بالأسهم ويغلقها Esc");
constexpr QSize kSize(560, 600);

QString pageHtml(const HelpPage &page, int level)
{
    QString html = QStringLiteral("<h%1 dir=\"rtl\">%2</h%1><ol dir=\"rtl\">")
                       .arg(level)
                       .arg(page.title.toHtmlEscaped());
    for (const QString &step : page.steps)
        html += QStringLiteral("<li dir=\"rtl\">%1</li>").arg(step.toHtmlEscaped());
    return html + QStringLiteral("</ol>");
}

} // namespace

HelpWindow::HelpWindow(const HelpPage &page, QWidget *forWindow) : QWidget(forWindow, Qt::Window)
{
    setObjectName(QStringLiteral("help"));
    ui::setAccessibleRole(this, QAccessible::Dialog); // named by its title
    setWindowTitle(kTitle.arg(page.title));
    setAttribute(Qt::WA_DeleteOnClose);
    setLayoutDirection(Qt::RightToLeft);
    resize(kSize);

    // A read-only text edit, which assistive technology reads as text and
    // starts reading when it takes the focus; a text browser it takes for a
    // label.
    text = new QTextEdit(this);
    text->setObjectName(QStringLiteral("helpText"));
    text->setReadOnly(true);
    text->setLayoutDirection(Qt::RightToLeft);
    text->setFont(scaleOf(forWindow).font(Face::SimplifiedArabic, 13.5)); // at its window's scale
    // A caret that the arrow keys move, so that a screen reader reads line by line.
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text->setHtml(pageHtml(page, 2) + pageHtml(keysHelp(), 3));
    ui::nameScrollArea(text, kTextName);
    text->setAccessibleDescription(kDescription);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
    setFocusProxy(text);

    auto *close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    auto *exit = new QAction(this);
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, [] { exitProgram(); });
    addAction(exit);

    forWindow->installEventFilter(this);
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Its window closed (it is only hidden until it is destroyed): help goes too.
    if (watched == parentWidget() && event->type() == QEvent::Hide && !event->spontaneous())
        close();
    return false;
}

void HelpWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (parentWidget()->isVisible()) // the keyboard goes back to the window the help was for
        parentWidget()->activateWindow();
}

void showHelpFor(QWidget *window)
{
    const HelpPage *page = helpPageFor(window->objectName());
    if (!page)
        return;
    auto *help = window->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) {
        help = new HelpWindow(*page, window);
        // Off its window's corner, so that the window's title stays in view;
        // never past the screen's edge, its text scrolling where it must.
        help->move(window->geometry().topLeft() + QPoint(40, 40));
        keepInsideScreen(help);
    }
    help->show();
    help->raise();
    help->activateWindow();
    help->text->setFocus(Qt::OtherFocusReason);
}
