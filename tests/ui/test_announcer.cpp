// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/startup.h"
#include "tests/support/guitest.h"
#include "tests/support/heard.h"
#include "ui/announcer.h"

#include <QAccessibleInterface>
#include <QWidget>

// The shared announcer: what a window says to a screen reader, and names as
// a listener hears them.
class AnnouncerTest : public QObject {
    Q_OBJECT
private slots:
    void aSentenceIsShownOnceAsTheWindowsNotification();
    void spokenNamesLoseTatweelAndStrayBlanks_data();
    void spokenNamesLoseTatweelAndStrayBlanks();
};

void AnnouncerTest::aSentenceIsShownOnceAsTheWindowsNotification()
{
    QWidget window;
    window.show();
    HeardEvents heard;
    ui::announce(&window, QStringLiteral("الأول"));
    ui::announce(&window, QStringLiteral("  مقدار  الزكــاة 2.5 "));
    QCOMPARE(heard.announcements(),
             QStringList({QStringLiteral("الأول"), QStringLiteral("مقدار الزكاة 2.5")}));
    QCOMPARE(ui::lastAnnouncement(&window), QStringLiteral("مقدار الزكاة 2.5"));

    // Only the last sentence stays, as a notification belonging to the window.
    const QList<QObject *> kept = window.findChildren<QObject *>(QStringLiteral("announcement"));
    QCOMPARE(kept.size(), 1);
    QAccessibleInterface *notification = QAccessible::queryAccessibleInterface(kept.first());
    QVERIFY(notification);
    QCOMPARE(notification->role(), QAccessible::Notification);
    QCOMPARE(notification->text(QAccessible::Name), QStringLiteral("مقدار الزكاة 2.5"));
    QCOMPARE(notification->parent(), QAccessible::queryAccessibleInterface(&window));
    QVERIFY(!notification->state().invisible);
    QVERIFY(window.isVisible()); // nothing drawn changes
}

void AnnouncerTest::spokenNamesLoseTatweelAndStrayBlanks_data()
{
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("tatweel and a doubled blank")
        << QStringLiteral("زكــاة  سائمة الانعام") << QStringLiteral("زكاة سائمة الانعام");
    QTest::newRow("blank at the end") << QStringLiteral("تنبيه ") << QStringLiteral("تنبيه");
    QTest::newRow("blanks at both edges") << QStringLiteral(" تنبيه  ") << QStringLiteral("تنبيه");
    QTest::newRow("a plain number") << QStringLiteral("125") << QStringLiteral("125");
}

void AnnouncerTest::spokenNamesLoseTatweelAndStrayBlanks()
{
    QFETCH(QString, drawn);
    QFETCH(QString, spoken);
    QCOMPARE(ui::spokenName(drawn), spoken);
}

ZAKAT_GUI_TEST_MAIN(AnnouncerTest)
#include "test_announcer.moc"
