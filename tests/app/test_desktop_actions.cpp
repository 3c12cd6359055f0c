// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/mainmenu.h"
#include "app/helppages.h"
#include "app/startup.h"
#include "tests/support/guitest.h"
#include "tests/support/heard.h"
#include "tests/support/texts.h"
#include "ui/desktopactions.h"
#include "ui/summary.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QGroupBox>
#include <QPrintDialog>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextDocument>

// What the program adds around the windows' designs: copying and printing a
// computation, the keys, help and the about box, used as a user uses them.
class DesktopActionsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void copyPutsTheComputationOnTheClipboard_data();
    void copyPutsTheComputationOnTheClipboard();
    void summariesCarryTheGregorianAndHijriDate_data();
    void summariesCarryTheGregorianAndHijriDate();
    void printingGivesThePdfTheSameText();
    void contextMenusOfferCopyPrintAndHelp();
    void aResultSelectedWithTheMouseIsCopiedWithCtrlC();
    void keysDoWhatBackAndExitDo_data();
    void keysDoWhatBackAndExitDo();
    void noKeyActsWhileAMessageBoxIsOpen();
    void helpOpensBesideItsWindowWithoutBlockingIt();
    void theContactLineOpensTheAboutBox();
    void theReadmeSaysWhatTheHelpSays();
};

namespace {

using MenuButton = CommandButton *MainMenu::*;

// Runs steps as a user does: "Text1=1000" types into a field, "Command1"
// presses a button or chooses an option.
void runSteps(QWidget *window, const QStringList &steps)
{
    for (const QString &step : steps) {
        const qsizetype equals = step.indexOf(u'=');
        if (equals > 0) {
            QLineEdit *field = control<QLineEdit>(window, step.left(equals));
            QTest::mouseClick(field, Qt::LeftButton);
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            typeText(field, step.mid(equals + 1));
        } else {
            press(control<QAbstractButton>(window, step));
        }
    }
}

// Where the keyboard is in the window: the keys arrive where a user's would.
QWidget *keyTarget(QWidget *window)
{
    return window->focusWidget() ? window->focusWidget() : window;
}

QString clipboardAfterCtrlShiftC(QWidget *window)
{
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(keyTarget(window), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    return QGuiApplication::clipboard()->text();
}

// The gold window after 1000 grams at 250 a gram and both computes.
const QStringList kGoldSteps = {QStringLiteral("Text1=1000"), QStringLiteral("Command1"),
                                QStringLiteral("Text5=250"), QStringLiteral("Command5")};

// Runs the action while the first modal dialog of the given kind it opens
// is handled, and returns whether one opened.
template <class Dialog>
bool whileDialogOpen(const std::function<void()> &action, const std::function<void(Dialog *)> &handle)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || seen)
            return;
        seen = true;
        handle(dialog);
    });
    poll.start();
    action();
    return seen;
}

// The text of a PDF file, with Arabic letters in their plain forms whatever
// order and shapes the file keeps them in.
QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC);
}

bool holdsEitherWay(const QString &text, const QString &word)
{
    QString reversed = word;
    std::reverse(reversed.begin(), reversed.end());
    return text.contains(word) || text.contains(reversed);
}

} // namespace

void DesktopActionsTest::cleanup()
{
    deleteAllWindows();
}

void DesktopActionsTest::copyPutsTheComputationOnTheClipboard_data()
{
    QTest::addColumn<MenuButton>("menuButton");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("absent");

    QTest::newRow("gold") << &MainMenu::goldButton << kGoldSteps
                          << QStringList{"زكاة الذهب",
                                         "كمية الذهب بالجرام: 1000",
                                         "مقدار الزكاة الواجبة بالجرام: 25 جرام من الذهب",
                                         "ثمن الجرام بالعملة: 250",
                                         "القيمة بالاوراق النقدية: 6250",
                                         "6 ألف 250 ريال أوجنيه 0 هللة أو قرش"}
                          << QStringList{"مليون"};
    QTest::newRow("gold before computing")
        << &MainMenu::goldButton << QStringList{"Text1=1000"}
        << QStringList{"زكاة الذهب", "كمية الذهب بالجرام: 1000"}
        << QStringList{"مقدار الزكاة", "القيمة", "النصاب"};
    QTest::newRow("gold below the nisab")
        << &MainMenu::goldButton << QStringList{"Text1=50", "Command1"}
        << QStringList{"كمية الذهب بالجرام: 50", "النصاب هو 85 جرام من الذهب"}
        << QStringList{"مقدار الزكاة"};
    QTest::newRow("silver")
        << &MainMenu::silverButton << QStringList{"Text1=50000", "Text5=3.5", "Command5"}
        << QStringList{"زكاة الفضة", "كمية الفضة بالدرهم: 50000",
                       "مقدار الزكاة الواجبة بالجرام: 1250 درهم فضة",
                       "ثمن الدرهم بالعملة: 3.5", "القيمة بالاوراق النقدية: 4375",
                       "4 ألف 375 ريال أوجنيه 0 هللة أو قرش"}
        << QStringList{};
    QTest::newRow("livestock")
        << &MainMenu::livestockButton
        << QStringList{"Text1=30", "Command1", "Text2=450", "Command2"}
        << QStringList{"زكاة سائمة الأنعام", "الإبل", "عدد الرؤوس التي عندك: 30",
                       "مقدار الزكاة الواجبة: 1 بنت مخاض", "الغنم",
                       "عدد الرؤوس التي عندك: 450", "مقدار الزكاة الواجبة: 4 شاة", "ملاحظات الإبل",
                       "بنت المخاض: الانثى التي اكملت سنة ودخلت في الثانية"}
        << QStringList{"البقر", ". . ."};
    QTest::newRow("cash, one number")
        << &MainMenu::cashButton
        << QStringList{"Text3=100000000", "Text7=200", "Text8=3", "Command3"}
        << QStringList{"زكاة المال وعروض التجارة", "المبلغ المراد تزكيته: 100000000",
                       "مقدار الزكاة الواجبة بنفس العملة: 2500000",
                       "2 مليون 500 ألف 0 ريال أوجنيه 0 هللة أو قرش",
                       "سعر جرام الذهب: 200", "قيمة 85 جرام من الذهب: 17000",
                       "سعر درهم الفضة: 3", "قيمة 200 درهم من الفضة: 600",
                       "النصاب هو القيمة الأدنى من الذهب والفضة: 600",
                       "النصاب معروض لتقدير المستخدم، ولا يقارن «احسب» المبلغ به"}
        << QStringList{"مليار"};
    QTest::newRow("cash, four fields")
        << &MainMenu::cashButton
        << QStringList{"Option2", "Text1=1", "Text2=2", "Text5=3", "Text6=4", "Command3"}
        << QStringList{"مليار: 1", "مليون: 2", "ألف: 3", "ربال او جنيه: 4",
                       "المبلغ المراد تزكيته: 1002003004",
                       "مقدار الزكاة الواجبة بنفس العملة: 25050075.1"}
        << QStringList{"سعر جرام الذهب"};
    QTest::newRow("produce")
        << &MainMenu::produceButton << QStringList{"Text1=1000", "Option2"}
        << QStringList{"زكاة الخارج من الارض", "ما يشرب بمئونة أي باستخدام الآلات",
                       "الكمية: 1000",
                       "مقدار الزكاة الواجبة (نصف العُشر): 50 وحدة كيل أو وزن",
                       "المكيال الذي تدخل به الارقام هو الذي تخرج به الزكاة"}
        << QStringList{"بلا مئونة"};
    // An entry typed after the last computation has no result yet: the
    // summary never pairs it with the result of the number before.
    QTest::newRow("produce typed after computing")
        << &MainMenu::produceButton << QStringList{"Text1=1000", "Command1", "Text1=500"}
        << QStringList{"الكمية: 500"} << QStringList{"مقدار الزكاة"};
    QTest::newRow("camels typed after computing")
        << &MainMenu::livestockButton << QStringList{"Text1=30", "Command1", "Text1=50"}
        << QStringList{"عدد الرؤوس التي عندك: 50", "(لم يُحسب بعد)"}
        << QStringList{"بنت مخاض", "ملاحظات"};
    QTest::newRow("cash parts typed after computing")
        << &MainMenu::cashButton
        << QStringList{"Option2", "Text2=2", "Command3", "Text2=3"}
        << QStringList{"مليون: 3", "(لم يُحسب بعد)"}
        << QStringList{"المبلغ المراد", "مقدار الزكاة"};
    QTest::newRow("whole wealth")
        << &MainMenu::wealthButton
        << QStringList{"cash=10000", "gold21=100", "goldPrice=300", "debts=2000", "compute"}
        << QStringList{"زكاة المال مجتمعًا", "النقد في اليد وفي الحسابات: 10000",
                       "ذهب عيار 21 بالجرام: 100", "ثمن جرام الذهب عيار 24: 300",
                       "ديون عليك حالّة أو تحلّ خلال سنة: 2000", "الذهب الخالص بالجرام: 87.5",
                       "قيمة الذهب: 26250", "صافي المال بعد الديون: 34250",
                       "نصاب الذهب (85 جرامًا): 25500",
                       "نصاب الفضة (595 جرامًا): لم يُكتب الثمن", "الزكاة الواجبة: 856.25",
                       Expected::kWealthGoldReached.arg(QStringLiteral("856.25")),
                       "856 ريال أو جنيه 25 هللة أو قرش", "النصاب المتّبع: الأقل من النصابين",
                       "الحليّ المستعمل: يُزكّى"}
        << QStringList{"عروض التجارة", "الفضة الخالصة", "مليون", "لم تُحسب", "لم يُحسب"};
    QTest::newRow("whole wealth, left out and why")
        << &MainMenu::wealthButton
        << QStringList{"doubtfulReceivables=5000", "jewellery21=100", "jewelleryCounted",
                       "investmentShares=40000", "silverPrice=3", "compute"}
        << QStringList{"ديون لك لا يُرجى سدادها: 5000", "حليّ ذهب عيار 21 بالجرام: 100",
                       "الحليّ المستعمل: لا يُزكّى", "يُزكّى من أسهم الاقتناء 25 %: 10000",
                       "لم تُحسب الديون التي لا يُرجى سدادها (5000)، وتُزكّى سنة واحدة إذا قُبضت",
                       "لم يُحسب الحليّ المستعمل (87.5 جرام ذهبًا خالصًا و0 جرام فضة خالصة)، "
                       "لأنك اخترت ألا تُزكّيه"}
        << QStringList{"الذهب الخالص"};
}

void DesktopActionsTest::copyPutsTheComputationOnTheClipboard()
{
    QFETCH(MenuButton, menuButton);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, absent);
    OpenedWindow w(menuButton);
    runSteps(w.window, steps);
    HeardEvents heard;
    const QStringList copied = clipboardAfterCtrlShiftC(w.window).split(u'\n');
    // Seen and heard to be done.
    QCOMPARE(heard.announcements(), QStringList{kCopiedText});
    QVERIFY(w.window->findChild<QLabel *>(QStringLiteral("copiedNote"))->isVisible());
    for (const QString &line : lines)
        QVERIFY2(copied.contains(line), qPrintable(line + u'\n' + copied.join(u'\n')));
    for (const QString &word : absent)
        for (const QString &line : copied)
            QVERIFY2(!line.contains(word), qPrintable(line));
}

void DesktopActionsTest::summariesCarryTheGregorianAndHijriDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("line");
    QTest::newRow("the first of Ramadan 1445")
        << QDate(2024, 3, 11) << QStringLiteral("التاريخ: 11 مارس 2024 م، 1 رمضان 1445 هـ");
    QTest::newRow("the turn of the century")
        << QDate(2000, 1, 1) << QStringLiteral("التاريخ: 1 يناير 2000 م، 24 رمضان 1420 هـ");
    QTest::newRow("late in a Hijri year")
        << QDate(2025, 6, 26) << QStringLiteral("التاريخ: 26 يونيو 2025 م، 29 ذو الحجة 1446 هـ");
}

// Every summary, copied or printed, carries its day in both calendars, under
// its heading; the day is the summary's own, so that a test can fix it.
void DesktopActionsTest::summariesCarryTheGregorianAndHijriDate()
{
    QFETCH(QDate, date);
    QFETCH(QString, line);
    QCOMPARE(dateLine(date), line);
    ComputationSummary summary;
    summary.heading = QStringLiteral("زكاة الذهب");
    summary.date = date;
    QCOMPARE(summary.text().split(u'\n').value(1), line);
    QTextDocument page;
    layOutSummary(&page, summary);
    QVERIFY(page.toPlainText().split(u'\n').contains(line));
}

void DesktopActionsTest::printingGivesThePdfTheSameText()
{
#ifdef Q_OS_WIN
    QSKIP("Windows shows its own print dialog, not a Qt widget the test can fill in");
#endif
    OpenedWindow w(&MainMenu::goldButton);
    runSteps(w.window, kGoldSteps);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("zakat.pdf"));
    // The print dialog's own print to file, as a user chooses it.
    const bool dialogShown = whileDialogOpen<QPrintDialog>(
        [&] { QTest::keyClick(keyTarget(w.window), Qt::Key_P, Qt::ControlModifier); },
        [&](QPrintDialog *dialog) {
            QCOMPARE(dialog->layoutDirection(), Qt::RightToLeft);
            // Every text of the dialog in Arabic, but the name of the PDF format.
            QStringList texts;
            for (QAbstractButton *option : dialog->findChildren<QAbstractButton *>())
                texts << option->text();
            for (QGroupBox *group : dialog->findChildren<QGroupBox *>())
                texts << group->title();
            QVERIFY2(!hasLatinLetter(texts.join(u' ').remove(QStringLiteral("PDF"))),
                     qPrintable(texts.join(u'|')));
            // Printing to a file is the last destination, after any printer.
            auto *destination = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            auto *file = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
            QVERIFY(destination && file);
            destination->setCurrentIndex(destination->count() - 1);
            file->setText(pdf);
            dialog->accept();
        });
    QVERIFY(dialogShown);
    const QString text = pdfText(pdf);
    QVERIFY2(!text.isEmpty(), "pdftotext read nothing (scripts/setup.sh installs poppler-utils)");
    for (const char *number : {"1000", "25", "250", "6250"})
        QVERIFY2(holdsEitherWay(text, QString::fromLatin1(number)), number);
    for (const QString &word : {QStringLiteral("الذهب"), QStringLiteral("الزكاة"),
                                QStringLiteral("بالجرام"), QStringLiteral("النقدية"),
                                QStringLiteral("التاريخ")})
        QVERIFY2(holdsEitherWay(text, word), qPrintable(word + u'\n' + text));
}

void DesktopActionsTest::contextMenusOfferCopyPrintAndHelp()
{
    OpenedWindow w(&MainMenu::goldButton);
    runSteps(w.window, kGoldSteps);
    const QStringList windowItems = {"نسخ النتيجة", "طباعة", "مساعدة"};
    const QStringList labelItems = {"نسخ", "نسخ النتيجة", "طباعة", "مساعدة"};
    const std::pair<QWidget *, QStringList> owners[] = {{w.window, windowItems},
                                                        {w.label("lbl11"), labelItems}};
    for (const auto &[owner, items] : owners) {
        QGuiApplication::clipboard()->clear();
        // Through the window system, which turns the right button into a context menu request.
        QTest::mouseClick(w.window->windowHandle(), Qt::RightButton, Qt::NoModifier,
                          owner->mapTo(w.window, QPoint(5, 5)));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->layoutDirection(), Qt::RightToLeft);
        QStringList shown;
        QAction *copy = nullptr;
        for (QAction *item : menu->actions()) {
            if (item->isSeparator())
                continue;
            shown << item->text();
            if (item->text() == QStringLiteral("نسخ النتيجة"))
                copy = item;
        }
        QCOMPARE(shown, items);
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                          menu->actionGeometry(copy).center());
        QVERIFY(QGuiApplication::clipboard()->text().contains(
            QStringLiteral("القيمة بالاوراق النقدية: 6250")));
    }
}

void DesktopActionsTest::aResultSelectedWithTheMouseIsCopiedWithCtrlC()
{
    OpenedWindow w(&MainMenu::goldButton);
    runSteps(w.window, kGoldSteps);
    QLabel *value = w.label("Label11");
    const QImage unselected = value->grab().toImage();
    QTest::mousePress(value, Qt::LeftButton, Qt::NoModifier, QPoint(1, value->height() / 2));
    QTest::mouseMove(value, QPoint(value->width() - 2, value->height() / 2));
    QTest::mouseRelease(value, Qt::LeftButton, Qt::NoModifier,
                        QPoint(value->width() - 2, value->height() / 2));
    QCOMPARE(value->selectedText(), QStringLiteral("6250"));
    // The selection shows: the label is drawn with the highlight behind its text.
    const QImage selected = value->grab().toImage();
    const QRgb highlight = value->palette().color(QPalette::Highlight).rgb();
    bool highlightShown = false;
    for (int y = 0; y < selected.height() && !highlightShown; ++y)
        for (int x = 0; x < selected.width() && !highlightShown; ++x)
            highlightShown = selected.pixel(x, y) == highlight && unselected.pixel(x, y) != highlight;
    QVERIFY(highlightShown);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(keyTarget(w.window), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("6250"));
}

void DesktopActionsTest::keysDoWhatBackAndExitDo_data()
{
    QTest::addColumn<MenuButton>("menuButton");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<bool>("menuStays");
    QTest::addColumn<bool>("windowStays");
    QTest::newRow("Esc on a calculator") << &MainMenu::goldButton << QKeySequence(Qt::Key_Escape)
                                         << true << false;
    QTest::newRow("Ctrl+W on a calculator")
        << &MainMenu::livestockButton << QKeySequence(Qt::CTRL | Qt::Key_W) << true << false;
    QTest::newRow("Ctrl+Q on a calculator")
        << &MainMenu::cashButton << QKeySequence(Qt::CTRL | Qt::Key_Q) << false << false;
    QTest::newRow("Ctrl+W on the whole wealth")
        << &MainMenu::wealthButton << QKeySequence(Qt::CTRL | Qt::Key_W) << true << false;
    QTest::newRow("Ctrl+Q on the menu") << MenuButton() << QKeySequence(Qt::CTRL | Qt::Key_Q)
                                        << false << false;
    QTest::newRow("Esc on the menu") << MenuButton() << QKeySequence(Qt::Key_Escape) << true
                                     << true;
}

void DesktopActionsTest::keysDoWhatBackAndExitDo()
{
    QFETCH(MenuButton, menuButton);
    QFETCH(QKeySequence, key);
    QFETCH(bool, menuStays);
    QFETCH(bool, windowStays);
    OpenedWindow w(menuButton);
    if (menuButton) // the menu stays open underneath
        press(w.menu->silverButton);
    const QString name = w.window->objectName();
    w.window->activateWindow();
    QTest::keySequence(keyTarget(w.window), key);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(!openWindows(QStringLiteral("frmzakat")).isEmpty(), menuStays);
    QCOMPARE(!openWindows(name).isEmpty(), windowStays);
    if (menuButton) // the other calculator goes only with the program
        QCOMPARE(!openWindows(QStringLiteral("frmzakat3")).isEmpty(), menuStays);
}

void DesktopActionsTest::noKeyActsWhileAMessageBoxIsOpen()
{
    OpenedWindow w(&MainMenu::goldButton);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    w.boxes.whileOpen = [&] {
        for (const QKeySequence &key :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W),
              QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
              QKeySequence(Qt::Key_F1)})
            QTest::keySequence(w.window, key);
    };
    const QList<SeenBox> seen = w.boxes.during([&] { runSteps(w.window, {"Text1=abc", "Command1"}); });
    w.boxes.whileOpen = nullptr;
    QCOMPARE(seen.size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(openWindows(QStringLiteral("frmzakat4")).size(), 1);
    QCOMPARE(openWindows(QStringLiteral("frmzakat")).size(), 1);
    QVERIFY(openWindows(QStringLiteral("help")).isEmpty());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

void DesktopActionsTest::helpOpensBesideItsWindowWithoutBlockingIt()
{
    OpenedWindow w(&MainMenu::goldButton);
    QTest::keyClick(keyTarget(w.window), Qt::Key_F1);
    const QList<QWidget *> helps = openWindows(QStringLiteral("help"));
    QCOMPARE(helps.size(), 1);
    QWidget *help = helps.first();
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QCOMPARE(help->layoutDirection(), Qt::RightToLeft);
    auto *text = control<QTextEdit>(help, QStringLiteral("helpText"));
    QTRY_COMPARE(QApplication::focusWidget(), text);
    QVERIFY(text->toPlainText().contains(QStringLiteral("ثمن الجرام بالعملة")));
    QVERIFY(!text->accessibleDescription().isEmpty());
    // Heard as read-only text, named apart from the help's title.
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(text);
    QVERIFY(read->role() == QAccessible::EditableText && read->state().readOnly);
    QVERIFY(!help->windowTitle().contains(read->text(QAccessible::Name)));
    // The keys scroll it.
    QVERIFY(text->verticalScrollBar()->maximum() > 0);
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(text->verticalScrollBar()->value() > 0);

    // The calculator goes on working while its help is open.
    runSteps(w.window, kGoldSteps);
    QCOMPARE(w.label("Label11")->text(), QStringLiteral("6250"));
    QVERIFY(help->isVisible());
    // F1 again brings the same help forward; Esc in it closes it.
    QTest::keyClick(keyTarget(w.window), Qt::Key_F1);
    QCOMPARE(openWindows(QStringLiteral("help")), QList<QWidget *>{help});
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(openWindows(QStringLiteral("help")).isEmpty());
    QVERIFY(QTest::qWaitForWindowActive(w.window));
    // Help goes with its window.
    QTest::keyClick(keyTarget(w.window), Qt::Key_F1);
    QCOMPARE(openWindows(QStringLiteral("help")).size(), 1);
    press(w.button("Command7"));
    QVERIFY(openWindows(QStringLiteral("help")).isEmpty());
}

void DesktopActionsTest::theContactLineOpensTheAboutBox()
{
    OpenedWindow w;
    QWidget *link = w.menu->contactLink;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(link);
    QCOMPARE(accessible->role(), QAccessible::Link);
    QCOMPARE(accessible->text(QAccessible::Name), w.menu->contactLink->text());

    QMessageBox *about = nullptr;
    w.boxes.whileOpen = [&] {
        about = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QCOMPARE(about->objectName(), QStringLiteral("about"));
        QCOMPARE(about->layoutDirection(), Qt::RightToLeft);
    };
    const QList<SeenBox> clicked = w.boxes.during([&] { QTest::mouseClick(link, Qt::LeftButton); });
    QCOMPARE(clicked.size(), 1);
    QVERIFY(about);
    QCOMPARE(clicked.first().title, QStringLiteral("عن البرنامج"));
    const QStringList lines = clicked.first().text.split(QStringLiteral("\n\n"));
    QCOMPARE(lines.first(), QStringLiteral("حساب الزكاة"));
    QVERIFY(lines.contains(QStringLiteral("الإصدار " ZAKAT_VERSION)));
    QVERIFY(clicked.first().text.contains(QStringLiteral("رخصة جنو العمومية العامة")));
    QVERIFY(clicked.first().text.contains(QStringLiteral("أهل العلم")));
    // It tells how to report a mistake, as the contact line promises.
    QVERIFY(w.menu->contactLink->text().contains(QStringLiteral("الإبلاغ عن خطأ")));
    QVERIFY(clicked.first().text.contains(QStringLiteral("reportbug zakat")));
    QCOMPARE(lines.last(), QStringLiteral("صدقة جارية"));

    // By keyboard: after the design's buttons, Tab reaches the link, Enter opens it.
    w.menu->exitButton->setFocus();
    QTest::keyClick(w.menu->exitButton, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), link);
    QCOMPARE(w.boxes.during([&] { QTest::keyClick(link, Qt::Key_Return); }), clicked);
}

void DesktopActionsTest::theReadmeSaysWhatTheHelpSays()
{
    // The README's Arabic how-to section: each page's title, then its steps
    // as a numbered list, in the help's order.
    QFile readme(QStringLiteral(ZAKAT_README));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(readme.readAll()).split(u'\n');
    const qsizetype start = lines.indexOf(QStringLiteral("## طريقة الاستعمال"));
    QVERIFY(start >= 0);
    QList<HelpPage> written;
    for (qsizetype i = start + 1; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.startsWith(QStringLiteral("## ")) || line.startsWith(QStringLiteral("</div>")))
            break;
        if (line.startsWith(QStringLiteral("### ")))
            written.append({QString(), line.mid(4), {}});
        const qsizetype dot = line.indexOf(QStringLiteral(". "));
        if (!written.isEmpty() && dot > 0 && line.left(dot).toInt() == written.last().steps.size() + 1)
            written.last().steps.append(line.mid(dot + 2));
    }
    QList<HelpPage> shown = helpPages();
    shown.append(keysHelp());
    QCOMPARE(written.size(), shown.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QCOMPARE(written[i].title, shown[i].title);
        QCOMPARE(written[i].steps, shown[i].steps);
    }
}

ZAKAT_GUI_TEST_MAIN(DesktopActionsTest)
#include "test_desktop_actions.moc"
