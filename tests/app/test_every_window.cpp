// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/mainmenu.h"
#include "tests/support/guitest.h"
#include "tests/support/heard.h"
#include "app/startup.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"
#include "ui/shapes.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QSet>
#include <QTextEdit>

#include <memory>

// What holds for every window of the program: each is opened from the menu
// as the user opens it (help with F1 on each window, the about box from the
// menu's contact line), and looked at as a whole.
class EveryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyControlHasItsDesignName_data();
    void everyControlHasItsDesignName();
    void fieldsAndButtonsHaveAccessibleNames_data();
    void fieldsAndButtonsHaveAccessibleNames();
    void screenReadersHearEveryObjectByADistinctName_data();
    void screenReadersHearEveryObjectByADistinctName();
    void labelsShowTheirWholeDesignText_data();
    void labelsShowTheirWholeDesignText();
    void everyWindowLiesInsideTheScreenUnderAnArabicTitle_data();
    void everyWindowLiesInsideTheScreenUnderAnArabicTitle();
    void theLengthNoteCoversNoOtherText_data();
    void theLengthNoteCoversNoOtherText();
    void theAboutBoxPassesTheSameChecks();
    void everyFrameShowsItsFourSides_data();
    void everyFrameShowsItsFourSides();

private:
    void addWindowRows();
    QList<QWidget *> m_windows;
};

void EveryWindowTest::initTestCase()
{
    MainMenu *menu = showMainMenu();
    m_windows << menu;
    for (QAbstractButton *button : {static_cast<QAbstractButton *>(menu->livestockButton),
                                    static_cast<QAbstractButton *>(menu->goldButton),
                                    static_cast<QAbstractButton *>(menu->silverButton),
                                    static_cast<QAbstractButton *>(menu->cashButton),
                                    static_cast<QAbstractButton *>(menu->produceButton),
                                    static_cast<QAbstractButton *>(menu->wealthButton),
                                    static_cast<QAbstractButton *>(menu->fitrButton),
                                    static_cast<QAbstractButton *>(menu->recordsButton)}) {
        const QSet<QWidget *> before(m_windows.begin(), m_windows.end());
        press(button);
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible() && !before.contains(window))
                m_windows << window;
    }
    QVERIFY(m_windows.size() >= 3); // the menu, gold and silver at least
    const QList<QWidget *> designed = m_windows;
    for (QWidget *window : designed) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_F1);
        auto *help = window->findChild<QWidget *>(QStringLiteral("help"));
        QVERIFY2(help && help->isVisible(), qPrintable(window->objectName()));
        m_windows << help;
    }
}

void EveryWindowTest::cleanupTestCase()
{
    deleteAllWindows();
}

void EveryWindowTest::addWindowRows()
{
    QTest::addColumn<QWidget *>("window");
    for (QWidget *window : m_windows) {
        QString name = window->objectName();
        if (window->parentWidget())
            name += QStringLiteral(" of ") + window->parentWidget()->objectName();
        QTest::newRow(qPrintable(name)) << window;
    }
}

namespace {

void checkNames(QWidget *window)
{
    const QString windowName = window->objectName();
    QVERIFY2(windowName.startsWith(QStringLiteral("frmzakat")) || windowName == QStringLiteral("help")
                 || windowName == QStringLiteral("about"),
             qPrintable(windowName));
    QSet<QString> names;
    for (QWidget *control : window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString name = control->objectName();
        QVERIFY2(!name.isEmpty(), control->metaObject()->className());
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
    }
}

void checkAccessibleNames(QWidget *window)
{
    QList<QWidget *> controls;
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        controls << field;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        controls << button;
    for (QTextEdit *text : window->findChildren<QTextEdit *>())
        controls << text;
    QVERIFY(!controls.isEmpty());
    for (QWidget *control : controls) {
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), control->accessibleName());
    }
}

// A title the title bar and the task list show: never empty, never a Latin word.
void checkTitle(QWidget *window)
{
    const QString title = window->windowTitle();
    QVERIFY2(!title.trimmed().isEmpty() && !hasLatinLetter(title), qPrintable(title));
}

void checkLabelsFit(QWidget *window)
{
    for (DesignLabel *label : window->findChildren<DesignLabel *>()) {
        if (label->isHidden() || label->text().isEmpty())
            continue;
        if (label->metaObject() != &DesignLabel::staticMetaObject)
            continue; // labels of their own kind draw their text their own way
        const QRect bounds = label->contentsRect();
        const QRect needed = QFontMetrics(label->fittedFont())
                                 .boundingRect(bounds, label->drawingFlags(), label->text());
        QVERIFY2(needed.width() <= bounds.width() && needed.height() <= bounds.height(),
                 qPrintable(QStringLiteral("%1 needs %2x%3 in %4x%5")
                                .arg(label->objectName())
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(bounds.width())
                                .arg(bounds.height())));
    }
}

} // namespace

void EveryWindowTest::everyControlHasItsDesignName_data()
{
    addWindowRows();
}

void EveryWindowTest::everyControlHasItsDesignName()
{
    QFETCH(QWidget *, window);
    checkNames(window);
}

void EveryWindowTest::fieldsAndButtonsHaveAccessibleNames_data()
{
    addWindowRows();
}

void EveryWindowTest::fieldsAndButtonsHaveAccessibleNames()
{
    QFETCH(QWidget *, window);
    checkAccessibleNames(window);
}

void EveryWindowTest::screenReadersHearEveryObjectByADistinctName_data()
{
    addWindowRows();
}

void EveryWindowTest::screenReadersHearEveryObjectByADistinctName()
{
    QFETCH(QWidget *, window);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(window);
    QVERIFY(accessible);
    // A frame Orca reads the title of; a help window is a dialog of its window.
    QCOMPARE(accessible->role(),
             window->parentWidget() ? QAccessible::Dialog : QAccessible::Window);
    const QString name = accessible->text(QAccessible::Name);
    QVERIFY2(name.contains(QRegularExpression(QStringLiteral("\\p{Arabic}"))),
             qPrintable(name));
    checkAccessibleTree(window);
}

void EveryWindowTest::labelsShowTheirWholeDesignText_data()
{
    addWindowRows();
}

void EveryWindowTest::labelsShowTheirWholeDesignText()
{
    QFETCH(QWidget *, window);
    checkLabelsFit(window);
}

void EveryWindowTest::everyWindowLiesInsideTheScreenUnderAnArabicTitle_data()
{
    addWindowRows();
}

// Run also on small screens and at large scales, where the windows are drawn
// smaller than designed and a help window is cut to the screen's height.
void EveryWindowTest::everyWindowLiesInsideTheScreenUnderAnArabicTitle()
{
    QFETCH(QWidget *, window);
    checkTitle(window);
    const std::unique_ptr<char[]> frame(QTest::toString(window->frameGeometry()));
    QVERIFY2(window->screen()->availableGeometry().contains(window->frameGeometry()), frame.get());
}

void EveryWindowTest::theLengthNoteCoversNoOtherText_data()
{
    addWindowRows();
}

void EveryWindowTest::theLengthNoteCoversNoOtherText()
{
    QFETCH(QWidget *, window);
    const QList<QWidget *> others = window->findChildren<QWidget *>();
    for (EntryField *field : window->findChildren<EntryField *>()) {
        if (!field->isVisible() || !field->isEnabled())
            continue;
        field->showLimitNote();
        const QRect note = field->limitNote()->frameGeometry();
        field->limitNote()->hide();
        for (QWidget *other : others) {
            auto *label = qobject_cast<QLabel *>(other);
            const bool showsText = label ? !label->text().trimmed().isEmpty()
                                         : qobject_cast<QAbstractButton *>(other)
                    || qobject_cast<QLineEdit *>(other);
            if (other != field && other->isVisible() && other->window() == window && showsText)
                QVERIFY2(!note.intersects(QRect(other->mapToGlobal(QPoint()), other->size())),
                         qPrintable(field->objectName() + u' ' + other->objectName()));
        }
    }
}

void EveryWindowTest::theAboutBoxPassesTheSameChecks()
{
    auto *menu = qobject_cast<MainMenu *>(m_windows.first());
    QVERIFY(menu);
    MessageBoxRecorder boxes;
    bool checked = false;
    boxes.whileOpen = [&] {
        QWidget *about = QApplication::activeModalWidget();
        QCOMPARE(about->layoutDirection(), Qt::RightToLeft);
        checkNames(about);
        checkAccessibleNames(about);
        checkTitle(about);
        // Its one button speaks as every box of the program does.
        auto *ok = qobject_cast<QMessageBox *>(about)->button(QMessageBox::Ok);
        QCOMPARE(ok->text(), QStringLiteral("موافق"));
        checked = true;
    };
    QCOMPARE(boxes.during([&] { QTest::mouseClick(menu->contactLink, Qt::LeftButton); }).size(), 1);
    QVERIFY(checked);
}


void EveryWindowTest::everyFrameShowsItsFourSides_data()
{
    addWindowRows();
}

// The top and left sides of each frame, which a fractional scale can lose,
// as drawn: within two device pixels of their place, a line of pixels white
// along nine tenths of the side.
void EveryWindowTest::everyFrameShowsItsFourSides()
{
    QFETCH(QWidget *, window);
    const QImage drawn = window->grab().toImage();
    const QTransform toDevice = QTransform::fromScale(drawn.devicePixelRatio(), drawn.devicePixelRatio());
    for (const OutlineShape *frame : window->findChildren<OutlineShape *>()) {
        const QRect r = toDevice.mapRect(QRectF(frame->geometry())).toAlignedRect();
        int top = 0, left = 0;
        for (int d = -2; d <= 2; ++d) {
            int across = 0, down = 0;
            for (int i = r.left() + 3; i < r.right() - 3; ++i)
                across += drawn.pixelColor(i, r.top() + d) == Qt::white;
            for (int i = r.top() + 3; i < r.bottom() - 3; ++i)
                down += drawn.pixelColor(r.left() + d, i) == Qt::white;
            top = std::max(top, across), left = std::max(left, down);
        }
        QVERIFY2(!frame->isVisibleTo(window) || (top * 10 >= (r.width() - 6) * 9 && left * 10 >= (r.height() - 6) * 9),
                 qPrintable(frame->objectName()));
    }
}

ZAKAT_GUI_TEST_MAIN(EveryWindowTest)
#include "test_every_window.moc"
