// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/mainmenu.h"
#include "app/startup.h"
#include "tests/support/guitest.h"
#include "tests/support/texts.h"

#include <QClipboard>
#include <QPointer>

// The gold and the silver window behave alike with their own figures, texts,
// layout and focus; every test runs on both.

namespace {

struct Metal {
    CommandButton *MainMenu::*menuButton;
    QString window;
    QString caption;
    Qt::LayoutDirection direction;
    QString prompt;
    QString heading;
    QString quantityCaption;
    QString priceCaption;
    QString unit;
    QString firstNote;
    QRect headingBounds; // lbla1(0)
    QRect dueBounds;     // lbl11
    QString focusAtOpening;
    QStringList tabOrder;
    int quantityLength;
    int priceLength;
    QString belowNisab;
    QString aboveBound;
    QString priceWarning;
    QString outOfRange;
};

const Metal kGold{
    &MainMenu::goldButton, QStringLiteral("frmzakat4"), QStringLiteral("زكاة الذهب"), Qt::LeftToRight,
    QStringLiteral("اكتب مقدار كمية الذهب"), QStringLiteral("زكـــاة الذهب"),
    QStringLiteral("كمية الذهب بالجرام"), QStringLiteral("ثمن الجرام بالعملة "),
    QStringLiteral("جرام من الذهب"), QStringLiteral("1- نصاب الذهب هو 20 مثقالا وهو = 85  جرام"),
    QRect(592, 16, 161, 49), QRect(512, 176, 217, 49), QStringLiteral("Text5"),
    {"Text5", "Text1", "Command1", "Command5", "Command2", "Command7"}, 6, 6,
    Expected::kGoldBelowNisab, Expected::kGoldAboveBound, Expected::kGoldPrice,
    Expected::kGoldOutOfRange};

const Metal kSilver{
    &MainMenu::silverButton, QStringLiteral("frmzakat3"), QStringLiteral("زكاة الفضة"),
    Qt::RightToLeft, QStringLiteral("اكتب كمية الفضة بالدرهم"), QStringLiteral("زكــاة الفضة"),
    QStringLiteral("كمية الفضة  بالدرهم"), QStringLiteral("ثمن الدرهم بالعملة "),
    QStringLiteral("درهم فضة"), QStringLiteral("1- نصاب الفضة هو 200 درهم"),
    QRect(584, 8, 161, 49), QRect(496, 168, 217, 49), QStringLiteral("Command5"),
    {"Command5", "Command1", "Text1", "Text5", "Command2", "Command7"}, 7, 5,
    Expected::kSilverBelowNisab, Expected::kSilverAboveBound, Expected::kSilverPrice,
    Expected::kSilverOutOfRange};

using namespace Expected;

} // namespace

Q_DECLARE_METATYPE(const Metal *)

class MetalWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void opensWithItsDesignContents_data();
    void opensWithItsDesignContents();
    void computesTheDue_data();
    void computesTheDue();
    void ignoresAnEmptyQuantity_data();
    void ignoresAnEmptyQuantity();
    void refusesAQuantityThatIsNoNumber_data();
    void refusesAQuantityThatIsNoNumber();
    void refusesAQuantityAboveTheBound_data();
    void refusesAQuantityAboveTheBound();
    void computesTheValueAndItsBreakdown_data();
    void computesTheValueAndItsBreakdown();
    void computingTheValueWarns_data();
    void computingTheValueWarns();
    void belowTheNisabShowsNoValue_data();
    void belowTheNisabShowsNoValue();
    void editingEmptiesTheResults_data();
    void editingEmptiesTheResults();
    void fieldsRefuseTypingPastTheirLengthWithANote_data();
    void fieldsRefuseTypingPastTheirLengthWithANote();
    void programWritesAreNeverCut_data();
    void programWritesAreNeverCut();
    void clickingAFieldSelectsItsText_data();
    void clickingAFieldSelectsItsText();
    void typingRightAwayReplacesTheFocusedText_data();
    void typingRightAwayReplacesTheFocusedText();
    void aPastedQuantityIsCleanedOrRefusedWhole_data();
    void aPastedQuantityIsCleanedOrRefusedWhole();
    void enterPressesTheFieldsButton_data();
    void enterPressesTheFieldsButton();
    void backClosesTheWindowAndReopensItFresh_data();
    void backClosesTheWindowAndReopensItFresh();

private:
    // Every row names its metal first; the window opens from the menu.
    static void addMetalColumn() { QTest::addColumn<const Metal *>("metal"); }
    static QTestData &row(const Metal &metal, const char *name)
    {
        const char *which = &metal == &kGold ? "gold" : "silver";
        return QTest::addRow("%s: %s", which, name) << &metal;
    }
    static void bothMetals()
    {
        addMetalColumn();
        row(kGold, "");
        row(kSilver, "");
    }
    const Metal &open()
    {
        QFETCH(const Metal *, metal);
        m_open = std::make_unique<OpenedWindow>(metal->menuButton);
        return *metal;
    }
    QLabel *label(const QString &name) const { return m_open->label(name); }
    QLineEdit *field(const QString &name) const { return m_open->field(name); }
    QAbstractButton *button(const QString &name) const { return m_open->button(name); }
    QList<SeenBox> boxesDuring(const std::function<void()> &action)
    {
        return m_open->boxes.during(action);
    }
    void computeValue(const QString &quantity, const QString &price)
    {
        typeInto(field("Text1"), quantity);
        typeInto(field("Text5"), price);
        press(button("Command5"));
    }
    QStringList breakdownRows() const
    {
        return {label("Label12")->text(), label("Label13")->text(), label("Label14")->text(),
                field("Text6")->text()};
    }
    QString namesShown() const
    {
        QString shown;
        for (const auto &[name, mark] : {std::pair{"Label16", u'M'}, std::pair{"Label18", u'T'},
                                         std::pair{"Label17", u'U'}, std::pair{"Label15", u'H'}})
            if (label(QString::fromLatin1(name))->isVisible())
                shown += QChar(mark);
        return shown;
    }
    bool limitNoteShown(const QString &name, int length) const
    {
        QCoreApplication::processEvents();
        auto *note = field(name)->findChild<QLabel *>(QStringLiteral("limitNote"));
        return note && note->isVisible()
            && note->text() == QStringLiteral("لا تقبل هذه الخانة أكثر من %1 أحرف").arg(length);
    }

    std::unique_ptr<OpenedWindow> m_open;
};

void MetalWindowsTest::cleanup()
{
    m_open.reset();
}

void MetalWindowsTest::opensWithItsDesignContents_data()
{
    bothMetals();
}

void MetalWindowsTest::opensWithItsDesignContents()
{
    const Metal &metal = open();
    QWidget *window = m_open->window;
    QCOMPARE(window->objectName(), metal.window);
    QCOMPARE(window->windowTitle(), metal.caption);
    QCOMPARE(window->size(), QSize(792, 566));
    QCOMPARE(window->layoutDirection(), metal.direction);
    QCOMPARE(field("Text1")->text(), metal.prompt);
    QCOMPARE(field("Text5")->text(), QStringLiteral("االثمن"));
    QCOMPARE(label("lbla1(0)")->text(), metal.heading);
    QCOMPARE(label("Label1(0)")->text(), metal.quantityCaption);
    QCOMPARE(label("Label1(1)")->text(), QStringLiteral("مقدار الزكاة الواجبة بالجرام"));
    QCOMPARE(label("Label1(2)")->text(), metal.priceCaption);
    QCOMPARE(label("Label10")->text(), metal.unit);
    QCOMPARE(label("Label2")->text(), metal.firstNote);
    QCOMPARE(label("lbl11")->text(), kResultPlaceholder);
    QCOMPARE(label("Label11")->text(), kResultPlaceholder);
    QCOMPARE(label("lbl15")->text(), kNotePlaceholder);
    QCOMPARE(label("lbla1(0)")->geometry(), metal.headingBounds);
    QCOMPARE(label("lbl11")->geometry(), metal.dueBounds);
    QCOMPARE(label("Label1(1)")->layoutDirection(), Qt::RightToLeft);
    QVERIFY(!button("Command6")->isEnabled());
    QVERIFY(!field("Text6")->isEnabled());
    for (const char *name : {"Label16", "Label18", "Label17", "Label15", "Label19", "Label1(3)"})
        QVERIFY2(label(QString::fromLatin1(name))->isHidden(), name);
    for (const char *name : {"Shape2", "Shape1(0)", "Shape1(5)", "Line1"})
        QVERIFY2(window->findChild<QWidget *>(QString::fromLatin1(name)), name);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), metal.focusAtOpening);

    QStringList order;
    for (int i = 0; i < metal.tabOrder.size(); ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, metal.tabOrder);
}

void MetalWindowsTest::computesTheDue_data()
{
    addMetalColumn();
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("due");
    QTest::addColumn<bool>("belowNisab");
    row(kGold, "just below the nisab") << "84.99" << "...." << true;
    row(kGold, "the nisab itself") << "85" << "2.125" << false;
    row(kGold, "100") << "100" << "2.5" << false;
    row(kGold, "1000.5") << "1000.5" << "25.0125" << false;
    row(kGold, "the upper bound") << "850000" << "21250" << false;
    row(kGold, "negative") << "-5" << "...." << true;
    row(kGold, "arabic-indic digits") << QStringLiteral("١٠٠") << "2.5" << false;
    row(kGold, "blanks around") << " 100 " << "2.5" << false;
    row(kSilver, "just below the nisab") << "199.99" << "...." << true;
    row(kSilver, "the nisab itself") << "200" << "5" << false;
    row(kSilver, "1000") << "1000" << "25" << false;
    row(kSilver, "1000.5") << "1000.5" << "25.0125" << false;
    row(kSilver, "seven nines") << "9999999" << "249999.975" << false;
}

void MetalWindowsTest::computesTheDue()
{
    const Metal &metal = open();
    QFETCH(QString, quantity);
    QFETCH(QString, due);
    QFETCH(bool, belowNisab);
    typeInto(field("Text1"), quantity);
    press(button("Command1"));
    QCOMPARE(label("lbl11")->text(), due);
    QCOMPARE(label("lbl15")->text(), belowNisab ? metal.belowNisab : QStringLiteral(" "));
}

void MetalWindowsTest::ignoresAnEmptyQuantity_data()
{
    bothMetals();
}

void MetalWindowsTest::ignoresAnEmptyQuantity()
{
    open();
    typeInto(field("Text1"), QStringLiteral("   "));
    press(button("Command1"));
    QCOMPARE(label("lbl11")->text(), QString());
    QCOMPARE(label("lbl15")->text(), kNotePlaceholder);
}

void MetalWindowsTest::refusesAQuantityThatIsNoNumber_data()
{
    addMetalColumn();
    QTest::addColumn<QString>("quantity");
    for (const Metal *metal : {&kGold, &kSilver}) {
        row(*metal, "inner blank") << "12 5";
        row(*metal, "letters") << "abc";
        row(*metal, "overflow") << "1E400";
    }
}

void MetalWindowsTest::refusesAQuantityThatIsNoNumber()
{
    open();
    QFETCH(QString, quantity);
    typeInto(field("Text1"), quantity);
    QCOMPARE(boxesDuring([&] { press(button("Command1")); }),
             QList<SeenBox>{warningBox(kDigitsOnly, kNoticeTitle)});
    QTRY_COMPARE(QApplication::focusWidget(), field("Text1"));
    QCOMPARE(field("Text1")->selectedText(), quantity);
}

void MetalWindowsTest::refusesAQuantityAboveTheBound_data()
{
    addMetalColumn();
    QTest::addColumn<QString>("quantity");
    row(kGold, "850001") << "850001";
    row(kSilver, "exponent form") << "1E7";
}

void MetalWindowsTest::refusesAQuantityAboveTheBound()
{
    const Metal &metal = open();
    QFETCH(QString, quantity);
    typeInto(field("Text5"), QStringLiteral("5"));
    typeInto(field("Text1"), quantity);
    QCOMPARE(boxesDuring([&] { press(button("Command1")); }),
             QList<SeenBox>{warningBox(metal.aboveBound, kNoticeTitle)});
    QCOMPARE(label("lbl11")->text(), QString());
    QTRY_COMPARE(QApplication::focusWidget(), button("Command1"));
}

void MetalWindowsTest::computesTheValueAndItsBreakdown_data()
{
    addMetalColumn();
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("rows"); // millions, thousands, units, hundredths
    QTest::addColumn<QString>("namesShown");
    row(kGold, "100 at 250") << "100" << "250" << "625" << QStringList{"", "", "625", "0"} << "UH";
    row(kGold, "1000.5 at 40") << "1000.5" << "40" << "1000.5" << QStringList{"", "1", "0", "50"}
                               << "TUH";
    row(kGold, "the bound itself") << "840000" << "100000" << "2100000000"
                                   << QStringList{"2100", "0", "0", "0"} << "MTUH";
    row(kGold, "hundredths exact") << "400" << "99.999" << "999.99"
                                   << QStringList{"", "", "999", "99"} << "UH";
    row(kGold, "negative price") << "100" << "-1" << "-2.5" << QStringList{"", "", "-3", "50"}
                                 << "UH";
    row(kGold, "zero price") << "100" << "-0" << "0" << QStringList{"", "", "0", "0"} << "UH";
    row(kSilver, "200 at 3") << "200" << "3" << "15" << QStringList{"", "", "15", "0"} << "UH";
    row(kSilver, "the bound itself") << "8400000" << "10000" << "2100000000"
                                     << QStringList{"2100", "0", "0", "0"} << "MTUH";
}

void MetalWindowsTest::computesTheValueAndItsBreakdown()
{
    open();
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(QString, value);
    QFETCH(QStringList, rows);
    QFETCH(QString, namesShown);
    computeValue(quantity, price);
    QCOMPARE(label("Label11")->text(), value);
    QCOMPARE(breakdownRows(), rows);
    QCOMPARE(this->namesShown(), namesShown);
    QVERIFY(!button("Command6")->isEnabled());
}

void MetalWindowsTest::computingTheValueWarns_data()
{
    addMetalColumn();
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QStringList>("warnings"); // text, title, text, title...
    QTest::addColumn<QString>("due");
    QTest::addColumn<QString>("value");
    row(kGold, "just above 2100000000")
        << "850000" << "100001" << QStringList{kGoldOutOfRange, kPriceTitle} << "21250"
        << "2125021250";
    row(kGold, "above 2100000000") << "850000" << "999999"
                                   << QStringList{kGoldOutOfRange, kPriceTitle} << "21250"
                                   << "21249978750";
    row(kGold, "beyond any double") << "850000" << "1E+308"
                                    << QStringList{kGoldOutOfRange, kPriceTitle} << "21250" << "";
    row(kSilver, "value above the bound")
        << "9999999" << "99999" << QStringList{kSilverOutOfRange, kPriceTitle} << "249999.975"
        << "24999747500.025";
    row(kSilver, "quantity above the bound in exponent form")
        << "1E7" << "3" << QStringList{kSilverAboveBound, kNoticeTitle} << "" << "";
    row(kGold, "letters in both") << "abc" << "xyz"
                                  << QStringList{kDigitsOnly, kNoticeTitle, kGoldPrice, kPriceTitle}
                                  << "" << "";
    row(kSilver, "letters in both")
        << "abc" << "xyz" << QStringList{kDigitsOnly, kNoticeTitle, kSilverPrice, kPriceTitle}
        << "" << "";
}

void MetalWindowsTest::computingTheValueWarns()
{
    open();
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(QStringList, warnings);
    QFETCH(QString, due);
    QFETCH(QString, value);
    QList<SeenBox> expected;
    for (int i = 0; i + 1 < warnings.size(); i += 2)
        expected << warningBox(warnings[i], warnings[i + 1]);
    QCOMPARE(boxesDuring([&] { computeValue(quantity, price); }), expected);
    QCOMPARE(label("lbl11")->text(), due);
    QCOMPARE(label("Label11")->text(), value);
    QCOMPARE(label("Label14")->text(), QString());
    QVERIFY(!label("Label17")->isVisible());
    if (price == QLatin1String("xyz")) {
        QTRY_COMPARE(QApplication::focusWidget(), field("Text5"));
        QCOMPARE(field("Text5")->selectedText(), price);
    }
}

void MetalWindowsTest::belowTheNisabShowsNoValue_data()
{
    addMetalColumn();
    QTest::addColumn<QString>("quantity");
    row(kGold, "50") << "50";
    row(kSilver, "150") << "150";
}

void MetalWindowsTest::belowTheNisabShowsNoValue()
{
    const Metal &metal = open();
    QFETCH(QString, quantity);
    computeValue(quantity, QStringLiteral("250"));
    QCOMPARE(label("lbl15")->text(), metal.belowNisab);
    QCOMPARE(label("Label11")->text(), QString());
    QCOMPARE(label("Label14")->text(), QString());
}

void MetalWindowsTest::editingEmptiesTheResults_data()
{
    addMetalColumn();
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("due");
    QTest::addColumn<QString>("valueAfterOneDigitLess");
    row(kGold, "100 at 250") << "100" << "250" << "2.5" << "62.5";
    row(kSilver, "1000 at 40") << "1000" << "40" << "25" << "100";
}

void MetalWindowsTest::editingEmptiesTheResults()
{
    open();
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(QString, due);
    QFETCH(QString, valueAfterOneDigitLess);
    computeValue(quantity, price);
    QVERIFY(!label("Label14")->text().isEmpty());

    QTest::keyClick(field("Text5"), Qt::Key_Backspace);
    QCOMPARE(label("lbl11")->text(), due);
    for (const char *name : {"Label11", "Label12", "Label13", "Label14", "Label19", "Label1(3)"})
        QVERIFY2(label(QString::fromLatin1(name))->text().isEmpty(), name);
    QCOMPARE(field("Text6")->text(), QString());
    QVERIFY(label("Label17")->isVisible()); // the unit names stay until the next breakdown
    QCOMPARE(label("lbl15")->text(), QStringLiteral(" "));

    press(button("Command5"));
    QCOMPARE(label("Label11")->text(), valueAfterOneDigitLess);
    QTest::keyClick(field("Text1"), Qt::Key_Backspace);
    QCOMPARE(label("lbl11")->text(), QString());
    QCOMPARE(label("Label11")->text(), QString());
}

void MetalWindowsTest::fieldsRefuseTypingPastTheirLengthWithANote_data()
{
    bothMetals();
}

void MetalWindowsTest::fieldsRefuseTypingPastTheirLengthWithANote()
{
    const Metal &metal = open();
    const QString digits = QStringLiteral("12345678");
    typeInto(field("Text1"), digits.left(metal.quantityLength + 1));
    QCOMPARE(field("Text1")->text(), digits.left(metal.quantityLength));
    QVERIFY(limitNoteShown(QStringLiteral("Text1"), metal.quantityLength));
    typeInto(field("Text5"), digits.left(metal.priceLength + 1));
    QCOMPARE(field("Text5")->text(), digits.left(metal.priceLength));
    QVERIFY(limitNoteShown(QStringLiteral("Text5"), metal.priceLength));
    QVERIFY(!limitNoteShown(QStringLiteral("Text1"), metal.quantityLength)); // one note at a time
}

void MetalWindowsTest::programWritesAreNeverCut_data()
{
    bothMetals();
}

void MetalWindowsTest::programWritesAreNeverCut()
{
    // The prompt is longer than the field takes and stays whole; it can be
    // shortened but not lengthened by typing.
    const Metal &metal = open();
    QLineEdit *quantity = field("Text1");
    QVERIFY(quantity->text().size() > metal.quantityLength);
    quantity->setFocus();
    quantity->setCursorPosition(quantity->text().size());
    QTest::keyClick(quantity, Qt::Key_5);
    QCOMPARE(quantity->text(), metal.prompt);
    QTest::keyClick(quantity, Qt::Key_Backspace);
    QCOMPARE(quantity->text(), metal.prompt.chopped(1));
}

void MetalWindowsTest::clickingAFieldSelectsItsText_data()
{
    bothMetals();
}

void MetalWindowsTest::clickingAFieldSelectsItsText()
{
    open();
    QTest::mouseClick(field("Text5"), Qt::LeftButton);
    QCOMPARE(field("Text5")->selectedText(), QStringLiteral("االثمن"));
    QTest::keyClick(field("Text5"), Qt::Key_7);
    QCOMPARE(field("Text5")->text(), QStringLiteral("7"));
}

void MetalWindowsTest::typingRightAwayReplacesTheFocusedText_data()
{
    addMetalColumn();
    QTest::addColumn<int>("tabs");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("typed");
    row(kGold, "price at opening") << 0 << "Text5" << "250";
    row(kGold, "quantity by Tab") << 1 << "Text1" << "100";
    row(kSilver, "quantity by Tab") << 2 << "Text1" << "200";
    row(kSilver, "price by Tab") << 3 << "Text5" << "3";
}

void MetalWindowsTest::typingRightAwayReplacesTheFocusedText()
{
    open();
    QFETCH(int, tabs);
    QFETCH(QString, fieldName);
    QFETCH(QString, typed);
    QTRY_VERIFY(QApplication::focusWidget());
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), field(fieldName));
    typeText(QApplication::focusWidget(), typed);
    QCOMPARE(field(fieldName)->text(), typed);
}

void MetalWindowsTest::aPastedQuantityIsCleanedOrRefusedWhole_data()
{
    addMetalColumn();
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("due");
    row(kGold, "a copied line") << "1000\n" << "1000" << "25";
    row(kGold, "too long") << "1234.56" << "" << "";
    row(kSilver, "a copied cell") << "\t 2000\r\n" << "2000" << "50";
    row(kSilver, "too long") << "12345.67" << "" << "";
}

void MetalWindowsTest::aPastedQuantityIsCleanedOrRefusedWhole()
{
    const Metal &metal = open();
    QFETCH(QString, clipboard);
    QFETCH(QString, quantity);
    QFETCH(QString, due);
    QGuiApplication::clipboard()->setText(clipboard);
    QTest::mouseClick(field("Text1"), Qt::LeftButton);
    QTest::keyClick(field("Text1"), Qt::Key_V, Qt::ControlModifier);
    if (quantity.isEmpty()) {
        QCOMPARE(field("Text1")->text(), metal.prompt); // unchanged
        QVERIFY(limitNoteShown(QStringLiteral("Text1"), metal.quantityLength));
        return;
    }
    QCOMPARE(field("Text1")->text(), quantity);
    QTest::keyClick(field("Text1"), Qt::Key_Return); // and no message box
    QCOMPARE(label("lbl11")->text(), due);
}

void MetalWindowsTest::enterPressesTheFieldsButton_data()
{
    addMetalColumn();
    QTest::addColumn<QStringList>("entries"); // quantity, price, another quantity
    QTest::addColumn<QStringList>("results"); // due, value, due of the other
    row(kGold, "") << QStringList{"100", "4", "200"} << QStringList{"2.5", "10", "5"};
    row(kSilver, "") << QStringList{"200", "3", "400"} << QStringList{"5", "15", "10"};
}

void MetalWindowsTest::enterPressesTheFieldsButton()
{
    open();
    QFETCH(QStringList, entries);
    QFETCH(QStringList, results);
    typeInto(field("Text1"), entries[0]);
    QTest::keyClick(field("Text1"), Qt::Key_Return);
    QCOMPARE(label("lbl11")->text(), results[0]);
    typeInto(field("Text5"), entries[1]);
    QTest::keyClick(field("Text5"), Qt::Key_Enter);
    QCOMPARE(label("Label11")->text(), results[1]);
    typeInto(field("Text1"), entries[2]);
    button("Command1")->setFocus();
    QTest::keyClick(button("Command1"), Qt::Key_Return);
    QCOMPARE(label("lbl11")->text(), results[2]);
}

void MetalWindowsTest::backClosesTheWindowAndReopensItFresh_data()
{
    bothMetals();
}

void MetalWindowsTest::backClosesTheWindowAndReopensItFresh()
{
    const Metal &metal = open();
    QWidget *window = m_open->window;
    typeInto(field("Text1"), QStringLiteral("1000"));
    press(button("Command1"));
    press(m_open->menu->*metal.menuButton); // a second press brings the same window forward
    QCOMPARE(openWindows(metal.window), QList<QWidget *>{window});
    QCOMPARE(field("Text1")->text(), QStringLiteral("1000"));

    QPointer<QWidget> closed = window;
    press(button("Command7"));
    QVERIFY(openWindows(metal.window).isEmpty());
    QTRY_VERIFY(!closed);

    QCOMPARE(m_open->reopen()->objectName(), metal.window);
    QCOMPARE(field("Text1")->text(), metal.prompt);
    QCOMPARE(label("lbl11")->text(), kResultPlaceholder);
}

ZAKAT_GUI_TEST_MAIN(MetalWindowsTest)
#include "test_metal_windows.moc"
