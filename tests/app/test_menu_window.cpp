// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/mainmenu.h"
#include "app/startup.h"
#include "app/windowicon.h"
#include "tests/support/guitest.h"

#include <QLabel>
#include <QScreen>
#include <QTextEdit>
#include <qpa/qwindowsysteminterface.h>

namespace {

// Gives the screen a smaller free area, as a panel added to the desktop
// does, or its whole area back.
void setFreeArea(const QRect &area)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    QWindowSystemInterface::handleScreenGeometryChange(screen, screen->geometry(), area);
    QCoreApplication::processEvents();
    QCOMPARE(screen->availableGeometry(), area);
}

} // namespace

class MenuWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsItsDesign();
    void labelsAndButtonsCarryTheirTexts_data();
    void labelsAndButtonsCarryTheirTexts();
    void focusStartsOnTheFirstButtonAndTabRunsDown();
    void opensEachWindowOnceAndBringsItForward();
    void exitFromACalculatorClosesEveryWindow();
    void exitFromTheMenuClosesEveryWindow();
    void closingTheMenuLeavesACalculatorWorking();
    void aWindowKeepsTheScaleItWasBuiltAt();

private:
    std::unique_ptr<OpenedWindow> m_open;
    MainMenu *m_menu = nullptr;
};

void MenuWindowTest::init()
{
    m_open = std::make_unique<OpenedWindow>();
    m_menu = m_open->menu;
}

void MenuWindowTest::cleanup()
{
    m_open.reset();
}

void MenuWindowTest::showsItsDesign()
{
    QCOMPARE(m_menu->objectName(), QStringLiteral("frmzakat"));
    QCOMPARE(m_menu->windowTitle(), QStringLiteral("برنامج حساب الزكاة"));
    QCOMPARE(m_menu->size(), QSize(726, 625)); // grown below the design's buttons
    QCOMPARE(m_menu->minimumSize(), m_menu->maximumSize());
    QCOMPARE(m_menu->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(m_menu->palette().color(QPalette::Window), QColor(0x40, 0x00, 0x00));
    QCOMPARE(m_menu->livestockButton->geometry(), QRect(352, 80, 185, 49));
    QCOMPARE(m_menu->livestockButton->palette().color(QPalette::Button), QColor(0xFF, 0xC0, 0xC0));
    QCOMPARE(m_menu->disclaimer->geometry(), QRect(0, 40, 353, 129));
    QVERIFY(m_menu->disclaimer->wordWrap());
    // The two 16-colour images at their own sizes, the drawing at any other;
    // once the menu is on screen the icon offers the drawn sizes too (not on
    // Windows, which has no drawing and takes larger sizes from the
    // program's icon resource).
#ifndef Q_OS_WIN
    QTRY_VERIFY(QApplication::windowIcon().availableSizes().contains(QSize(256, 256)));
#endif
    const QIcon icon = QApplication::windowIcon();
    for (int size : {16, 32}) {
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        QCOMPARE(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(QStringLiteral(":/icons/zakat%1.xpm").arg(size))
                     .convertToFormat(QImage::Format_ARGB32));
    }
#ifdef Q_OS_WIN
    // The Windows build has no Qt Svg: the window offers its two images, and
    // Windows takes larger sizes from the program's icon resource.
    QCOMPARE(icon.pixmap(256).size(), QSize(32, 32));
#else
    QCOMPARE(icon.pixmap(256).size(), QSize(256, 256));
    // Before the drawn sizes are offered, any other size is drawn all the same.
    QCOMPARE(windowIcon(OfferedIconSizes::Images).pixmap(48).size(), QSize(48, 48));
#endif
    // Centred, frame and all.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offset = m_menu->frameGeometry().center() - screen.center();
    QVERIFY2(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1,
             qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

void MenuWindowTest::labelsAndButtonsCarryTheirTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("title") << "Label1" << QStringLiteral("حساب الزكاة");
    QTest::newRow("disclaimer")
        << "Label3"
        << QStringLiteral("هذه النسخة تجريبية مازالت تحتاج إلى اختبار أهل العلم       ورجاء من "
                          "الاخوة الابلاغ عن أي خطا  حتى نقوم بتصحيحه مشكورين");
    QTest::newRow("livestock") << "Command1" << QStringLiteral("زكــاة  سائمة الانعام");
    QTest::newRow("gold") << "Command2" << QStringLiteral("زكـاة الذهب");
    QTest::newRow("silver") << "Command3" << QStringLiteral("زكــاة الفضة");
    QTest::newRow("cash") << "Command4" << QStringLiteral("النقد وعروض التجارة");
    QTest::newRow("produce") << "Command5" << QStringLiteral("الخارج من الارض");
    QTest::newRow("exit") << "Command6" << QStringLiteral("خروج من البرنامج");
    QTest::newRow("whole wealth") << "Command7" << QStringLiteral("زكاة المال مجتمعًا");
    QTest::newRow("al-Fitr") << "Command8" << QStringLiteral("زكاة الفطر");
    QTest::newRow("records") << "Command9" << QStringLiteral("سجل الزكاة");
}

void MenuWindowTest::labelsAndButtonsCarryTheirTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget *found = m_menu->findChild<QWidget *>(name);
    QVERIFY(found);
    if (auto *label = qobject_cast<QLabel *>(found))
        QCOMPARE(label->text(), text);
    else
        QCOMPARE(qobject_cast<QAbstractButton *>(found)->text(), text);
}

void MenuWindowTest::focusStartsOnTheFirstButtonAndTabRunsDown()
{
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"Command1", "Command2", "Command3", "Command4", "Command5",
                                 "Command7", "Command8", "Command9", "Command6"}));
}

void MenuWindowTest::opensEachWindowOnceAndBringsItForward()
{
    press(m_menu->goldButton);
    press(m_menu->silverButton);
    press(m_menu->goldButton);
    QCOMPARE(openWindows(QStringLiteral("frmzakat4")).size(), 1);
    QCOMPARE(openWindows(QStringLiteral("frmzakat3")).size(), 1);
    QVERIFY(m_menu->isVisible());
    QVERIFY(m_menu->isEnabled());
    QVERIFY(!openWindows(QStringLiteral("frmzakat4")).first()->parentWidget());

    // A minimised window comes back when its button is pressed.
    QWidget *gold = openWindows(QStringLiteral("frmzakat4")).first();
    gold->showMinimized();
    QVERIFY(gold->isMinimized());
    press(m_menu->goldButton);
    QVERIFY(!gold->isMinimized());
    QCOMPARE(openWindows(QStringLiteral("frmzakat4")), QList<QWidget *>{gold});
}

void MenuWindowTest::exitFromACalculatorClosesEveryWindow()
{
    press(m_menu->goldButton);
    press(m_menu->silverButton);
    QWidget *silver = openWindows(QStringLiteral("frmzakat3")).first();
    press(silver->findChild<QAbstractButton *>(QStringLiteral("Command2")));
    for (const QString &name : QStringList{"frmzakat", "frmzakat3", "frmzakat4"})
        QVERIFY2(openWindows(name).isEmpty(), qPrintable(name));
}

void MenuWindowTest::exitFromTheMenuClosesEveryWindow()
{
    press(m_menu->goldButton);
    press(m_menu->exitButton);
    QVERIFY(openWindows(QStringLiteral("frmzakat")).isEmpty());
    QVERIFY(openWindows(QStringLiteral("frmzakat4")).isEmpty());
}

void MenuWindowTest::closingTheMenuLeavesACalculatorWorking()
{
    press(m_menu->goldButton);
    QPointer<QWidget> menu = m_menu;
    m_menu->close();
    QTRY_VERIFY(!menu);
    QWidget *gold = openWindows(QStringLiteral("frmzakat4")).first();
    typeInto(gold->findChild<QLineEdit *>(QStringLiteral("Text1")), QStringLiteral("100"));
    press(gold->findChild<QAbstractButton *>(QStringLiteral("Command1")));
    QCOMPARE(gold->findChild<QLabel *>(QStringLiteral("lbl11"))->text(), QStringLiteral("2.5"));
}

// A window opened after the screen's free area shrinks is drawn smaller,
// every control and font at its one scale; a window opened before keeps
// its own, and so do its notes panel and help.
void MenuWindowTest::aWindowKeepsTheScaleItWasBuiltAt()
{
    const QRect whole = QGuiApplication::primaryScreen()->geometry();
    auto openGold = [&] {
        press(m_menu->goldButton);
        return openWindows(QStringLiteral("frmzakat4")).first();
    };
    auto controls = [](QWidget *window) {
        return window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    };
    QWidget *gold = openGold();
    const QSize designSize = gold->size();
    QHash<QString, QPair<QRect, int>> designed; // bounds and font size by design name
    for (QWidget *control : controls(gold))
        designed.insert(control->objectName(), {control->geometry(), control->font().pixelSize()});
    press(gold->findChild<QAbstractButton *>(QStringLiteral("Command7")));
    press(m_menu->livestockButton);
    QWidget *livestock = openWindows(QStringLiteral("frmzakat1")).first();

    setFreeArea(QRect(0, 0, 700, 450));
    gold = openGold();
    const double scale = double(gold->width()) / designSize.width();
    QVERIFY2(scale < 0.8, qPrintable(QString::number(scale)));
    QCOMPARE(controls(gold).size(), designed.size());
    for (QWidget *control : controls(gold)) {
        const auto &[was, points] = designed.value(control->objectName());
        const QRect now = control->geometry();
        for (const auto &[before, after] : {std::pair{was.x(), now.x()}, {was.y(), now.y()},
                                           {was.width(), now.width()}, {was.height(), now.height()},
                                           {points, control->font().pixelSize()}})
            QVERIFY2(qAbs(after - before * scale) <= 1.5, qPrintable(control->objectName()));
    }
    // Help follows the window it is for; the livestock window, built before,
    // keeps its size, and its notes panel the design size of its notes.
    for (const auto &[window, key, text, pixels] :
         {std::tuple{gold, Qt::Key_F1, "helpText", qRound(18 * scale)}, // 13.5 points
          {livestock, Qt::Key_F2, "notesText", 21}}) {                  // 15.75 points
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, key);
        QCOMPARE(control<QTextEdit>(window, QString::fromLatin1(text))->font().pixelSize(), pixels);
    }
    QCOMPARE(livestock->size(), QSize(792, 566));

    setFreeArea(whole);
    press(gold->findChild<QAbstractButton *>(QStringLiteral("Command7")));
    QCOMPARE(openGold()->size(), designSize);
}

ZAKAT_GUI_TEST_MAIN(MenuWindowTest)
#include "test_menu_window.moc"
