// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "tests/support/guitest.h"
#include "app/startup.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"

#include <QClipboard>

// The entry field's own behaviour, on a bare window.
class EntryFieldTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void programWriteRunsTheHandlerEvenForTheSameText();
    void handlerRunsNestedBeforeTheWriteReturns();
    void typingRunsTheHandlerOncePerKey();
    void pasteBeyondTheLimitKeepsWhatFits();
    void keyTypedIntoAFullFieldChangesNothing();
    void selectsAllOnFocusWhenAsked();
    void buttonPressedBySpaceAndEnter();

private:
    QWidget *m_window = nullptr;
    EntryField *m_field = nullptr;
    int m_changes = 0;
};

void EntryFieldTest::init()
{
    m_window = new QWidget;
    m_field = new EntryField(m_window, QStringLiteral("Text1"), QStringLiteral("ادخل العدد فقط"),
                             QRect(10, 10, 200, 30), QFont(), Qt::AlignHCenter, 3);
    m_changes = 0;
    m_field->setChangeHandler([this] { ++m_changes; });
    m_field->setSelectAllOnClick(true);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void EntryFieldTest::cleanup()
{
    delete m_window;
}

void EntryFieldTest::programWriteRunsTheHandlerEvenForTheSameText()
{
    m_field->write(QStringLiteral("0"));
    m_field->write(QStringLiteral("0"));
    QCOMPARE(m_changes, 2);
    m_field->write(QStringLiteral("123456789"));
    QCOMPARE(m_field->text(), QStringLiteral("123456789"));
    QCOMPARE(m_changes, 3);
}

void EntryFieldTest::handlerRunsNestedBeforeTheWriteReturns()
{
    QStringList seen;
    m_field->setChangeHandler([&] {
        seen << m_field->text();
        if (m_field->text() == QStringLiteral("a"))
            m_field->write(QStringLiteral("b"));
    });
    m_field->write(QStringLiteral("a"));
    seen << QStringLiteral("returned");
    QCOMPARE(seen, (QStringList{"a", "b", "returned"}));
}

void EntryFieldTest::typingRunsTheHandlerOncePerKey()
{
    typeInto(m_field, QStringLiteral("12"));
    QCOMPARE(m_field->text(), QStringLiteral("12"));
    QCOMPARE(m_changes, 2);
}

void EntryFieldTest::pasteBeyondTheLimitKeepsWhatFits()
{
    m_field->write(QStringLiteral("1"));
    m_field->setFocus();
    m_field->setCursorPosition(0);
    QGuiApplication::clipboard()->setText(QStringLiteral("98765"));
    QTest::keyClick(m_field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_field->text(), QStringLiteral("981"));
    QCOMPARE(m_field->cursorPosition(), 2);
}

void EntryFieldTest::keyTypedIntoAFullFieldChangesNothing()
{
    m_field->write(QStringLiteral("123"));
    m_field->setFocus();
    m_field->setCursorPosition(3);
    const int changes = m_changes;
    QTest::keyClick(m_field, Qt::Key_4);
    QCOMPARE(m_field->text(), QStringLiteral("123"));
    QCOMPARE(m_changes, changes);
    QGuiApplication::clipboard()->setText(QStringLiteral("45"));
    QTest::keyClick(m_field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_field->text(), QStringLiteral("123"));
    QCOMPARE(m_changes, changes);
}

void EntryFieldTest::selectsAllOnFocusWhenAsked()
{
    auto *other = new EntryField(m_window, QStringLiteral("Text2"), QStringLiteral("العدد"),
                                 QRect(10, 50, 200, 30), QFont(), Qt::AlignHCenter, 9);
    other->setSelectAllOnFocus(true);
    other->show();
    m_field->setFocus();
    other->setFocus(Qt::MouseFocusReason);
    QCOMPARE(other->selectedText(), QStringLiteral("العدد"));
}

void EntryFieldTest::buttonPressedBySpaceAndEnter()
{
    auto *button = new CommandButton(m_window, QStringLiteral("Command1"), QStringLiteral("احسب"),
                                     QRect(10, 90, 80, 30), QFont(), Qt::gray);
    int presses = 0;
    button->setHandler([&] { ++presses; });
    button->show();
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    QCOMPARE(presses, 3);
    button->setEnabled(false);
    QTest::keyClick(button, Qt::Key_Return);
    QCOMPARE(presses, 3);
}

ZAKAT_GUI_TEST_MAIN(EntryFieldTest)
#include "test_entry_field.moc"
