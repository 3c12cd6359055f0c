// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/mainmenu.h"
#include "app/startup.h"
#include "tests/support/guitest.h"
#include "tests/support/texts.h"

// The Zakat al-Fitr window used as a user uses it: the example computed with
// Enter, then a field edited and "احسب" pressed. What the example shows is
// in the README's picture and heard in the test of what a listener hears.
class FitrWindowTest : public WindowTest {
    Q_OBJECT
public:
    FitrWindowTest() : WindowTest(&MainMenu::fitrButton) {}

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void anEditClearsAndARefusedEntryIsNamedAndSelected_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("warning");
        QTest::newRow("no one") << "persons" << "0" << Expected::kFitrPersons;
        QTest::newRow("a sa' above ten") << "kgPerPerson" << "11" << Expected::kFitrKg;
        QTest::newRow("a negative price") << "foodPrice" << "-7" << Expected::kFitrPrice;
    }

    void anEditClearsAndARefusedEntryIsNamedAndSelected()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, warning);
        typeInto(field("persons"), QStringLiteral("6"));
        typeInto(field("foodPrice"), QStringLiteral("7"));
        QTest::keyClick(field("foodPrice"), Qt::Key_Return); // Enter presses "احسب"
        QCOMPARE(label("units")->text(), QStringLiteral("105"));
        typeInto(field(name), typed);
        QCOMPARE(label("totalValue")->text() + label("units")->text(), Expected::kResultPlaceholder);
        QCOMPARE(boxesDuring([&] { press(button("compute")); }),
                 QList<SeenBox>{warningBox(warning, Expected::kWealthTitle)});
        QTRY_COMPARE(QApplication::focusWidget(), field(name));
        QCOMPARE(field(name)->selectedText(), typed);
    }
};

ZAKAT_GUI_TEST_MAIN(FitrWindowTest)
#include "test_fitr_window.moc"
