// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/mainmenu.h"
#include "tests/support/guitest.h"
#include "tests/support/heard.h"
#include "app/startup.h"
#include "ui/announcer.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/entryfield.h"

#include <QAccessibleInterface>

// What a blind user hears: each computation, done with the keyboard, is told
// as one sentence; a character a field refuses is never told as typed.
class HeardTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { deleteAllWindows(); }
    void eachComputationIsOneSentence_data();
    void eachComputationIsOneSentence();
    void aRefusedCharacterIsNotHeardButTheNoteIs();
    void theWaysOfWritingTheAmountAreHeardWithTheirQuestion();
    void aResultTakenBackIsSaidOnce();
    void aWarningIsHeardOnceWithItsText();
};

using MenuButton = CommandButton *MainMenu::*;
Q_DECLARE_METATYPE(MenuButton)

void HeardTest::eachComputationIsOneSentence_data()
{
    // The window, what is typed into which fields (Enter pressed in the last),
    // and the sentence heard.
    QTest::addColumn<MenuButton>("menuButton");
    QTest::addColumn<QStringList>("fieldsAndTexts");
    QTest::addColumn<QString>("sentence");
    // A result shown, and what a screen reader calls it.
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("resultName");
    QTest::newRow("gold due") << &MainMenu::goldButton << QStringList{"Text1", "100"}
                              << QStringLiteral("مقدار الزكاة الواجبة 2.5 جرام من الذهب")
                              << "lbl11"
                              << QStringLiteral("مقدار الزكاة الواجبة بالجرام: 2.5 جرام من الذهب");
    QTest::newRow("gold due and value")
        << &MainMenu::goldButton << QStringList{"Text1", "100", "Text5", "250"}
        << QStringLiteral("مقدار الزكاة الواجبة 2.5 جرام من الذهب، وقيمتها 625") << "Label14"
        << QStringLiteral("ريال أو جنيه: 625، هللة أو قرش: 0");
    QTest::newRow("gold below the nisab") << &MainMenu::goldButton << QStringList{"Text1", "50"}
                                          << QStringLiteral("النصاب هو 85 جرام من الذهب")
                                          << "lbl11" << kNoResultYet;
    QTest::newRow("silver due") << &MainMenu::silverButton << QStringList{"Text1", "1000"}
                                << QStringLiteral("مقدار الزكاة الواجبة 25 درهم فضة") << "lbl11"
                                << QStringLiteral("مقدار الزكاة الواجبة بالجرام: 25 درهم فضة");
    QTest::newRow("cash due") << &MainMenu::cashButton << QStringList{"Text3", "10000"}
                              << QStringLiteral("مقدار الزكاة الواجبة 250") << "Label4"
                              << QStringLiteral("الزكاة، ريال أو جنيه: 250، هللة أو قرش: 0");
    QTest::newRow("cash too small") << &MainMenu::cashButton << QStringList{"Text3", "5"}
                                    << QStringLiteral("لا زكاة في مبلغ أقل من 10") << "lbl3"
                                    << kNoResultYet;
    QTest::newRow("camels") << &MainMenu::livestockButton << QStringList{"Text1", "250"}
                            << QStringLiteral("في 250 من الإبل: 5 بنت لبون و 1 حقة") << "lbl14"
                            << QStringLiteral("الإبل، النوع 2: حقة");
    QTest::newRow("sheep") << &MainMenu::livestockButton << QStringList{"Text2", "50"}
                           << QStringLiteral("في 50 من الغنم: 1 شاة") << "lbl2"
                           << QStringLiteral("الغنم، العدد 1: 1");
    QTest::newRow("cattle below the nisab")
        << &MainMenu::livestockButton << QStringList{"Text3", "20"}
        << QStringLiteral("في 20 من البقر: لم تبلغ نصاب البقر وهو 30") << "lbl31"
        << kNoResultYet;
    QTest::newRow("produce") << &MainMenu::produceButton << QStringList{"Text1", "100"}
                             << QStringLiteral("مقدار الزكاة الواجبة (العُشر) 10 وحدة كيل أو وزن")
                             << "lbl1"
                             << QStringLiteral("مقدار الزكاة الواجبة: 10 وحدة كيل أو وزن");
    QTest::newRow("Zakat al-Fitr")
        << &MainMenu::fitrButton << QStringList{"persons", "6", "foodPrice", "7"}
        << QStringLiteral("زكاة الفطر عن 6 من الأشخاص: 15 كيلوجرام من قوت البلد، وقيمتها 105.")
        << "totalValue" << QStringLiteral("قيمتها بعملة البلد: 105");
}

void HeardTest::eachComputationIsOneSentence()
{
    QFETCH(MenuButton, menuButton);
    QFETCH(QStringList, fieldsAndTexts);
    QFETCH(QString, sentence);
    QFETCH(QString, result);
    QFETCH(QString, resultName);
    OpenedWindow w(menuButton);
    QLineEdit *field = nullptr;
    for (int i = 0; i + 1 < fieldsAndTexts.size(); i += 2) {
        field = w.field(fieldsAndTexts.at(i));
        field->setFocus(Qt::TabFocusReason); // reached by Tab: its text selected
        typeText(field, fieldsAndTexts.at(i + 1));
    }
    HeardEvents heard;
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(heard.announcements(), QStringList{sentence});
    QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(w.label(result));
    QVERIFY(shown);
    QCOMPARE(shown->role(), QAccessible::StaticText);
    QCOMPARE(shown->text(QAccessible::Name), resultName);
    checkAccessibleTree(w.window); // with results shown, still every object named
}

void HeardTest::aRefusedCharacterIsNotHeardButTheNoteIs()
{
    OpenedWindow w(&MainMenu::goldButton); // gold: six characters in the quantity
    auto *quantity = static_cast<EntryField *>(w.field(QStringLiteral("Text1")));
    quantity->setFocus(Qt::TabFocusReason);
    HeardEvents heard;
    typeText(quantity, QStringLiteral("12345678"));
    QCOMPARE(quantity->text(), QStringLiteral("123456"));
    QCOMPARE(heard.insertedTexts().join(QString()), QStringLiteral("123456"));
    const QString note = EntryField::limitNoteText(6);
    QCOMPARE(heard.announcements(), QStringList({note, note}));
}

void HeardTest::theWaysOfWritingTheAmountAreHeardWithTheirQuestion()
{
    OpenedWindow w(&MainMenu::cashButton);
    const QString question = QStringLiteral("اختر إحدى الطريقتين لكتابة المبلغ");
    QCOMPARE(w.label(QStringLiteral("Label1(0)"))->text(), question);
    for (const QString &name : {QStringLiteral("Option1"), QStringLiteral("Option2")}) {
        QAccessibleInterface *option = QAccessible::queryAccessibleInterface(w.option(name));
        QCOMPARE(option->role(), QAccessible::RadioButton);
        QCOMPARE(option->text(QAccessible::Description), question);
    }
}

void HeardTest::aResultTakenBackIsSaidOnce()
{
    OpenedWindow w(&MainMenu::goldButton);
    QLineEdit *quantity = w.field(QStringLiteral("Text1"));
    typeInto(quantity, QStringLiteral("100"));
    QTest::keyClick(quantity, Qt::Key_Return);
    HeardEvents heard;
    typeText(quantity, QStringLiteral("12")); // the second keystroke takes nothing back
    QTest::qWait(20);
    QCOMPARE(heard.announcements(), QStringList{ui::kResultTakenBack});
}

void HeardTest::aWarningIsHeardOnceWithItsText()
{
    // Titled "تنبيه", as its role is said: named by its text alone, which no
    // label inside it says again.
    OpenedWindow w(&MainMenu::goldButton);
    QLineEdit *typed = w.field(QStringLiteral("Text1"));
    typeInto(typed, QStringLiteral("x"));
    QStringList heard;
    w.boxes.whileOpen = [&] {
        QAccessibleInterface *box =
            QAccessible::queryAccessibleInterface(QApplication::activeModalWidget());
        heard << box->text(QAccessible::Name);
        for (int i = 0; i < box->childCount(); ++i)
            if (box->child(i)->role() == QAccessible::StaticText)
                heard << box->child(i)->text(QAccessible::Name);
    };
    w.boxes.during([&] { QTest::keyClick(typed, Qt::Key_Return); });
    QCOMPARE(heard, QStringList{QStringLiteral("ادخل ارقام فقط ويدون مسافات بين الارقام")});
}

ZAKAT_GUI_TEST_MAIN(HeardTest)
#include "test_heard.moc"
