// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

// Writes a picture of every window after a typical computation, made by the
// program's own classes, headless: screenshots/<window>.png under the current
// folder, or under the folder given as the first argument. Given a second
// folder, it also compares each picture with the one of the same name there
// (the pictures in the README) and fails when they no longer look alike.

#include "app/mainmenu.h"
#include "app/startup.h"
#include "core/dates.h"
#include "records/recordbook.h"
#include "tests/support/guitest.h"

#include <QDir>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

namespace {

struct Step {
    enum Kind { Type, Press, Key } kind;
    QString control;
    QString text;
    QKeySequence key;
};

struct Scene {
    QString file;        // picture name without extension
    QString menuButton;  // the menu button that opens the window; empty for the menu itself
    QString window;      // the window's object name
    QList<Step> steps;
    QString pictured = {};   // a window the steps open, pictured instead (its object name)
    QString contextMenuOf{}; // a field whose context menu is pictured over the window
};

Step type(const char *field, const QString &text)
{
    return {Step::Type, QString::fromLatin1(field), text, QKeySequence()};
}

Step click(const char *button)
{
    return {Step::Press, QString::fromLatin1(button), QString(), QKeySequence()};
}

Step key(const QKeySequence &sequence)
{
    return {Step::Key, QString(), QString(), sequence};
}


// A household's record as the pictures show it, on a fixed day (15 Ramadan
// 1446): three years of "أنا", paid in full but the last, and "فاطمة", whose
// hawl comes in five days with nothing saved for this year.
void keepExampleRecord()
{
    fixToday(QDate(2025, 3, 15));
    const QDir folder(RecordStore::defaultFolder());
    QDir(folder).removeRecursively();
    QDir().mkpath(folder.path());
    const auto year = [](int hijri, const char *date, const char *net, const char *due,
                         const char *paid, const char *paidOn, const char *note) {
        return QStringLiteral("{\"hijriYear\": %1, \"date\": \"%2\", \"entries\": [[\"cash\", \"%3\"]], "
                              "\"results\": [[\"netWealth\", \"%3\"], [\"due\", \"%4\"]], "
                              "\"payments\": [{\"date\": \"%6\", \"amount\": \"%5\", \"note\": \"%7\"}]}")
            .arg(hijri).arg(QString::fromLatin1(date), QString::fromLatin1(net), QString::fromLatin1(due),
                            QString::fromLatin1(paid), QString::fromLatin1(paidOn), QString::fromUtf8(note));
    };
    QFile store(folder.filePath(QStringLiteral("records.json")));
    if (!store.open(QIODevice::WriteOnly))
        return;
    store.write(QStringLiteral(
        "{\"format\": \"zakat-household-records\", \"version\": 2, \"nextMemberId\": 3, \"members\": ["
        "{\"id\": 1, \"name\": \"أنا\", \"hawl\": {\"day\": 10, \"month\": 9}, \"records\": [%1, %2, %3]},"
        "{\"id\": 2, \"name\": \"فاطمة\", \"hawl\": {\"day\": 20, \"month\": 9}, \"records\": [%4]}]}")
                    .arg(year(1444, "2023-04-01", "28000", "700", "700", "2023-04-02", "للجمعية"),
                         year(1445, "2024-03-20", "30000", "750", "750", "2024-03-25", ""),
                         year(1446, "2025-03-10", "34250", "856.25", "500", "2025-03-12", "لجار محتاج"),
                         year(1445, "2024-03-30", "27000", "675", "675", "2024-04-01", ""))
                    .toUtf8());
    store.close();
    RecordBook::instance().reload();
}

QList<Scene> scenes()
{
    return {
        {QStringLiteral("frmzakat"), QString(), QStringLiteral("frmzakat"), {}},
        {QStringLiteral("frmzakat4"), QStringLiteral("Command2"), QStringLiteral("frmzakat4"),
         {type("Text1", QStringLiteral("1000")), type("Text5", QStringLiteral("250")),
          click("Command5")}},
        {QStringLiteral("frmzakat3"), QStringLiteral("Command3"), QStringLiteral("frmzakat3"),
         {type("Text1", QStringLiteral("50000")), type("Text5", QStringLiteral("3.5")),
          click("Command5")}},
        {QStringLiteral("frmzakat1"), QStringLiteral("Command1"), QStringLiteral("frmzakat1"),
         {type("Text1", QStringLiteral("250")), click("Command1"),
          type("Text2", QStringLiteral("450")), click("Command2"),
          type("Text3", QStringLiteral("160")), click("Command3")}},
        {QStringLiteral("frmzakat2"), QStringLiteral("Command4"), QStringLiteral("frmzakat2"),
         {type("Text3", QStringLiteral("100000000")), type("Text7", QStringLiteral("200")),
          type("Text8", QStringLiteral("3")), click("Command3")}},
        {QStringLiteral("frmzakat2-four-fields"), QStringLiteral("Command4"),
         QStringLiteral("frmzakat2"),
         {click("Option2"), type("Text1", QStringLiteral("1")), type("Text2", QStringLiteral("2")),
          type("Text5", QStringLiteral("3")), type("Text6", QStringLiteral("4")),
          type("Text7", QStringLiteral("200")), type("Text8", QStringLiteral("3")),
          click("Command3")}},
        {QStringLiteral("frmzakat5"), QStringLiteral("Command5"), QStringLiteral("frmzakat5"),
         {type("Text1", QStringLiteral("1000")), click("Option2")}},
        {QStringLiteral("frmzakat6"), QStringLiteral("Command7"), QStringLiteral("frmzakat6"),
         {type("cash", QStringLiteral("10000")), type("gold21", QStringLiteral("100")),
          type("goldPrice", QStringLiteral("300")), type("debts", QStringLiteral("2000")),
          click("compute")}},
        {QStringLiteral("frmzakat7"), QStringLiteral("Command8"), QStringLiteral("frmzakat7"),
         {type("persons", QStringLiteral("6")), type("foodPrice", QStringLiteral("7")),
          click("compute")}},
        {QStringLiteral("frmzakat8"), QStringLiteral("Command9"), QStringLiteral("frmzakat8"), {}},
        {QStringLiteral("notes-panel"), QStringLiteral("Command1"), QStringLiteral("frmzakat1"),
         {type("Text1", QStringLiteral("250")), click("Command1"), key(QKeySequence(Qt::Key_F2))},
         QStringLiteral("notesPanel")},
        {QStringLiteral("context-menu"), QStringLiteral("Command2"), QStringLiteral("frmzakat4"),
         {type("Text1", QStringLiteral("1000"))}, QString(), QStringLiteral("Text1")},
        {QStringLiteral("help"), QStringLiteral("Command2"), QStringLiteral("frmzakat4"),
         {key(QKeySequence(Qt::Key_F1))}, QStringLiteral("help")},
    };
}

// Two pictures look alike when they have the same size and at most one pixel
// in two hundred differs (anti-aliasing may vary a little between machines).
// On Windows the same font files are drawn with other hinting, so glyphs fall
// a pixel apart: there the pictures are compared by 8 x 8 blocks, and at most
// one block in two hundred may differ by more than 48 in the mean of a colour.
bool looksAlike(const QString &path, const QString &reference)
{
    const QImage picture(path);
    const QImage expected(reference);
    if (picture.isNull() || expected.isNull() || picture.size() != expected.size())
        return false;
    const QImage a = picture.convertToFormat(QImage::Format_RGB32);
    const QImage b = expected.convertToFormat(QImage::Format_RGB32);
    qint64 different = 0;
#ifdef Q_OS_WIN
    constexpr int side = 8;
    qint64 blocks = 0;
    for (int top = 0; top + side <= a.height(); top += side) {
        for (int left = 0; left + side <= a.width(); left += side) {
            int sums[3] = {0, 0, 0};
            for (int y = top; y < top + side; ++y) {
                for (int x = left; x < left + side; ++x) {
                    const QRgb p = a.pixel(x, y);
                    const QRgb q = b.pixel(x, y);
                    sums[0] += qRed(p) - qRed(q);
                    sums[1] += qGreen(p) - qGreen(q);
                    sums[2] += qBlue(p) - qBlue(q);
                }
            }
            ++blocks;
            different += std::abs(sums[0]) > 48 * side * side
                || std::abs(sums[1]) > 48 * side * side || std::abs(sums[2]) > 48 * side * side;
        }
    }
    return different * 200 <= blocks;
#else
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            different += a.pixel(x, y) != b.pixel(x, y);
    return different * 200 <= qint64(a.width()) * a.height();
#endif
}

// Pictures whose size follows the style's menu metrics or the font's line
// height rather than a design: on Windows, where both differ, they are made
// but not compared.
bool sizedByThePlatform(const QString &name)
{
#ifdef Q_OS_WIN
    return name == QStringLiteral("context-menu") || name == QStringLiteral("notes-panel");
#else
    Q_UNUSED(name);
    return false;
#endif
}

// The field's own context menu, with the field's text selected, opened over
// its middle as a right click opens it, drawn over the picture of the window;
// the picture is cut to the field and the menu.
bool pictureContextMenu(QWidget *window, const QString &fieldName, QPixmap &picture)
{
    auto *field = window->findChild<QLineEdit *>(fieldName);
    if (!field)
        return false;
    field->selectAll(); // so that cutting and copying are offered too
    const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
    menu->popup(field->mapToGlobal(field->rect().center()));
    if (!QTest::qWaitForWindowExposed(menu.get()))
        return false;
    const QRect menuArea(window->mapFromGlobal(menu->pos()), menu->size());
    {
        QPainter painter(&picture);
        painter.drawPixmap(menuArea.topLeft(), menu->grab());
    }
    menu->close();
    const QRect shown = (menuArea | field->geometry()).adjusted(-16, -16, 16, 16);
    picture = picture.copy(shown & window->rect());
    return true;
}

bool shoot(const Scene &scene, MainMenu *menu, const QDir &folder)
{
    QWidget *window = menu;
    if (!scene.menuButton.isEmpty()) {
        press(menu->findChild<QAbstractButton *>(scene.menuButton));
        const auto windows = openWindows(scene.window);
        if (windows.size() != 1)
            return false;
        window = windows.first();
    }
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    for (const Step &step : scene.steps) {
        if (step.kind == Step::Key) {
            QWidget *focused = window->focusWidget();
            QTest::keySequence(focused ? focused : window, step.key);
        } else if (step.kind == Step::Type) {
            auto *field = window->findChild<QLineEdit *>(step.control);
            if (!field)
                return false;
            // As a user replaces a field's text: click, select it all, type.
            QTest::mouseClick(field, Qt::LeftButton);
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            typeText(field, step.text);
        } else if (step.kind == Step::Press) {
            auto *button = window->findChild<QAbstractButton *>(step.control);
            if (!button)
                return false;
            press(button);
        }
    }
    QWidget *pictured = window;
    if (!scene.pictured.isEmpty()) {
        const auto opened = openWindows(scene.pictured);
        if (opened.size() != 1 || !QTest::qWaitForWindowExposed(opened.first()))
            return false;
        pictured = opened.first();
    }
    // No blinking caret or focus frame: the same window always gives the same picture.
    if (QWidget *focused = pictured->focusWidget())
        focused->clearFocus();
    QApplication::processEvents();
    QPixmap picture = pictured->grab();
    if (!scene.contextMenuOf.isEmpty() && !pictureContextMenu(window, scene.contextMenuOf, picture))
        return false;
    const QString path = folder.filePath(scene.file + QStringLiteral(".png"));
    if (!picture.save(path))
        return false;
    std::printf("wrote %s\n", qPrintable(path));
    if (window != menu) {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // The record the pictures show is the tool's own, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    // Headless, on the screen the caller gives (the tests' 1366 x 768) if any.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    prepareApplication(application);
    // A folder of this run's own, so that two runs at once (the picture
    // tests at two scales) never share a record.
    const QTemporaryDir data;
    RecordStore::setDefaultFolder(data.filePath(QStringLiteral("zakat")));
    const QString target = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir folder;
    if (!folder.mkpath(target) || !folder.cd(target))
        return 1;
    MessageBoxRecorder boxes(MessageBoxRecorder::RecordEvery); // no box is expected; a stray one is dismissed and reported
    keepExampleRecord();
    MainMenu *menu = showMainMenu();
    const QString references = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    int failures = 0;
    for (const Scene &scene : scenes()) {
        if (!shoot(scene, menu, folder)) {
            std::fprintf(stderr, "could not picture %s\n", qPrintable(scene.file));
            ++failures;
            continue;
        }
        const QString name = scene.file + QStringLiteral(".png");
        if (!references.isEmpty() && sizedByThePlatform(scene.file)) {
            std::fprintf(stderr, "%s not compared: its size follows this platform's style and fonts\n",
                         qPrintable(name));
            continue;
        }
        if (!references.isEmpty()
            && !looksAlike(folder.filePath(name), QDir(references).filePath(name))) {
            std::fprintf(stderr, "%s no longer matches the picture in %s: run scripts/screenshots.sh\n",
                         qPrintable(name), qPrintable(references));
            ++failures;
        }
    }
    for (const SeenBox &box : boxes.take()) {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(box.text));
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
