// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "ui/desktopactions.h"

#include "ui/calculator.h"
#include "ui/accessible.h"
#include "ui/announcer.h"
#include "ui/designlabel.h"
#include "ui/look.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

namespace {

HelpOpener &helpOpener()
{
    static HelpOpener opener;
    return opener;
}

// A key pressed while a modal box is open belongs to the box: the window
// underneath waits, as it does for the mouse.
bool modalBoxOpen()
{
    return QApplication::activeModalWidget() != nullptr;
}

QAction *addAction(QWidget *window, const QString &text, const QList<QKeySequence> &keys,
                   std::function<void()> run)
{
    auto *action = new QAction(text, window);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, window, [run = std::move(run)] {
        if (!modalBoxOpen())
            run();
    });
    window->addAction(action);
    return action;
}

void popUpMenu(QWidget *owner, const QPoint &position, const QList<QAction *> &items)
{
    auto *menu = new QMenu(owner);
    menu->setObjectName(QStringLiteral("contextMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setLayoutDirection(Qt::RightToLeft);
    for (QAction *item : items) {
        if (item)
            menu->addAction(item);
        else
            menu->addSeparator();
    }
    menu->popup(owner->mapToGlobal(position));
}

void showContextMenuOf(QWidget *owner, const QList<QAction *> &items)
{
    owner->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(owner, &QWidget::customContextMenuRequested, owner,
                     [owner, items](const QPoint &position) {
                         if (!modalBoxOpen())
                             popUpMenu(owner, position, items);
                     });
}

// A moment's sign on the window that the copy was made, heard too: the
// clipboard shows nothing of itself.
void showCopiedNote(QWidget *window)
{
    constexpr int kMilliseconds = 2000;
    auto *note = window->findChild<QLabel *>(QStringLiteral("copiedNote"));
    if (!note) {
        note = new QLabel(kCopiedText, window);
        note->setObjectName(QStringLiteral("copiedNote"));
        note->setMargin(6);
        note->setFrameStyle(QFrame::Box | QFrame::Plain);
        QPalette colours = note->palette();
        colours.setColor(QPalette::Window, Colour::NoteYellow);
        colours.setColor(QPalette::WindowText, Colour::Black);
        note->setPalette(colours);
        note->setAutoFillBackground(true);
        note->setAttribute(Qt::WA_TransparentForMouseEvents);
        ui::keepFromAssistiveTechnology(note); // heard as an announcement
        auto *timer = new QTimer(note);
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, note, &QWidget::hide);
    }
    note->adjustSize();
    note->move((window->width() - note->width()) / 2, window->height() - note->height() - 8);
    note->show();
    note->raise();
    note->findChild<QTimer *>()->start(kMilliseconds);
    ui::announce(window, kCopiedText);
}

void printThroughDialog(QWidget *window, const ComputationSummary &summary)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(summary.heading);
    QPrintDialog dialog(&printer, window);
    dialog.setObjectName(QStringLiteral("printDialog"));
    dialog.setWindowTitle(kPrintText);
    dialog.setLayoutDirection(Qt::RightToLeft);
    // Beside an icon, Qt draws a button's label right to left past the
    // button's edge (the dialog's "ألغِ" was cut); without one, inside it.
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        button->setIcon(QIcon());
    if (dialog.exec() == QDialog::Accepted)
        printSummary(summary, &printer);
}

} // namespace

void setHelpOpener(HelpOpener opener)
{
    helpOpener() = std::move(opener);
}

void openHelp(QWidget *window)
{
    if (helpOpener())
        helpOpener()(window);
}

QAction *addProgramActions(QWidget *window, std::function<void()> exit,
                           const QList<QAction *> &menuItems)
{
    addAction(window, kExitText, {QKeySequence(Qt::CTRL | Qt::Key_Q)}, std::move(exit));
    QAction *help = addAction(window, kHelpText, {QKeySequence(Qt::Key_F1)},
                              [window] { openHelp(window); });
    QList<QAction *> items = menuItems;
    if (!items.isEmpty())
        items.append(nullptr);
    items.append(help);
    showContextMenuOf(window, items);
    return help;
}

void addCalculatorActions(QWidget *window, const BackAndExit &buttons,
                          std::function<ComputationSummary()> summary,
                          const QList<DesignLabel *> &results)
{
    CommandButton *back = buttons.back;
    CommandButton *exit = buttons.exit;
    addAction(window, kBackText,
              {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)},
              [back] { back->click(); });
    QAction *copy = addAction(window, kCopySummaryText,
                              {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, [window, summary] {
                                  QGuiApplication::clipboard()->setText(summary().text());
                                  showCopiedNote(window);
                              });
    QAction *print = addAction(window, kPrintText, {QKeySequence(Qt::CTRL | Qt::Key_P)},
                               [window, summary] { printThroughDialog(window, summary()); });
    QAction *help = addProgramActions(window, [exit] { exit->click(); }, {copy, print});

    for (DesignLabel *label : results) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->makeReachable(); // clicked, Ctrl+C reaches the label it selected in
        auto *copySelection = new QAction(kCopySelectionText, label);
        copySelection->setShortcut(QKeySequence::Copy);
        copySelection->setShortcutContext(Qt::WidgetShortcut); // the label copies it itself
        QObject::connect(copySelection, &QAction::triggered, label, [label] {
            QGuiApplication::clipboard()->setText(label->selectedText());
        });
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(label, &QWidget::customContextMenuRequested, label,
                         [label, copySelection, copy, print, help](const QPoint &position) {
                             if (modalBoxOpen())
                                 return;
                             copySelection->setEnabled(label->hasSelectedText());
                             popUpMenu(label, position,
                                       {copySelection, nullptr, copy, print, help});
                         });
    }
}
