// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/frmzakat.h"
#include "money/frmzakat4.h"
#include "tests/support/guitest.h"
#include "app/startup.h"

#include <QLabel>

namespace {
const QString kDigitsOnly = QStringLiteral(" ادخل ارقام فقط ويدون مسافات بين الارقام");
const QString kWeightTitle = QStringLiteral(" تنبيه  ");
const QString kPriceTitle = QStringLiteral("تنبيه ");
const QString kAboveBound = QStringLiteral(
    " هذا البرنامج يحسب الزكاة لكمية من الذهب أقل من 850000 أي لا يزيد عن 850 كيلو جرام");
const QString kPriceWarning = QStringLiteral(" ادخل ثمن الجرام بالارقام فقط");
const QString kOutOfRange = QStringLiteral(
    " العملية خارج النطاق ، لكن قسم كمية الذهب الى أجزاء  100 كيلو جرام او أقل  ");
const QString kBelowNisabNote = QStringLiteral("النصاب  هو 85 جرام من الذهب ");
} // namespace

class GoldWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithItsDesignContents();
    void computesTheGramsDue_data();
    void computesTheGramsDue();
    void ignoresAnEmptyWeight();
    void refusesAWeightThatIsNoNumber_data();
    void refusesAWeightThatIsNoNumber();
    void refusesAWeightAboveTheBound();
    void computesTheValueAndItsBreakdown_data();
    void computesTheValueAndItsBreakdown();
    void warnsWhenTheValueIsOutOfRange_data();
    void warnsWhenTheValueIsOutOfRange();
    void belowTheNisabShowsNoValue();
    void lettersInBothFieldsGiveBothWarnings();
    void editingEmptiesTheResults();
    void fieldsRefuseTypingPastTheirLength();
    void programWritesAreNeverCut();
    void clickingAFieldSelectsItsText();
    void enterPressesTheFieldsButton();
    void backClosesTheWindowAndReopensItFresh();

private:
    QLabel *label(const char *name) { return control<QLabel>(m_window, QString::fromLatin1(name)); }
    QLineEdit *field(const char *name) { return control<QLineEdit>(m_window, QString::fromLatin1(name)); }
    QAbstractButton *button(const char *name)
    {
        return control<QAbstractButton>(m_window, QString::fromLatin1(name));
    }
    void computeValue(const QString &weight, const QString &price)
    {
        typeInto(field("Text1"), weight);
        typeInto(field("Text5"), price);
        press(button("Command5"));
    }

    frmzakat *m_menu = nullptr;
    QWidget *m_window = nullptr;
    MessageBoxRecorder *m_boxes = nullptr;
};

void GoldWindowTest::init()
{
    m_boxes = new MessageBoxRecorder(MessageBoxRecorder::RecordEvery);
    m_menu = showMainMenu();
    press(m_menu->Command2);
    const auto windows = openWindows(QStringLiteral("frmzakat4"));
    QCOMPARE(windows.size(), 1);
    m_window = windows.first();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void GoldWindowTest::cleanup()
{
    const QList<SeenBox> unexpected = m_boxes->take();
    deleteAllWindows();
    delete m_boxes;
    QCOMPARE(unexpected, QList<SeenBox>());
}

void GoldWindowTest::opensWithItsDesignContents()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(m_window->size(), QSize(792, 566));
    QCOMPARE(m_window->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(field("Text1")->text(), QStringLiteral("اكتب مقدار كمية الذهب"));
    QCOMPARE(field("Text5")->text(), QStringLiteral("االثمن"));
    QCOMPARE(label("lbla1(0)")->text(), QStringLiteral("زكـــاة الذهب"));
    QCOMPARE(label("Label1(2)")->text(), QStringLiteral("ثمن الجرام بالعملة "));
    QCOMPARE(label("Label2")->text(), QStringLiteral("1- نصاب الذهب هو 20 مثقالا وهو = 85  جرام"));
    QCOMPARE(label("lbl11")->text(), QStringLiteral("....."));
    QCOMPARE(label("Label11")->text(), QStringLiteral("....."));
    QCOMPARE(label("lbl15")->text(), QStringLiteral(". . . . . . . . . . . . . . . ."));
    QCOMPARE(label("lbl11")->geometry(), QRect(512, 176, 217, 49));
    QCOMPARE(label("Label1(1)")->layoutDirection(), Qt::RightToLeft);
    QVERIFY(!button("Command6")->isEnabled());
    QVERIFY(!field("Text6")->isEnabled());
    for (const char *name : {"Label16", "Label18", "Label17", "Label15", "Label19", "Label1(3)"})
        QVERIFY2(label(name)->isHidden(), name);
    for (const char *name : {"Shape2", "Shape1(0)", "Shape1(5)", "Line1"})
        QVERIFY2(m_window->findChild<QWidget *>(QString::fromLatin1(name)), name);
    QCOMPARE(QApplication::focusWidget(), field("Text5"));

    // Tab runs Text5, Text1, Command1, Command5, Command2, Command7.
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"Text5", "Text1", "Command1", "Command5", "Command2", "Command7"}));
}

void GoldWindowTest::computesTheGramsDue_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("due");
    QTest::addColumn<QString>("note");
    QTest::newRow("just below the nisab") << "84.99" << "...." << kBelowNisabNote;
    QTest::newRow("the nisab itself") << "85" << "2.125" << " ";
    QTest::newRow("100") << "100" << "2.5" << " ";
    QTest::newRow("1000.5") << "1000.5" << "25.0125" << " ";
    QTest::newRow("the upper bound") << "850000" << "21250" << " ";
    QTest::newRow("negative") << "-5" << "...." << kBelowNisabNote;
    QTest::newRow("arabic-indic digits") << QStringLiteral("١٠٠") << "2.5" << " ";
    QTest::newRow("blanks around") << " 100 " << "2.5" << " ";
}

void GoldWindowTest::computesTheGramsDue()
{
    QFETCH(QString, weight);
    QFETCH(QString, due);
    QFETCH(QString, note);
    typeInto(field("Text1"), weight);
    press(button("Command1"));
    QCOMPARE(label("lbl11")->text(), due);
    QCOMPARE(label("lbl15")->text(), note);
}

void GoldWindowTest::ignoresAnEmptyWeight()
{
    typeInto(field("Text1"), QStringLiteral("   "));
    press(button("Command1"));
    QCOMPARE(label("lbl11")->text(), QString());
    QCOMPARE(label("lbl15")->text(), QStringLiteral(". . . . . . . . . . . . . . . ."));
}

void GoldWindowTest::refusesAWeightThatIsNoNumber_data()
{
    QTest::addColumn<QString>("weight");
    QTest::newRow("inner blank") << "12 5";
    QTest::newRow("letters") << "abc";
    QTest::newRow("overflow") << "1E400";
}

void GoldWindowTest::refusesAWeightThatIsNoNumber()
{
    QFETCH(QString, weight);
    typeInto(field("Text1"), weight);
    press(button("Command1"));
    QCOMPARE(m_boxes->take(), QList<SeenBox>{warningBox(kDigitsOnly, kWeightTitle)});
    QTRY_COMPARE(QApplication::focusWidget(), field("Text1"));
    QCOMPARE(field("Text1")->selectedText(), weight);
}

void GoldWindowTest::refusesAWeightAboveTheBound()
{
    typeInto(field("Text5"), QStringLiteral("5"));
    typeInto(field("Text1"), QStringLiteral("850001"));
    press(button("Command1"));
    QCOMPARE(m_boxes->take(), QList<SeenBox>{warningBox(kAboveBound, kWeightTitle)});
    QCOMPARE(label("lbl11")->text(), QString());
    QTRY_COMPARE(QApplication::focusWidget(), button("Command1"));
}

void GoldWindowTest::computesTheValueAndItsBreakdown_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("rows"); // millions, thousands, units, hundredths
    QTest::addColumn<QString>("namesShown");
    QTest::newRow("100 at 250") << "100" << "250" << "625" << QStringList{"", "", "625", "0"}
                                << "UH";
    QTest::newRow("1000.5 at 40") << "1000.5" << "40" << "1000.5"
                                  << QStringList{"", "1", "0", "50"} << "TUH";
    QTest::newRow("the bound itself") << "840000" << "100000" << "2100000000"
                                      << QStringList{"2100", "0", "0", "0"} << "MTUH";
    QTest::newRow("hundredths exact") << "400" << "99.999" << "999.99"
                                      << QStringList{"", "", "999", "99"} << "UH";
    QTest::newRow("negative price") << "100" << "-1" << "-2.5" << QStringList{"", "", "-3", "50"}
                                    << "UH";
    QTest::newRow("zero price") << "100" << "-0" << "0" << QStringList{"", "", "0", "0"} << "UH";
}

void GoldWindowTest::computesTheValueAndItsBreakdown()
{
    QFETCH(QString, weight);
    QFETCH(QString, price);
    QFETCH(QString, value);
    QFETCH(QStringList, rows);
    QFETCH(QString, namesShown);
    computeValue(weight, price);
    QCOMPARE(label("Label11")->text(), value);
    QCOMPARE((QStringList{label("Label12")->text(), label("Label13")->text(),
                          label("Label14")->text(), field("Text6")->text()}),
             rows);
    QCOMPARE(label("Label16")->isVisible(), namesShown.contains(u'M'));
    QCOMPARE(label("Label18")->isVisible(), namesShown.contains(u'T'));
    QCOMPARE(label("Label17")->isVisible(), namesShown.contains(u'U'));
    QCOMPARE(label("Label15")->isVisible(), namesShown.contains(u'H'));
    QVERIFY(!button("Command6")->isEnabled());
}

void GoldWindowTest::warnsWhenTheValueIsOutOfRange_data()
{
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("value");
    QTest::newRow("just above 2100000000") << "100001" << "2125021250";
    QTest::newRow("above 2100000000") << "999999" << "21249978750";
    QTest::newRow("beyond any double") << "1E+308" << "";
}

void GoldWindowTest::warnsWhenTheValueIsOutOfRange()
{
    QFETCH(QString, price);
    QFETCH(QString, value);
    computeValue(QStringLiteral("850000"), price);
    QCOMPARE(m_boxes->take(), QList<SeenBox>{warningBox(kOutOfRange, kPriceTitle)});
    QCOMPARE(label("lbl11")->text(), QStringLiteral("21250"));
    QCOMPARE(label("Label11")->text(), value);
    QCOMPARE(label("Label14")->text(), QString());
    QVERIFY(!label("Label17")->isVisible());
}

void GoldWindowTest::belowTheNisabShowsNoValue()
{
    computeValue(QStringLiteral("50"), QStringLiteral("250"));
    QCOMPARE(label("lbl15")->text(), kBelowNisabNote);
    QCOMPARE(label("Label11")->text(), QString());
    QCOMPARE(label("Label14")->text(), QString());
}

void GoldWindowTest::lettersInBothFieldsGiveBothWarnings()
{
    computeValue(QStringLiteral("abc"), QStringLiteral("xyz"));
    QCOMPARE(m_boxes->take(), (QList<SeenBox>{warningBox(kDigitsOnly, kWeightTitle),
                                              warningBox(kPriceWarning, kPriceTitle)}));
    QTRY_COMPARE(QApplication::focusWidget(), field("Text5"));
    QCOMPARE(field("Text5")->selectedText(), QStringLiteral("xyz"));
}

void GoldWindowTest::editingEmptiesTheResults()
{
    computeValue(QStringLiteral("100"), QStringLiteral("250"));
    QCOMPARE(label("Label14")->text(), QStringLiteral("625"));

    QTest::keyClick(field("Text5"), Qt::Key_Backspace);
    QCOMPARE(label("lbl11")->text(), QStringLiteral("2.5"));
    for (const char *name : {"Label11", "Label12", "Label13", "Label14", "Label19", "Label1(3)"})
        QVERIFY2(label(name)->text().isEmpty(), name);
    QCOMPARE(field("Text6")->text(), QString());
    QVERIFY(label("Label17")->isVisible()); // the unit names stay until the next breakdown
    QCOMPARE(label("lbl15")->text(), QStringLiteral(" "));

    press(button("Command5"));
    QCOMPARE(label("Label11")->text(), QStringLiteral("62.5"));
    QTest::keyClick(field("Text1"), Qt::Key_Backspace);
    QCOMPARE(label("lbl11")->text(), QString());
    QCOMPARE(label("Label11")->text(), QString());
}

void GoldWindowTest::fieldsRefuseTypingPastTheirLength()
{
    typeInto(field("Text1"), QStringLiteral("1234567"));
    QCOMPARE(field("Text1")->text(), QStringLiteral("123456"));
    typeInto(field("Text5"), QStringLiteral("9876543"));
    QCOMPARE(field("Text5")->text(), QStringLiteral("987654"));
}

void GoldWindowTest::programWritesAreNeverCut()
{
    // The prompt is longer than six characters and stays whole; it can be
    // shortened but not lengthened by typing.
    QLineEdit *weight = field("Text1");
    QCOMPARE(weight->text().size(), 21);
    weight->setFocus();
    weight->setCursorPosition(weight->text().size());
    QTest::keyClick(weight, Qt::Key_5);
    QCOMPARE(weight->text(), QStringLiteral("اكتب مقدار كمية الذهب"));
    QTest::keyClick(weight, Qt::Key_Backspace);
    QCOMPARE(weight->text(), QStringLiteral("اكتب مقدار كمية الذه"));
}

void GoldWindowTest::clickingAFieldSelectsItsText()
{
    QTest::mouseClick(field("Text5"), Qt::LeftButton);
    QCOMPARE(field("Text5")->selectedText(), QStringLiteral("االثمن"));
    QTest::keyClick(field("Text5"), Qt::Key_7);
    QCOMPARE(field("Text5")->text(), QStringLiteral("7"));
}

void GoldWindowTest::enterPressesTheFieldsButton()
{
    typeInto(field("Text1"), QStringLiteral("100"));
    QTest::keyClick(field("Text1"), Qt::Key_Return);
    QCOMPARE(label("lbl11")->text(), QStringLiteral("2.5"));
    typeInto(field("Text5"), QStringLiteral("4"));
    QTest::keyClick(field("Text5"), Qt::Key_Enter);
    QCOMPARE(label("Label11")->text(), QStringLiteral("10"));
    button("Command1")->setFocus();
    typeInto(field("Text1"), QStringLiteral("200"));
    button("Command1")->setFocus();
    QTest::keyClick(button("Command1"), Qt::Key_Return);
    QCOMPARE(label("lbl11")->text(), QStringLiteral("5"));
}

void GoldWindowTest::backClosesTheWindowAndReopensItFresh()
{
    typeInto(field("Text1"), QStringLiteral("100"));
    press(button("Command1"));
    press(m_menu->Command2); // a second press brings the same window forward
    QCOMPARE(openWindows(QStringLiteral("frmzakat4")), QList<QWidget *>{m_window});
    QCOMPARE(field("Text1")->text(), QStringLiteral("100"));

    QPointer<QWidget> closed = m_window;
    const qint64 buttonColours = button("Command7")->palette().cacheKey();
    press(button("Command7"));
    QVERIFY(openWindows(QStringLiteral("frmzakat4")).isEmpty());
    QTRY_VERIFY(!closed);

    press(m_menu->Command2);
    const auto reopened = openWindows(QStringLiteral("frmzakat4"));
    QCOMPARE(reopened.size(), 1);
    m_window = reopened.first();
    QCOMPARE(field("Text1")->text(), QStringLiteral("اكتب مقدار كمية الذهب"));
    QCOMPARE(label("lbl11")->text(), QStringLiteral("....."));
    // The same palette, so the style draws the new buttons from the pixmaps it
    // cached for the old ones instead of caching new ones at every opening.
    QCOMPARE(button("Command7")->palette().cacheKey(), buttonColours);
}

ZAKAT_GUI_TEST_MAIN(GoldWindowTest)
#include "test_gold_window.moc"
