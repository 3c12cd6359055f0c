// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/mainmenu.h"
#include "app/startup.h"
#include "tests/support/guitest.h"
#include "tests/support/heard.h"
#include "tests/support/texts.h"

#include <QComboBox>

// The whole-wealth window used as a user uses it: fields typed into, "احسب"
// pressed or Enter, warnings dismissed, results read and heard.
class WealthWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void theExampleIsComputedShownAndHeard();
    void refusedEntriesAreNamedAndSelected_data();
    void refusedEntriesAreNamedAndSelected();
    void anEditEmptiesTheResultsAndTheNote();
    void holdingsAndViewsAreCountedAsChosen_data();
    void holdingsAndViewsAreCountedAsChosen();
    void aNegativeNetReadsWithItsSign();
    void fitsTheScreenAndStartsAfreshAfterBack();

private:
    void typeEntries(const QStringList &entries);
    std::unique_ptr<OpenedWindow> m_open;
};

namespace {

const QString kPlaceholder = QStringLiteral(".....");

} // namespace

void WealthWindowTest::init()
{
    m_open = std::make_unique<OpenedWindow>(&MainMenu::wealthButton);
}

void WealthWindowTest::cleanup()
{
    m_open.reset();
}

// "cash=10000": clicks into the field and types, as a user does.
void WealthWindowTest::typeEntries(const QStringList &entries)
{
    for (const QString &entry : entries) {
        const qsizetype equals = entry.indexOf(u'=');
        typeInto(m_open->field(entry.left(equals)), entry.mid(equals + 1));
    }
}

void WealthWindowTest::theExampleIsComputedShownAndHeard()
{
    OpenedWindow &w = *m_open;
    typeEntries({"cash=10000", "gold21=100", "goldPrice=300", "debts=2000"});
    HeardEvents heard;
    QTest::keyClick(w.field(QStringLiteral("debts")), Qt::Key_Return); // Enter presses "احسب"

    const std::pair<const char *, QString> shown[] = {
        {"pureGold", "87.5"},      {"goldValue", "26250"},     {"pureSilver", "0"},
        {"silverValue", "0"},      {"netWealth", "34250"},     {"goldNisab", "25500"},
        {"silverNisab", Expected::kWealthNoPriceShown}, {"due", "856.25"},
        {"units", "856"},          {"millions", ""}};
    for (const auto &[name, text] : shown)
        QCOMPARE(w.label(QString::fromLatin1(name))->text(), text);
    QCOMPARE(w.field(QStringLiteral("hundredths"))->text(), QStringLiteral("25"));
    QVERIFY(w.label(QStringLiteral("unitName"))->isVisibleTo(w.window));
    QVERIFY(!w.label(QStringLiteral("millionName"))->isVisibleTo(w.window));
    const QString sentence = Expected::kWealthGoldReached.arg(QStringLiteral("856.25"));
    QCOMPARE(w.label(QStringLiteral("verdict"))->text(), sentence);
    // One sentence heard, and each result named with its caption.
    QCOMPARE(heard.announcements(), QStringList{sentence});
    QCOMPARE(w.label(QStringLiteral("pureGold"))->accessibleName(),
             QStringLiteral("الذهب الخالص بالجرام: 87.5"));
    QCOMPARE(w.label(QStringLiteral("units"))->accessibleName(),
             QStringLiteral("ريال أو جنيه: 856"));
    QCOMPARE(w.field(QStringLiteral("goldPrice"))->accessibleName(),
             QStringLiteral("ثمن جرام الذهب عيار 24"));
}

void WealthWindowTest::refusedEntriesAreNamedAndSelected_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("focused"); // with its whole text selected
    using namespace Expected;
    QTest::newRow("letters in the trade goods")
        << QStringList{"tradeGoods=12a", "goldPrice=300"}
        << kWealthNotAnAmount.arg(QStringLiteral("عروض التجارة بسعر بيعها اليوم"))
        << "tradeGoods";
    QTest::newRow("negative debts") << QStringList{"cash=100", "debts=-5", "goldPrice=300"}
                                    << kWealthNotAnAmount.arg(QStringLiteral("ديون عليك حالّة أو تحلّ خلال سنة"))
                                    << "debts";
    QTest::newRow("too large") << QStringList{"receivables=1E16", "goldPrice=300"}
                               << kWealthTooLarge.arg(QStringLiteral("ديون لك يُرجى سدادها"))
                               << "receivables";
    QTest::newRow("gold without its price") << QStringList{"gold18=90", "silverPrice=3"}
                                            << kWealthGoldPriceMissing << "goldPrice";
    QTest::newRow("silver without its price") << QStringList{"silver925=700", "goldPrice=300"}
                                              << kWealthSilverPriceMissing << "silverPrice";
    QTest::newRow("no price at all") << QStringList{"cash=10000"} << kWealthNoPrice
                                     << "goldPrice";
    QTest::newRow("a share above 100")
        << QStringList{"investmentSharesPercent=120", "goldPrice=300"}
        << kWealthPercent.arg(QStringLiteral("النسبة التي تُزكّى منها %"))
        << "investmentSharesPercent";
}

void WealthWindowTest::refusedEntriesAreNamedAndSelected()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, warning);
    QFETCH(QString, focused);
    OpenedWindow &w = *m_open;
    typeEntries(entries);
    HeardEvents heard;
    const QList<SeenBox> boxes =
        w.boxes.during([&] { press(w.button(QStringLiteral("compute"))); });
    QCOMPARE(boxes, QList<SeenBox>{warningBox(warning, Expected::kWealthTitle)});
    QLineEdit *field = w.field(focused);
    QTRY_COMPARE(QApplication::focusWidget(), field);
    QCOMPARE(field->selectedText(), field->text());
    QCOMPARE(w.label(QStringLiteral("due"))->text(), kPlaceholder);
    QVERIFY(heard.announcements().isEmpty());
}

// A due too large to split shows whole with its note; an edit then takes
// every result, the note and the split away.
void WealthWindowTest::anEditEmptiesTheResultsAndTheNote()
{
    OpenedWindow &w = *m_open;
    typeEntries({"cash=999999999999999", "goldPrice=1"});
    press(w.button(QStringLiteral("compute")));
    QCOMPARE(w.label(QStringLiteral("due"))->text(), QStringLiteral("25000000000000"));
    QLabel *note = w.label(QStringLiteral("unsplitNote"));
    QVERIFY(note->isVisibleTo(w.window));
    QCOMPARE(note->text(), Expected::kWealthUnsplit);
    QCOMPARE(w.label(QStringLiteral("millions"))->text(), QString());

    typeInto(w.field(QStringLiteral("receivables")), QStringLiteral("5"));
    for (const char *name : {"pureGold", "netWealth", "goldNisab", "silverNisab", "due"})
        QCOMPARE(w.label(QString::fromLatin1(name))->text(), kPlaceholder);
    QVERIFY(!note->isVisibleTo(w.window));
    QVERIFY(w.label(QStringLiteral("verdict"))->text().startsWith(QStringLiteral(". . .")));
}

void WealthWindowTest::holdingsAndViewsAreCountedAsChosen_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("basisDown"); // presses of the down arrow in the nisab followed
    QTest::addColumn<bool>("jewelleryCounted");
    QTest::addColumn<QString>("figures"); // pure gold, net wealth, due
    QTest::addColumn<QString>("verdict");
    using namespace Expected;
    const QStringList shares = {"investmentShares=40000", "tradingShares=10000", "goldPrice=300",
                                "silverPrice=3"};
    QTest::newRow("shares, the lower nisab") << shares << 0 << true << "0 20000 500"
                                             << kWealthSilverOnlyByLower.arg(QStringLiteral("500"));
    QTest::newRow("shares, the gold nisab") << shares << 1 << true << "0 20000 0"
                                            << kWealthGoldFollowedSilverReached;
    QTest::newRow("jewellery counted") << QStringList{"jewellery21=100", "goldPrice=300"} << 0
                                       << true << "87.5 26250 656.25"
                                       << kWealthGoldReached.arg(QStringLiteral("656.25"));
    QTest::newRow("jewellery left out") << QStringList{"jewellery21=100", "goldPrice=300"} << 0
                                        << false << "0 0 0" << kWealthNoWealth;
    QTest::newRow("one price below its nisab asks for the other")
        << QStringList{"gold21=50", "goldPrice=300"} << 0 << true << "43.75 13125 0"
        << kWealthBelowGoldAskSilver;
}

// The choices are made as a user makes them: the arrow keys in the nisab
// followed, a click on the jewellery's box. The breakdown's frame shows only
// with a due to split.
void WealthWindowTest::holdingsAndViewsAreCountedAsChosen()
{
    QFETCH(QStringList, entries);
    QFETCH(int, basisDown);
    QFETCH(bool, jewelleryCounted);
    QFETCH(QString, figures);
    QFETCH(QString, verdict);
    OpenedWindow &w = *m_open;
    typeEntries(entries);
    auto *basis = control<QComboBox>(w.window, QStringLiteral("nisabBasis"));
    basis->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < basisDown; ++i)
        QTest::keyClick(basis, Qt::Key_Down);
    if (!jewelleryCounted)
        press(w.button(QStringLiteral("jewelleryCounted")));
    press(w.button(QStringLiteral("compute")));
    const QStringList shown = {w.label(QStringLiteral("pureGold"))->text(),
                               w.label(QStringLiteral("netWealth"))->text(),
                               w.label(QStringLiteral("due"))->text()};
    QCOMPARE(shown.join(u' '), figures);
    QCOMPARE(w.label(QStringLiteral("verdict"))->text(), verdict);
    QCOMPARE(w.window->findChild<QWidget *>(QStringLiteral("breakdownFrame"))->isVisibleTo(w.window),
             !figures.endsWith(QLatin1String(" 0")));
}

// Below zero a figure keeps its minus sign before its digits, drawn and heard.
void WealthWindowTest::aNegativeNetReadsWithItsSign()
{
    OpenedWindow &w = *m_open;
    typeEntries({"cash=2000", "debts=10000", "goldPrice=300"});
    press(w.button(QStringLiteral("compute")));
    QLabel *net = w.label(QStringLiteral("netWealth"));
    QCOMPARE(net->text(), QStringLiteral("\u2066-8000\u2069"));
    QCOMPARE(net->accessibleName(), QStringLiteral("صافي المال بعد الديون: -8000"));
    // The sign is drawn to the left of the digits: the leftmost column of ink
    // is the minus sign's short stroke, not the side of an 8, as tall as a digit.
    const QImage drawn = net->grab().toImage();
    QList<int> top(drawn.width(), drawn.height());
    QList<int> bottom(drawn.width(), -1);
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (qGreen(drawn.pixel(x, y)) > 200 && qBlue(drawn.pixel(x, y)) < 100)
                top[x] = std::min(top[x], y), bottom[x] = y;
    const auto left = std::find_if(bottom.cbegin(), bottom.cend(), [](int y) { return y >= 0; });
    QVERIFY(left != bottom.cend());
    const int x = int(left - bottom.cbegin());
    const int digit = *std::max_element(bottom.cbegin(), bottom.cend())
        - *std::min_element(top.cbegin(), top.cend());
    QVERIFY2(bottom[x] - top[x] < digit / 3, "no minus sign on the left");
}

void WealthWindowTest::fitsTheScreenAndStartsAfreshAfterBack()
{
    OpenedWindow &w = *m_open;
    QCOMPARE(w.window->objectName(), QStringLiteral("frmzakat6"));
    QCOMPARE(w.window->windowTitle(), QStringLiteral("زكاة المال مجتمعًا"));
    QCOMPARE(w.window->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(w.window->minimumSize(), w.window->maximumSize());
    // Inside a 1366 x 768 screen with a title bar and a panel.
    QVERIFY(w.window->width() <= 1366 && w.window->height() <= 768 - 100);
    QCOMPARE(QApplication::focusWidget(), w.field(QStringLiteral("cash")));

    typeInto(w.field(QStringLiteral("cash")), QStringLiteral("10000"));
    press(w.button(QStringLiteral("back")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(openWindows(QStringLiteral("frmzakat6")).isEmpty());
    w.reopen();
    QCOMPARE(w.field(QStringLiteral("cash"))->text(), QString());
}

ZAKAT_GUI_TEST_MAIN(WealthWindowTest)
#include "test_wealth_window.moc"
