// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/mainmenu.h"
#include "livestock/livestockwindow.h"
#include "livestock/notespanel.h"
#include "tests/support/guitest.h"
#include "tests/support/texts.h"
#include "app/startup.h"

#include <QHelpEvent>
#include <QAccessible>
#include <QLabel>
#include <QTextEdit>
#include <QScrollBar>
#include <QRegularExpression>
#include <QScreen>
#include <QToolTip>

namespace {
const QString kPrompt = QStringLiteral("ادخل العدد فقط");
const QString kCell = QStringLiteral(".....");
const QString kNoteLine = QStringLiteral(". . . . . . . . . . . . . . . .");

// Camel and cattle notes the window shows in full in these tests.
const QString kN1 = Expected::camelNote("N1");
const QString kN3 = Expected::camelNote("N3");
const QString kN4 = Expected::camelNote("N4");
const QString kN8 = Expected::camelNote("N8");
const QString kN10 = Expected::camelNote("N10");
const QString kN11 = Expected::camelNote("N11");
const QString kN17 = Expected::camelNote("N17");
const QString kN18 = Expected::camelNote("N18");
const QString kN21 = Expected::camelNote("N21");
const QString kN25 = Expected::camelNote("N25");
const QString kN26 = Expected::camelNote("N26");
const QString kD1 = Expected::camelNote("D1");
const QString kD6 = Expected::camelNote("D6");
const QString kD7 = Expected::camelNote("D7");
const QString kD8 = Expected::camelNote("D8");
const QString kD9 = Expected::camelNote("D9");
const QString kNote1 = Expected::cattleNote("n1");
const QString kNote2 = Expected::cattleNote("n2");
const QString kNote5 = Expected::cattleNote("n5");
const QString kNote6 = Expected::cattleNote("n6");
const QString kNote7 = Expected::cattleNote("n7");
const QString kNote9 = Expected::cattleNote("n9");
const QString kNote10 = Expected::cattleNote("n10");
const QString kNote11 = Expected::cattleNote("n11");
const QString kSpacedStops = Expected::cattleNote("sp");
const QString kStops21 = Expected::cattleNote("s21");

const QStringList kNoteNames = {"lbl15", "lbl16", "lbl17", "lbl18", "lbl19"};
const QStringList kCamelRowNames = {"lbl1", "lbl11", "lbl13", "lbl14"};
const QStringList kCattleRowNames = {"lbl3", "lbl31", "lbl33", "lbl34"};
} // namespace

class LivestockWindowTest : public WindowTest {
    Q_OBJECT
public:
    LivestockWindowTest() : WindowTest(&MainMenu::livestockButton) {}

private slots:
    void init();
    void cleanup();

    void opensWithItsDesignContents();
    void tabRunsThroughTheControlsInDesignOrder();
    void camelsDue_data();
    void camelsDue();
    void sheepDue_data();
    void sheepDue();
    void cattleDue_data();
    void cattleDue();
    void blankEntriesResetRowsAndNotes();
    void editingACountTakesBackItsPanelsResult_data();
    void editingACountTakesBackItsPanelsResult();
    void textThatIsNoNumberChangesNothing_data();
    void textThatIsNoNumberChangesNothing();
    void cattleNotesButtonSwapsTheNotesAndKeepsTheCamelRows();
    void camelNotesButtonBringsTheCamelNotesBack();
    void camelNotesButtonRightAfterOpeningChangesNothing();
    void sheepNeverTouchesTheNotes();
    void camelResultReplacesEveryCattleNoteLine();
    void longNotesAreCutOnScreenButKeptWhole();
    void clickingAFieldSelectsItsTextSoTypingReplacesIt();
    void tabbingIntoAFieldSelectsItsText();
    void fieldsRefuseTypingPastNineCharacters();
    void tablesKeepTheirWholeBorder();
    void countTooWideForItsCellIsMarkedCutAndKeptWhole();
    void everyNoteShownCanBeReadWholeWithTheKeyboard_data();
    void everyNoteShownCanBeReadWholeWithTheKeyboard();
    void clickingANoteLineShowsTheNotesWhole();
    void enterComputesTheFieldsOwnPanel();
    void backClosesTheWindowAndReopensItFresh();
    void exitClosesEveryWindow();

private:
    QStringList texts(const QStringList &names)
    {
        QStringList found;
        for (const QString &name : names)
            found << label(name)->text();
        return found;
    }
    void compute(const QString &fieldName, const QString &buttonName, const QString &entry)
    {
        typeInto(field(fieldName), entry);
        press(button(buttonName));
    }
    // Every text of the window's labels and fields, by name.
    QStringList everyText()
    {
        QStringList all;
        for (QLabel *each : m_window->findChildren<QLabel *>())
            all << each->objectName() + QLatin1Char('=') + each->text();
        for (QLineEdit *each : m_window->findChildren<QLineEdit *>())
            all << each->objectName() + QLatin1Char('=') + each->text();
        return all;
    }

    // The livestock window never shows a message: any box fails the test.
};

void LivestockWindowTest::init()
{
    openWindow();
}

void LivestockWindowTest::cleanup()
{
    closeWindow();
}

void LivestockWindowTest::opensWithItsDesignContents()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("الأنعام"));
    QCOMPARE(m_window->size(), QSize(792, 566));
    QCOMPARE(m_window->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(0x00, 0x40, 0x00));
    for (const char *name : {"Text1", "Text2", "Text3"}) {
        QCOMPARE(field(name)->text(), kPrompt);
        QVERIFY(field(name)->alignment() & Qt::AlignHCenter);
    }
    for (const char *name : {"lbl1", "lbl11", "lbl13", "lbl14", "lbl2", "lbl21", "lbl3", "lbl31",
                             "lbl33", "lbl34"}) {
        QCOMPARE(label(name)->text(), kCell);
        QCOMPARE(label(name)->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        QVERIFY2(!label(name)->autoFillBackground(), name);
    }
    for (const QString &name : kNoteNames) {
        QCOMPARE(label(name)->text(), kNoteLine);
        QVERIFY(label(name)->alignment() & Qt::AlignRight);
        QVERIFY(label(name)->alignment() & Qt::AlignAbsolute);
    }
    QCOMPARE(label("lbla1(0)")->text(), QStringLiteral("الإبـــــــــل"));
    QCOMPARE(label("lbla1(1)")->text(), QStringLiteral("الغنـــــم"));
    QCOMPARE(label("lbla1(2)")->text(), QStringLiteral("البقــــر"));
    QVERIFY(label("lbla1(0)")->font().underline());
    for (int index : {0, 10, 11})
        QCOMPARE(label(QStringLiteral("Label1(%1)").arg(index))->text(),
                 QStringLiteral("عدد الرؤوس التي عندك"));
    for (int index : {1, 4, 7})
        QCOMPARE(label(QStringLiteral("Label1(%1)").arg(index))->text(),
                 QStringLiteral("مقدار الزكاة الواجبة"));
    for (int index : {2, 5, 8})
        QCOMPARE(label(QStringLiteral("Label1(%1)").arg(index))->text(), QStringLiteral("النوع"));
    for (int index : {3, 6, 9})
        QCOMPARE(label(QStringLiteral("Label1(%1)").arg(index))->text(), QStringLiteral("العدد"));
    QVERIFY(label("Label1(3)")->font().italic());
    QCOMPARE(label("Label1(12)")->text(), QStringLiteral("ملاحظــــــــــات"));
    QCOMPARE(label("Label1(13)")->text(), QStringLiteral("الغنم والماعز صنف واحد يضم بعضه الى بعض"));
    QCOMPARE(label("Label1(14)")->text(), QStringLiteral("البقر والجاموس صنف يضم بعضه الى بعض"));
    for (const char *name : {"Command1", "Command2", "Command3"})
        QCOMPARE(button(name)->text(), QStringLiteral("احسب"));
    QCOMPARE(button("Command4")->text(), QStringLiteral("بقر"));
    QCOMPARE(button("Command5")->text(), QStringLiteral("ابل"));
    QCOMPARE(button("Command7")->text(), QStringLiteral("رجوع"));
    QCOMPARE(button("Command6")->text(), QStringLiteral("خروج من البرنامج"));
    QCOMPARE(button("Command1")->palette().color(QPalette::Button), QColor(0x00, 0x80, 0x00));

    // Bounds in twips, 15 to the pixel, never mirrored.
    QCOMPARE(label("lbl1")->geometry(), QRect(728, 232, 27, 35));
    QCOMPARE(label("lbl19")->geometry(), QRect(590, 496, 171, 32));
    QCOMPARE(field("Text3")->geometry(), QRect(88, 96, 161, 41));
    QCOMPARE(button("Command5")->geometry(), QRect(504, 328, 41, 41));
    for (int index = 0; index < 8; ++index)
        QVERIFY(m_window->findChild<QWidget *>(QStringLiteral("Shape1(%1)").arg(index)));
    for (int index = 0; index < 5; ++index)
        QVERIFY(m_window->findChild<QWidget *>(QStringLiteral("Line1(%1)").arg(index)));
    QCOMPARE(QApplication::focusWidget(), button("Command1"));
}

void LivestockWindowTest::tabRunsThroughTheControlsInDesignOrder()
{
    QStringList order;
    for (int i = 0; i < 11; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"Command1", "Text1", "Text2", "Text3", "Command2", "Command3",
                                 "Command4", "Command5", "Command6", "Command7", "Command1"}));
}

void LivestockWindowTest::camelsDue_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("rows"); // lbl1, lbl11, lbl13, lbl14
    QTest::addColumn<QString>("firstNote");
    QTest::addColumn<QString>("lastNote");
    QTest::newRow("4") << "4" << QStringList{"000", "....", "000", "... "} << kN1 << kD1;
    QTest::newRow("negative") << "-3" << QStringList{"000", "....", "000", "... "} << kN1 << kD1;
    QTest::newRow("24.9") << "24.9" << QStringList{"4", "شاة", "000", "... "} << kN3 << kD1;
    QTest::newRow("35.9") << "35.9" << QStringList{"1", "بنت مخاض", "000", "... "} << kN4 << kD1;
    QTest::newRow("121") << "121" << QStringList{"3", "بنت لبون ", "000", "... "} << kN17 << kD1;
    QTest::newRow("130") << "130" << QStringList{"2", "بنت لبون ", "1", "حقة"} << kN17 << kD1;
    QTest::newRow("140") << "140" << QStringList{"1", "بنت لبون ", "2", "حقة"} << kN8 << kD1;
    QTest::newRow("200") << "200" << QStringList{"5", "بنت لبون ", "000", "..."} << kN17 << kN26;
    QTest::newRow("209.5") << "209.5" << QStringList{"5", "بنت لبون ", "000", "..."} << kN17 << kN26;
    QTest::newRow("210") << "210" << QStringList{"4", "بنت لبون", "1", "حقـة "} << kN17 << kD6;
    QTest::newRow("210.5") << "210.5" << QStringList{"4", "بنت لبون", "1", "حقـة "} << kN17 << kD6;
    QTest::newRow("211.5") << "211.5" << QStringList{"4", "بنت لبون", "1", "حقـة "} << kN17 << kD6;
    QTest::newRow("239.5") << "239.5" << QStringList{"6", "بنت لبون", "000", "..."} << kN17 << kN10;
    QTest::newRow("240") << "240" << QStringList{"6", "بنت لبون", "000", "..."} << kN17 << kN10;
    QTest::newRow("250") << "250" << QStringList{"5", "بنت لبون", "1", "حقـة "} << kN17 << kN25;
    QTest::newRow("290") << "290" << QStringList{"6", "بنت لبون", "1", "حقـة "} << kN17 << kN25;
    QTest::newRow("310") << "310" << QStringList{"4", "بنت لبون", "3", "حقـة "} << kN17 << kD6;
    QTest::newRow("1000") << "1000" << QStringList{"25", "بنت لبون", "000", "..."} << kN17 << kN10;
    QTest::newRow("blanks around 30") << " 30 " << QStringList{"1", "بنت مخاض", "000", "... "}
                                      << kN4 << kD1;
    QTest::newRow("arabic-indic 250") << QStringLiteral("٢٥٠")
                                      << QStringList{"5", "بنت لبون", "1", "حقـة "} << kN17 << kN25;
}

void LivestockWindowTest::camelsDue()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, rows);
    QFETCH(QString, firstNote);
    QFETCH(QString, lastNote);
    compute("Text1", "Command1", entry);
    QCOMPARE(texts(kCamelRowNames), rows);
    QCOMPARE(label("lbl15")->text(), firstNote);
    QCOMPARE(label("lbl19")->text(), lastNote);
}

void LivestockWindowTest::sheepDue_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("kind");  // lbl21
    QTest::addColumn<QString>("count"); // lbl2
    QTest::newRow("negative") << "-5" << "...." << QStringLiteral("صفر");
    QTest::newRow("39.9") << "39.9" << "...." << QStringLiteral("صفر");
    QTest::newRow("40") << "40" << QStringLiteral("شاة") << "1";
    QTest::newRow("120.5") << "120.5" << QStringLiteral("شاة") << "1";
    QTest::newRow("201") << "201" << QStringLiteral("شاة") << "3";
    QTest::newRow("300.5") << "300.5" << QStringLiteral("شاة") << "3";
    QTest::newRow("399.5") << "399.5" << QStringLiteral("شاة") << "4";
    QTest::newRow("1000") << "1000" << QStringLiteral("شاة") << "10";
    QTest::newRow("450 with blanks") << " 450 " << QStringLiteral("شاة") << "4";
}

void LivestockWindowTest::sheepDue()
{
    QFETCH(QString, entry);
    QFETCH(QString, kind);
    QFETCH(QString, count);
    compute("Text2", "Command2", entry);
    QCOMPARE(label("lbl21")->text(), kind);
    QCOMPARE(label("lbl2")->text(), count);
}

void LivestockWindowTest::cattleDue_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("rows"); // lbl3, lbl31, lbl33, lbl34
    QTest::addColumn<QStringList>("notes");
    const QString t = QStringLiteral("تبيعة");
    const QString m = QStringLiteral("مسنة");
    const QString stops23(23, u'.');
    const QString stops22(22, u'.');
    const QString s = kSpacedStops;
    QTest::newRow("negative") << "-3" << QStringList{"000", ".... ", "000", "...."}
                              << QStringList{kNote1, s, s, s, s};
    QTest::newRow("30") << "30" << QStringList{"1", t, "000", "...."}
                        << QStringList{kNote2, kNote7, stops23, stops22, s};
    QTest::newRow("129.5") << "129.5" << QStringList{"4", t, "000", "...."}
                           << QStringList{kNote2, kNote7, kNote5, kNote10, s};
    QTest::newRow("130") << "130" << QStringList{"3", t, "1", m}
                         << QStringList{kNote2, kNote9, kNote5, kStops21, s};
    QTest::newRow("139") << "139" << QStringList{"3", t, "1", m}
                         << QStringList{kNote2, kNote9, kNote5, kStops21, s};
    QTest::newRow("140") << "140" << QStringList{"2", t, "2", m}
                         << QStringList{kNote2, kNote9, kNote6, kStops21, s};
    QTest::newRow("149.5") << "149.5" << QStringList{"5", t, "000", "...."}
                           << QStringList{kNote2, kNote7, kNote10, kNote5, s};
    QTest::newRow("160") << "160" << QStringList{"4", t, "1", m}
                         << QStringList{kNote2, kNote9, kNote5, kNote10, s};
    QTest::newRow("170") << "170" << QStringList{"3", t, "2", m}
                         << QStringList{kNote2, kNote9, kNote6, kStops21, s};
    QTest::newRow("200") << "200" << QStringList{"4", t, "2", m}
                         << QStringList{kNote2, kNote9, kNote6, kNote11, s};
    QTest::newRow("240") << "240" << QStringList{"8", t, "000", "...."}
                         << QStringList{kNote2, kNote7, kNote10, kNote5, s};
    QTest::newRow("1000") << "1000" << QStringList{"32", t, "1", m}
                          << QStringList{kNote2, kNote9, kNote5, kNote10, s};
}

void LivestockWindowTest::cattleDue()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, notes);
    compute("Text3", "Command3", entry);
    QCOMPARE(texts(kCattleRowNames), rows);
    QCOMPARE(texts(kNoteNames), notes);
}

void LivestockWindowTest::blankEntriesResetRowsAndNotes()
{
    compute("Text1", "Command1", QStringLiteral("130"));
    compute("Text1", "Command1", QStringLiteral("   "));
    QCOMPARE(texts(kCamelRowNames), (QStringList{"....", "....", "000", ".... "}));
    QCOMPARE(texts(kNoteNames), (QStringList{kD7, kD1, kD8, kD9, kD1}));

    compute("Text3", "Command3", QStringLiteral("70"));
    QTest::mouseClick(field("Text3"), Qt::LeftButton);
    QTest::keyClick(field("Text3"), Qt::Key_Delete);
    QCOMPARE(field("Text3")->text(), QString());
    press(button("Command3"));
    QCOMPARE(texts(kCattleRowNames), (QStringList{"....", "....", "000", "...."}));
    QCOMPARE(texts(kNoteNames), (QStringList{QString(18, u'.'), QStringLiteral(" ") + QString(20, u'.'),
                                             kStops21, kStops21, kStops21}));

    compute("Text2", "Command2", QStringLiteral("100"));
    compute("Text2", "Command2", QStringLiteral(" "));
    QCOMPARE(label("lbl21")->text(), QStringLiteral("...."));
    QCOMPARE(label("lbl2")->text(), QStringLiteral("...."));
}

void LivestockWindowTest::editingACountTakesBackItsPanelsResult_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QStringList>("cleared"); // the camel notes are shown
    QTest::newRow("camels") << "Text1" << kCamelRowNames + kNoteNames;
    QTest::newRow("sheep") << "Text2" << QStringList{"lbl2", "lbl21"};
    QTest::newRow("cattle") << "Text3" << kCattleRowNames;
}

void LivestockWindowTest::editingACountTakesBackItsPanelsResult()
{
    QFETCH(QString, fieldName);
    QFETCH(QStringList, cleared);
    compute("Text3", "Command3", QStringLiteral("160"));
    compute("Text2", "Command2", QStringLiteral("450"));
    compute("Text1", "Command1", QStringLiteral("123450"));
    QCOMPARE(label("lbl1")->text(), QStringLiteral("3085"));
    QStringList expected = everyText(); // every other text stays
    for (QString &text : expected) {
        const QString name = text.section(QLatin1Char('='), 0, 0);
        if (name == fieldName)
            text = name + QStringLiteral("=9");
        else if (cleared.contains(name))
            text = name + QLatin1Char('=') + (kNoteNames.contains(name) ? kNoteLine : kCell);
    }
    typeInto(field(fieldName), QStringLiteral("9"));
    QCOMPARE(everyText(), expected);
}

void LivestockWindowTest::textThatIsNoNumberChangesNothing_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("letters") << "abc";
    QTest::newRow("inner blank") << "12 5";
    QTest::newRow("grouping") << "1,000";
    QTest::newRow("beyond 32 bits") << "5E9";
    QTest::newRow("beyond any double") << "1E400";
}

void LivestockWindowTest::textThatIsNoNumberChangesNothing()
{
    QFETCH(QString, entry);
    // First the design-time prompt, then the entry, in every panel.
    const QStringList designTexts = everyText();
    for (const char *buttonName : {"Command1", "Command2", "Command3", "Command4", "Command5"})
        press(button(buttonName));
    QCOMPARE(everyText(), designTexts);
    for (const char *name : {"Text1", "Text2", "Text3"})
        QCOMPARE(field(name)->text(), kPrompt);

    compute("Text1", "Command1", QStringLiteral("250"));
    compute("Text2", "Command2", QStringLiteral("250"));
    compute("Text3", "Command3", QStringLiteral("250"));
    QVERIFY(everyText() != designTexts);
    for (const auto &[fieldName, buttonName] : {std::pair{"Text1", "Command1"},
                                                 std::pair{"Text2", "Command2"},
                                                 std::pair{"Text3", "Command3"}}) {
        typeInto(field(fieldName), entry);
        const QStringList before = everyText();
        press(button(buttonName));
        press(button("Command4"));
        press(button("Command5"));
        QCOMPARE(everyText(), before);
    }
}

void LivestockWindowTest::cattleNotesButtonSwapsTheNotesAndKeepsTheCamelRows()
{
    compute("Text1", "Command1", QStringLiteral("250"));
    typeInto(field("Text3"), QStringLiteral("160"));
    const QStringList camelRows = texts(kCamelRowNames);
    QCOMPARE(label("lbl15")->text(), kN17);
    QCOMPARE(texts(kCattleRowNames), (QStringList{kCell, kCell, kCell, kCell}));

    press(button("Command4"));
    QCOMPARE(texts(kNoteNames), (QStringList{kNote2, kNote9, kNote5, kNote10, kSpacedStops}));
    QCOMPARE(texts(kCattleRowNames), (QStringList{"4", QStringLiteral("تبيعة"), "1", QStringLiteral("مسنة")}));
    QCOMPARE(texts(kCamelRowNames), camelRows);
}

void LivestockWindowTest::camelNotesButtonBringsTheCamelNotesBack()
{
    compute("Text1", "Command1", QStringLiteral("200"));
    const QStringList camelNotes = texts(kNoteNames);
    compute("Text3", "Command3", QStringLiteral("30"));
    QCOMPARE(label("lbl15")->text(), kNote2);
    const QStringList cattleRows = texts(kCattleRowNames);

    press(button("Command5"));
    QCOMPARE(texts(kNoteNames), camelNotes);
    QCOMPARE(texts(kNoteNames), (QStringList{kN17, kN25, kN11, QStringLiteral(
        "ان لم تجد بنت  لبون  لك ان تخرج بنت مخاض وهي التي اتمت سنة وتخرج معها شاتين أو ما  يساوي الشاتين من المال"),
        kN26}));
    QCOMPARE(texts(kCattleRowNames), cattleRows);
}

void LivestockWindowTest::camelNotesButtonRightAfterOpeningChangesNothing()
{
    const QStringList before = everyText();
    press(button("Command5"));
    press(button("Command4"));
    QCOMPARE(everyText(), before);
}

void LivestockWindowTest::sheepNeverTouchesTheNotes()
{
    compute("Text3", "Command3", QStringLiteral("200"));
    const QStringList notes = texts(kNoteNames);
    const QStringList cattleRows = texts(kCattleRowNames);
    compute("Text2", "Command2", QStringLiteral("1000"));
    compute("Text2", "Command2", QStringLiteral(""));
    compute("Text2", "Command2", QStringLiteral("10"));
    QCOMPARE(label("lbl2")->text(), QStringLiteral("صفر"));
    QCOMPARE(texts(kNoteNames), notes);
    QCOMPARE(texts(kCattleRowNames), cattleRows);
    QCOMPARE(texts(kCamelRowNames), (QStringList{kCell, kCell, kCell, kCell}));
}

void LivestockWindowTest::camelResultReplacesEveryCattleNoteLine()
{
    compute("Text3", "Command3", QStringLiteral("70"));
    QCOMPARE(label("lbl18")->text(), QStringLiteral("المسنة : هي التي اكملت سنتين"));
    compute("Text1", "Command1", QStringLiteral("10"));
    QCOMPARE(texts(kNoteNames), (QStringList{kN3, kD1, kD1, kD1, kD1}));
}

void LivestockWindowTest::longNotesAreCutOnScreenButKeptWhole()
{
    auto *line = qobject_cast<NoteLine *>(label("lbl15"));
    QVERIFY(line);
    const QRect bounds = line->geometry();
    // What the mouse shows over a line: its whole note where it is cut.
    auto hoverText = [](DesignLabel *over) {
        QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), over->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(over, &hover);
        return QToolTip::text();
    };
    compute("Text1", "Command1", QStringLiteral("25"));
    QCOMPARE(line->text(), kN4);
    QCOMPARE(line->geometry(), bounds);
    QCOMPARE(hoverText(line), kN4);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(line);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), kN4.simplified()); // whole, as spoken
    const QString shown = line->shownText();
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QVERIFY(shown.size() < kN4.size());
    // The shown part is the note's beginning (a joiner may keep the last
    // letter's shape before the ellipsis).
    const QString beginning = shown.chopped(1).remove(QChar(0x200D));
    QVERIFY(beginning.size() > 10);
    QVERIFY(kN4.startsWith(beginning));

    // A placeholder fits and shows whole.
    auto *last = qobject_cast<NoteLine *>(label("lbl19"));
    QCOMPARE(last->shownText(), kD1);

    // The next result shows its own notes, also when written through QLabel.
    compute("Text3", "Command3", QStringLiteral("30"));
    QCOMPARE(hoverText(line), kNote2);
    static_cast<QLabel *>(line)->setText(kN4);
    QCOMPARE(hoverText(line), kN4);
}

void LivestockWindowTest::clickingAFieldSelectsItsTextSoTypingReplacesIt()
{
    compute("Text1", "Command1", QStringLiteral("130"));
    QTest::mouseClick(field("Text1"), Qt::LeftButton,
                      Qt::NoModifier, QPoint(5, field("Text1")->height() / 2));
    QCOMPARE(field("Text1")->selectedText(), QStringLiteral("130"));
    typeText(field("Text1"), QStringLiteral("61"));
    QCOMPARE(field("Text1")->text(), QStringLiteral("61"));
    press(button("Command1"));
    QCOMPARE(label("lbl11")->text(), QStringLiteral("جذعة"));
}

void LivestockWindowTest::tabbingIntoAFieldSelectsItsText()
{
    compute("Text2", "Command2", QStringLiteral("121"));
    button("Command1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // Text1
    QCOMPARE(QApplication::focusWidget(), field("Text1"));
    QCOMPARE(field("Text1")->selectedText(), kPrompt);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // Text2
    QCOMPARE(QApplication::focusWidget(), field("Text2"));
    QCOMPARE(field("Text2")->selectedText(), QStringLiteral("121"));
    typeText(field("Text2"), QStringLiteral("7"));
    QCOMPARE(field("Text2")->text(), QStringLiteral("7"));

    // Any way the focus arrives selects the whole text, not only Tab.
    field("Text3")->setFocus(Qt::OtherFocusReason);
    QCOMPARE(field("Text3")->selectedText(), kPrompt);
}

void LivestockWindowTest::fieldsRefuseTypingPastNineCharacters()
{
    for (const char *name : {"Text1", "Text2", "Text3"}) {
        typeInto(field(name), QStringLiteral("1234567890"));
        QCOMPARE(field(name)->text(), QStringLiteral("123456789"));
    }
}

void LivestockWindowTest::tablesKeepTheirWholeBorder()
{
    // The top edge of the camel table runs under its two headings.
    const QImage picture = m_window->grab().toImage();
    for (int x : {570, 600, 700, 760})
        QCOMPARE(QColor(picture.pixel(x, 176)), QColor(Qt::white));
}

void LivestockWindowTest::countTooWideForItsCellIsMarkedCutAndKeptWhole()
{
    compute("Text1", "Command1", QStringLiteral("999999999"));
    auto *count = qobject_cast<DesignLabel *>(label(QStringLiteral("lbl1")));
    QVERIFY(count);
    QCOMPARE(count->text(), QStringLiteral("24999996"));
    QVERIFY(count->shownText() != count->text());
    // The cut is marked with an ellipsis (three full stops in faces without one).
    const QString shown = count->shownText();
    const QString mark = shown.endsWith(QChar(0x2026)) ? QString(QChar(0x2026)) : QStringLiteral("...");
    QVERIFY2(shown.endsWith(mark), qPrintable(shown));
    QVERIFY(QStringLiteral("24999996").startsWith(shown.chopped(mark.size())));
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), count->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(count, &hover);
    QCOMPARE(QToolTip::text(), QStringLiteral("24999996"));

    compute("Text1", "Command1", QStringLiteral("250"));
    QCOMPARE(count->shownText(), QStringLiteral("5"));
}

void LivestockWindowTest::everyNoteShownCanBeReadWholeWithTheKeyboard_data()
{
    QTest::addColumn<int>("tabs"); // from the camel "احسب", where the focus starts
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("notes");
    QTest::newRow("camels 250") << 1 << "250" << QStringLiteral("ملاحظات الإبل")
                                << QStringList{kN17, kN11, kN18, kN21, kN25};
    QTest::newRow("cattle 160") << 3 << "160" << QStringLiteral("ملاحظات البقر")
                                << QStringList{kNote2, kNote9, kNote5, kNote10};
}

void LivestockWindowTest::everyNoteShownCanBeReadWholeWithTheKeyboard()
{
    QFETCH(int, tabs);
    QFETCH(QString, count);
    QFETCH(QString, title);
    QFETCH(QStringList, notes);
    QTRY_COMPARE(QApplication::focusWidget(), button("Command1"));
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    typeText(QApplication::focusWidget(), count);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(label("lbl15")->text() != kNoteLine);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2);

    auto *panel = m_window->findChild<NotesPanel *>();
    QVERIFY(panel);
    QTRY_VERIFY(panel->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), panel->text());
    QCOMPARE(panel->windowTitle(), title);
    QAccessibleInterface *dialog = QAccessible::queryAccessibleInterface(panel);
    QCOMPARE(dialog->role(), QAccessible::Dialog); // a screen reader reads its title
    QCOMPARE(dialog->text(QAccessible::Name), title);
    QCOMPARE(panel->layoutDirection(), Qt::RightToLeft);
    // Beside the window, inside the screen: over none of its fields and
    // results, and with no caret drawn in its read-only text.
    QVERIFY(panel->screen()->availableGeometry().contains(panel->frameGeometry()));
    for (QWidget *shown : m_window->findChildren<QWidget *>(QRegularExpression("^(Text|lbl)")))
        QVERIFY2(!panel->frameGeometry().intersects(QRect(shown->mapToGlobal(QPoint()), shown->size())),
                 qPrintable(shown->objectName()));
    QCOMPARE(panel->text()->cursorWidth(), 0);
    // Every note the lines show, whole, a paragraph each, in the lines' size
    // or larger, wrapped to the panel so that nothing is cut at its side.
    QStringList trimmed;
    for (const QString &note : notes)
        trimmed << note.trimmed();
    QCOMPARE(panel->text()->toPlainText().split(QLatin1Char('\n')), trimmed);
    QVERIFY(panel->text()->font().pixelSize() >= label("lbl15")->font().pixelSize());
    QCOMPARE(panel->text()->horizontalScrollBar()->maximum(), 0);
    // The keyboard selects and reaches the last note.
    QTest::keyClick(panel->text(), Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(panel->text()->textCursor().selectedText().size(),
             panel->text()->toPlainText().size());
    QTest::keyClick(panel->text(), Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
}

void LivestockWindowTest::clickingANoteLineShowsTheNotesWhole()
{
    // The note lines say how to read them whole, to the eye and to a screen reader.
    for (const QString &name : kNoteNames) {
        QCOMPARE(label(name)->cursor().shape(), Qt::PointingHandCursor);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label(name));
        QVERIFY(accessible->text(QAccessible::Description).contains(QStringLiteral("F2")));
    }
    QTest::mouseClick(label("lbl17"), Qt::LeftButton);
    auto *panel = m_window->findChild<NotesPanel *>();
    QVERIFY(panel && panel->isVisible());
    QCOMPARE(panel->windowTitle(), QStringLiteral("الملاحظات"));
    // Open, it follows the notes the lines show, and the keyboard stays
    // where the user computes.
    typeInto(field("Text3"), QStringLiteral("30"));
    QTest::keyClick(field("Text3"), Qt::Key_Return);
    QCOMPARE(panel->windowTitle(), QStringLiteral("ملاحظات البقر"));
    QCOMPARE(QApplication::focusWidget(), field("Text3"));
    QCOMPARE(QApplication::activeWindow(), m_window);
    QCOMPARE(panel->text()->toPlainText().split(QLatin1Char('\n')),
             (QStringList{kNote2.trimmed(), kNote7}));
    // It covers none of the note lines.
    const QRect notes = QRect(label("lbl15")->mapToGlobal(QPoint()),
                              label("lbl19")->mapToGlobal(label("lbl19")->rect().bottomRight()));
    QVERIFY(!panel->frameGeometry().intersects(notes));
}

void LivestockWindowTest::enterComputesTheFieldsOwnPanel()
{
    typeInto(field("Text1"), QStringLiteral("46"));
    QTest::keyClick(field("Text1"), Qt::Key_Return);
    QCOMPARE(label("lbl11")->text(), QStringLiteral("حقة"));
    QCOMPARE(label("lbl21")->text(), kCell);
    QCOMPARE(label("lbl31")->text(), kCell);

    typeInto(field("Text2"), QStringLiteral("40"));
    QTest::keyClick(field("Text2"), Qt::Key_Enter);
    QCOMPARE(label("lbl21")->text(), QStringLiteral("شاة"));
    QCOMPARE(label("lbl31")->text(), kCell);

    typeInto(field("Text3"), QStringLiteral("40"));
    QTest::keyClick(field("Text3"), Qt::Key_Return);
    QCOMPARE(label("lbl31")->text(), QStringLiteral("مسنة"));
    QCOMPARE(label("lbl2")->text(), QStringLiteral("1"));
}

void LivestockWindowTest::backClosesTheWindowAndReopensItFresh()
{
    compute("Text1", "Command1", QStringLiteral("250"));
    compute("Text2", "Command2", QStringLiteral("250"));
    compute("Text3", "Command3", QStringLiteral("250"));
    press(m_menu->livestockButton); // a second press brings the same window forward
    QCOMPARE(openWindows(QStringLiteral("frmzakat1")), QList<QWidget *>{m_window});
    QCOMPARE(field("Text2")->text(), QStringLiteral("250"));

    QPointer<QWidget> closed = m_window;
    press(button("Command7"));
    QVERIFY(openWindows(QStringLiteral("frmzakat1")).isEmpty());
    QTRY_VERIFY(!closed);

    m_window = m_open->reopen();
    for (const char *name : {"Text1", "Text2", "Text3"})
        QCOMPARE(field(name)->text(), kPrompt);
    for (const char *name : {"lbl1", "lbl11", "lbl13", "lbl14", "lbl2", "lbl21", "lbl3", "lbl31",
                             "lbl33", "lbl34"})
        QCOMPARE(label(name)->text(), kCell);
    for (const QString &name : kNoteNames)
        QCOMPARE(label(name)->text(), kNoteLine);
}

void LivestockWindowTest::exitClosesEveryWindow()
{
    press(button("Command6"));
    QVERIFY(openWindows(QStringLiteral("frmzakat1")).isEmpty());
    QVERIFY(openWindows(QStringLiteral("frmzakat")).isEmpty());
}

ZAKAT_GUI_TEST_MAIN(LivestockWindowTest)
#include "test_livestock_window.moc"
