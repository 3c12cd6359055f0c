// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/wealthwindow.h"

#include "core/dates.h"
#include "core/numbers.h"
#include "money/zakatconstants.h"
#include "records/hawl.h"
#include "records/recordbook.h"
#include "ui/accessible.h"
#include "ui/announcer.h"
#include "ui/calculator.h"
#include "ui/desktopactions.h"
#include "ui/look.h"
#include "ui/shapes.h"
#include "ui/window.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>

namespace {

const QString kCaption = QStringLiteral("زكاة المال مجتمعًا");
const QString kResultsHeading = QStringLiteral("النتيجة");
const QString kResultPlaceholder = QStringLiteral(".....");
const QString kVerdictPlaceholder = QStringLiteral(". . . . . . . . . . . . . . . .");
const QString kVerdictName = QStringLiteral("الحكم: ");
const QString kNisabCaption = QStringLiteral("نصاب %1 (%2 جرامًا)");
const QString kDueCaption = QStringLiteral("الزكاة الواجبة");
const QString kUnsplit =
    QStringLiteral("الزكاة أكبر من أن تُقسَّم إلى ملايين وآلاف، فهي مكتوبة كاملة");
const QString kConditions = QStringLiteral(
    "تجب الزكاة إذا بلغ المال النصاب وحال عليه حول قمري، ومقدارها ربع العشر 2.5 %، "
    "والشرح كاملًا بالمفتاح F1");
const QString kJewelleryCounted = QStringLiteral("أُزكّي الحليّ المستعمل");
const QString kBasisCaption = QStringLiteral("النصاب الذي تتبعه");
const QString kPercentCaption = QStringLiteral("النسبة التي تُزكّى منها %");
const QString kInitialPercent = QStringLiteral("25");
const BreakdownNames kNames{QStringLiteral("مليون"), QStringLiteral("ألف"),
                           QStringLiteral("ريال أو جنيه"), QStringLiteral("هللة أو قرش")};

const QString kTitle = QStringLiteral("تنبيه");
const QString kNotAnAmount =
    QStringLiteral("اكتب في خانة «%1» عددًا لا يقل عن صفر، أو اتركها فارغة");
const QString kTooLarge =
    QStringLiteral("العدد في خانة «%1» أكبر مما يحسبه البرنامج: أكبر عدد تقبله %2");
const QString kPercentOutOfRange = QStringLiteral("اكتب في خانة «%1» عددًا من 0 إلى 100");
const QString kGoldPriceMissing = QStringLiteral(
    "ثمن جرام الذهب ناقص: اكتب «ثمن جرام الذهب عيار 24» لتُحسب قيمة الذهب الذي كتبته");
const QString kSilverPriceMissing = QStringLiteral(
    "ثمن جرام الفضة ناقص: اكتب «ثمن جرام الفضة الخالصة» لتُحسب قيمة الفضة التي كتبتها");
const QString kNoPrice = QStringLiteral(
    "لا يُعرف النصاب بلا ثمن: اكتب ثمن جرام الذهب أو ثمن جرام الفضة أو كليهما");
const QString kChosenGoldPriceMissing = QStringLiteral(
    "ثمن جرام الذهب ناقص: اكتب «ثمن جرام الذهب عيار 24» ليُعرف نصاب الذهب الذي تتبعه");
const QString kChosenSilverPriceMissing = QStringLiteral(
    "ثمن جرام الفضة ناقص: اكتب «ثمن جرام الفضة الخالصة» ليُعرف نصاب الفضة الذي تتبعه");

// What the summary adds about the views and what was left out.
const QString kBasisLine = QStringLiteral("النصاب المتّبع: %1");
const QString kJewelleryView = QStringLiteral("الحليّ المستعمل: %1");
const QString kJewelleryCountedView = QStringLiteral("يُزكّى");
const QString kJewelleryLeftView = QStringLiteral("لا يُزكّى");
const QString kInvestmentCounted = QStringLiteral("يُزكّى من أسهم الاقتناء %1 %: %2");
const QString kDoubtfulLeftOut = QStringLiteral(
    "لم تُحسب الديون التي لا يُرجى سدادها (%1)، وتُزكّى سنة واحدة إذا قُبضت");
const QString kJewelleryLeftOut = QStringLiteral(
    "لم يُحسب الحليّ المستعمل (%1 جرام ذهبًا خالصًا و%2 جرام فضة خالصة)، لأنك اخترت ألا تُزكّيه");

// Saving into the household's record.
const QString kMemberCaption = QStringLiteral("لمن هذا المال");
const QString kSaveRecord = QStringLiteral("احفظ في السجل");
const QString kSaved = QStringLiteral("حُفظ الحساب في سجل %1 لعام %2 هـ");
const QString kNotSaved = QStringLiteral("لم يُحفظ الحساب: %1");
const QString kNothingSavedYet = QStringLiteral("لم يُحفظ هذا الحساب في السجل");
const QString kNoMemberName = QStringLiteral("اكتب اسم من هذا ماله");
const QString kBusy = QStringLiteral(
    "نسخة أخرى من البرنامج تحفظ في السجل الآن، فأعد المحاولة بعد قليل");
const QString kReplaceTitle = QStringLiteral("سجل الزكاة");
const QString kReplaceQuestion = QStringLiteral(
    "في سجل %1 حساب لعام %2 هـ. أتريد أن تضع هذا الحساب مكانه؟ تبقى الدفعات المسجلة له.");
// How the views are kept in a record: by what they are, not by their words.
const QString kBasisKey = QStringLiteral("nisabBasis");
const QString kJewelleryKey = QStringLiteral("jewelleryCounted");
const QString kVerdictKey = QStringLiteral("verdict");
const QStringList kBasisValues = {QStringLiteral("lower"), QStringLiteral("gold"),
                                  QStringLiteral("silver")};

// A figure as kept in a record: its digits, without the marks that keep a
// sign with them on screen.
QString storedText(QString shown)
{
    for (const char16_t mark : {u'\u2066', u'\u2069'})
        shown.remove(QChar(mark));
    return shown;
}

// Typed characters of each field.
constexpr int kAmountMaxLength = 15;
constexpr int kGramsMaxLength = 10;
constexpr int kPriceMaxLength = 10;
constexpr int kPercentMaxLength = 6;
constexpr int kHundredthsMaxLength = 2;

// The window's grid, in twips: three columns side by side, right to left.
// Each column of entries is a caption and a field to a row.
constexpr int kRowStep = 450;
constexpr int kRowHeight = 405;
constexpr int kRightColumn = 13080;  // money, shares and savings, debts, the nisab
constexpr int kMiddleColumn = 6360;  // gold, silver, worn jewellery
constexpr int kResultsColumn = 240;
constexpr int kColumnWidth = 6600;
constexpr int kResultsWidth = 6000;
constexpr int kFieldInset = 120;
constexpr int kFieldWidth = 2250;
constexpr int kCaptionInset = kFieldInset + kFieldWidth + 60;
constexpr int kCaptionWidth = 4050;
constexpr int kFirstGroupTop = 780;
constexpr int kGroupGap = 90;

} // namespace

WealthWindow::WealthWindow() : DesignWindow(kDesignTwips)
{
    const DesignScale &at = scale();
    setUpWindow(this, QStringLiteral("frmzakat6"), kCaption, at.size(kDesignTwips),
                Colour::DarkTeal, true);

    const QFont titleFont = at.font(Face::Arial, 13.5, Bold);
    const QFont captionFont = at.font(Face::Arial, 12, Bold);
    const QFont fieldFont = at.font(Face::SimplifiedArabic, 13.5, Bold);
    const QFont resultFont = at.font(Face::SimplifiedArabic, 15.75, Bold);
    const QFont boxNameFont = at.font(Face::SimplifiedArabic, 12, Bold);
    auto label = [&](const QString &name, const QString &text, const QRect &bounds,
                     const QFont &font, const QColor &colour = Colour::White,
                     Qt::Alignment alignment = Align::Right) {
        return new DesignLabel(this, name, text, bounds, font, colour, alignment);
    };

    // A group of entries in a frame, its title on top; rows follow it. The
    // frames are made first, so that they lie beneath the labels.
    struct Group {
        QString name;
        QString title;
        int column;
        int rows; // the title's included
    };
    const Group groups[] = {
        {QStringLiteral("money"), QStringLiteral("النقد والديون التي لك"), kRightColumn, 5},
        {QStringLiteral("shares"), QStringLiteral("الأسهم والمدخرات"), kRightColumn, 7},
        {QStringLiteral("debts"), QStringLiteral("الديون التي عليك"), kRightColumn, 2},
        {QStringLiteral("basis"), QStringLiteral("النصاب"), kRightColumn, 2},
        {QStringLiteral("gold"), QStringLiteral("الذهب"), kMiddleColumn, 6},
        {QStringLiteral("silver"), QStringLiteral("الفضة"), kMiddleColumn, 4},
        {QStringLiteral("jewellery"), QStringLiteral("الحليّ المستعمل"), kMiddleColumn, 7},
    };
    QHash<QString, int> groupTop;
    QHash<QString, int> groupColumn;
    QHash<int, int> columnTop = {{kRightColumn, kFirstGroupTop}, {kMiddleColumn, kFirstGroupTop}};
    for (const Group &group : groups) {
        const int top = columnTop.value(group.column);
        const int height = 60 + group.rows * kRowStep + 30;
        new OutlineShape(this, group.name + QStringLiteral("Frame"),
                         at.rect(group.column, top, kColumnWidth, height), Colour::White);
        groupTop.insert(group.name, top);
        groupColumn.insert(group.name, group.column);
        columnTop[group.column] = top + height + kGroupGap;
    }
    new OutlineShape(this, QStringLiteral("resultsFrame"),
                     at.rect(kResultsColumn, kFirstGroupTop, kResultsWidth, 3690), Colour::White);
    new OutlineShape(this, QStringLiteral("verdictFrame"),
                     at.rect(kResultsColumn, 4560, kResultsWidth, 1380), Colour::White);
    new OutlineShape(this, QStringLiteral("dueFrame"),
                     at.rect(kResultsColumn, 6030, kResultsWidth, 540), Colour::White);
    breakdownFrame = new OutlineShape(this, QStringLiteral("breakdownFrame"),
                                      at.rect(kResultsColumn, 6660, kResultsWidth, 930),
                                      Colour::White);
    new LineShape(this, QStringLiteral("resultsLine"), at.point(3180, kFirstGroupTop + 510),
                  at.point(3180, kFirstGroupTop + 3690), Colour::White);

    label(QStringLiteral("heading"), kCaption, at.rect(kMiddleColumn, 120, 13320, 600),
          at.font(Face::Arial, 18, Underlined), Colour::White, Align::Centre);
    label(QStringLiteral("resultsHeading"), kResultsHeading,
          at.rect(kResultsColumn, kFirstGroupTop + 60, kResultsWidth, kRowHeight), titleFont,
          Colour::LightGreen, Align::Centre);
    for (const Group &group : groups)
        label(group.name + QStringLiteral("Heading"), group.title,
              at.rect(group.column, groupTop.value(group.name) + 60, kColumnWidth, kRowHeight),
              titleFont, Colour::LightGreen, Align::Centre);

    // The entries, one to a row (two for a long caption): caption on the
    // right, field on its left.
    auto entry = [&](const char *name, const QString &caption, const QString &group, int row,
                     int maxLength, WealthEntry member, int lines = 1) {
        const QString fieldName = QString::fromLatin1(name);
        const int column = groupColumn.value(group);
        const int top = groupTop.value(group) + 60 + row * kRowStep;
        label(fieldName + QStringLiteral("Caption"), caption,
              at.rect(column + kCaptionInset, top, kCaptionWidth,
                      kRowHeight + (lines - 1) * kRowStep),
              captionFont);
        auto *field = new EntryField(this, fieldName, QString(),
                                     at.rect(column + kFieldInset, top + (lines - 1) * kRowStep / 2,
                                             kFieldWidth, kRowHeight),
                                     fieldFont, Qt::AlignHCenter, maxLength);
        field->setAccessibleName(ui::spokenName(caption));
        m_entries.append({field, caption, member});
        return field;
    };
    entry("cash", QStringLiteral("النقد في اليد وفي الحسابات"), QStringLiteral("money"), 1,
          kAmountMaxLength, &WealthEntries::cash);
    entry("tradeGoods", QStringLiteral("عروض التجارة بسعر بيعها اليوم"), QStringLiteral("money"),
          2, kAmountMaxLength, &WealthEntries::tradeGoods);
    entry("receivables", QStringLiteral("ديون لك يُرجى سدادها"), QStringLiteral("money"), 3,
          kAmountMaxLength, &WealthEntries::receivables);
    entry("doubtfulReceivables", QStringLiteral("ديون لك لا يُرجى سدادها"),
          QStringLiteral("money"), 4, kAmountMaxLength, &WealthEntries::doubtfulReceivables);
    entry("tradingShares", QStringLiteral("أسهم للمتاجرة بقيمتها السوقية"),
          QStringLiteral("shares"), 1, kAmountMaxLength, &WealthEntries::tradingShares);
    entry("investmentShares", QStringLiteral("أسهم للاقتناء بقيمتها السوقية"),
          QStringLiteral("shares"), 2, kAmountMaxLength, &WealthEntries::investmentShares);
    entry("investmentSharesPercent", kPercentCaption, QStringLiteral("shares"), 3,
          kPercentMaxLength, &WealthEntries::investmentSharesPercent)
        ->write(kInitialPercent);
    entry("pension", QStringLiteral("ما يمكنك سحبه اليوم من مدخرات التقاعد بعد الغرامة والضريبة"),
          QStringLiteral("shares"), 4, kAmountMaxLength, &WealthEntries::pension, 2);
    entry("crypto", QStringLiteral("عملات رقمية بقيمتها اليوم"), QStringLiteral("shares"), 6,
          kAmountMaxLength, &WealthEntries::crypto);
    entry("debts", QStringLiteral("ديون عليك حالّة أو تحلّ خلال سنة"), QStringLiteral("debts"), 1,
          kAmountMaxLength, &WealthEntries::debts);
    entry("gold24", QStringLiteral("ذهب عيار 24 بالجرام"), QStringLiteral("gold"), 1,
          kGramsMaxLength, &WealthEntries::gold24);
    entry("gold22", QStringLiteral("ذهب عيار 22 بالجرام"), QStringLiteral("gold"), 2,
          kGramsMaxLength, &WealthEntries::gold22);
    entry("gold21", QStringLiteral("ذهب عيار 21 بالجرام"), QStringLiteral("gold"), 3,
          kGramsMaxLength, &WealthEntries::gold21);
    entry("gold18", QStringLiteral("ذهب عيار 18 بالجرام"), QStringLiteral("gold"), 4,
          kGramsMaxLength, &WealthEntries::gold18);
    entry("goldPrice", QStringLiteral("ثمن جرام الذهب عيار 24"), QStringLiteral("gold"), 5,
          kPriceMaxLength, &WealthEntries::goldPrice);
    entry("silverPure", QStringLiteral("فضة خالصة بالجرام"), QStringLiteral("silver"), 1,
          kGramsMaxLength, &WealthEntries::silverPure);
    entry("silver925", QStringLiteral("فضة عيار 925 بالجرام"), QStringLiteral("silver"), 2,
          kGramsMaxLength, &WealthEntries::silver925);
    entry("silverPrice", QStringLiteral("ثمن جرام الفضة الخالصة"), QStringLiteral("silver"), 3,
          kPriceMaxLength, &WealthEntries::silverPrice);
    entry("jewellery24", QStringLiteral("حليّ ذهب عيار 24 بالجرام"), QStringLiteral("jewellery"),
          1, kGramsMaxLength, &WealthEntries::jewellery24);
    entry("jewellery22", QStringLiteral("حليّ ذهب عيار 22 بالجرام"), QStringLiteral("jewellery"),
          2, kGramsMaxLength, &WealthEntries::jewellery22);
    entry("jewellery21", QStringLiteral("حليّ ذهب عيار 21 بالجرام"), QStringLiteral("jewellery"),
          3, kGramsMaxLength, &WealthEntries::jewellery21);
    entry("jewellery18", QStringLiteral("حليّ ذهب عيار 18 بالجرام"), QStringLiteral("jewellery"),
          4, kGramsMaxLength, &WealthEntries::jewellery18);
    entry("jewellerySilver925", QStringLiteral("حليّ فضة عيار 925 بالجرام"),
          QStringLiteral("jewellery"), 5, kGramsMaxLength, &WealthEntries::jewellerySilver925);

    jewelleryCounted = new QCheckBox(kJewelleryCounted, this);
    placeControl(jewelleryCounted, QStringLiteral("jewelleryCounted"),
                 at.rect(kMiddleColumn + kFieldInset, groupTop.value(QStringLiteral("jewellery"))
                                                          + 60 + 6 * kRowStep,
                         kColumnWidth - 2 * kFieldInset, kRowHeight),
                 captionFont);
    jewelleryCounted->setChecked(true);
    // As wide as its box and words, at the right of its row: a click beside
    // them is no click on it.
    QRect checkBounds = jewelleryCounted->geometry();
    checkBounds.setLeft(checkBounds.right() - jewelleryCounted->sizeHint().width());
    jewelleryCounted->setGeometry(checkBounds);
    QPalette checkColours = jewelleryCounted->palette();
    checkColours.setColor(QPalette::WindowText, Colour::White);
    jewelleryCounted->setPalette(checkColours);
    jewelleryCounted->setAccessibleName(kJewelleryCounted);

    const int basisTop = groupTop.value(QStringLiteral("basis")) + 60 + kRowStep;
    DesignLabel *basisCaption =
        label(QStringLiteral("nisabBasisCaption"), kBasisCaption,
              at.rect(kRightColumn + kCaptionInset, basisTop, kCaptionWidth, kRowHeight),
              captionFont);
    nisabBasis = new QComboBox(this);
    placeControl(nisabBasis, QStringLiteral("nisabBasis"),
                 at.rect(kRightColumn + kFieldInset, basisTop, kFieldWidth, kRowHeight),
                 captionFont);
    for (NisabBasis basis : {NisabBasis::Lower, NisabBasis::Gold, NisabBasis::Silver})
        nisabBasis->addItem(basisName(basis), int(basis));
    nisabBasis->setAccessibleName(kBasisCaption);
    nisabBasis->view()->setAccessibleName(kBasisCaption); // the list it opens
    basisCaption->setBuddy(nisabBasis); // a screen reader says the caption with the choice

    computeButton = new CommandButton(this, QStringLiteral("compute"), kComputeText,
                                      at.rect(kRightColumn, 8700, kColumnWidth, 450),
                                      at.font(Face::Arial, 14.25, Bold), Colour::Aqua);

    // The results, one to a row: caption on the right, value on its left.
    int resultTop = kFirstGroupTop + 60 + kRowStep;
    auto result = [&](const char *name, const QString &caption,
                      QString (*text)(const WealthZakat &), bool metal) {
        const QString valueName = QString::fromLatin1(name);
        label(valueName + QStringLiteral("Caption"), caption,
              at.rect(3240, resultTop, 2880, kRowHeight), captionFont);
        auto *value = label(valueName, kResultPlaceholder, at.rect(360, resultTop, 2760, kRowHeight),
                            resultFont, Colour::Yellow, Align::Centre);
        m_results.append(Result{value, caption, text, metal});
        resultTop += kRowStep;
    };
    result("pureGold", QStringLiteral("الذهب الخالص بالجرام"),
           [](const WealthZakat &z) { return wealthFigure(z.pureGold); }, true);
    result("goldValue", QStringLiteral("قيمة الذهب"),
           [](const WealthZakat &z) { return wealthFigure(z.goldValue); }, true);
    result("pureSilver", QStringLiteral("الفضة الخالصة بالجرام"),
           [](const WealthZakat &z) { return wealthFigure(z.pureSilver); }, true);
    result("silverValue", QStringLiteral("قيمة الفضة"),
           [](const WealthZakat &z) { return wealthFigure(z.silverValue); }, true);
    result("netWealth", QStringLiteral("صافي المال بعد الديون"),
           [](const WealthZakat &z) { return wealthFigure(z.netWealth); }, false);
    result("goldNisab",
           kNisabCaption.arg(QStringLiteral("الذهب"), numberText(Zakat::kGoldNisabGrams)),
           [](const WealthZakat &z) { return nisabText(z.goldNisab); }, false);
    result("silverNisab",
           kNisabCaption.arg(QStringLiteral("الفضة"), numberText(Zakat::kSilverNisabGrams)),
           [](const WealthZakat &z) { return nisabText(z.silverNisab); }, false);
    verdict = label(QStringLiteral("verdict"), kVerdictPlaceholder, at.rect(360, 4620, 5760, 1260),
                    at.font(Face::TraditionalArabic, 14.25, Bold), Colour::LightGreen);
    label(QStringLiteral("dueCaption"), kDueCaption, at.rect(3240, 6075, 2880, 450),
          at.font(Face::Arial, 14.25, Bold));
    due = label(QStringLiteral("due"), kResultPlaceholder, at.rect(360, 6045, 2760, 510),
                at.font(Face::SimplifiedArabic, 18, Bold), Colour::Yellow, Align::Centre);
    m_results.append(Result{due, kDueCaption,
                            [](const WealthZakat &z) { return wealthFigure(z.due); }, false});

    // The due split, in four boxes from millions on the right to hundredths.
    auto box = [&](const char *name, int left) {
        return label(QString::fromLatin1(name), QString(), at.rect(left, 6720, 1380, 420),
                     resultFont, Colour::Yellow, Align::Centre);
    };
    auto boxName = [&](const char *name, const QString &text, int left) {
        auto *shown = label(QString::fromLatin1(name), text, at.rect(left, 7140, 1380, 390),
                            boxNameFont, Colour::White, Align::Centre);
        shown->hide();
        return shown;
    };
    breakdown.millions = box("millions", 4680);
    breakdown.thousands = box("thousands", 3240);
    breakdown.units = box("units", 1800);
    breakdown.hundredths = new EntryField(this, QStringLiteral("hundredths"), QString(),
                                          at.rect(360, 6720, 1380, 420), boxNameFont,
                                          Qt::AlignHCenter, kHundredthsMaxLength);
    makeHundredthsBox(breakdown.hundredths, Colour::DarkTeal);
    breakdown.millionName = boxName("millionName", kNames.million, 4680);
    breakdown.thousandName = boxName("thousandName", kNames.thousand, 3240);
    breakdown.unitName = boxName("unitName", kNames.unit, 1800);
    breakdown.hundredthName = boxName("hundredthName", kNames.hundredth, 360);
    breakdown.hundredths->setAccessibleName(kNames.hundredth);
    tieBoxesToNames(breakdown);
    unsplitNote = label(QStringLiteral("unsplitNote"), kUnsplit, at.rect(kResultsColumn, 6660,
                                                                          kResultsWidth, 450),
                        boxNameFont, Colour::LightGreen, Align::Centre);
    unsplitNote->hide();
    // Whose wealth it is, and the computation saved into the record.
    label(QStringLiteral("memberCaption"), kMemberCaption, at.rect(3240, 7710, 2880, kRowHeight),
          captionFont);
    member = new QComboBox(this);
    placeControl(member, QStringLiteral("member"), at.rect(360, 7710, 2760, kRowHeight),
                 captionFont);
    member->setEditable(true);
    member->setInsertPolicy(QComboBox::NoInsert); // a new name is added by saving
    member->setAccessibleName(kMemberCaption);
    member->lineEdit()->setAccessibleName(kMemberCaption);
    member->view()->setAccessibleName(kMemberCaption);
    saveRecordButton = new CommandButton(this, QStringLiteral("saveRecord"), kSaveRecord,
                                         at.rect(360, 8175, 5760, 420), captionFont,
                                         Colour::Aqua);
    saveNote = label(QStringLiteral("saveNote"), QString(), at.rect(240, 8610, 6000, 540),
                     boxNameFont, Colour::LightGreen, Align::Centre);
    label(QStringLiteral("conditions"), kConditions, at.rect(2460, 9270, 15120, 660),
          at.font(Face::TraditionalArabic, 13.5, Bold), Colour::LightGreen, Align::Centre);

    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("back"), at.rect(17745, 9240, 1935, 690),
                       QStringLiteral("exit"), at.rect(240, 9240, 2055, 690), Colour::Aqua);
    backButton = backAndExit.back;
    exitButton = backAndExit.exit;
    QList<DesignLabel *> selectable = {verdict, saveNote, breakdown.millions, breakdown.thousands,
                                       breakdown.units};
    for (const Result &shown : std::as_const(m_results))
        selectable << shown.value;
    addCalculatorActions(this, backAndExit, [this] { return summary(); }, selectable);

    computeButton->setHandler([this] { compute(); });
    saveRecordButton->setHandler([this] { saveToRecord(); });
    fillMembers();
    connect(&RecordBook::instance(), &RecordBook::changed, this, &WealthWindow::fillMembers);
    for (const Entry &shown : std::as_const(m_entries)) {
        shown.field->setSelectAllOnClick(true);
        shown.field->setChangeHandler([this] { entryChanged(); });
        shown.field->setEnterHandler([this] { compute(); });
    }
    connect(jewelleryCounted, &QCheckBox::toggled, this, [this] { entryChanged(); });
    connect(nisabBasis, &QComboBox::currentIndexChanged, this, [this] { entryChanged(); });
    entryChanged(); // the results' spoken names

    // Down the right column, then the middle one, then the choice of nisab.
    QStringList tabOrder;
    for (const Entry &shown : std::as_const(m_entries))
        tabOrder << shown.field->objectName();
    tabOrder.removeOne(QStringLiteral("debts"));
    tabOrder.insert(tabOrder.indexOf(QStringLiteral("gold24")), QStringLiteral("debts"));
    tabOrder << jewelleryCounted->objectName() << nisabBasis->objectName()
             << computeButton->objectName() << member->objectName()
             << saveRecordButton->objectName() << backButton->objectName()
             << exitButton->objectName();
    applyTabOrder(this, tabOrder);
}

EntryField *WealthWindow::field(WealthEntry entry) const
{
    return entryOf(entry).field;
}

bool WealthWindow::event(QEvent *event)
{
    // Back at the front, it reads the record again: another copy of the
    // program may have added or renamed a member.
    if (event->type() == QEvent::WindowActivate)
        RecordBook::instance().reload();
    return DesignWindow::event(event);
}

const WealthWindow::Entry &WealthWindow::entryOf(WealthEntry entry) const
{
    for (const Entry &shown : m_entries)
        if (shown.entry == entry)
            return shown;
    return m_entries.first();
}

QString WealthWindow::entryText(WealthEntry entry) const
{
    return trimBlanks(entryOf(entry).field->text());
}

WealthViews WealthWindow::views() const
{
    return {jewelleryCounted->isChecked(), NisabBasis(nisabBasis->currentData().toInt())};
}

void WealthWindow::showResult(const Result &result, const QString &text)
{
    result.value->setText(text);
    // A screen reader hears the number with what it is, and no dots.
    result.value->setAccessibleName(text == kResultPlaceholder
                                        ? kNoResultYet
                                        : ui::spokenName(result.caption) + QStringLiteral(": ")
                                            + ui::spokenName(text));
}

void WealthWindow::warn(const WealthZakat &zakat)
{
    const QString fieldCaption = readable(entryOf(zakat.entry).caption);
    switch (zakat.problem) {
    case WealthProblem::None:
        return;
    case WealthProblem::NotAnAmount:
        showWarning(this, kNotAnAmount.arg(fieldCaption), kTitle);
        break;
    case WealthProblem::TooLarge:
        showWarning(this, kTooLarge.arg(fieldCaption, numberText(Zakat::kLargestWealthEntry)),
                    kTitle);
        break;
    case WealthProblem::PercentOutOfRange:
        showWarning(this, kPercentOutOfRange.arg(fieldCaption), kTitle);
        break;
    case WealthProblem::GoldPriceMissing:
        showWarning(this, kGoldPriceMissing, kTitle);
        break;
    case WealthProblem::SilverPriceMissing:
        showWarning(this, kSilverPriceMissing, kTitle);
        break;
    case WealthProblem::NoPrice:
        showWarning(this, kNoPrice, kTitle);
        break;
    case WealthProblem::ChosenGoldPriceMissing:
        showWarning(this, kChosenGoldPriceMissing, kTitle);
        break;
    case WealthProblem::ChosenSilverPriceMissing:
        showWarning(this, kChosenSilverPriceMissing, kTitle);
        break;
    }
    entryOf(zakat.entry).field->focusAndSelectAll();
}

void WealthWindow::compute()
{
    entryChanged();
    WealthEntries entries;
    for (const Entry &shown : std::as_const(m_entries))
        entries.*shown.entry = shown.field->text();
    const WealthZakat zakat = wealthZakat(entries, views());
    if (zakat.problem != WealthProblem::None) {
        warn(zakat);
        return;
    }

    m_zakat = zakat;
    for (const Result &shown : std::as_const(m_results))
        showResult(shown, shown.text(zakat));
    const QString sentence = wealthSentence(zakat);
    verdict->setText(sentence);
    verdict->setAccessibleName(kVerdictName + ui::spokenName(sentence));
    if (zakat.dueSplit && zakat.due > 0)
        m_split = breakDownAmount(zakat.due);
    if (m_split)
        showBreakdown(breakdown, *m_split);
    breakdownFrame->setVisible(m_split.has_value());
    nameBreakdownBoxes();
    unsplitNote->setVisible(zakat.dueTooLargeToSplit);
    saveRecordButton->setEnabled(true);
    ui::announce(this, ui::spokenName(sentence)); // the verdict and the due, heard once
}

void WealthWindow::entryChanged()
{
    m_zakat.reset();
    m_split.reset();
    for (const Result &shown : std::as_const(m_results))
        showResult(shown, kResultPlaceholder);
    verdict->setText(kVerdictPlaceholder);
    verdict->setAccessibleName(kNoResultYet);
    clearBreakdown(breakdown);
    breakdownFrame->hide();
    unsplitNote->hide();
    nameBreakdownBoxes();
    saveRecordButton->setEnabled(false); // nothing on screen to save
    saveNote->clear();
    saveNote->setAccessibleName(kNothingSavedYet);
}

void WealthWindow::fillMembers()
{
    // The names as stored, the name being typed or chosen kept.
    const QString chosen = member->currentText();
    const QSignalBlocker quiet(member);
    member->clear();
    for (const Member &each : RecordBook::instance().state().household.members())
        member->addItem(each.name, each.id);
    const int at = member->findText(chosen);
    if (at >= 0)
        member->setCurrentIndex(at);
    else if (!chosen.isEmpty())
        member->setEditText(chosen);
}

Fields WealthWindow::typedEntries() const
{
    Fields entries;
    for (const Entry &shown : m_entries)
        entries.append({shown.field->objectName(), shown.field->text()});
    entries.append({kJewelleryKey, jewelleryCounted->isChecked() ? QStringLiteral("true")
                                                                 : QStringLiteral("false")});
    entries.append({kBasisKey, kBasisValues.value(nisabBasis->currentIndex())});
    return entries;
}

Fields WealthWindow::shownResults() const
{
    Fields results;
    for (const Result &shown : m_results)
        results.append({shown.value->objectName(), storedText(shown.text(*m_zakat))});
    results.append({kVerdictKey, storedText(wealthSentence(*m_zakat))});
    return results;
}

void WealthWindow::noteSaved(const QString &note)
{
    saveNote->setText(note);
    saveNote->setAccessibleName(note);
    ui::announce(this, note);
}

void WealthWindow::saveToRecord()
{
    if (!m_zakat)
        return;
    const QString name = member->currentText().simplified();
    if (name.isEmpty()) {
        noteSaved(kNotSaved.arg(kNoMemberName));
        member->setFocus(Qt::OtherFocusReason);
        return;
    }
    Record record;
    record.date = today();
    record.entries = typedEntries();
    record.results = shownResults();
    int year = 0;
    const auto attempt = [&](bool replace) {
        Change outcome = Change::Done;
        RecordBook::instance().change([&](Household &household) {
            int id = 0;
            for (const Member &each : household.members())
                if (each.name == name)
                    id = each.id;
            if (id == 0 && (outcome = household.addMember(name, &id)) != Change::Done)
                return false;
            Record saved = record;
            saved.hijriYear = year = zakatYear(saved.date, household.member(id)->hawl);
            outcome = household.saveRecord(id, saved, replace);
            return outcome == Change::Done;
        });
        return outcome;
    };
    Change outcome = attempt(false);
    if (outcome == Change::ReplacesRecord
        && askYesNo(this, kReplaceQuestion.arg(name, QString::number(year)), kReplaceTitle))
        outcome = attempt(true);
    const StoreState &stored = RecordBook::instance().state();
    if (outcome == Change::ReplacesRecord)
        return; // the user kept the record saved before
    if (stored.status == StoreStatus::Busy)
        noteSaved(kNotSaved.arg(kBusy));
    else if (stored.status != StoreStatus::Ok)
        noteSaved(kNotSaved.arg(storeMessage(stored.status, stored.path)));
    else if (outcome == Change::Done)
        noteSaved(kSaved.arg(name, QString::number(year)));
}

void WealthWindow::showRecord(const QString &memberName, const Fields &entries)
{
    for (const Entry &shown : std::as_const(m_entries)) {
        QString text = shown.entry == &WealthEntries::investmentSharesPercent ? kInitialPercent
                                                                             : QString();
        for (const auto &[key, value] : entries)
            if (key == shown.field->objectName())
                text = value;
        shown.field->write(text);
    }
    for (const auto &[key, value] : entries) {
        if (key == kJewelleryKey)
            jewelleryCounted->setChecked(value != QLatin1String("false"));
        else if (key == kBasisKey)
            nisabBasis->setCurrentIndex(std::max(0, int(kBasisValues.indexOf(value))));
    }
    const int at = member->findText(memberName);
    if (at >= 0)
        member->setCurrentIndex(at);
    else
        member->setEditText(memberName);
    computeButton->setFocus(Qt::OtherFocusReason);
}

void WealthWindow::nameBreakdownBoxes()
{
    // "ألف: 6": each box heard with its name, the name alone while it is empty.
    const BreakdownTexts texts = m_split ? breakdownTexts(*m_split) : BreakdownTexts();
    const std::pair<DesignLabel *, QString> boxes[] = {
        {breakdown.millions, texts.millions},
        {breakdown.thousands, texts.thousands},
        {breakdown.units, texts.units}};
    const QString names[] = {kNames.million, kNames.thousand, kNames.unit};
    for (int i = 0; i < 3; ++i)
        boxes[i].first->setAccessibleName(
            boxes[i].second.isEmpty() ? names[i] : names[i] + QStringLiteral(": ") + boxes[i].second);
}

ComputationSummary WealthWindow::summary() const
{
    ComputationSummary summary;
    summary.heading = readable(kCaption);
    for (const Entry &shown : m_entries) {
        const QString text = trimBlanks(shown.field->text());
        if (!text.isEmpty() && readNumber(text).value_or(1) != 0)
            summary.add(shown.caption, text);
    }
    const WealthViews chosen = views();
    summary.addLine(kBasisLine.arg(basisName(chosen.basis)));
    summary.addLine(kJewelleryView.arg(chosen.jewelleryCounted ? kJewelleryCountedView
                                                               : kJewelleryLeftView));
    if (!m_zakat)
        return summary; // nothing computed from these entries yet
    if (m_zakat->investmentCounted != 0)
        summary.addLine(kInvestmentCounted.arg(entryText(&WealthEntries::investmentSharesPercent),
                                               wealthFigure(m_zakat->investmentCounted)));
    // The metal without metal says nothing; the totals, the nisabs and the
    // due are listed whatever they are.
    for (const Result &shown : m_results) {
        if (!shown.metal || readNumber(shown.text(*m_zakat)).value_or(1) != 0)
            summary.add(shown.caption, shown.text(*m_zakat));
    }
    summary.addLine(wealthSentence(*m_zakat));
    if (m_zakat->dueTooLargeToSplit)
        summary.addLine(kUnsplit);
    else if (m_split)
        summary.addLine(breakdownLine(*m_split, kNames));
    // What was left out, and why.
    const QString doubtful = entryText(&WealthEntries::doubtfulReceivables);
    if (readNumber(doubtful).value_or(0) != 0)
        summary.addLine(kDoubtfulLeftOut.arg(doubtful));
    if (!m_zakat->views.jewelleryCounted
        && (m_zakat->jewelleryPureGold != 0 || m_zakat->jewelleryPureSilver != 0))
        summary.addLine(kJewelleryLeftOut.arg(wealthFigure(m_zakat->jewelleryPureGold),
                                              wealthFigure(m_zakat->jewelleryPureSilver)));
    return summary;
}
