// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "core/numbers.h"
#include "money/wealthzakat.h"

#include <QTest>

Q_DECLARE_METATYPE(WealthProblem)
Q_DECLARE_METATYPE(WealthVerdict)

class WealthZakatTest : public QObject {
    Q_OBJECT
private slots:
    void weighsTheWholeWealth_data();
    void weighsTheWholeWealth();
    void refusesWhatItCannotWeigh_data();
    void refusesWhatItCannotWeigh();
};

namespace {

// The entries by the names of their fields, in the window's order.
WealthEntry entryNamed(const QString &name)
{
    static const QStringList names = {
        "cash",        "tradeGoods",  "receivables", "doubtfulReceivables", "tradingShares",
        "investmentShares", "investmentSharesPercent", "pension", "crypto", "gold24",
        "gold22",      "gold21",      "gold18",      "goldPrice", "silverPure", "silver925",
        "silverPrice", "jewellery24", "jewellery22", "jewellery21", "jewellery18",
        "jewellerySilver925", "debts"};
    const qsizetype at = names.indexOf(name.trimmed());
    return at < 0 ? nullptr : kWealthEntries[std::size_t(at)];
}

// "gold21=100;goldPrice=300;basis=gold;jewellery=left": the entries named,
// the others empty (the share of the investment shares too), and the views.
WealthZakat zakatOf(const QString &typed)
{
    WealthEntries entries;
    WealthViews views;
    for (const QString &item : typed.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype equals = item.indexOf(u'=');
        const QString name = item.left(equals);
        const QString value = item.mid(equals + 1);
        if (name == QLatin1String("basis"))
            views.basis = value == QLatin1String("gold") ? NisabBasis::Gold : NisabBasis::Silver;
        else if (name == QLatin1String("jewellery"))
            views.jewelleryCounted = false;
        else if (const WealthEntry entry = entryNamed(name))
            entries.*entry = value;
        else
            qFatal("no entry named %s", qPrintable(item));
    }
    return wealthZakat(entries, views);
}

} // namespace

void WealthZakatTest::weighsTheWholeWealth_data()
{
    // The results in the window's order: pure gold, gold value, pure silver,
    // silver value, net wealth, gold nisab, silver nisab, due; "-" for a
    // nisab without its price.
    QTest::addColumn<QString>("entries");
    QTest::addColumn<WealthVerdict>("verdict");
    QTest::addColumn<QString>("results");
    QTest::addColumn<bool>("split");

    using V = WealthVerdict;
    QTest::newRow("21 karat, cash and debts")
        << "gold21=100;goldPrice=300;cash=10000;debts=2000" << V::GoldReached
        << "87.5 26250 0 0 34250 25500 - 856.25" << true;
    QTest::newRow("24 karat") << "gold24=100;goldPrice=100" << V::GoldReached
                              << "100 10000 0 0 10000 8500 - 250" << true;
    QTest::newRow("22 karat") << "gold22=120;goldPrice=100" << V::GoldReached
                              << "110 11000 0 0 11000 8500 - 275" << true;
    QTest::newRow("18 karat below the nisab, though 90 grams")
        << "gold18=90;goldPrice=100" << V::BelowGold << "67.5 6750 0 0 6750 8500 - 0" << false;
    QTest::newRow("every karat together")
        << "gold24=10;gold22=24;gold21=24;gold18=24;goldPrice=10" << V::BelowGold
        << "71 710 0 0 710 850 - 0" << false;
    QTest::newRow("exactly the gold nisab") << "gold24=85;goldPrice=300" << V::GoldReached
                                            << "85 25500 0 0 25500 25500 - 637.5" << true;
    QTest::newRow("pure silver") << "silverPure=600;silverPrice=1" << V::SilverReached
                                 << "0 0 600 600 600 - 595 15" << true;
    QTest::newRow("925 silver below the nisab, though 600 grams")
        << "silver925=600;silverPrice=1" << V::BelowSilver << "0 0 555 555 555 - 595 0" << false;
    QTest::newRow("both silvers") << "silverPure=75;silver925=1000;silverPrice=2"
                                  << V::SilverReached << "0 0 1000 2000 2000 - 1190 50" << true;
    QTest::newRow("just below the silver nisab") << "silverPure=594.99;silverPrice=1"
                                                 << V::BelowSilver
                                                 << "0 0 594.99 594.99 594.99 - 595 0" << false;
    QTest::newRow("trade goods and receivables below the gold nisab")
        << "tradeGoods=20000;receivables=5000;goldPrice=300" << V::BelowGold
        << "0 0 0 0 25000 25500 - 0" << false;
    QTest::newRow("the gold nisab alone") << "cash=60000;goldPrice=300;silverPrice=200"
                                          << V::GoldOnlyReached
                                          << "0 0 0 0 60000 25500 119000 1500" << true;
    QTest::newRow("the silver nisab alone") << "cash=2000;goldPrice=300;silverPrice=3"
                                            << V::SilverOnlyReached
                                            << "0 0 0 0 2000 25500 1785 50" << true;
    QTest::newRow("both nisabs") << "cash=30000;goldPrice=300;silverPrice=3" << V::BothReached
                                 << "0 0 0 0 30000 25500 1785 750" << true;
    QTest::newRow("neither nisab") << "cash=1000;goldPrice=300;silverPrice=3"
                                   << V::NeitherReached << "0 0 0 0 1000 25500 1785 0" << false;
    QTest::newRow("debts larger than the wealth")
        << "cash=1000;gold24=10;debts=5000;goldPrice=300" << V::DebtsCoverWealth
        << "10 3000 0 0 -1000 25500 - 0" << false;
    QTest::newRow("debts equal to the wealth") << "cash=5000;debts=5000;silverPrice=3"
                                               << V::DebtsCoverWealth << "0 0 0 0 0 - 1785 0"
                                               << false;
    QTest::newRow("prices only") << "goldPrice=300;silverPrice=3" << V::NoWealth
                                 << "0 0 0 0 0 25500 1785 0" << false;
    QTest::newRow("minus zero counts as zero") << "cash=-0;goldPrice=300" << V::NoWealth
                                               << "0 0 0 0 0 25500 - 0" << false;
    QTest::newRow("Arabic-Indic digits and blanks")
        << QStringLiteral("gold21= ١٠٠ ;goldPrice=٣٠٠;cash=10000;debts=2000") << V::GoldReached
        << "87.5 26250 0 0 34250 25500 - 856.25" << true;
    QTest::newRow("a due too large to split") << "cash=999999999999999;goldPrice=1"
                                              << V::GoldReached
                                              << "0 0 0 0 999999999999999 85 - 25000000000000"
                                              << false;
    QTest::newRow("shares: the lower nisab")
        << "investmentShares=40000;investmentSharesPercent=25;tradingShares=10000;goldPrice=300;"
           "silverPrice=3"
        << V::SilverOnlyReached << "0 0 0 0 20000 25500 1785 500" << true;
    QTest::newRow("shares: the gold nisab followed")
        << "investmentShares=40000;investmentSharesPercent=25;tradingShares=10000;goldPrice=300;"
           "silverPrice=3;basis=gold"
        << V::SilverOnlyReached << "0 0 0 0 20000 25500 1785 0" << false;
    QTest::newRow("shares: the silver nisab followed")
        << "investmentShares=40000;investmentSharesPercent=25;goldPrice=300;silverPrice=3;"
           "basis=silver"
        << V::SilverOnlyReached << "0 0 0 0 10000 25500 1785 250" << true;
    QTest::newRow("shares counted whole")
        << "investmentShares=40000;investmentSharesPercent=100;tradingShares=1;"
           "receivables=1;goldPrice=1000"
        << V::BelowGold << "0 0 0 0 40002 85000 - 0" << false;
    QTest::newRow("pension, digital currency; doubtful debts left out")
        << "pension=1000;crypto=500;doubtfulReceivables=99999;silverPrice=1" << V::SilverReached
        << "0 0 0 0 1500 - 595 37.5" << true;
    QTest::newRow("worn jewellery counted") << "jewellery21=100;goldPrice=300" << V::GoldReached
                                            << "87.5 26250 0 0 26250 25500 - 656.25" << true;
    QTest::newRow("worn jewellery left out") << "jewellery21=100;goldPrice=300;jewellery=left"
                                             << V::NoWealth << "0 0 0 0 0 25500 - 0" << false;
    QTest::newRow("worn silver counted, half a hundredth up")
        << "jewellerySilver925=1000;silverPrice=1" << V::SilverReached
        << "0 0 925 925 925 - 595 23.13" << true;
    QTest::newRow("jewellery left out needs no price")
        << "jewellery18=10;silverPrice=3;jewellery=left" << V::NoWealth << "0 0 0 0 0 - 1785 0"
        << false;
    QTest::newRow("grams in two decimals") << "gold21=130.5;goldPrice=300" << V::GoldReached
                                           << "114.19 34257 0 0 34257 25500 - 856.43" << true;
    QTest::newRow("at the nisab as shown") << "silverPure=594.995;silverPrice=1"
                                           << V::SilverReached << "0 0 595 595 595 - 595 14.88"
                                           << true;
    QTest::newRow("below the nisab as shown") << "silverPure=594.994;silverPrice=1"
                                              << V::BelowSilver << "0 0 594.99 594.99 594.99 - 595 0"
                                              << false;
    QTest::newRow("only the gold price, the gold nisab followed")
        << "cash=1000;goldPrice=300;basis=gold" << V::BelowGold << "0 0 0 0 1000 25500 - 0"
        << false;
    QTest::newRow("plain digits, however large")
        << "gold24=999999999;goldPrice=999999999999999" << V::GoldReached
        << "999999999 999999998999999000000000 0 0 999999998999999000000000 84999999999999900 - "
           "24999999975000000000000"
        << false;
}

void WealthZakatTest::weighsTheWholeWealth()
{
    QFETCH(QString, entries);
    QFETCH(WealthVerdict, verdict);
    QFETCH(QString, results);
    QFETCH(bool, split);
    const WealthZakat zakat = zakatOf(entries);
    QCOMPARE(zakat.problem, WealthProblem::None);
    QCOMPARE(zakat.verdict, verdict);
    const auto nisab = [](const std::optional<double> &value) {
        return value ? hundredthsText(*value) : QStringLiteral("-");
    };
    const QStringList shown = {hundredthsText(zakat.pureGold),   hundredthsText(zakat.goldValue),
                               hundredthsText(zakat.pureSilver), hundredthsText(zakat.silverValue),
                               hundredthsText(zakat.netWealth),  nisab(zakat.goldNisab),
                               nisab(zakat.silverNisab),         hundredthsText(zakat.due)};
    QCOMPARE(shown.join(u' '), results);
    QCOMPARE(zakat.dueSplit, split);
    QCOMPARE(zakat.dueTooLargeToSplit, !split && zakat.due != 0);
    // One plain sentence: a due stated, or that none is due, never both.
    const QString sentence = wealthSentence(zakat);
    const bool saysNone = sentence.contains(QStringLiteral("لا زكاة"))
        || sentence.contains(QStringLiteral("لا تجب"));
    QVERIFY2(zakat.due > 0 ? sentence.contains(wealthFigure(zakat.due)) && !saysNone
                           : !sentence.contains(QStringLiteral("الواجبة")),
             qPrintable(sentence));
}

void WealthZakatTest::refusesWhatItCannotWeigh_data()
{
    QTest::addColumn<QString>("entries");
    QTest::addColumn<WealthProblem>("problem");
    QTest::addColumn<QString>("entry");

    using P = WealthProblem;
    QTest::newRow("not a number") << "cash=abc;goldPrice=300" << P::NotAnAmount << "cash";
    QTest::newRow("negative debts") << "debts=-5;goldPrice=300" << P::NotAnAmount << "debts";
    QTest::newRow("the first bad entry named") << "gold22=x;debts=-1" << P::NotAnAmount
                                               << "gold22";
    QTest::newRow("too large") << "silver925=1E15;silverPrice=1" << P::TooLarge << "silver925";
    QTest::newRow("overflow") << "gold18=1E400;goldPrice=1" << P::NotAnAmount << "gold18";
    QTest::newRow("gold without its price") << "gold21=100;silverPrice=3"
                                            << P::GoldPriceMissing << "goldPrice";
    QTest::newRow("gold with a price of zero") << "gold18=100;goldPrice=0;silverPrice=3"
                                               << P::GoldPriceMissing << "goldPrice";
    QTest::newRow("silver without its price") << "silver925=100;goldPrice=300"
                                              << P::SilverPriceMissing << "silverPrice";
    QTest::newRow("no price") << "cash=10000" << P::NoPrice << "goldPrice";
    QTest::newRow("nothing typed") << "" << P::NoPrice << "goldPrice";
    QTest::newRow("a share above 100") << "investmentSharesPercent=101;goldPrice=1"
                                       << P::PercentOutOfRange << "investmentSharesPercent";
    QTest::newRow("a share below 0") << "investmentSharesPercent=-1;goldPrice=1"
                                     << P::PercentOutOfRange << "investmentSharesPercent";
    QTest::newRow("shares and no share given") << "investmentShares=40000;goldPrice=1"
                                               << P::PercentOutOfRange << "investmentSharesPercent";
    QTest::newRow("worn gold counted, no price") << "jewellery18=10;silverPrice=3"
                                                 << P::GoldPriceMissing << "goldPrice";
    QTest::newRow("the gold nisab followed, no gold price") << "cash=1;silverPrice=3;basis=gold"
                                                           << P::ChosenGoldPriceMissing
                                                           << "goldPrice";
    QTest::newRow("the silver nisab followed, no silver price")
        << "cash=1;goldPrice=3;basis=silver" << P::ChosenSilverPriceMissing << "silverPrice";
}

void WealthZakatTest::refusesWhatItCannotWeigh()
{
    QFETCH(QString, entries);
    QFETCH(WealthProblem, problem);
    QFETCH(QString, entry);
    const WealthZakat zakat = zakatOf(entries);
    QCOMPARE(zakat.problem, problem);
    QCOMPARE(zakat.entry, entryNamed(entry));
    QCOMPARE(zakat.due, 0.0);
    QVERIFY(wealthSentence(zakat).isEmpty());
}

QTEST_APPLESS_MAIN(WealthZakatTest)
#include "test_wealth_zakat.moc"
