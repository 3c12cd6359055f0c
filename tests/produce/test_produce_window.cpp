// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/mainmenu.h"
#include "app/startup.h"
#include "tests/support/guitest.h"
#include "tests/support/texts.h"
#include "ui/designlabel.h"

#include <QLabel>
#include <QRadioButton>

namespace {
using namespace Expected;
const QString &kTitle = kNoticeTitle;
const QString &kPlaceholder = kResultPlaceholder;
} // namespace

class ProduceWindowTest : public WindowTest {
    Q_OBJECT
public:
    ProduceWindowTest() : WindowTest(&MainMenu::produceButton) {}

private slots:
    void init();
    void cleanup();

    void opensWithItsDesignContents();
    void showsItsNotesAndCaptionsExactly();
    void tabRunsThroughTheControlsInDesignOrder();
    void computingAtOnceGivesZero();
    void computesTheShareUnderTheChosenOption_data();
    void computesTheShareUnderTheChosenOption();
    void ignoresAnEmptyEntry_data();
    void ignoresAnEmptyEntry();
    void refusesAnEntryThatIsNoNumber_data();
    void refusesAnEntryThatIsNoNumber();
    void choosingAnOptionRecomputesThenNamesTheRate();
    void choosingAnOptionWithAnEmptyEntryChangesOnlyTheRateName();
    void choosingAnOptionWhileTheEntryHoldsLettersWarnsBeforeTheRateChanges_data();
    void choosingAnOptionWhileTheEntryHoldsLettersWarnsBeforeTheRateChanges();
    void clickingTheChosenOptionDoesNothing();
    void arrowKeysChooseTheNextOption();
    void arrowKeyWhileTheEntryHoldsLettersReturnsToTheEntry();
    void enterInTheEntryComputes();
    void entryRefusesAnEleventhCharacter();
    void clickingTheEntrySelectsItsText();
    void menuOpensTheWindowOnlyOnce();
    void backClosesTheWindowAndReopensItFresh();
    void exitClosesEveryWindow();

private:
    QLineEdit *entry() { return control<QLineEdit>(m_window, QStringLiteral("Text1")); }
    QRadioButton *option(int number)
    {
        return control<QRadioButton>(m_window, QStringLiteral("Option%1").arg(number));
    }
    QString result() { return label("lbl1")->text(); }
    QString rate() { return label("lbla")->text(); }
    // Types the quantity, then chooses the option as the user does with the
    // mouse, unless it is already the chosen one, and presses "احسب".
    void compute(int optionNumber, const QString &quantity)
    {
        typeInto(entry(), quantity);
        if (!option(optionNumber)->isChecked())
            press(option(optionNumber));
        press(button("Command1"));
    }
    void emptyTheEntry()
    {
        typeInto(entry(), QString());
        QTest::keyClick(entry(), Qt::Key_Backspace);
        QCOMPARE(entry()->text(), QString());
    }

};

void ProduceWindowTest::init()
{
    openWindow();
}

void ProduceWindowTest::cleanup()
{
    closeWindow();
}

void ProduceWindowTest::opensWithItsDesignContents()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("زكاة الخارج من الأرض والركاز"));
    QCOMPARE(m_window->size(), QSize(792, 566));
    QCOMPARE(m_window->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(0x00, 0x40, 0x00));
    QVERIFY(option(1)->isChecked());
    QVERIFY(!option(2)->isChecked());
    QVERIFY(!option(3)->isChecked());
    QCOMPARE(entry()->text(), QStringLiteral("0"));
    QCOMPARE(rate(), kInitialRate);
    QCOMPARE(result(), kPlaceholder);
    QCOMPARE(QApplication::focusWidget(), button("Command1"));

    QCOMPARE(entry()->geometry(), QRect(424, 248, 185, 40));
    QCOMPARE(label("lbl1")->geometry(), QRect(536, 376, 217, 49));
    QCOMPARE(option(1)->geometry(), QRect(472, 112, 289, 41));
    QCOMPARE(button("Command7")->geometry(), QRect(648, 496, 129, 49));
    QCOMPARE(button("Command6")->geometry(), QRect(32, 496, 121, 49));
    QCOMPARE(label("lbl1")->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    QCOMPARE(option(1)->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    QCOMPARE(option(2)->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(entry()->palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(entry()->palette().color(QPalette::Text), QColor(Qt::white));
    QCOMPARE(button("Command1")->palette().color(QPalette::Button), QColor(0x00, 0x80, 0x00));
    for (int number = 1; number <= 3; ++number) {
        // The far left of an option lies beyond its right-to-left caption.
        const QImage painted = option(number)->grab().toImage();
        QCOMPARE(painted.pixelColor(2, painted.height() / 2), QColor(0x00, 0x40, 0x00));
    }
    QVERIFY(label("lbla1")->font().underline());
    QVERIFY(label("lbla")->font().bold());
    for (const char *name : {"Shape1(0)", "Shape2", "Shape1(2)", "Shape1(3)", "Shape1(4)",
                             "Shape1(5)", "Line1"}) {
        auto *shape = m_window->findChild<QWidget *>(QString::fromLatin1(name));
        QVERIFY2(shape, name);
        QVERIFY2(shape->testAttribute(Qt::WA_TransparentForMouseEvents), name);
    }
    QCOMPARE(m_window->findChild<QWidget *>(QStringLiteral("Shape1(5)"))->geometry(),
             QRect(176, 448, 169, 49));
}

void ProduceWindowTest::showsItsNotesAndCaptionsExactly()
{
    QCOMPARE(label("lbla1")->text(), QStringLiteral("زكاة الخارج من الارض"));
    QCOMPARE(option(1)->text(), QStringLiteral("ما يشرب بلا مئونة  أي بدون آلات"));
    QCOMPARE(option(2)->text(), QStringLiteral("ما يشرب  بمئونة أي باستخدام الآلات"));
    QCOMPARE(option(3)->text(), QStringLiteral("زكاة الركاز  وهو دفن الجاهلية"));
    QCOMPARE(label("Label1(0)")->text(), QStringLiteral("ادخل الكمية  رقما"));
    QCOMPARE(label("Label1(1)")->text(), QStringLiteral("مقدار الزكاة الواجبة "));
    QCOMPARE(label("Label1(2)")->text(),
             QStringLiteral("المكيال الذي تدخل به الارقام هو الذي تخرج به الزكاة"));
    QCOMPARE(label("Label10")->text(), QStringLiteral("وحدة كيل أو وزن"));
    QCOMPARE(label("Label2")->text(), QStringLiteral("1- النصاب هو 5 اوسق  وهو =300 صاعاً"));
    QCOMPARE(label("Label3")->text(),
             QStringLiteral("2- يزكي الاصناف التي تكال وتدخرمثل البر والتمر"));
    QCOMPARE(label("Label4")->text(),
             QStringLiteral("3- لا يشترط ان يحول الحول -(وآتوا حقه يوم حصاده)"));
    QCOMPARE(label("Label5")->text(),
             QStringLiteral("4-هذه الاصناف تزكى من جنسها ولاتخرج القيمة نقدا"));
    QCOMPARE(label("Label6")->text(),
             QStringLiteral("5- ما وجد من دفن المسلمين  فهو لقطة  وليس من الركاز "));
    QCOMPARE(label("Label7")->text(),
             QStringLiteral(
                 "6- فيما يشرب بلا مئونة العشر وفيما يشرب بمئونة نصف العشر  وفي الركاز الخمس"));
    // The longest note takes a second line rather than shrink past reading.
    const auto *note6 = qobject_cast<DesignLabel *>(label("Label7"));
    QVERIFY(note6);
    QVERIFY2(note6->fittedFont().pixelSize() * 4 >= note6->font().pixelSize() * 3,
             qPrintable(QString::number(note6->fittedFont().pixelSize())));
    QCOMPARE(button("Command1")->text(), QStringLiteral("احسب"));
    QCOMPARE(button("Command7")->text(), QStringLiteral("رجوع"));
    QCOMPARE(button("Command6")->text(), QStringLiteral("خروج من البرنامج"));
}

void ProduceWindowTest::tabRunsThroughTheControlsInDesignOrder()
{
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // The design's own order, then the result that shows one: the rate.
    QCOMPARE(order,
             (QStringList{"Command1", "Text1", "Option1", "Command6", "Command7", "lbla"}));
}

void ProduceWindowTest::computingAtOnceGivesZero()
{
    press(button("Command1"));
    QCOMPARE(result(), QStringLiteral("0"));
    QCOMPARE(rate(), kInitialRate);
}

void ProduceWindowTest::computesTheShareUnderTheChosenOption_data()
{
    QTest::addColumn<int>("optionNumber");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("share");
    QTest::newRow("a tenth of 1000") << 1 << "1000" << "100";
    QTest::newRow("half a tenth of 1000") << 2 << "1000" << "50";
    QTest::newRow("a fifth of 1000") << 3 << "1000" << "200";
    QTest::newRow("a tenth of 25") << 1 << "25" << "2.5";
    QTest::newRow("half a tenth of 1") << 2 << "1" << "0.05";
    QTest::newRow("a tenth of 3") << 1 << "3" << "0.3";
    QTest::newRow("a fifth of 7") << 3 << "7" << "1.4";
    QTest::newRow("zero") << 1 << "0" << "0";
    QTest::newRow("negative zero") << 1 << "-0" << "0";
    QTest::newRow("negative zero under a fifth") << 3 << "-0.0" << "0";
    QTest::newRow("negative owes nothing") << 3 << "-40" << "0";
    QTest::newRow("the nisab in sa'") << 1 << "300" << "30";
    QTest::newRow("far below the nisab") << 1 << "12" << "1.2";
    QTest::newRow("blanks around") << 2 << "  1000  " << "50";
    QTest::newRow("arabic-indic digits") << 1 << QStringLiteral("١٠٠٠") << "100";
    QTest::newRow("arabic decimal separator") << 1 << QStringLiteral("٢٥٫٥") << "2.55";
    QTest::newRow("exponent") << 3 << "1E3" << "200";
    QTest::newRow("ten nines") << 3 << "9999999999" << "1999999999.8";
    QTest::newRow("near the largest double") << 3 << "1E308" << "2E+307";
    QTest::newRow("below every double") << 1 << "1E-400" << "0";
}

void ProduceWindowTest::computesTheShareUnderTheChosenOption()
{
    QFETCH(int, optionNumber);
    QFETCH(QString, quantity);
    QFETCH(QString, share);
    compute(optionNumber, quantity);
    QVERIFY(option(optionNumber)->isChecked());
    QCOMPARE(result(), share);
}

void ProduceWindowTest::ignoresAnEmptyEntry_data()
{
    QTest::addColumn<QString>("blanks");
    QTest::newRow("empty") << "";
    QTest::newRow("only blanks") << "   ";
}

void ProduceWindowTest::ignoresAnEmptyEntry()
{
    QFETCH(QString, blanks);
    press(button("Command1"));
    QCOMPARE(result(), QStringLiteral("0"));
    emptyTheEntry();
    QCOMPARE(result(), kPlaceholder); // the share of the quantity edited goes
    typeText(entry(), blanks);
    press(button("Command1"));
    QCOMPARE(result(), kPlaceholder);
    QCOMPARE(rate(), kInitialRate);
}

void ProduceWindowTest::refusesAnEntryThatIsNoNumber_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::newRow("letters") << "abc";
    QTest::newRow("digits with a blank between") << "12 5";
    QTest::newRow("grouping separator") << "1,000";
    QTest::newRow("arabic letters") << QStringLiteral("كيلو");
    QTest::newRow("infinity") << "inf";
    QTest::newRow("beyond every double") << "1E400";
}

void ProduceWindowTest::refusesAnEntryThatIsNoNumber()
{
    QFETCH(QString, quantity);
    compute(2, QStringLiteral("1000"));
    QCOMPARE(result(), QStringLiteral("50"));

    typeInto(entry(), quantity);
    QCOMPARE(result(), kPlaceholder); // the share of the quantity before goes with the edit
    QCOMPARE(boxesDuring([&] { press(button("Command1")); }),
             QList<SeenBox>{warningBox(kDigitsOnly, kTitle)});
    QCOMPARE(result(), kPlaceholder);
    QTRY_COMPARE(QApplication::focusWidget(), entry());
    QCOMPARE(entry()->selectedText(), quantity);
}

void ProduceWindowTest::choosingAnOptionRecomputesThenNamesTheRate()
{
    typeInto(entry(), QStringLiteral("1000"));
    press(option(2));
    QCOMPARE(result(), QStringLiteral("50"));
    QCOMPARE(rate(), kHalfTenth);
    press(option(3));
    QCOMPARE(result(), QStringLiteral("200"));
    QCOMPARE(rate(), kFifth);
    press(option(1));
    QCOMPARE(result(), QStringLiteral("100"));
    QCOMPARE(rate(), kTenth);
    QVERIFY(option(1)->isChecked());
    QVERIFY(!option(3)->isChecked());
}

void ProduceWindowTest::choosingAnOptionWithAnEmptyEntryChangesOnlyTheRateName()
{
    emptyTheEntry();
    press(option(3));
    QCOMPARE(rate(), kFifth);
    QCOMPARE(result(), kPlaceholder);
    QCOMPARE(entry()->text(), QString());
}

void ProduceWindowTest::choosingAnOptionWhileTheEntryHoldsLettersWarnsBeforeTheRateChanges_data()
{
    // Only the option that becomes chosen runs its handler, so there is one
    // warning, whichever option is left.
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("shareBefore");
    QTest::addColumn<QString>("rateBefore");
    QTest::addColumn<QString>("rateAfter");
    QTest::newRow("from the tenth to half a tenth") << 1 << 2 << "100" << kInitialRate
                                                    << kHalfTenth;
    QTest::newRow("from half a tenth to the fifth") << 2 << 3 << "50" << kHalfTenth << kFifth;
    QTest::newRow("from the fifth to the tenth") << 3 << 1 << "200" << kFifth << kTenth;
}

void ProduceWindowTest::choosingAnOptionWhileTheEntryHoldsLettersWarnsBeforeTheRateChanges()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, shareBefore);
    QFETCH(QString, rateBefore);
    QFETCH(QString, rateAfter);
    typeInto(entry(), QStringLiteral("1000"));
    if (from != 1)
        press(option(from));
    press(button("Command1"));
    QCOMPARE(result(), shareBefore);
    QCOMPARE(rate(), rateBefore);

    typeInto(entry(), QStringLiteral("abc"));
    QString rateWhileWarned;
    m_open->boxes.whileOpen = [&] { rateWhileWarned = rate(); };
    QCOMPARE(boxesDuring([&] { press(option(to)); }),
             QList<SeenBox>{warningBox(kDigitsOnly, kTitle)});
    QCOMPARE(rateWhileWarned, rateBefore);
    QCOMPARE(rate(), rateAfter);
    QCOMPARE(result(), kPlaceholder); // the letters took back the share before
    QVERIFY(option(to)->isChecked());
    QVERIFY(!option(from)->isChecked());
    QTRY_COMPARE(QApplication::focusWidget(), entry());
    QCOMPARE(entry()->selectedText(), QStringLiteral("abc"));
}

void ProduceWindowTest::clickingTheChosenOptionDoesNothing()
{
    typeInto(entry(), QStringLiteral("1000"));
    press(option(1));
    QVERIFY(option(1)->isChecked());
    QCOMPARE(result(), kPlaceholder);
    QCOMPARE(rate(), kInitialRate); // not rewritten with its leading blank
}

void ProduceWindowTest::arrowKeysChooseTheNextOption()
{
    typeInto(entry(), QStringLiteral("1000"));
    option(1)->setFocus();
    QTest::keyClick(option(1), Qt::Key_Down);
    QVERIFY(option(2)->isChecked());
    QCOMPARE(QApplication::focusWidget(), option(2));
    QCOMPARE(result(), QStringLiteral("50"));
    QCOMPARE(rate(), kHalfTenth);
    QTest::keyClick(option(2), Qt::Key_Down);
    QVERIFY(option(3)->isChecked());
    QCOMPARE(result(), QStringLiteral("200"));
    QCOMPARE(rate(), kFifth);
}

void ProduceWindowTest::arrowKeyWhileTheEntryHoldsLettersReturnsToTheEntry()
{
    typeInto(entry(), QStringLiteral("abc"));
    option(1)->setFocus();
    QCOMPARE(boxesDuring([&] { QTest::keyClick(option(1), Qt::Key_Down); }),
             QList<SeenBox>{warningBox(kDigitsOnly, kTitle)});
    QVERIFY(option(2)->isChecked());
    QCOMPARE(rate(), kHalfTenth);
    QTRY_COMPARE(QApplication::focusWidget(), entry());
    QCOMPARE(entry()->selectedText(), QStringLiteral("abc"));
}

void ProduceWindowTest::enterInTheEntryComputes()
{
    typeInto(entry(), QStringLiteral("25"));
    QTest::keyClick(entry(), Qt::Key_Return);
    QCOMPARE(result(), QStringLiteral("2.5"));
    typeInto(entry(), QStringLiteral("7"));
    QTest::keyClick(entry(), Qt::Key_Enter);
    QCOMPARE(result(), QStringLiteral("0.7"));
    typeInto(entry(), QStringLiteral("x"));
    QCOMPARE(boxesDuring([&] { QTest::keyClick(entry(), Qt::Key_Return); }),
             QList<SeenBox>{warningBox(kDigitsOnly, kTitle)});
    QCOMPARE(result(), kPlaceholder);
}

void ProduceWindowTest::entryRefusesAnEleventhCharacter()
{
    typeInto(entry(), QStringLiteral("12345678901"));
    QCOMPARE(entry()->text(), QStringLiteral("1234567890"));
    press(button("Command1"));
    QCOMPARE(result(), QStringLiteral("123456789"));
}

void ProduceWindowTest::clickingTheEntrySelectsItsText()
{
    QTest::mouseClick(entry(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), entry());
    QCOMPARE(entry()->selectedText(), QStringLiteral("0"));
    QTest::keyClick(entry(), Qt::Key_7);
    QCOMPARE(entry()->text(), QStringLiteral("7"));
}

void ProduceWindowTest::menuOpensTheWindowOnlyOnce()
{
    typeInto(entry(), QStringLiteral("1000"));
    press(m_menu->produceButton);
    QCOMPARE(openWindows(QStringLiteral("frmzakat5")), QList<QWidget *>{m_window});
    QCOMPARE(entry()->text(), QStringLiteral("1000"));
}

void ProduceWindowTest::backClosesTheWindowAndReopensItFresh()
{
    typeInto(entry(), QStringLiteral("1000"));
    press(option(3));
    QCOMPARE(result(), QStringLiteral("200"));

    QPointer<QWidget> closed = m_window;
    press(button("Command7"));
    QVERIFY(openWindows(QStringLiteral("frmzakat5")).isEmpty());
    QVERIFY(m_menu->isVisible());
    QTRY_VERIFY(!closed);

    m_window = m_open->reopen();
    QCOMPARE(m_window->objectName(), QStringLiteral("frmzakat5"));
    QVERIFY(option(1)->isChecked());
    QVERIFY(!option(3)->isChecked());
    QCOMPARE(rate(), kInitialRate);
    QCOMPARE(entry()->text(), QStringLiteral("0"));
    QCOMPARE(result(), kPlaceholder);
}

void ProduceWindowTest::exitClosesEveryWindow()
{
    press(button("Command6"));
    QVERIFY(openWindows(QStringLiteral("frmzakat5")).isEmpty());
    QVERIFY(openWindows(QStringLiteral("frmzakat")).isEmpty());
}

ZAKAT_GUI_TEST_MAIN(ProduceWindowTest)
#include "test_produce_window.moc"
