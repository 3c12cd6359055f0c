// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "tests/support/guitest.h"

#include "app/mainmenu.h"
#include "app/startup.h"

#include <QFileDialog>
#include <QPointer>
#include <QSet>

#include <algorithm>

SeenBox warningBox(const QString &text, const QString &title)
{
    SeenBox box;
    box.text = text;
    box.title = title;
    box.icon = QMessageBox::Information;
    box.buttonCount = 1;
    box.okButton = true;
    box.applicationModal = true;
    return box;
}

SeenBox questionBox(const QString &text, const QString &title)
{
    SeenBox box;
    box.text = text;
    box.title = title;
    box.icon = QMessageBox::Question;
    box.buttonCount = 2;
    box.applicationModal = true;
    box.question = true;
    return box;
}

char *toString(const SeenBox &box)
{
    const QString text = QStringLiteral("box[text=\"%1\" title=\"%2\" icon=%3 buttons=%4 ok=%5 appmodal=%6]")
                             .arg(box.text, box.title)
                             .arg(int(box.icon))
                             .arg(box.buttonCount)
                             .arg(box.okButton)
                             .arg(box.applicationModal);
    return qstrdup(text.toUtf8().constData());
}

MessageBoxRecorder::MessageBoxRecorder(Policy policy) : m_policy(policy)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxRecorder::poll);
    m_timer.start();
}

QList<SeenBox> MessageBoxRecorder::during(const std::function<void()> &action)
{
    const qsizetype before = m_seen.size();
    ++m_expecting;
    action();
    --m_expecting;
    const QList<SeenBox> seen = m_seen.mid(before);
    m_seen.resize(before);
    return seen;
}

QList<SeenBox> MessageBoxRecorder::take()
{
    return std::exchange(m_seen, {});
}

void failTest(const QString &message)
{
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

void MessageBoxRecorder::poll()
{
    // A file chooser opened on the way of a random run is closed unchosen.
    if (auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
        if (m_policy == RecordEvery)
            chooser->reject();
        return;
    }
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    SeenBox seen;
    seen.text = box->text();
    seen.title = box->windowTitle();
    seen.icon = box->icon();
    seen.buttonCount = box->buttons().size();
    seen.okButton = box->button(QMessageBox::Ok) != nullptr;
    seen.applicationModal = box->windowModality() == Qt::ApplicationModal;
    seen.question = box->button(QMessageBox::Yes) && box->button(QMessageBox::No)
        && box->button(QMessageBox::Yes)->text() == QStringLiteral("نعم")
        && box->button(QMessageBox::No)->text() == QStringLiteral("لا");
    if (m_policy == FailUnexpected && m_expecting == 0)
        failTest(QStringLiteral("a message box nobody expected: %1").arg(toString(seen)));
    else
        m_seen.append(seen);
    if (whileOpen)
        whileOpen();
    if (QAbstractButton *ok = box->button(QMessageBox::Ok))
        ok->click();
    else if (seen.question)
        box->button(answerYes ? QMessageBox::Yes : QMessageBox::No)->click();
    else
        box->reject();
}

void typeText(QWidget *widget, const QString &text)
{
    // QTest::keyClicks only knows Latin-1; Arabic letters and digits arrive
    // as key events that carry their text, as an Arabic keyboard sends them.
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }
}

void WindowTest::openWindow()
{
    m_open = std::make_unique<OpenedWindow>(m_menuButton);
    m_menu = m_open->menu;
    m_window = m_open->window;
}

bool hasLatinLetter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.isLetter() && c.script() == QChar::Script_Latin;
    });
}

void typeInto(QLineEdit *field, const QString &text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    typeText(field, text);
}

void press(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void deleteAllWindows()
{
    // Destroying one window can destroy others with it (a tooltip, a box).
    // A window with a parent (a combo box's list, a box over a window) is
    // its parent's to destroy: deleting it here would leave the parent
    // holding a dangling pointer.
    QList<QPointer<QWidget>> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            windows << window;
    for (const QPointer<QWidget> &window : windows)
        delete window.data();
}

QList<QWidget *> openWindows(const QString &name)
{
    QList<QWidget *> found;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            found.append(window);
    return found;
}

OpenedWindow::OpenedWindow(CommandButton *MainMenu::*menuButton) : m_menuButton(menuButton)
{
    menu = showMainMenu();
    window = menu;
    if (m_menuButton)
        reopen();
    if (window && !QTest::qWaitForWindowExposed(window))
        failTest(QStringLiteral("%1 was never shown").arg(window->objectName()));
}

OpenedWindow::~OpenedWindow()
{
    deleteAllWindows();
}

QWidget *OpenedWindow::reopen()
{
    QSet<QWidget *> shownBefore;
    for (QWidget *candidate : QApplication::topLevelWidgets())
        if (candidate->isVisible())
            shownBefore.insert(candidate);
    press(menu->*m_menuButton);
    window = QApplication::activeWindow(); // a window already open comes forward
    for (QWidget *candidate : QApplication::topLevelWidgets())
        if (candidate->isVisible() && !shownBefore.contains(candidate))
            window = candidate;
    if (!window || window == menu)
        failTest(QStringLiteral("the menu button opened no window"));
    return window;
}
