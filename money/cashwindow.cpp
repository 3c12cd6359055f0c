// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/cashwindow.h"

#include "core/numbers.h"
#include "money/cashzakat.h"
#include "money/zakatconstants.h"
#include "ui/accessible.h"
#include "ui/announcer.h"
#include "ui/calculator.h"
#include "ui/desktopactions.h"
#include "ui/look.h"
#include "ui/shapes.h"
#include "ui/window.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QTimer>

namespace {

const QString kCaption = QStringLiteral("زكـاة المال وعروض التجارة");
const QString kZero = QStringLiteral("0");
const QString kTooSmall = QStringLiteral("....");
const QString kNoDue = QStringLiteral(" ");

const QString kPartsNotNumbers = QStringLiteral(" ادخل ارقام فقط ");
const QString kPartsTitle = QStringLiteral("خطأ ادخال ");
const QString kAmountNotNumber = QStringLiteral(" ادخل ارقام فقط");
const QString kAmountTooLarge = QStringLiteral(" الحد الاقصى المسموح به 80 مليار ");
const QString kMilliardsTooLarge = QStringLiteral("الحد الاقصى 80 مليار");
const QString kNoticeTitle = QStringLiteral(" تنبيه  ");

// The summary's own captions: the due's caption with the blank the window's
// lacks, the values the price panel shows without a caption, and what the
// nisab is shown for.
const QString kDueCaption = QStringLiteral("مقدار الزكاة الواجبة بنفس العملة");
const QString kGoldValueCaption = QStringLiteral("قيمة %1 جرام من الذهب");
const QString kSilverValueCaption = QStringLiteral("قيمة %1 درهم من الفضة");
const QString kNisabForJudgement =
    QStringLiteral("النصاب معروض لتقدير المستخدم، ولا يقارن «احسب» المبلغ به");

const QString kGoldPriceCaption = QStringLiteral("سعر جرام الذهب");
const QString kSilverPriceCaption = QStringLiteral("سعر درهم الفضة");
const QString kNisabCaption = QStringLiteral("النصاب هو  القيمة الأدنى من الذهب والفضة");
const QString kAmountCaption = QStringLiteral("المبلغ المراد  تزكيته");
const std::array<QString, 4> kPartNames = {QStringLiteral("مليار"), QStringLiteral("مليون"),
                                           QStringLiteral("ألف"), QStringLiteral("ربال او جنيه")};
const BreakdownNames kNames{QStringLiteral("مليون"), QStringLiteral("ألف"),
                           QStringLiteral("ريال أوجنيه"), QStringLiteral("هللة أو قرش")};

// Under the results, while the amount is below the nisab shown.
const QString kBelowNisab = QStringLiteral(
    "المبلغ دون النصاب: لا زكاة فيه وحده إلا إذا بلغ النصاب مع مال آخر، فانظر «زكاة المال مجتمعًا»");

// How a listener hears the due and the nisab.
const QString kDueSpoken = QStringLiteral("مقدار الزكاة الواجبة %1");
const QString kTooSmallSpoken = QStringLiteral("لا زكاة في مبلغ أقل من %1");
const QString kNisabSpoken = QStringLiteral("%1 %2، والنصاب %3");
// The due's breakdown, told apart from the amount's fields of the same names.
const QString kBreakdownCaption = QStringLiteral("الزكاة، %1");

// Typed characters of each field.
constexpr int kAmountMaxLength = 11;
constexpr int kMilliardsMaxLength = 2;
constexpr int kPartMaxLength = 3;
constexpr int kHundredthsMaxLength = 2;
constexpr int kPriceMaxLength = 6;

void setTextColour(QWidget *control, const QColor &colour)
{
    QPalette colours = control->palette();
    colours.setColor(QPalette::WindowText, colour);
    control->setPalette(colours);
}

// Drops the mouse press that is being delivered, and nothing after it.
class PressDropper : public QObject {
public:
    PressDropper() : QObject(qApp)
    {
        qApp->installEventFilter(this);
        QTimer::singleShot(0, this, [this] { delete this; }); // the press went elsewhere
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::MouseButtonPress
            && event->type() != QEvent::MouseButtonDblClick)
            return false;
        qApp->removeEventFilter(this);
        deleteLater();
        return true;
    }
};

// The milliards field checks its value when the user leaves it for another
// control of the window. Losing the keyboard to another window (the warning
// box itself, or the menu) is no leaving, so the warning cannot call itself
// up again. When the check takes the focus back, the click that tried to
// leave is dropped: the button clicked is not pressed.
class MilliardsField : public EntryField {
public:
    using EntryField::EntryField;
    std::function<void()> lostFocus;

protected:
    void focusOutEvent(QFocusEvent *event) override
    {
        EntryField::focusOutEvent(event);
        if (event->reason() == Qt::ActiveWindowFocusReason
            || event->reason() == Qt::PopupFocusReason || !lostFocus)
            return;
        // A result label clicked to select its text is none of the window's
        // controls: the field is left only for one of them.
        if (qobject_cast<QLabel *>(QApplication::focusWidget()))
            return;
        lostFocus();
        if (event->reason() == Qt::MouseFocusReason && window()->focusWidget() == this)
            new PressDropper;
    }
};

} // namespace

CashWindow::CashWindow() : DesignWindow(kCalculatorTwips)
{
    const DesignScale &at = scale();
    setUpWindow(this, QStringLiteral("frmzakat2"), kCaption, at.size(kCalculatorTwips),
                Colour::DarkOlive, true);

    // Decoration first, so that it lies beneath the labels.
    auto frame = [&](const QString &name, const QRect &bounds) {
        new OutlineShape(this, name, bounds, Colour::White);
    };
    frame(QStringLiteral("Shape1(5)"), at.rect(7680, 5520, 3375, 735));
    frame(QStringLiteral("Shape1(2)"), at.rect(4920, 4560, 2535, 735));
    frame(QStringLiteral("Shape1(0)"), at.rect(4920, 5280, 2535, 735));
    frame(QStringLiteral("Shape1(4)"), at.rect(4920, 6000, 2535, 735));
    frame(QStringLiteral("Shape1(3)"), at.rect(4920, 6720, 2535, 735));
    frame(QStringLiteral("Shape2"), at.rect(240, 240, 4335, 3855));
    frame(QStringLiteral("Shape1(8)"), at.rect(240, 4320, 4335, 735));
    frame(QStringLiteral("Shape1(1)"), at.rect(240, 5160, 4335, 735));
    frame(QStringLiteral("Shape1(6)"), at.rect(240, 5880, 4335, 735));
    frame(QStringLiteral("Shape1(7)"), at.rect(240, 6600, 4335, 735));
    new LineShape(this, QStringLiteral("Line1"), at.point(6120, 4560), at.point(6120, 7440),
                  Colour::White);

    const QFont captionFont = at.font(Face::Arial, 15.75, Bold | Italic);
    const QFont partFont = at.font(Face::SimplifiedArabic, 14.25, Bold);
    const QFont placeNameFont = at.font(Face::TraditionalArabic, 18, Bold);
    const QFont boxFont = at.font(Face::SimplifiedArabic, 18, Bold);
    const QFont boxNameFont = at.font(Face::SimplifiedArabic, 14.25, Bold);
    const QFont smallFont = at.font(Face::SimplifiedArabic, 12, Bold);
    const QFont conditionFont = at.font(Face::TimesNewRoman, 14.25, Bold);
    const QFont priceFont = at.font(Face::TraditionalArabic, 14.25, Bold);

    auto label = [&](const QString &name, const QString &text, const QRect &bounds,
                     const QFont &font, const QColor &colour = Colour::White,
                     Qt::Alignment alignment = Align::Centre) {
        return new DesignLabel(this, name, text, bounds, font, colour, alignment);
    };
    auto hidden = [](DesignLabel *control) {
        control->hide();
        return control;
    };
    auto field = [&](const QString &name, const QString &text, const QRect &bounds,
                     const QFont &font, int maxLength) {
        return new EntryField(this, name, text, bounds, font, Qt::AlignHCenter, maxLength);
    };
    auto button = [&](const QString &name, const QString &text, const QRect &bounds,
                      const QFont &font) {
        return new CommandButton(this, name, text, bounds, font, Colour::Olive);
    };
    auto option = [&](const QString &name, const QString &text, const QRect &bounds,
                      const QColor &colour) {
        return new OptionButton(this, name, text, bounds, at.font(Face::TimesNewRoman, 18, Bold),
                                colour, Colour::DarkOlive);
    };

    // The amount, as one number or over four fields.
    heading = label(QStringLiteral("lbla1(2)"), QStringLiteral("زكاة المال وعروض التجارة"),
                    at.rect(6240, 120, 4335, 615), at.font(Face::Arial, 18, Underlined));
    wayCaption = label(QStringLiteral("Label1(0)"),
                       QStringLiteral("اختر إحدى الطريقتين لكتابة المبلغ"),
                       at.rect(7080, 960, 4335, 495), captionFont);
    oneNumberOption = option(QStringLiteral("Option1"), QStringLiteral("الافقية"),
                             at.rect(9120, 1800, 1935, 495), Colour::Yellow);
    oneNumberOption->setChecked(true);
    fourFieldsOption = option(QStringLiteral("Option2"), QStringLiteral("الرأسية"),
                              at.rect(6960, 1800, 1935, 495), Colour::White);
    amountCaption = label(QStringLiteral("Label1(10)"), kAmountCaption,
                          at.rect(7800, 2280, 2895, 495), captionFont);
    amountField = field(QStringLiteral("Text3"), QStringLiteral("0000"),
                        at.rect(7680, 2880, 3375, 615),
                        at.font(Face::SimplifiedArabic, 15.75, Bold), kAmountMaxLength);
    auto *milliards = new MilliardsField(this, QStringLiteral("Text1"), QStringLiteral("00"),
                                         at.rect(6000, 1080, 855, 555), partFont,
                                         Qt::AlignHCenter, kMilliardsMaxLength);
    partFields[0] = milliards;
    partNames[0] = label(QStringLiteral("Label10"), kPartNames[0], at.rect(5160, 960, 705, 555),
                         placeNameFont, Colour::White, Align::Right);
    partFields[1] = field(QStringLiteral("Text2"), QStringLiteral("00"),
                          at.rect(6000, 1680, 855, 555), partFont, kPartMaxLength);
    partNames[1] = label(QStringLiteral("Label11"), kPartNames[1], at.rect(5160, 1680, 810, 555),
                         placeNameFont, Colour::White, Align::Right);
    partFields[2] = field(QStringLiteral("Text5"), QStringLiteral("00"),
                          at.rect(6000, 2280, 855, 555), partFont, kPartMaxLength);
    partNames[2] = label(QStringLiteral("Label12"), kPartNames[2], at.rect(5280, 2280, 630, 555),
                         placeNameFont, Colour::White, Align::Right);
    partFields[3] = field(QStringLiteral("Text6"), QStringLiteral("00"),
                          at.rect(6000, 2880, 855, 555), partFont, kPartMaxLength);
    partNames[3] = label(QStringLiteral("Label13"), kPartNames[3], at.rect(4950, 2880, 1005, 435),
                         priceFont, Colour::White, Align::Right);
    for (EntryField *part : partFields)
        part->setEnabled(false);

    // The due and its breakdown.
    computeButton = button(QStringLiteral("Command3"), kComputeText,
                           at.rect(7680, 4080, 3375, 495), at.font(Face::Arial, 12));
    emptyNote = label(QStringLiteral("lbl15"), QStringLiteral(". . . . . . . . . . . . . . . ."),
                      at.rect(7800, 3600, 3165, 480),
                      at.font(Face::TraditionalArabic, 15.75, Bold), Colour::LightGreen);
    dueCaption = label(QStringLiteral("Label1(7)"),
                       QStringLiteral("مقدار الزكاة الواجبةبنفس العملة"),
                       at.rect(7560, 4680, 3735, 615), captionFont);
    dueLabel = label(QStringLiteral("lbl3"), kNoDue, at.rect(7800, 5640, 3135, 600), boxFont,
                     Colour::Yellow);
    breakdown.millions = label(QStringLiteral("Label2"), kZero, at.rect(6240, 4680, 945, 480),
                               boxFont, Colour::Yellow);
    breakdown.millionName = hidden(label(QStringLiteral("Label6"), kNames.million,
                                         at.rect(5040, 4680, 1065, 585), boxNameFont,
                                         Colour::White, Align::Right));
    breakdown.thousands = label(QStringLiteral("Label3"), kZero, at.rect(6240, 5400, 945, 480),
                                boxFont, Colour::Yellow);
    breakdown.thousandName = hidden(label(QStringLiteral("Label8"), kNames.thousand,
                                          at.rect(5040, 5400, 1065, 480), boxNameFont,
                                          Colour::White, Align::Right));
    breakdown.units = label(QStringLiteral("Label4"), kZero, at.rect(6240, 6120, 945, 480),
                            boxFont, Colour::Yellow);
    breakdown.unitName = hidden(label(QStringLiteral("Label7"), kNames.unit,
                                      at.rect(4800, 6120, 1425, 480), smallFont, Colour::White,
                                      Align::Right));
    breakdown.hundredths = field(QStringLiteral("Text4"), kZero, at.rect(6240, 6840, 975, 495),
                                 smallFont, kHundredthsMaxLength);
    makeHundredthsBox(breakdown.hundredths, Colour::DarkOlive);
    breakdown.hundredthName = hidden(label(QStringLiteral("Label9"), kNames.hundredth,
                                           at.rect(4920, 6840, 1185, 480), smallFont,
                                           Colour::White, Align::Right));
    breakdownButton = button(QStringLiteral("Command4"), QStringLiteral("بالحروف"),
                             at.rect(7560, 7200, 855, 495), smallFont);
    breakdownButton->setEnabled(false);
    breakdownButton->hide();
    breakdown.fraction = hidden(label(QStringLiteral("Label5"), QStringLiteral("1"),
                                      at.rect(5160, 3720, 2505, 600), boxFont));
    breakdown.wholePart = hidden(label(QStringLiteral("Label1(14)"), QStringLiteral("2"),
                                       at.rect(7800, 6600, 3525, 555),
                                       at.font(Face::TraditionalArabic, 14.25, Bold | Italic)));

    // The conditions of zakat on trade goods.
    conditionsHeading = label(QStringLiteral("Label1(1)"), QStringLiteral("شروط عروض التجارة"),
                              at.rect(600, 360, 3375, 615), conditionFont, Colour::Yellow);
    auto condition = [&](int index, const QString &text, const QRect &bounds, const QFont &font,
                         const QColor &colour) {
        conditions[index - 2] = label(QStringLiteral("Label1(%1)").arg(index), text, bounds,
                                      font, colour, Align::Right);
    };
    condition(2, QStringLiteral("1- ان يكون قد نوى بها الربح والتكسب"),
              at.rect(480, 840, 3975, 615), conditionFont, Colour::White);
    condition(3, QStringLiteral("2-ان تبلغ نصابا من الذهب أو الفضة ( ادناهما)"),
              at.rect(0, 1440, 4455, 615), at.font(Face::TimesNewRoman, 12, Bold),
              Colour::Yellow);
    condition(4, QStringLiteral("3- ان يحول عليها الحول"), at.rect(1200, 2040, 3255, 615),
              conditionFont, Colour::White);
    condition(5, QStringLiteral("4-يزكى القيمة نقدا ولا تزكى من عين التجارة"),
              at.rect(240, 2640, 4215, 615), conditionFont, Colour::Yellow);
    condition(6, QStringLiteral("5- المفدار الواجب هو ربع العشر"), at.rect(600, 3240, 3855, 615),
              conditionFont, Colour::White);

    // The nisab in money.
    nisabCaption = label(QStringLiteral("Label1(12)"), kNisabCaption,
                         at.rect(360, 4440, 4095, 615), at.font(Face::Arial, 12, Bold));
    goldPriceCaption = label(QStringLiteral("Label15"), kGoldPriceCaption,
                             at.rect(3120, 5280, 1425, 435), priceFont, Colour::White,
                             Align::Right);
    goldPriceField = field(QStringLiteral("Text7"), kZero, at.rect(1800, 5280, 1215, 495),
                           partFont, kPriceMaxLength);
    goldNisabLabel = label(QStringLiteral("Label17"), kZero, at.rect(240, 5280, 1455, 435),
                           priceFont);
    silverPriceCaption = label(QStringLiteral("Label16"), kSilverPriceCaption,
                               at.rect(3120, 6000, 1380, 435), priceFont, Colour::White,
                               Align::Right);
    silverPriceField = field(QStringLiteral("Text8"), kZero, at.rect(1800, 6000, 1215, 495),
                             partFont, kPriceMaxLength);
    silverNisabLabel = label(QStringLiteral("Label18"), kZero, at.rect(360, 6000, 1455, 435),
                             priceFont);

    // A screen reader announces each field by the caption or unit name beside it.
    amountField->setAccessibleName(ui::spokenName(kAmountCaption));
    for (std::size_t i = 0; i < partFields.size(); ++i)
        partFields[i]->setAccessibleName(ui::spokenName(kPartNames[i]));
    breakdown.hundredths->setAccessibleName(ui::spokenName(kNames.hundredth));
    tieBoxesToNames(breakdown);
    goldPriceField->setAccessibleName(ui::spokenName(kGoldPriceCaption));
    silverPriceField->setAccessibleName(ui::spokenName(kSilverPriceCaption));
    nisabButton = button(QStringLiteral("Command1"), QStringLiteral("النصاب"),
                         at.rect(3000, 6600, 1455, 615),
                         at.font(Face::TimesNewRoman, 14.25, Bold));
    nisabButton->hide();
    nisabLabel = label(QStringLiteral("Label20"), kZero, at.rect(720, 6600, 2145, 630),
                       at.font(Face::TraditionalArabic, 20.25, Bold));

    belowNisabNote = label(QStringLiteral("belowNisabNote"), kBelowNisab,
                           at.rect(7560, 6300, 3735, 1000),
                           at.font(Face::SimplifiedArabic, 11.25, Bold), Colour::LightGreen);
    belowNisabNote->hide();

    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("Command7"), at.rect(9120, 7320, 1935, 735),
                       QStringLiteral("Command6"), at.rect(360, 7560, 2055, 735), Colour::Olive);
    backButton = backAndExit.back;
    exitButton = backAndExit.exit;
    addCalculatorActions(this, backAndExit, [this] { return summary(); },
                         {dueLabel, breakdown.millions, breakdown.thousands, breakdown.units,
                          belowNisabNote, goldNisabLabel, silverNisabLabel, nisabLabel});
    // Heard with their captions and units: the window by its heading, the
    // results, and the two ways of writing the amount with their question.
    setAccessibleName(ui::spokenName(heading->text()));
    dueLabel->setSpokenCaption(kDueCaption);
    breakdown.millions->setSpokenCaption(kBreakdownCaption.arg(kNames.million));
    breakdown.thousands->setSpokenCaption(kBreakdownCaption.arg(kNames.thousand));
    breakdown.units->setSpokenCaption(kBreakdownCaption.arg(kNames.unit));
    goldNisabLabel->setSpokenCaption(kGoldValueCaption.arg(numberText(Zakat::kGoldNisabGrams)));
    silverNisabLabel->setSpokenCaption(
        kSilverValueCaption.arg(numberText(Zakat::kSilverNisabDirhams)));
    nisabLabel->setSpokenCaption(kNisabCaption);
    for (QWidget *hiddenLabel : {static_cast<QWidget *>(breakdown.fraction),
                                 static_cast<QWidget *>(breakdown.wholePart)})
        ui::keepFromAssistiveTechnology(hiddenLabel);
    for (OptionButton *way : {oneNumberOption, fourFieldsOption})
        way->setAccessibleDescription(ui::spokenName(wayCaption->text()));

    // An option's handler runs when it becomes the selected one.
    connect(oneNumberOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseOneNumber();
    });
    connect(fourFieldsOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseFourFields();
    });
    computeButton->setHandler([this] { compute(); });
    nisabButton->setHandler([this] { showNisab(); });
    breakdownButton->setHandler([this] { splitDue(); });
    amountField->setChangeHandler([this] { amountChanged(); });
    goldPriceField->setChangeHandler([this] { goldPriceChanged(); });
    silverPriceField->setChangeHandler([this] { silverPriceChanged(); });
    milliards->lostFocus = [this] { milliardsLeft(); };
    for (EntryField *part : partFields)
        part->setChangeHandler([this] { partChanged(); });
    for (EntryField *amount : {amountField, partFields[0], partFields[1], partFields[2],
                               partFields[3]}) {
        amount->setSelectAllOnClick(true);
        amount->setEnterHandler([this] { compute(); });
    }
    for (EntryField *price : {goldPriceField, silverPriceField})
        price->setSelectAllOnClick(true);

    applyTabOrder(this, {QStringLiteral("Text3"), QStringLiteral("Command3"),
                         QStringLiteral("Text1"), QStringLiteral("Text2"),
                         QStringLiteral("Text5"), QStringLiteral("Text6"),
                         QStringLiteral("Text7"), QStringLiteral("Option1"),
                         QStringLiteral("Option2"), QStringLiteral("Text8"),
                         QStringLiteral("Command6"), QStringLiteral("Command7")});
}

void CashWindow::chooseOneNumber()
{
    partFields[1]->setEnabled(false);
    amountField->setEnabled(true);
    partFields[0]->setEnabled(false);
    partFields[2]->setEnabled(false);
    partFields[3]->setEnabled(false);
    setTextColour(oneNumberOption, Colour::Yellow);
    setTextColour(fourFieldsOption, Colour::White);
    for (EntryField *part : partFields)
        part->write(kZero);
    amountField->write(kZero); // empties the result area
}

void CashWindow::chooseFourFields()
{
    amountField->setEnabled(false);
    partFields[1]->setEnabled(true);
    partFields[0]->setEnabled(true);
    partFields[2]->setEnabled(true);
    partFields[3]->setEnabled(true);
    setTextColour(fourFieldsOption, Colour::Yellow);
    setTextColour(oneNumberOption, Colour::White);
    amountField->write(kZero); // empties the result area
    for (EntryField *part : partFields)
        part->write(kZero);
}

void CashWindow::compute()
{
    bool totalOfParts = false;
    if (fourFieldsOption->isChecked()) {
        for (EntryField *part : partFields)
            if (trimBlanks(part->text()).isEmpty())
                part->write(kZero);
        const auto total = amountOfParts({partFields[0]->text(), partFields[1]->text(),
                                          partFields[2]->text(), partFields[3]->text()});
        if (total) {
            amountField->write(numberText(*total)); // empties the result area
            totalOfParts = true;
        } else {
            showWarning(this, kPartsNotNumbers, kPartsTitle); // the earlier total stands
        }
    }

    const CashDue due = cashZakatDue(amountField->text());
    m_computation = Computation{due, std::nullopt, totalOfParts};
    showBelowNisabNote();
    switch (due.verdict) {
    case CashVerdict::NoAmount:
        break;
    case CashVerdict::NotANumber:
        showWarning(this, kAmountNotNumber, kNoticeTitle);
        break;
    case CashVerdict::TooSmall:
        dueLabel->setText(kTooSmall);
        ui::announce(this, withNote(kTooSmallSpoken.arg(numberText(Zakat::kSmallestCashAmount))));
        break;
    case CashVerdict::TooLarge:
        showWarning(this, kAmountTooLarge, kNoticeTitle);
        break;
    case CashVerdict::Due:
        dueLabel->setText(numberText(due.due));
        ui::announce(this, withNote(kDueSpoken.arg(numberText(due.due))));
        break;
    }
    splitDue(); // does nothing unless a due is shown
}

void CashWindow::splitDue()
{
    if (!m_computation || m_computation->due.verdict != CashVerdict::Due)
        return;
    if (const auto split = breakDownAmount(m_computation->due.due)) {
        m_computation->split = split;
        showBreakdown(breakdown, *split);
    }
}

void CashWindow::amountChanged()
{
    m_computation.reset();
    belowNisabNote->hide();
    dueLabel->setText(QString());
    clearBreakdown(breakdown, KeepWholePart);
}

void CashWindow::partChanged()
{
    // The total and its due were computed from the four fields: an edit of
    // any of them takes them back, the total to the "0" the layout starts with.
    amountField->write(kZero); // empties the result area
}

void CashWindow::milliardsLeft()
{
    if (m_warningAboutMilliards || !milliardsTooLarge(partFields[0]->text()))
        return;
    m_warningAboutMilliards = true;
    showWarning(this, kMilliardsTooLarge, kNoticeTitle);
    partFields[0]->write(kZero);
    partFields[0]->focusAndSelectAll();
    m_warningAboutMilliards = false;
}

void CashWindow::priceChanged(EntryField *price, DesignLabel *valueLabel, double &value,
                              double nisabUnits, const QString &valueCaption)
{
    const auto worth = nisabValue(price->text(), nisabUnits);
    if (!worth) {
        price->write(kZero); // runs this handler again for "0", which is heard
        value = 0;
        valueLabel->setText(kZero);
        showNisab();
        return;
    }
    value = *worth;
    valueLabel->setText(numberText(value));
    showNisab();
    ui::announce(this, kNisabSpoken.arg(valueCaption.arg(numberText(nisabUnits)),
                                        numberText(value), numberText(m_nisab)));
}

void CashWindow::goldPriceChanged()
{
    priceChanged(goldPriceField, goldNisabLabel, m_goldNisab, Zakat::kGoldNisabGrams,
                 kGoldValueCaption);
}

void CashWindow::silverPriceChanged()
{
    priceChanged(silverPriceField, silverNisabLabel, m_silverNisab, Zakat::kSilverNisabDirhams,
                 kSilverValueCaption);
}

void CashWindow::showNisab()
{
    m_nisab = lowerNisab(m_goldNisab, m_silverNisab);
    nisabLabel->setText(numberText(m_nisab));
    showBelowNisabNote();
}

void CashWindow::showBelowNisabNote()
{
    belowNisabNote->setVisible(m_computation && belowNisab(m_computation->due, m_nisab));
}

QString CashWindow::withNote(const QString &sentence) const
{
    return belowNisabNote->isVisibleTo(this) ? sentence + QStringLiteral(". ") + kBelowNisab
                                             : sentence;
}

ComputationSummary CashWindow::summary() const
{
    ComputationSummary summary;
    summary.heading = readable(heading->text());
    // Over four fields, the total and its due belong to the fields only while
    // the fields add up to it: fields typed after the last "احسب" have none yet.
    bool partsMakeTheTotal = true;
    if (fourFieldsOption->isChecked()) {
        for (std::size_t i = 0; i < partFields.size(); ++i)
            if (showsNumber(partFields[i]->text()))
                summary.add(kPartNames[i], partFields[i]->text());
        partsMakeTheTotal = m_computation && m_computation->totalOfParts;
    }
    if (!partsMakeTheTotal) {
        summary.addLine(kNotComputedYet);
    } else {
        if (showsNumber(amountField->text()))
            summary.add(kAmountCaption, amountField->text());
        if (m_computation && m_computation->due.verdict == CashVerdict::TooSmall)
            summary.add(kDueCaption, kTooSmall);
        if (m_computation && m_computation->due.verdict == CashVerdict::Due) {
            summary.add(kDueCaption, numberText(m_computation->due.due));
            if (m_computation->split)
                summary.addLine(breakdownLine(*m_computation->split, kNames));
        }
        if (belowNisabNote->isVisibleTo(this))
            summary.addLine(kBelowNisab);
    }

    const bool pricesGiven = readNumber(goldPriceField->text()).value_or(0) != 0
        || readNumber(silverPriceField->text()).value_or(0) != 0;
    if (pricesGiven) {
        summary.add(kGoldPriceCaption, goldPriceField->text());
        summary.add(kGoldValueCaption.arg(numberText(Zakat::kGoldNisabGrams)),
                    numberText(m_goldNisab));
        summary.add(kSilverPriceCaption, silverPriceField->text());
        summary.add(kSilverValueCaption.arg(numberText(Zakat::kSilverNisabDirhams)),
                    numberText(m_silverNisab));
        summary.add(kNisabCaption, numberText(m_nisab));
        summary.addLine(kNisabForJudgement);
    }
    return summary;
}
