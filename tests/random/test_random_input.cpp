// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "livestock/camels.h"
#include "livestock/cattle.h"
#include "app/mainmenu.h"
#include "tests/support/guitest.h"
#include "tests/support/texts.h"
#include "core/numbers.h"
#include "livestock/sheep.h"
#include "money/wealthzakat.h"
#include "core/dates.h"
#include "records/hawl.h"
#include "records/recordbook.h"
#include "app/startup.h"
#include "ui/buttons.h"
#include "ui/designlabel.h"
#include "ui/desktopactions.h"
#include "ui/entryfield.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>

#include <cstdint>
#include <cstdio>
#include <random>

// Whatever the user types and presses, in whatever order, every window stays
// alive and shows only its own texts, placeholders and numbers that read back
// as numbers; every message box is one of the warnings the windows define.
// The run is random but repeatable: it starts from a fixed seed.
// ZAKAT_RANDOM_SEED and ZAKAT_RANDOM_STEPS (steps per window) choose another
// seed or a longer run; the long run of the test command takes 5,000 steps
// a window from a seed of its own.

namespace {

constexpr std::uint32_t kDefaultSeed = 1447;
constexpr long kDefaultSteps = 2000;

// The warnings and the texts the handlers write besides numbers and the
// windows' own design texts.
using namespace Expected;
const QString &kQuantityTitle = kNoticeTitle;
const QString &kPartsTitle = kInputErrorTitle;

using Warning = QPair<QString, QString>; // text, title

struct WindowPlan {
    QString name;
    int menuButton; // Command1 .. Command8 of the menu, but Command6 (Exit)
    QList<Warning> warnings;
    QStringList writtenTexts;
    QStringList sentences = {}; // written with a number in place of %1
    bool plainFigures = false; // figures in plain digits, at most two decimals
    bool freeText = false;     // only junk is a fault; any question with the record's title
};

// The whole-wealth window's fields by their captions, which its warnings name.
const QStringList kWealthCaptions = {
    QStringLiteral("النقد في اليد وفي الحسابات"), QStringLiteral("عروض التجارة بسعر بيعها اليوم"),
    QStringLiteral("ديون لك يُرجى سدادها"), QStringLiteral("ديون لك لا يُرجى سدادها"),
    QStringLiteral("أسهم للمتاجرة بقيمتها السوقية"), QStringLiteral("أسهم للاقتناء بقيمتها السوقية"),
    QStringLiteral("ما يمكنك سحبه اليوم من مدخرات التقاعد بعد الغرامة والضريبة"),
    QStringLiteral("عملات رقمية بقيمتها اليوم"), QStringLiteral("ذهب عيار 24 بالجرام"),
    QStringLiteral("ذهب عيار 22 بالجرام"), QStringLiteral("ذهب عيار 21 بالجرام"),
    QStringLiteral("ذهب عيار 18 بالجرام"), QStringLiteral("ثمن جرام الذهب عيار 24"),
    QStringLiteral("فضة خالصة بالجرام"), QStringLiteral("فضة عيار 925 بالجرام"),
    QStringLiteral("ثمن جرام الفضة الخالصة"), QStringLiteral("حليّ ذهب عيار 24 بالجرام"),
    QStringLiteral("حليّ ذهب عيار 22 بالجرام"), QStringLiteral("حليّ ذهب عيار 21 بالجرام"),
    QStringLiteral("حليّ ذهب عيار 18 بالجرام"), QStringLiteral("حليّ فضة عيار 925 بالجرام"),
    QStringLiteral("ديون عليك حالّة أو تحلّ خلال سنة")};

QList<Warning> wealthWarnings()
{
    QList<Warning> warnings = {{kWealthGoldPriceMissing, kWealthTitle},
                               {kWealthSilverPriceMissing, kWealthTitle},
                               {kWealthChosenGoldPriceMissing, kWealthTitle},
                               {kWealthChosenSilverPriceMissing, kWealthTitle},
                               {kWealthNoPrice, kWealthTitle},
                               {kWealthPercent.arg(QStringLiteral("النسبة التي تُزكّى منها %")),
                                kWealthTitle}};
    for (const QString &caption : kWealthCaptions)
        warnings << Warning(kWealthNotAnAmount.arg(caption), kWealthTitle)
                 << Warning(kWealthTooLarge.arg(caption), kWealthTitle);
    return warnings;
}

// Every verdict the whole-wealth window may write, by every nisab followed:
// those that state a due with %1 in its place, and those that state none.
QPair<QStringList, QStringList> wealthSentences()
{
    const QString due = QStringLiteral("1234.5");
    QStringList withDue;
    QStringList without;
    for (int verdict = int(WealthVerdict::NoWealth); verdict <= int(WealthVerdict::BelowSilver);
         ++verdict)
        for (NisabBasis basis : {NisabBasis::Lower, NisabBasis::Gold, NisabBasis::Silver}) {
            WealthZakat zakat;
            zakat.verdict = WealthVerdict(verdict);
            zakat.views.basis = basis;
            zakat.due = 1234.5;
            const QString sentence = wealthSentence(zakat);
            if (sentence.contains(due))
                withDue << QString(sentence).replace(due, QStringLiteral("%1"));
            else
                without << sentence;
        }
    return {withDue, without};
}

// Saving into the record: the first member, what the note says, and the
// question asked before a second save of the year replaces the first.
const QString kFirstMember = QStringLiteral("أنا");
const QString kSavedForMe = QStringLiteral("حُفظ الحساب في سجل أنا لعام %1 هـ");
QList<Warning> recordQuestions()
{
    return {{QStringLiteral("في سجل أنا حساب لعام %1 هـ. أتريد أن تضع هذا الحساب مكانه؟ تبقى "
                            "الدفعات المسجلة له.")
                 .arg(hijriYear(today())),
             QStringLiteral("سجل الزكاة")}};
}

QList<WindowPlan> windowPlans()
{
    const QStringList metal = {kTooSmall, QStringLiteral(" ")};
    return {
        {QStringLiteral("frmzakat1"), 1, {}, {}},
        {QStringLiteral("frmzakat4"), 2,
         {{kDigitsOnly, kQuantityTitle}, {kGoldAboveBound, kQuantityTitle},
          {kGoldPrice, kPriceTitle}, {kGoldOutOfRange, kPriceTitle}},
         metal + QStringList{kGoldBelowNisab}},
        {QStringLiteral("frmzakat3"), 3,
         {{kDigitsOnly, kQuantityTitle}, {kSilverAboveBound, kQuantityTitle},
          {kSilverPrice, kPriceTitle}, {kSilverOutOfRange, kPriceTitle}},
         metal + QStringList{kSilverBelowNisab}},
        {QStringLiteral("frmzakat2"), 4,
         {{kPartsNotNumbers, kPartsTitle}, {kAmountNotNumber, kQuantityTitle},
          {kAmountTooLarge, kQuantityTitle}, {kMilliardsTooLarge, kQuantityTitle}},
         {kTooSmall, QStringLiteral(" ")}},
        {QStringLiteral("frmzakat5"), 5, {{kDigitsOnly, kQuantityTitle}},
         {kTenth, kHalfTenth, kFifth}},
        {QStringLiteral("frmzakat6"), 7, wealthWarnings() + recordQuestions(),
         wealthSentences().second + QStringList{kWealthNoPriceShown, kFirstMember},
         wealthSentences().first + QStringList{kSavedForMe}, true},
        {QStringLiteral("frmzakat7"), 8,
         {{kFitrPersons, kWealthTitle}, {kFitrKg, kWealthTitle}, {kFitrPrice, kWealthTitle}},
         {kFitrNoPrice}, {kFitrFood, kFitrFoodAndValue}, true},
        // The record writes names, dates and notes of its own: what it shows
        // is checked for junk (inf, nan, -0) only, and it asks before it
        // deletes.
        {QStringLiteral("frmzakat8"), 9, {}, {}, {}, true, true},
    };
}

// Every text the livestock schedules write, over counts that reach every
// band and rule, besides the counts themselves.
QSet<QString> scheduleTexts()
{
    QSet<QString> texts;
    auto addRow = [&](const DueRow &row) { texts << row.count << row.kind; };
    auto addHerd = [&](const HerdRows &rows) {
        addRow(rows.first);
        addRow(rows.second);
        for (const QString &note : rows.notes)
            texts << note;
    };
    addHerd(camelsReset());
    addHerd(cattleReset());
    addRow(sheepReset());
    for (int count = -1; count <= 2000; ++count) {
        if (const auto camels = camelsDue(count))
            addHerd(herdRows(*camels));
        if (const auto cattle = cattleDue(count))
            addHerd(herdRows(*cattle));
        if (const auto sheep = sheepDue(count))
            addRow(sheepRow(*sheep));
    }
    return texts;
}

long environmentCount(const char *name, long fallback)
{
    bool ok = false;
    const long value = qEnvironmentVariable(name).toLong(&ok);
    return ok && value > 0 ? value : fallback;
}

std::uint32_t environmentSeed()
{
    bool ok = false;
    const uint value = qEnvironmentVariable("ZAKAT_RANDOM_SEED").toUInt(&ok);
    return ok ? value : kDefaultSeed;
}

// A text the program must never show: "inf" or "nan" as a word of Latin
// letters in any case, or a negative zero ("-0", "-0.0", "-0E+..."): a minus
// sign not preceded by a digit or a full stop, a zero, optionally a full stop
// and more zeros, and then no further digit or full stop.
QString junkIn(const QString &text)
{
    const qsizetype size = text.size();
    auto isLatin = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    auto isDigitOrStop = [](QChar c) { return (c >= u'0' && c <= u'9') || c == u'.'; };
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (isLatin(c) && (i == 0 || !isLatin(text.at(i - 1)))) {
            qsizetype end = i;
            while (end < size && isLatin(text.at(end)))
                ++end;
            const QString word = text.mid(i, end - i).toLower();
            if (word == QLatin1String("inf") || word == QLatin1String("nan")
                || word == QLatin1String("infinity"))
                return word;
        }
        if (c == u'-' && i + 1 < size && text.at(i + 1) == u'0'
            && (i == 0 || !isDigitOrStop(text.at(i - 1)))) {
            qsizetype end = i + 2;
            const bool bareZero = end == size || !isDigitOrStop(text.at(end));
            bool zeroFraction = false;
            if (end < size && text.at(end) == u'.') {
                ++end;
                while (end < size && text.at(end) == u'0')
                    ++end;
                zeroFraction = end == size || !isDigitOrStop(text.at(end));
            }
            if (bareZero || zeroFraction)
                return QStringLiteral("negative zero");
        }
    }
    return QString();
}

// What is wrong with a text a window shows, or the empty text: it must be one
// of the allowed texts, one of the sentences with a number in number text in
// place of each %1, %2 and %3, or a number in number text, and never junk.
// A number as a window writes it: in number text, or where the window writes
// plain figures, in at most two decimals of plain digits, a figure below zero
// kept with its sign in a left-to-right isolate.
bool isNumberAsWritten(QString text, bool plainFigures)
{
    const bool isolated =
        text.startsWith(QChar(u'\u2066')) && text.endsWith(QChar(u'\u2069'));
    if (plainFigures && isolated)
        text = text.mid(1, text.size() - 2);
    if (plainFigures && isolated != text.startsWith(u'-'))
        return false;
    const auto value = readNumber(text);
    if (!value)
        return false;
    if (plainFigures)
        return hundredthsText(*value) == text;
    return numberText(*value) == text;
}

QString textFault(const QString &text, const QSet<QString> &allowed,
                  const QStringList &sentences = {}, bool plainFigures = false)
{
    const QString junk = junkIn(text);
    if (!junk.isEmpty())
        return junk;
    if (allowed.contains(text))
        return QString();
    for (const QString &sentence : sentences) {
        // Its words as written, each %N escaped with a backslash: a number in its place.
        QString pattern = QRegularExpression::escape(sentence);
        pattern.replace(QRegularExpression(QStringLiteral("\\\\%\\d")), QStringLiteral("(\\S+)"));
        const auto match = QRegularExpression(u'^' + pattern + u'$').match(text);
        bool numbers = match.hasMatch();
        for (int i = 1; numbers && i <= match.lastCapturedIndex(); ++i)
            numbers = isNumberAsWritten(match.captured(i), plainFigures);
        if (numbers)
            return QString();
    }
    const auto value = readNumber(text);
    if (!value && !(plainFigures && isNumberAsWritten(text, true)))
        return QStringLiteral("neither a design text, a placeholder nor a number");
    if (!isNumberAsWritten(text, plainFigures))
        return QStringLiteral("a number not as the window writes it (%1)")
            .arg(value ? numberText(*value) : text);
    return QString();
}

// The offscreen platform of the headless run says, on every window opened,
// what it cannot do; with thousands of windows that drowns every other message.
QtMessageHandler g_previousHandler = nullptr;
void dropPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_previousHandler(type, context, message);
}

// Generated entries: numbers in every form the reader meets and many it must
// refuse.
class EntryMaker {
public:
    explicit EntryMaker(std::mt19937 &random) : m_random(random) {}

    // An entry short enough to type key by key.
    QString typed()
    {
        switch (below(20)) {
        case 0:
            return QString();
        case 1:
            return QString(1 + below(4), u' ');
        case 2:
        case 3:
            return word();
        case 4:
            return number().insert(below(4), u' '); // a blank inside
        case 5:
            return number() + word();
        case 6:
        case 7:
            return withBlanks(digits(notable(), script()));
        default:
            return number();
        }
    }

    // A very long entry, as the program writes it rather than the user.
    QString written()
    {
        const int length = 200 + below(4000);
        switch (below(8)) {
        case 0:
            return digits(QString(length, u'9'), script()); // overflows a double
        case 1:
            return QStringLiteral("0.") + QString(length, u'0') + QStringLiteral("1");
        case 2:
            return QStringLiteral("1") + QString(length, u'0') + QStringLiteral("e-") + QString::number(length);
        case 3:
            return QString(length, u' ') + number() + QString(length, u' ');
        case 4: {
            QString letters;
            for (int i = 0; i < length; ++i)
                letters += QChar(u'a' + below(26));
            return letters;
        }
        case 5:
            return word().repeated(1 + length / 16);
        case 6:
            return digits(randomDigits(length), script());
        default:
            return QStringLiteral("-") + randomDigits(300 + below(20)) + QStringLiteral(".5");
        }
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    // 0: Latin digits, 1: Arabic-Indic, 2: Eastern Arabic-Indic, 3: mixed.
    int script() { return below(4); }

    QString digits(QString ascii, int script)
    {
        for (QChar &c : ascii) {
            if (c < u'0' || c > u'9')
                continue;
            const int which = script == 3 ? below(3) : script;
            if (which == 1)
                c = QChar(0x0660 + (c.unicode() - u'0'));
            else if (which == 2)
                c = QChar(0x06F0 + (c.unicode() - u'0'));
        }
        return ascii;
    }

    QString randomDigits(int count)
    {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QChar(u'0' + below(10));
        return text;
    }

    QString withBlanks(const QString &text)
    {
        return QString(below(3), u' ') + text + QString(below(3), u' ');
    }

    // The limits the windows test, and their neighbours.
    QString notable()
    {
        static const QStringList values = {
            "0", "-0", "10", "9.99", "40", "85", "84.99", "120.5", "199.99", "200", "300.5",
            "399.5", "850000", "850001", "840000", "100000", "999999", "9999999", "10000000",
            "80", "81", "80.5", "81000000000", "81000000001", "80999999999", "2100000000",
            "2147483647", "2147483648", "1E15", "1e-4", "0.00001", "-2.5", "-1234.25",
            "2024999999.975", "1e308", "1.7976931348623157e308", "4.9e-324", "1e-400"};
        return values.at(below(int(values.size())));
    }

    QString word()
    {
        static const QStringList words = {
            "inf", "-inf", "nan", "NaN", "Infinity", "INF", "abc", "e", "E5", "1e", "e10",
            "0x1F", "--1", "+-1", "1..2", "1,000", "1.2.3", ".", ",", "-", "+", "1-", "5%",
            "1/2", "\u0661\u066B\u0665\u066B\u0662", "\u066B", "\u066C",
            "\u0627\u062F\u062E\u0644 \u0627\u0644\u0639\u062F\u062F \u0641\u0642\u0637",
            "\u062E\u0645\u0633\u0629", "\u0645\u0627\u0626\u0629", "\u0635\u0641\u0631",
            "\u0634\u0627\u0629", "\u0627\u0644\u0639\u064F\u0634\u0631"};
        if (below(3) == 0) {
            QString letters;
            for (int i = 1 + below(8); i > 0; --i)
                letters += QChar((below(2) ? u'a' : u'A') + below(26));
            return letters;
        }
        return words.at(below(int(words.size())));
    }

    QString number()
    {
        static const QString signs[] = {QString(), QStringLiteral("-"), QStringLiteral("+")};
        static const QString separators[] = {QStringLiteral("."), QString(QChar(0x066B)),
                                             QStringLiteral(",")};
        QString text = signs[below(4) == 0 ? 1 + below(2) : 0];
        const int wholeDigits = below(5) == 0 ? below(16) : below(8);
        text += randomDigits(wholeDigits);
        const int fractionDigits = below(3) == 0 ? below(7) : 0;
        if (fractionDigits > 0 || below(20) == 0)
            text += separators[below(3)] + randomDigits(fractionDigits);
        if (wholeDigits + fractionDigits == 0 && below(4) != 0)
            text += QChar(u'0' + below(10));
        if (below(5) == 0) {
            static const int edges[] = {0, 1, 15, 300, 307, 308, 309, 323, 324, 325, 400};
            const int exponent = below(2) ? edges[below(11)] : below(401);
            text += QChar(below(2) ? u'e' : u'E') + signs[below(3)] + QString::number(exponent);
        }
        return withBlanks(digits(text, script()));
    }

    std::mt19937 &m_random;
};

} // namespace

class RandomInputTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void checkerRefusesWhatNoWindowMayShow_data();
    void checkerRefusesWhatNoWindowMayShow();
    void everyWindowSurvivesRandomEntriesAndPresses();

private:
    // The window in its current life: reopened after every Back.
    struct Window {
        QPointer<QWidget> widget;
        QList<QPointer<EntryField>> fields;
        QList<QPointer<QAbstractButton>> buttons;
        QList<QLabel *> labels;
    };

    void open(const WindowPlan &plan, Window &window);
    QString fault(QWidget *window, const QSet<QString> &allowed,
                  const QStringList &sentences = {}, bool plainFigures = false) const;
    void typeStep(Window &window, EntryMaker &entries);
    bool pressStep(Window &window); // true when the button pressed was Back
    // Now and then moves a choice box one item up or down, as the arrow keys
    // do; false when it did not.
    bool chooseStep(Window &window);

    std::mt19937 m_random;
    MainMenu *m_menu = nullptr;
    MessageBoxRecorder *m_boxes = nullptr;
    QSet<QString> m_menuTexts;
    // The text each field last got from the user (typed, or written by the
    // test): the program did not write it, so it is not the program's to check.
    QHash<const QLineEdit *, QString> m_userText;
    QString m_lastAction;
};

void RandomInputTest::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(dropPlatformNotes);
    // The computations saved on the way go to a record of this run's own.
    QDir(RecordStore::defaultFolder()).removeRecursively();
    m_boxes = new MessageBoxRecorder(MessageBoxRecorder::RecordEvery);
    m_menu = showMainMenu();
    QVERIFY(QTest::qWaitForWindowExposed(m_menu));
    for (QWidget *control : m_menu->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<QLabel *>(control))
            m_menuTexts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            m_menuTexts << button->text();
    }
}

void RandomInputTest::cleanupTestCase()
{
    deleteAllWindows();
    delete m_boxes;
}

void RandomInputTest::checkerRefusesWhatNoWindowMayShow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");
    QTest::newRow("number text") << "2.5" << false;
    QTest::newRow("negative number") << "-0.5" << false;
    QTest::newRow("negative whole") << "-10" << false;
    QTest::newRow("exponent form") << "1E+15" << false;
    QTest::newRow("placeholder") << "...." << false;
    QTest::newRow("allowed Arabic") << QStringLiteral("\u0634\u0627\u0629") << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("negative zero") << "-0" << true;
    QTest::newRow("negative zero with decimals") << "-0.00" << true;
    QTest::newRow("negative zero in exponent form") << "-0E+00" << true;
    QTest::newRow("negative zero in a sentence") << QStringLiteral("\u0634\u0627\u0629 -0") << true;
    QTest::newRow("inf") << "inf" << true;
    QTest::newRow("negative INF") << "-INF" << true;
    QTest::newRow("nan in a number") << "1.#NaN" << true;
    QTest::newRow("Infinity") << "Infinity" << true;
    QTest::newRow("trailing zeros") << "2.50" << true;
    QTest::newRow("grouped") << "1,000" << true;
    QTest::newRow("exponent junk") << "1e+400" << true;
    QTest::newRow("padded zeros") << "000" << true;
    QTest::newRow("unknown Arabic") << QStringLiteral("\u0635\u0641\u0631") << true;
    QTest::newRow("sentence with a number") << QStringLiteral("\u0634\u0627\u0629 856.25.") << false;
    QTest::newRow("sentence with trailing zeros")
        << QStringLiteral("\u0634\u0627\u0629 856.250.") << true;
    QTest::newRow("sentence with words for the number")
        << QStringLiteral("\u0634\u0627\u0629 \u0635\u0641\u0631.") << true;
    QTest::newRow("sentence with inf") << QStringLiteral("\u0634\u0627\u0629 inf.") << true;
    QTest::newRow("plain figure: an isolated negative") << QStringLiteral("\u2066-4000.5\u2069") << false;
    QTest::newRow("plain figure: no exponent form") << "2500074999500000000" << false;
    QTest::newRow("plain figure: three decimals") << "114.188" << true;
    QTest::newRow("plain figure: a bare negative") << "-4000" << true;
}

void RandomInputTest::checkerRefusesWhatNoWindowMayShow()
{
    QFETCH(QString, text);
    QFETCH(bool, refused);
    const QSet<QString> allowed = {QStringLiteral("...."), QStringLiteral("\u0634\u0627\u0629"), QString()};
    const QStringList sentences = {QStringLiteral("\u0634\u0627\u0629 %1.")};
    const bool plain = QByteArray(QTest::currentDataTag()).startsWith("plain figure");
    QCOMPARE(!textFault(text, allowed, sentences, plain).isEmpty(), refused);
}

void RandomInputTest::open(const WindowPlan &plan, Window &window)
{
    CommandButton *buttons[] = {m_menu->livestockButton, m_menu->goldButton, m_menu->silverButton,
                                m_menu->cashButton, m_menu->produceButton, nullptr /* Exit */,
                                m_menu->wealthButton, m_menu->fitrButton, m_menu->recordsButton};
    press(buttons[plan.menuButton - 1]);
    const QList<QWidget *> opened = openWindows(plan.name);
    window = Window();
    m_userText.clear();
    if (opened.size() != 1)
        return;
    window.widget = opened.first();
    // The user acts on the window that came to the front.
    if (!QTest::qWaitForWindowActive(window.widget))
        qWarning("%s did not become the active window", qPrintable(plan.name));
    for (EntryField *field : window.widget->findChildren<EntryField *>()) {
        window.fields << field;
        connect(field, &QLineEdit::textEdited, this,
                [this, field](const QString &text) { m_userText.insert(field, text); });
    }
    for (QAbstractButton *button : window.widget->findChildren<QAbstractButton *>())
        if (button->text() != kExit) // ends the whole run
            window.buttons << button;
    window.labels = window.widget->findChildren<QLabel *>();
}

QString RandomInputTest::fault(QWidget *window, const QSet<QString> &allowed,
                               const QStringList &sentences, bool plainFigures) const
{
    auto described = [](const QWidget *control, const QString &text, const QString &why) {
        return QStringLiteral("%1 of %2 shows \"%3\": %4")
            .arg(control->objectName(), control->window()->objectName(), text.left(200), why);
    };
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        const QString why = textFault(label->text(), allowed, sentences, plainFigures);
        if (!why.isEmpty())
            return described(label, label->text(), why);
    }
    for (const QLineEdit *field : window->findChildren<QLineEdit *>()) {
        const auto typed = m_userText.constFind(field);
        if (typed != m_userText.constEnd() && *typed == field->text())
            continue;
        const QString why = textFault(field->text(), allowed);
        if (!why.isEmpty())
            return described(field, field->text(), why);
    }
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (!allowed.contains(button->text()))
            return described(button, button->text(), QStringLiteral("not its design caption"));
    return QString();
}

void RandomInputTest::typeStep(Window &window, EntryMaker &entries)
{
    QList<EntryField *> usable;
    for (const QPointer<EntryField> &field : window.fields)
        if (field && field->isEnabled() && field->isVisible())
            usable << field;
    if (usable.isEmpty())
        return;
    QPointer<EntryField> field = usable.at(std::uniform_int_distribution<int>(0, int(usable.size()) - 1)(m_random));
    const bool byProgram = std::uniform_int_distribution<int>(0, 19)(m_random) == 0;
    const QString entry = byProgram ? entries.written() : entries.typed();
    m_lastAction = QStringLiteral("%1 \"%2\" into %3")
                       .arg(byProgram ? QStringLiteral("wrote") : QStringLiteral("typed"),
                            entry.left(80), field->objectName());
    if (byProgram) {
        m_userText.insert(field, entry);
        field->write(entry);
        return;
    }
    QTest::mouseClick(field, Qt::LeftButton);
    if (!field)
        return;
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier); // select all
    if (entry.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        typeText(field, entry);
    if (field && std::uniform_int_distribution<int>(0, 7)(m_random) == 0) {
        m_lastAction += QStringLiteral(", then Enter");
        QTest::keyClick(field, Qt::Key_Return);
    }
}

bool RandomInputTest::chooseStep(Window &window)
{
    const QList<QComboBox *> choices = window.widget->findChildren<QComboBox *>();
    if (choices.isEmpty() || std::uniform_int_distribution<int>(0, 5)(m_random) != 0)
        return false;
    QComboBox *choice =
        choices.at(std::uniform_int_distribution<int>(0, int(choices.size()) - 1)(m_random));
    const bool down = std::uniform_int_distribution<int>(0, 1)(m_random) == 0;
    m_lastAction = QStringLiteral("chose %1 in %2").arg(down ? "down" : "up", choice->objectName());
    choice->setFocus(Qt::TabFocusReason);
    QTest::keyClick(choice, down ? Qt::Key_Down : Qt::Key_Up);
    return true;
}

bool RandomInputTest::pressStep(Window &window)
{
    QList<QAbstractButton *> usable;
    for (const QPointer<QAbstractButton> &button : window.buttons)
        if (button && button->isEnabled() && button->isVisible())
            usable << button;
    if (usable.isEmpty())
        return false;
    QAbstractButton *button = nullptr;
    // Back is pressed now and then, so that a window also lives long enough
    // to pile up the results of many presses.
    do
        button = usable.at(std::uniform_int_distribution<int>(0, int(usable.size()) - 1)(m_random));
    while (button->text() == kBack && std::uniform_int_distribution<int>(0, 9)(m_random) != 0);
    m_lastAction = QStringLiteral("pressed %1 \"%2\"").arg(button->objectName(), button->text());
    const bool back = button->text() == kBack;
    QTest::mouseClick(button, Qt::LeftButton);
    return back;
}

void RandomInputTest::everyWindowSurvivesRandomEntriesAndPresses()
{
    const std::uint32_t seed = environmentSeed();
    const long stepsPerWindow = environmentCount("ZAKAT_RANDOM_STEPS", kDefaultSteps);
    m_random.seed(seed);
    EntryMaker entries(m_random);
    const QSet<QString> livestockTexts = scheduleTexts();
    QSet<Warning> boxesSeen;
    long steps = 0;
    int windows = 0;
    int reopenings = 0;
    int backsHeldByAWarning = 0;

    for (const WindowPlan &plan : windowPlans()) {
        Window window;
        open(plan, window);
        QVERIFY2(window.widget, qPrintable(plan.name));
        ++windows;
        // What the window may show: its design texts, the texts its handlers
        // write, and numbers.
        QSet<QString> allowed = {QString(), QStringLiteral(" ")};
        for (const QLabel *label : window.labels)
            allowed << label->text();
        for (const QPointer<EntryField> &field : window.fields)
            allowed << field->text() << EntryField::limitNoteText(field->maxTypedLength());
        allowed << EntryField::kSeparatorNote << kCopiedText; // the passing notes
        for (const QAbstractButton *button : window.widget->findChildren<QAbstractButton *>())
            allowed << button->text();
        for (const QString &text : plan.writtenTexts)
            allowed << text;
        if (plan.name == QLatin1String("frmzakat1"))
            allowed.unite(livestockTexts);

        for (long step = 0; step < stepsPerWindow; ++step, ++steps) {
            const bool typing = std::uniform_int_distribution<int>(0, 1)(m_random) == 0;
            bool pressedBack = false;
            if (typing)
                typeStep(window, entries);
            else if (!chooseStep(window))
                pressedBack = pressStep(window);
            QCoreApplication::processEvents(); // as between two actions of the user
            const QString where = QStringLiteral("seed %1, %2 step %3 (%4)")
                                      .arg(seed).arg(plan.name).arg(step).arg(m_lastAction);

            const QList<SeenBox> boxes = m_boxes->take();
            for (const SeenBox &box : boxes) {
                const Warning warning(box.text, box.title);
                const bool asked = box.question ? box == questionBox(box.text, box.title)
                                                : box == warningBox(box.text, box.title);
                const bool recordQuestion = plan.freeText && box.question
                    && box.title == QStringLiteral("سجل الزكاة");
                QVERIFY2((plan.warnings.contains(warning) && asked) || recordQuestion,
                         qPrintable(QStringLiteral("%1: unexpected %2")
                                        .arg(where, QString::fromUtf8(QScopedArrayPointer<char>(toString(box)).data()))));
                boxesSeen.insert(warning);
            }
            QVERIFY2(m_menu->isVisible(), qPrintable(where));
            if (pressedBack && !openWindows(plan.name).isEmpty()) {
                // Only a warning that takes the focus back (the milliards
                // field left above 80) keeps the click from reaching Back.
                QVERIFY2(!boxes.isEmpty(), qPrintable(where + QStringLiteral(": Back left the window open")));
                ++backsHeldByAWarning;
            } else if (pressedBack) {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                open(plan, window);
                QVERIFY2(window.widget, qPrintable(where));
                ++reopenings;
            }
            QVERIFY2(window.widget && window.widget->isVisible(), qPrintable(where));
            QString wrong;
            for (const QLabel *label : window.widget->findChildren<QLabel *>())
                if (plan.freeText && wrong.isEmpty())
                    wrong = junkIn(label->text());
            if (!plan.freeText)
                wrong = fault(window.widget, allowed, plan.sentences, plan.plainFigures);
            QVERIFY2(wrong.isEmpty(), qPrintable(where + QStringLiteral(": ") + wrong));
            if (step % 1000 == 0) {
                const QString menuWrong = fault(m_menu, m_menuTexts);
                QVERIFY2(menuWrong.isEmpty(), qPrintable(where + QStringLiteral(": ") + menuWrong));
            }
        }
        for (const Warning &warning : plan.warnings)
            if (!boxesSeen.contains(warning))
                std::printf("random input: %s never warned \"%s\"\n", qPrintable(plan.name),
                            warning.first.toUtf8().constData());
        // Back closes the window before the next one opens (a second press
        // when a warning held the first).
        for (int attempt = 0; attempt < 2 && !openWindows(plan.name).isEmpty(); ++attempt)
            for (const QPointer<QAbstractButton> &button : window.buttons)
                if (button && button->text() == kBack) {
                    press(button);
                    QCoreApplication::processEvents();
                    break;
                }
        m_boxes->take();
        QVERIFY2(openWindows(plan.name).isEmpty(), qPrintable(plan.name));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::printf("random input: seed %u, %ld steps, %d windows (%d reopened after Back, "
                "%d times Back held by a warning), %lld distinct message boxes\n",
                seed, steps, windows, reopenings, backsHeldByAWarning,
                static_cast<long long>(boxesSeen.size()));
    std::fflush(stdout);
}

ZAKAT_GUI_TEST_MAIN(RandomInputTest)
#include "test_random_input.moc"
