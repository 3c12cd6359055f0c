// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/mainmenu.h"
#include "app/startup.h"
#include "tests/support/guitest.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/look.h"
#include "ui/shapes.h"

#include <QHash>
#include <QMenu>
#include <QFontDatabase>
#include <QPainter>
#include <QRegularExpression>

// What the windows look like as drawn: the pixels of the grabbed windows, the
// real message box and the real context menu.
class LookTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsShowTheirDesignColour_data();
    void buttonsShowTheirDesignColour();
    void framesOfFieldsAndButtonsShowWhole_data();
    void framesOfFieldsAndButtonsShowWhole();
    void fieldsShowTheirWholeText_data();
    void fieldsShowTheirWholeText();
    void textsKeepClearOfTableLines_data();
    void textsKeepClearOfTableLines();
    void warningsAndContextMenusAreInArabic();
};

namespace {

using MenuButton = CommandButton *MainMenu::*;

MenuButton menuButtonOf(const QString &window)
{
    static const QHash<QString, MenuButton> buttons = {
        {QStringLiteral("frmzakat1"), &MainMenu::livestockButton},
        {QStringLiteral("frmzakat4"), &MainMenu::goldButton},
        {QStringLiteral("frmzakat3"), &MainMenu::silverButton},
        {QStringLiteral("frmzakat2"), &MainMenu::cashButton},
        {QStringLiteral("frmzakat5"), &MainMenu::produceButton},
        {QStringLiteral("frmzakat6"), &MainMenu::wealthButton}};
    return buttons.value(window, nullptr); // none: the menu itself
}

QImage drawn(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool closeTo(QRgb pixel, const QColor &colour)
{
    return std::abs(qRed(pixel) - colour.red()) <= 3
        && std::abs(qGreen(pixel) - colour.green()) <= 3
        && std::abs(qBlue(pixel) - colour.blue()) <= 3;
}

// The points of the window where a widget puts paint of its own: pixels that
// differ from its background.
QList<QPoint> inkOf(QWidget *widget)
{
    const QColor background = widget->palette().color(QPalette::Window);
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(background);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    QList<QPoint> ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!closeTo(image.pixel(x, y), background))
                ink << widget->geometry().topLeft() + QPoint(x, y);
    return ink;
}

void addWindowRows()
{
    QTest::addColumn<QString>("window");
    for (const char *name : {"frmzakat", "frmzakat1", "frmzakat4", "frmzakat3", "frmzakat2",
                             "frmzakat5", "frmzakat6"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

} // namespace

void LookTest::buttonsShowTheirDesignColour_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("menu") << "frmzakat" << "Command1" << QColor(0xFF, 0xC0, 0xC0);
    QTest::newRow("livestock") << "frmzakat1" << "Command4" << QColor(0x00, 0x80, 0x00);
    QTest::newRow("gold") << "frmzakat4" << "Command5" << QColor(0x80, 0x80, 0xFF);
    QTest::newRow("cash") << "frmzakat2" << "Command3" << QColor(0xC0, 0xC0, 0x00);
    QTest::newRow("produce") << "frmzakat5" << "Command1" << QColor(0x00, 0x80, 0x00);
    QTest::newRow("whole wealth") << "frmzakat6" << "compute" << QColor(0x80, 0xC0, 0xC0);
}

void LookTest::buttonsShowTheirDesignColour()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QColor, colour);
    OpenedWindow w(menuButtonOf(window));
    QAbstractButton *shown = w.button(button);
    // A point inside the edge, away from the text, and the row where the
    // focus frame runs: how many of its pixels are black.
    const QRect bounds = shown->geometry();
    const auto faceAndFrame = [&] {
        const QImage image = drawn(w.window);
        int dots = 0;
        for (int x = bounds.left() + 4; x < bounds.right() - 4; ++x)
            dots += closeTo(image.pixel(x, bounds.top() + 4), Qt::black);
        return std::pair{image.pixel(bounds.topLeft() + QPoint(3, 3)), dots};
    };

    shown->clearFocus();
    const auto [idle, idleDots] = faceAndFrame();
    QVERIFY2(closeTo(idle, colour), qPrintable(QColor(idle).name()));
    QCOMPARE(idleDots, 0);

    shown->setDown(true);
    const auto pressed = faceAndFrame().first;
    shown->setDown(false);
    QVERIFY2(qGray(pressed) <= qGray(colour.rgb()) - 10, qPrintable(QColor(pressed).name()));

    // The focus frame's dots in the text colour, black on every design colour.
    w.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window));
    shown->setFocus(Qt::TabFocusReason);
    QVERIFY(shown->hasFocus());
    const auto [focused, focusDots] = faceAndFrame();
    QVERIFY2(closeTo(focused, colour), qPrintable(QColor(focused).name()));
    QVERIFY2(focusDots >= (bounds.width() - 9) / 3, qPrintable(QString::number(focusDots)));
}

void LookTest::framesOfFieldsAndButtonsShowWhole_data()
{
    addWindowRows();
}

// Every edge pixel of a field or button shows what the control itself draws
// there, unless another field or button lies over it; the corners, which
// a style may round, are left out.
void LookTest::framesOfFieldsAndButtonsShowWhole()
{
    QFETCH(QString, window);
    OpenedWindow w(menuButtonOf(window));
    QList<QWidget *> controls;
    for (QWidget *child : w.window->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isVisible()
            && (qobject_cast<QAbstractButton *>(child) || qobject_cast<QLineEdit *>(child)))
            controls << child;
    QVERIFY(!controls.isEmpty());
    if (QWidget *focused = w.window->focusWidget())
        focused->clearFocus();
    const QImage windowImage = drawn(w.window);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QImage own = drawn(controls[i]);
        const QRect bounds = controls[i]->geometry();
        int covered = 0;
        for (int x = 0; x < bounds.width(); ++x)
            for (int y = 0; y < bounds.height(); ++y) {
                const bool edge = x == 0 || y == 0 || x == bounds.width() - 1
                               || y == bounds.height() - 1;
                const bool corner = (x < 3 || x >= bounds.width() - 3)
                                 && (y < 3 || y >= bounds.height() - 3);
                const QPoint at = bounds.topLeft() + QPoint(x, y);
                const bool underAnother = std::any_of(
                    controls.begin() + i + 1, controls.end(),
                    [&](QWidget *other) { return other->geometry().contains(at); });
                covered += edge && !corner && !underAnother
                           && windowImage.pixel(at) != own.pixel(x, y);
            }
        QVERIFY2(covered == 0, qPrintable(QStringLiteral("%1: %2 pixels")
                                              .arg(controls[i]->objectName())
                                              .arg(covered)));
    }
}

void LookTest::fieldsShowTheirWholeText_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed"); // nothing: the design text
    QTest::newRow("gold prompt") << "frmzakat4" << "Text1" << QString();
    QTest::newRow("silver prompt") << "frmzakat3" << "Text1" << QString();
    QTest::newRow("livestock prompt") << "frmzakat1" << "Text2" << QString();
    QTest::newRow("cash amount") << "frmzakat2" << "Text3" << "99999999999";
    QTest::newRow("whole wealth, longest cash") << "frmzakat6" << "cash" << "999999999999999";
}

// A text cut at the side of a field leaves glyphs in the columns just inside
// its frame; a whole text leaves them blank.
void LookTest::fieldsShowTheirWholeText()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    OpenedWindow w(menuButtonOf(window));
    QLineEdit *shown = w.field(field);
    if (!typed.isEmpty())
        typeInto(shown, typed);
    shown->deselect();
    shown->clearFocus();
    const QImage image = drawn(shown);
    const QColor base = shown->palette().color(QPalette::Base);
    int inked = 0;
    for (int x : {2, 3, image.width() - 4, image.width() - 3})
        for (int y = 3; y < image.height() - 3; ++y)
            inked += !closeTo(image.pixel(x, y), base);
    QCOMPARE(inked, 0);
}

void LookTest::textsKeepClearOfTableLines_data()
{
    // Each window after a computation that fills its tables and notes: a
    // field and what is typed into it, or a button to press.
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("livestock") << "frmzakat1"
                               << QStringList{"Text1", "250", "Command1", "Text2", "450",
                                              "Command2", "Text3", "160", "Command3"};
    QTest::newRow("livestock, camel notes") << "frmzakat1" << QStringList{"Text1", "30", "Command1"};
    QTest::newRow("gold") << "frmzakat4" << QStringList{"Text1", "100000", "Text5", "500.25",
                                                        "Command5"};
    QTest::newRow("silver") << "frmzakat3" << QStringList{"Text1", "500000", "Text5", "100.5",
                                                          "Command5"};
    QTest::newRow("cash") << "frmzakat2" << QStringList{"Text3", "100000000.5", "Text7", "200",
                                                        "Text8", "3", "Command3"};
    QTest::newRow("produce") << "frmzakat5" << QStringList{"Text1", "1000", "Option3"};
    QTest::newRow("whole wealth")
        << "frmzakat6" << QStringList{"cash", "2000", "silver925", "1000", "goldPrice", "300",
                                      "silverPrice", "3", "debts", "150", "compute"};
}

// No text of a label touches or crosses a table line or frame: not one of
// its pixels lies on or beside a pixel of the decoration.
void LookTest::textsKeepClearOfTableLines()
{
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    OpenedWindow w(menuButtonOf(window));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        if (w.window->findChild<QLineEdit *>(steps[i])) { // a field, then what is typed
            typeInto(w.field(steps[i]), steps[i + 1]);
            ++i;
        } else {
            press(w.button(steps[i]));
        }
    }

    // Every pixel of the decoration and its eight neighbours.
    QImage nearDecoration(w.window->size(), QImage::Format_Mono);
    nearDecoration.fill(0);
    for (QWidget *shape : w.window->findChildren<QWidget *>())
        if (qobject_cast<OutlineShape *>(shape) || qobject_cast<LineShape *>(shape))
            for (const QPoint &point : inkOf(shape))
                for (int i = 0; i < 9; ++i)
                    if (nearDecoration.rect().contains(point + QPoint(i % 3 - 1, i / 3 - 1)))
                        nearDecoration.setPixel(point + QPoint(i % 3 - 1, i / 3 - 1), 1);
    QStringList touching;
    for (DesignLabel *label : w.window->findChildren<DesignLabel *>())
        for (const QPoint &point : label->isVisible() ? inkOf(label) : QList<QPoint>())
            if (nearDecoration.rect().contains(point) && nearDecoration.pixelIndex(point)) {
                touching << label->objectName();
                break;
            }
    QVERIFY2(touching.isEmpty(), qPrintable(touching.join(QStringLiteral(", "))));
}

void LookTest::warningsAndContextMenusAreInArabic()
{
    OpenedWindow w(&MainMenu::goldButton);
    QString okText;
    w.boxes.whileOpen = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box->button(QMessageBox::Ok))
            okText = box->button(QMessageBox::Ok)->text();
    };
    typeInto(w.field(QStringLiteral("Text1")), QStringLiteral("abc"));
    QCOMPARE(w.boxes.during([&] { press(w.button(QStringLiteral("Command1"))); }).size(), 1);
    QCOMPARE(okText, QStringLiteral("موافق"));

    // Every entry of a field's menu, the key names after a tab aside.
    const std::unique_ptr<QMenu> menu(w.field(QStringLiteral("Text1"))->createStandardContextMenu());
    QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
    QList<QMenu *> menus{menu.get()};
    int entries = 0;
    while (!menus.isEmpty()) {
        for (QAction *action : menus.takeFirst()->actions()) {
            if (action->menu())
                menus << action->menu();
            const QString text = action->text().section(QLatin1Char('\t'), 0, 0);
            entries += !text.isEmpty();
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(text));
        }
    }
    QVERIFY(entries >= 6); // undo, redo, cut, copy, paste, delete, select all
}

ZAKAT_GUI_TEST_MAIN(LookTest)
#include "test_look.moc"
