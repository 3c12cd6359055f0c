// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/frmzakat.h"
#include "app/startup.h"
#include "tests/support/guitest.h"

#include <QMenu>
#include <QRegularExpression>

// What the windows look like as drawn: the real message box and the real
// context menu.
class LookTest : public QObject {
    Q_OBJECT
private slots:
    void warningsAndContextMenusAreInArabic();
};

void LookTest::warningsAndContextMenusAreInArabic()
{
    OpenedWindow w(&frmzakat::Command2);
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
