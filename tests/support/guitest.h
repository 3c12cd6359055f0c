// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTest>
#include <QTimer>

// A message box as the user saw it.
struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
    bool okButton = false;
    bool applicationModal = false;

    bool operator==(const SeenBox &other) const
    {
        return text == other.text && title == other.title && icon == other.icon
            && buttonCount == other.buttonCount && okButton == other.okButton
            && applicationModal == other.applicationModal;
    }
};

// The warning box every calculator window shows, with the given text and title.
SeenBox warningBox(const QString &text, const QString &title);

char *toString(const SeenBox &box);

// Watches for modal message boxes while it lives: records each one and
// dismisses it with its OK button, as the user would.
class MessageBoxRecorder : public QObject {
    Q_OBJECT
public:
    MessageBoxRecorder();
    // The boxes seen since the last call, oldest first.
    QList<SeenBox> take();
    // Runs when a box is seen, before it is dismissed (to look at the windows
    // while it is open).
    std::function<void()> whileOpen;

private:
    void poll();
    QTimer m_timer;
    QList<SeenBox> m_seen;
};

// Finds a control of a window by its design name; fails the test when absent.
template <class T>
T *control(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qWarning("no control named %s", qPrintable(name));
    return found;
}

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

// A test main that prepares the application as the program does.
#define ZAKAT_GUI_TEST_MAIN(TestClass)                                                    \
    int main(int argc, char *argv[])                                                      \
    {                                                                                     \
        QApplication application(argc, argv);                                             \
        prepareApplication(application);                                                  \
        TestClass test;                                                                   \
        return QTest::qExec(&test, argc, argv);                                           \
    }
