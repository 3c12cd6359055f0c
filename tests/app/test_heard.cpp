// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/frmzakat.h"
#include "tests/support/guitest.h"
#include "tests/support/heard.h"
#include "app/startup.h"
#include "ui/buttons.h"
#include "ui/entryfield.h"

// What a blind user hears: each computation, done with the keyboard, is told
// as one sentence; a character a field refuses is never told as typed.
class HeardTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { deleteAllWindows(); }
    void eachComputationIsOneSentence_data();
    void eachComputationIsOneSentence();
    void aRefusedCharacterIsNotHeardButTheNoteIs();
};

using MenuButton = CommandButton *frmzakat::*;
Q_DECLARE_METATYPE(MenuButton)

void HeardTest::eachComputationIsOneSentence_data()
{
    // The window, what is typed into which fields (Enter pressed in the last),
    // and the sentence heard.
    QTest::addColumn<MenuButton>("menuButton");
    QTest::addColumn<QStringList>("fieldsAndTexts");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("gold due") << &frmzakat::Command2 << QStringList{"Text1", "100"}
                              << QStringLiteral("مقدار الزكاة الواجبة 2.5 جرام من الذهب");
    QTest::newRow("gold due and value")
        << &frmzakat::Command2 << QStringList{"Text1", "100", "Text5", "250"}
        << QStringLiteral("مقدار الزكاة الواجبة 2.5 جرام من الذهب، وقيمتها 625");
    QTest::newRow("gold below the nisab") << &frmzakat::Command2 << QStringList{"Text1", "50"}
                                          << QStringLiteral("النصاب هو 85 جرام من الذهب");
    QTest::newRow("silver due") << &frmzakat::Command3 << QStringList{"Text1", "1000"}
                                << QStringLiteral("مقدار الزكاة الواجبة 25 درهم فضة");
    QTest::newRow("cash due") << &frmzakat::Command4 << QStringList{"Text3", "10000"}
                              << QStringLiteral("مقدار الزكاة الواجبة 250");
    QTest::newRow("cash too small") << &frmzakat::Command4 << QStringList{"Text3", "5"}
                                    << QStringLiteral("لا زكاة في مبلغ أقل من 10");
    QTest::newRow("camels") << &frmzakat::Command1 << QStringList{"Text1", "250"}
                            << QStringLiteral("في 250 من الإبل: 5 بنت لبون و 1 حقة");
    QTest::newRow("sheep") << &frmzakat::Command1 << QStringList{"Text2", "50"}
                           << QStringLiteral("في 50 من الغنم: 1 شاة");
    QTest::newRow("cattle below the nisab") << &frmzakat::Command1 << QStringList{"Text3", "20"}
                                            << QStringLiteral("في 20 من البقر: لم تبلغ نصاب البقر وهو 30");
    QTest::newRow("produce") << &frmzakat::Command5 << QStringList{"Text1", "100"}
                             << QStringLiteral("مقدار الزكاة الواجبة (العُشر) 10 وحدة كيل أو وزن");
}

void HeardTest::eachComputationIsOneSentence()
{
    QFETCH(MenuButton, menuButton);
    QFETCH(QStringList, fieldsAndTexts);
    QFETCH(QString, sentence);
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
}

void HeardTest::aRefusedCharacterIsNotHeardButTheNoteIs()
{
    OpenedWindow w(&frmzakat::Command2); // gold: six characters in the quantity
    auto *quantity = static_cast<EntryField *>(w.field(QStringLiteral("Text1")));
    quantity->setFocus(Qt::TabFocusReason);
    HeardEvents heard;
    typeText(quantity, QStringLiteral("12345678"));
    QCOMPARE(quantity->text(), QStringLiteral("123456"));
    QCOMPARE(heard.insertedTexts().join(QString()), QStringLiteral("123456"));
    const QString note = EntryField::limitNoteText(6);
    QCOMPARE(heard.announcements(), QStringList({note, note}));
}

ZAKAT_GUI_TEST_MAIN(HeardTest)
#include "test_heard.moc"
