// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "tests/support/guitest.h"
#include "app/startup.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>

// The entry field's own behaviour, on a bare window.
class EntryFieldTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void programWriteRunsTheHandlerEvenForTheSameText();
    void handlerRunsNestedBeforeTheWriteReturns();
    void typingRunsTheHandlerOncePerKey();
    void pasteIsCleanedAndGoesInWholeOrNotAtAll_data();
    void pasteIsCleanedAndGoesInWholeOrNotAtAll();
    void everyWayOfPastingIsCleaned();
    void focusOtherThanByAClickSelectsTheWholeText();
    void keyTypedIntoAFullFieldChangesNothing();
    void selectsAllOnFocusWhenAsked();
    void buttonPressedBySpaceAndEnter();
    void separatorsInsideANumberAreExplained_data();
    void separatorsInsideANumberAreExplained();

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
    // The program's text is no refusal of the user's: no note.
    QCoreApplication::processEvents();
    QVERIFY(!m_field->limitNote());
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

void EntryFieldTest::pasteIsCleanedAndGoesInWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("before"); // "|" the caret, "[...]" the selection
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("note");
    QTest::newRow("line break after") << "[ادخل العدد فقط]" << "100\n" << "100" << false;
    QTest::newRow("spreadsheet cell") << "[ادخل العدد فقط]" << "\t 25\r\n" << "25" << false;
    QTest::newRow("direction marks") << "[ادخل العدد فقط]" << QStringLiteral("\u200F٥٠\u200E") << QStringLiteral("٥٠") << false;
    QTest::newRow("inner blank stays") << "[ادخل العدد فقط]" << " 1 0 " << "1 0" << false;
    QTest::newRow("inner line break shows") << "[ادخل العدد فقط]" << "1\n0" << "1 0" << false;
    QTest::newRow("too long for the field") << "[ادخل العدد فقط]" << "1234" << "ادخل العدد فقط" << true;
    QTest::newRow("too long for the room left") << "12|" << "98" << "12" << true;
    QTest::newRow("fits the room left") << "|1" << "98" << "981" << false;
    QTest::newRow("replaces the selection") << "1[23]" << "45" << "145" << false;
    QTest::newRow("only blanks") << "1|" << " \n " << "1" << false;
}

void EntryFieldTest::pasteIsCleanedAndGoesInWholeOrNotAtAll()
{
    QFETCH(QString, before);
    QFETCH(QString, clipboard);
    QFETCH(QString, after);
    QFETCH(bool, note);
    QString text = before;
    const qsizetype caret = text.indexOf(u'|');
    const qsizetype from = text.indexOf(u'['), to = text.indexOf(u']');
    text.remove(u'|').remove(u'[').remove(u']');
    m_field->write(text);
    m_field->setFocus();
    if (caret >= 0)
        m_field->setCursorPosition(int(caret));
    else
        m_field->setSelection(int(from), int(to - from - 1));
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::keyClick(m_field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_field->text(), after);
    QCoreApplication::processEvents();
    // The length note (an inner blank brings the note on separators instead).
    const bool shown = m_field->limitNote() && m_field->limitNote()->isVisible()
        && m_field->limitNote()->text() != EntryField::kSeparatorNote;
    QCOMPARE(shown, note);
    if (note)
        QCOMPARE(m_field->limitNote()->text(), QStringLiteral("لا تقبل هذه الخانة أكثر من 3 أحرف"));
}

void EntryFieldTest::everyWayOfPastingIsCleaned()
{
    QGuiApplication::clipboard()->setText(QStringLiteral(" 12\n"));
    // The context menu's Paste.
    m_field->write(QString());
    m_field->setFocus();
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                m_field->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(m_field, &menuEvent);
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
    QAction *paste = nullptr;
    for (QAction *action : menu->actions())
        if (action->text().endsWith(QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText)))
            paste = action;
    QVERIFY(paste);
    paste->trigger();
    menu->close();
    QCOMPARE(m_field->text(), QStringLiteral("12"));
    // Shift+Insert.
    m_field->write(QString());
    QTest::keyClick(m_field, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(m_field->text(), QStringLiteral("12"));
    // The middle button pastes the selection, where the desktop has one.
    if (QGuiApplication::clipboard()->supportsSelection()) {
        QGuiApplication::clipboard()->setText(QStringLiteral("1234"), QClipboard::Selection);
        QTest::mouseClick(m_field, Qt::MiddleButton);
        QCOMPARE(m_field->text(), QStringLiteral("12"));
    }
}

void EntryFieldTest::focusOtherThanByAClickSelectsTheWholeText()
{
    auto *other = new EntryField(m_window, QStringLiteral("Text2"), QStringLiteral("0000"),
                                 QRect(10, 50, 200, 30), QFont(), Qt::AlignHCenter, 9);
    other->show();
    auto arrive = [&](Qt::FocusReason reason) {
        m_field->setFocus();
        other->deselect();
        other->setFocus(reason);
        return other->selectedText();
    };
    // The window taking the keyboard as it opens.
    QCOMPARE(arrive(Qt::ActiveWindowFocusReason), QStringLiteral("0000"));
    for (Qt::FocusReason reason :
         {Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::OtherFocusReason})
        QCOMPARE(arrive(reason), QStringLiteral("0000"));
    // Coming back to the window leaves the text as it was; coming back from a
    // warning selects it.
    QCOMPARE(arrive(Qt::ActiveWindowFocusReason), QString());
    other->selectAllWhenFocusReturns();
    QCOMPARE(arrive(Qt::ActiveWindowFocusReason), QStringLiteral("0000"));
    // A click leaves the caret where it lands, in a field that does not
    // select on click.
    m_field->setFocus();
    other->deselect();
    QTest::mouseClick(other, Qt::LeftButton, Qt::NoModifier, QPoint(5, 15));
    QCOMPARE(other->selectedText(), QString());
    typeText(other, QStringLiteral("1"));
    QCOMPARE(other->text().size(), 5);
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
    QCoreApplication::processEvents();
    QVERIFY(m_field->limitNote() && m_field->limitNote()->isVisible());
    QCOMPARE(m_field->limitNote()->text(), QStringLiteral("لا تقبل هذه الخانة أكثر من 3 أحرف"));

    // A later paste that goes in takes the note away at once.
    QGuiApplication::clipboard()->setText(QStringLiteral("12"));
    m_field->selectAll();
    QTest::keyClick(m_field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_field->text(), QStringLiteral("12"));
    QVERIFY(!m_field->limitNote()->isVisible());
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

void EntryFieldTest::separatorsInsideANumberAreExplained_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("explained");
    QTest::newRow("a comma") << "1,0" << true;
    QTest::newRow("an Arabic thousands separator") << QStringLiteral("١٬٢") << true;
    QTest::newRow("letters, a decimal point") << "a.," << false;
}

void EntryFieldTest::separatorsInsideANumberAreExplained()
{
    QFETCH(QString, typed);
    QFETCH(bool, explained);
    typeInto(m_field, typed);
    const QLabel *note = m_field->limitNote(); // the text kept as typed
    QCOMPARE(m_field->text() == typed && note && note->isVisible()
                 && note->text() == EntryField::kSeparatorNote,
             explained);
}

ZAKAT_GUI_TEST_MAIN(EntryFieldTest)
#include "test_entry_field.moc"
