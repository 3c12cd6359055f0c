// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/frmzakat.h"
#include "tests/support/guitest.h"
#include "app/startup.h"

#include <QLabel>

namespace {
const QString kQuantityTitle = QStringLiteral(" تنبيه  ");
const QString kPriceTitle = QStringLiteral("تنبيه ");
const QString kDigitsOnly = QStringLiteral(" ادخل ارقام فقط ويدون مسافات بين الارقام");
const QString kAboveBound =
    QStringLiteral(" هذا البرنامج يحسب الزكاة لكمية من الفضة أقل من 9999999 درهم ");
const QString kPriceWarning = QStringLiteral(" ادخل ثمن الدرهم بالارقام فقط");
const QString kOutOfRange = QStringLiteral(
    " العملية خارج النطاق ، لكن قسم كمية الفضة الى أجزاء  1000000 او أقل  ");
const QString kBelowNisabNote = QStringLiteral("النصاب  هو 200 درهم فضة ");
} // namespace

// The silver window shares the gold window's behaviour; these tests check
// what is its own: constants, texts, limits, layout and focus.
class SilverWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithItsDesignContents();
    void computesTheDirhamsDue_data();
    void computesTheDirhamsDue();
    void computesTheValue_data();
    void computesTheValue();
    void warnsWithItsOwnTexts_data();
    void warnsWithItsOwnTexts();
    void fieldsRefuseTypingPastTheirLength();
    void enterInThePricePressesComputeValue();

private:
    QLabel *label(const char *name) { return control<QLabel>(m_window, QString::fromLatin1(name)); }
    QLineEdit *field(const char *name) { return control<QLineEdit>(m_window, QString::fromLatin1(name)); }
    QAbstractButton *button(const char *name)
    {
        return control<QAbstractButton>(m_window, QString::fromLatin1(name));
    }

    QWidget *m_window = nullptr;
    MessageBoxRecorder *m_boxes = nullptr;
};

void SilverWindowTest::init()
{
    m_boxes = new MessageBoxRecorder(MessageBoxRecorder::RecordEvery);
    press(showMainMenu()->Command3);
    const auto windows = openWindows(QStringLiteral("frmzakat3"));
    QCOMPARE(windows.size(), 1);
    m_window = windows.first();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void SilverWindowTest::cleanup()
{
    const QList<SeenBox> unexpected = m_boxes->take();
    deleteAllWindows();
    delete m_boxes;
    QCOMPARE(unexpected, QList<SeenBox>());
}

void SilverWindowTest::opensWithItsDesignContents()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("زكاة الفضة"));
    QCOMPARE(m_window->size(), QSize(792, 566));
    QCOMPARE(m_window->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(field("Text1")->text(), QStringLiteral("اكتب كمية الفضة بالدرهم"));
    QCOMPARE(label("Label1(0)")->text(), QStringLiteral("كمية الفضة  بالدرهم"));
    QCOMPARE(label("Label10")->text(), QStringLiteral("درهم فضة"));
    QCOMPARE(label("Label2")->text(), QStringLiteral("1- نصاب الفضة هو 200 درهم"));
    QCOMPARE(label("lbla1(0)")->geometry(), QRect(584, 8, 161, 49));
    QCOMPARE(QApplication::focusWidget(), button("Command5"));

    QStringList order;
    for (int i = 0; i < 6; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{"Command5", "Command1", "Text1", "Text5", "Command2", "Command7"}));
}

void SilverWindowTest::computesTheDirhamsDue_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("due");
    QTest::addColumn<QString>("note");
    QTest::newRow("just below the nisab") << "199.99" << "...." << kBelowNisabNote;
    QTest::newRow("the nisab itself") << "200" << "5" << " ";
    QTest::newRow("1000") << "1000" << "25" << " ";
    QTest::newRow("1000.5") << "1000.5" << "25.0125" << " ";
    QTest::newRow("seven nines") << "9999999" << "249999.975" << " ";
}

void SilverWindowTest::computesTheDirhamsDue()
{
    QFETCH(QString, quantity);
    QFETCH(QString, due);
    QFETCH(QString, note);
    typeInto(field("Text1"), quantity);
    press(button("Command1"));
    QCOMPARE(label("lbl11")->text(), due);
    QCOMPARE(label("lbl15")->text(), note);
}

void SilverWindowTest::computesTheValue_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("200 at 3") << "200" << "3" << "15" << QStringList{"", "", "15", "0"};
    QTest::newRow("the bound itself") << "8400000" << "10000" << "2100000000"
                                      << QStringList{"2100", "0", "0", "0"};
}

void SilverWindowTest::computesTheValue()
{
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(QString, value);
    QFETCH(QStringList, rows);
    typeInto(field("Text1"), quantity);
    typeInto(field("Text5"), price);
    press(button("Command5"));
    QCOMPARE(label("Label11")->text(), value);
    QCOMPARE((QStringList{label("Label12")->text(), label("Label13")->text(),
                          label("Label14")->text(), field("Text6")->text()}),
             rows);
}

void SilverWindowTest::warnsWithItsOwnTexts_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QList<SeenBox>>("boxes");
    QTest::addColumn<QString>("value");
    QTest::newRow("value above the bound")
        << "9999999" << "99999" << QList<SeenBox>{warningBox(kOutOfRange, kPriceTitle)}
        << "24999747500.025";
    QTest::newRow("quantity above the bound in exponent form")
        << "1E7" << "3"
        << QList<SeenBox>{warningBox(kAboveBound, kQuantityTitle)} << "";
    QTest::newRow("letters in both")
        << "abc" << "xyz"
        << QList<SeenBox>{warningBox(kDigitsOnly, kQuantityTitle),
                          warningBox(kPriceWarning, kPriceTitle)}
        << "";
}

void SilverWindowTest::warnsWithItsOwnTexts()
{
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(QList<SeenBox>, boxes);
    QFETCH(QString, value);
    typeInto(field("Text1"), quantity);
    typeInto(field("Text5"), price);
    press(button("Command5"));
    QCOMPARE(m_boxes->take(), boxes);
    QCOMPARE(label("Label11")->text(), value);
    QCOMPARE(label("Label14")->text(), QString());
}

void SilverWindowTest::fieldsRefuseTypingPastTheirLength()
{
    typeInto(field("Text1"), QStringLiteral("12345678"));
    QCOMPARE(field("Text1")->text(), QStringLiteral("1234567"));
    typeInto(field("Text5"), QStringLiteral("123456"));
    QCOMPARE(field("Text5")->text(), QStringLiteral("12345"));
}

void SilverWindowTest::enterInThePricePressesComputeValue()
{
    typeInto(field("Text1"), QStringLiteral("200"));
    typeInto(field("Text5"), QStringLiteral("3"));
    QTest::keyClick(field("Text5"), Qt::Key_Return);
    QCOMPARE(label("Label11")->text(), QStringLiteral("15"));
}

ZAKAT_GUI_TEST_MAIN(SilverWindowTest)
#include "test_silver_window.moc"
