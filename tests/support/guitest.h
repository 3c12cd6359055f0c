// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include "records/store.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <type_traits>

class CommandButton;
class MainMenu;

// A message box as the user saw it.
struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool okButton = false;
    bool applicationModal = false;
    bool question = false; // "نعم" and "لا"

    bool operator==(const SeenBox &other) const
    {
        return text == other.text && title == other.title && icon == other.icon
            && buttonCount == other.buttonCount && okButton == other.okButton
            && applicationModal == other.applicationModal && question == other.question;
    }
};

// The warning box every calculator window shows, with the given text and title.
SeenBox warningBox(const QString &text, const QString &title);
// The question asked before what the user saved is replaced or deleted.
SeenBox questionBox(const QString &text, const QString &title);

char *toString(const SeenBox &box);

// Watches for modal message boxes while it lives and dismisses each with its
// OK button, as the user would. A box is expected only while an action runs
// through during(); any other box fails the running test at once, with its
// text. A recorder that records every box instead (for runs of random input)
// hands them over through take().
class MessageBoxRecorder : public QObject {
    Q_OBJECT
public:
    enum Policy { FailUnexpected, RecordEvery };
    explicit MessageBoxRecorder(Policy policy = FailUnexpected);

    // The boxes shown while the action ran, oldest first.
    QList<SeenBox> during(const std::function<void()> &action);
    // Every box seen since the last call, oldest first (RecordEvery).
    QList<SeenBox> take();
    // Runs when a box is seen, before it is dismissed (to look at the windows
    // while it is open).
    std::function<void()> whileOpen;
    // How a question is answered: "نعم" when true, else "لا".
    bool answerYes = false;

private:
    void poll();
    Policy m_policy;
    int m_expecting = 0;
    QTimer m_timer;
    QList<SeenBox> m_seen;
};

// Fails the running test at once with the message.
void failTest(const QString &message);

// Finds a control of a window by its design name. A missing control fails the
// test at once; the test then goes on with a blank stand-in of that kind
// rather than crash, so the other tests still run.
template <class T>
T *control(QWidget *window, const QString &name)
{
    if (T *found = window ? window->findChild<T *>(name) : nullptr)
        return found;
    failTest(QStringLiteral("no control named %1").arg(name));
    using StandIn = std::conditional_t<std::is_abstract_v<T>, QPushButton, T>;
    static auto *standIn = new StandIn;
    return standIn;
}

// The menu, and the calculator window one of its buttons opens, opened the
// way a user opens them, with every message box watched. When it goes, every
// window goes with it.
class OpenedWindow {
public:
    // The menu alone, or the menu and the window its button opens.
    explicit OpenedWindow(CommandButton *MainMenu::*menuButton = nullptr);
    ~OpenedWindow();
    OpenedWindow(const OpenedWindow &) = delete;
    OpenedWindow &operator=(const OpenedWindow &) = delete;

    // Presses the menu button again; the window it shows (a new one after Back).
    QWidget *reopen();

    MessageBoxRecorder boxes;
    MainMenu *menu = nullptr;
    QWidget *window = nullptr; // the calculator, or the menu when opened alone

    QLabel *label(const QString &name) const { return control<QLabel>(window, name); }
    QLineEdit *field(const QString &name) const { return control<QLineEdit>(window, name); }
    QAbstractButton *button(const QString &name) const
    {
        return control<QAbstractButton>(window, name);
    }
    QRadioButton *option(const QString &name) const { return control<QRadioButton>(window, name); }

private:
    CommandButton *MainMenu::*m_menuButton;
};

// What the window tests share: the calculator opened from the menu as a user
// opens it before each test and closed after it, and its controls found by
// their design names.
class WindowTest : public QObject {
protected:
    explicit WindowTest(CommandButton *MainMenu::*menuButton) : m_menuButton(menuButton) {}

    // Called from the test's init() and cleanup().
    void openWindow();
    void closeWindow() { m_open.reset(); }

    // In the window under test (m_window: a test that reopens it sets it anew).
    QLabel *label(const QString &name) const { return control<QLabel>(m_window, name); }
    QLineEdit *field(const QString &name) const { return control<QLineEdit>(m_window, name); }
    QAbstractButton *button(const QString &name) const
    {
        return control<QAbstractButton>(m_window, name);
    }
    QList<SeenBox> boxesDuring(const std::function<void()> &action)
    {
        return m_open->boxes.during(action);
    }

    std::unique_ptr<OpenedWindow> m_open;
    MainMenu *m_menu = nullptr;
    QWidget *m_window = nullptr;

private:
    CommandButton *MainMenu::*m_menuButton;
};

// Whether the text holds a Latin letter: no text on screen should.
bool hasLatinLetter(const QString &text);

// Types the text into the widget key by key, in any script.
void typeText(QWidget *widget, const QString &text);

// Clicks into the field, as the user does before typing, and types the text.
void typeInto(QLineEdit *field, const QString &text);

// Clicks the button with the mouse.
void press(QAbstractButton *button);

// Destroys every top-level window, as at the end of a run, so that the next
// test starts from the menu alone.
void deleteAllWindows();

// The visible top-level windows with the given object name.
QList<QWidget *> openWindows(const QString &name);

// A test main that prepares the application as the program does; the
// household's record is kept in a folder of this run's own, never the user's
// nor another test's running at the same time.
#define ZAKAT_GUI_TEST_MAIN(TestClass)                                                    \
    int main(int argc, char *argv[])                                                      \
    {                                                                                     \
        QStandardPaths::setTestModeEnabled(true);                                         \
        QApplication application(argc, argv);                                             \
        prepareApplication(application);                                                  \
        const QTemporaryDir data;                                                         \
        RecordStore::setDefaultFolder(data.filePath(QStringLiteral("zakat")));            \
        TestClass test;                                                                   \
        return QTest::qExec(&test, argc, argv);                                           \
    }
