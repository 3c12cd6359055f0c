// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "money/frmzakat2.h"

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

frmzakat2::frmzakat2()
{
    setUpWindow(this, QStringLiteral("frmzakat2"), kCaption, twipsSize(11880, 8490),
                Colour::DarkOlive, true);

    // Decoration first, so that it lies beneath the labels.
    auto frame = [&](const QString &name, const QRect &bounds) {
        new OutlineShape(this, name, bounds, Colour::White);
    };
    frame(QStringLiteral("Shape1(5)"), twips(7680, 5520, 3375, 735));
    frame(QStringLiteral("Shape1(2)"), twips(4920, 4560, 2535, 735));
    frame(QStringLiteral("Shape1(0)"), twips(4920, 5280, 2535, 735));
    frame(QStringLiteral("Shape1(4)"), twips(4920, 6000, 2535, 735));
    frame(QStringLiteral("Shape1(3)"), twips(4920, 6720, 2535, 735));
    frame(QStringLiteral("Shape2"), twips(240, 240, 4335, 3855));
    frame(QStringLiteral("Shape1(8)"), twips(240, 4320, 4335, 735));
    frame(QStringLiteral("Shape1(1)"), twips(240, 5160, 4335, 735));
    frame(QStringLiteral("Shape1(6)"), twips(240, 5880, 4335, 735));
    frame(QStringLiteral("Shape1(7)"), twips(240, 6600, 4335, 735));
    new LineShape(this, QStringLiteral("Line1"), twipsPoint(6120, 4560), twipsPoint(6120, 7440),
                  Colour::White);

    const QFont captionFont = designFont(Face::Arial, 15.75, Bold | Italic);
    const QFont partFont = designFont(Face::SimplifiedArabic, 14.25, Bold);
    const QFont placeNameFont = designFont(Face::TraditionalArabic, 18, Bold);
    const QFont boxFont = designFont(Face::SimplifiedArabic, 18, Bold);
    const QFont unitNameFont = designFont(Face::SimplifiedArabic, 14.25, Bold);
    const QFont smallFont = designFont(Face::SimplifiedArabic, 12, Bold);
    const QFont conditionFont = designFont(Face::TimesNewRoman, 14.25, Bold);
    const QFont priceFont = designFont(Face::TraditionalArabic, 14.25, Bold);

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
        return new OptionButton(this, name, text, bounds,
                                designFont(Face::TimesNewRoman, 18, Bold), colour,
                                Colour::DarkOlive);
    };

    // The amount, as one number or over four fields.
    lbla1_2 = label(QStringLiteral("lbla1(2)"), QStringLiteral("زكاة المال وعروض التجارة"),
                    twips(6240, 120, 4335, 615), designFont(Face::Arial, 18, Underlined));
    Label1[0] = label(QStringLiteral("Label1(0)"),
                      QStringLiteral("اختر إحدى الطريقتين لكتابة المبلغ"),
                      twips(7080, 960, 4335, 495), captionFont);
    Option1 = option(QStringLiteral("Option1"), QStringLiteral("الافقية"),
                     twips(9120, 1800, 1935, 495), Colour::Yellow);
    Option1->setChecked(true);
    Option2 = option(QStringLiteral("Option2"), QStringLiteral("الرأسية"),
                     twips(6960, 1800, 1935, 495), Colour::White);
    Label1[10] = label(QStringLiteral("Label1(10)"), QStringLiteral("المبلغ المراد  تزكيته"),
                       twips(7800, 2280, 2895, 495), captionFont);
    Text3 = field(QStringLiteral("Text3"), QStringLiteral("0000"), twips(7680, 2880, 3375, 615),
                  designFont(Face::SimplifiedArabic, 15.75, Bold), kAmountMaxLength);
    auto *milliards = new MilliardsField(this, QStringLiteral("Text1"), QStringLiteral("00"),
                                         twips(6000, 1080, 855, 555), partFont, Qt::AlignHCenter,
                                         kMilliardsMaxLength);
    Text1 = milliards;
    Label10 = label(QStringLiteral("Label10"), QStringLiteral("مليار"), twips(5160, 960, 705, 555),
                    placeNameFont, Colour::White, Align::Right);
    Text2 = field(QStringLiteral("Text2"), QStringLiteral("00"), twips(6000, 1680, 855, 555),
                  partFont, kPartMaxLength);
    Label11 = label(QStringLiteral("Label11"), QStringLiteral("مليون"), twips(5160, 1680, 810, 555),
                    placeNameFont, Colour::White, Align::Right);
    Text5 = field(QStringLiteral("Text5"), QStringLiteral("00"), twips(6000, 2280, 855, 555),
                  partFont, kPartMaxLength);
    Label12 = label(QStringLiteral("Label12"), QStringLiteral("ألف"), twips(5280, 2280, 630, 555),
                    placeNameFont, Colour::White, Align::Right);
    Text6 = field(QStringLiteral("Text6"), QStringLiteral("00"), twips(6000, 2880, 855, 555),
                  partFont, kPartMaxLength);
    Label13 = label(QStringLiteral("Label13"), QStringLiteral("ربال او جنيه"),
                    twips(4950, 2880, 1005, 435), priceFont, Colour::White, Align::Right);
    for (EntryField *part : {Text1, Text2, Text5, Text6})
        part->setEnabled(false);

    // The due and its breakdown.
    Command3 = button(QStringLiteral("Command3"), kComputeText,
                      twips(7680, 4080, 3375, 495), designFont(Face::Arial, 12));
    lbl15 = label(QStringLiteral("lbl15"), QStringLiteral(". . . . . . . . . . . . . . . ."),
                  twips(7800, 3600, 3165, 480), designFont(Face::TraditionalArabic, 15.75, Bold),
                  Colour::LightGreen);
    Label1[7] = label(QStringLiteral("Label1(7)"),
                      QStringLiteral("مقدار الزكاة الواجبةبنفس العملة"),
                      twips(7560, 4680, 3735, 615), captionFont);
    lbl3 = label(QStringLiteral("lbl3"), kNoDue, twips(7800, 5640, 3135, 600), boxFont,
                 Colour::Yellow);
    Label2 = label(QStringLiteral("Label2"), kZero, twips(6240, 4680, 945, 480), boxFont,
                   Colour::Yellow);
    Label6 = hidden(label(QStringLiteral("Label6"), QStringLiteral("مليون"),
                          twips(5040, 4680, 1065, 585), unitNameFont, Colour::White, Align::Right));
    Label3 = label(QStringLiteral("Label3"), kZero, twips(6240, 5400, 945, 480), boxFont,
                   Colour::Yellow);
    Label8 = hidden(label(QStringLiteral("Label8"), QStringLiteral("ألف"),
                          twips(5040, 5400, 1065, 480), unitNameFont, Colour::White, Align::Right));
    Label4 = label(QStringLiteral("Label4"), kZero, twips(6240, 6120, 945, 480), boxFont,
                   Colour::Yellow);
    Label7 = hidden(label(QStringLiteral("Label7"), QStringLiteral("ريال أوجنيه"),
                          twips(4800, 6120, 1425, 480), smallFont, Colour::White, Align::Right));
    Text4 = field(QStringLiteral("Text4"), kZero, twips(6240, 6840, 975, 495), smallFont,
                  kHundredthsMaxLength);
    makeHundredthsBox(Text4, Colour::DarkOlive);
    Label9 = hidden(label(QStringLiteral("Label9"), QStringLiteral("هللة أو قرش"),
                          twips(4920, 6840, 1185, 480), smallFont, Colour::White, Align::Right));
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("بالحروف"),
                      twips(7560, 7200, 855, 495), smallFont);
    Command4->setEnabled(false);
    Command4->hide();
    Label5 = hidden(label(QStringLiteral("Label5"), QStringLiteral("1"),
                          twips(5160, 3720, 2505, 600), boxFont));
    Label1[14] = hidden(label(QStringLiteral("Label1(14)"), QStringLiteral("2"),
                              twips(7800, 6600, 3525, 555),
                              designFont(Face::TraditionalArabic, 14.25, Bold | Italic)));

    // The conditions of zakat on trade goods.
    auto condition = [&](int index, const QString &text, const QRect &bounds, const QFont &font,
                         const QColor &colour) {
        Label1[index] = label(QStringLiteral("Label1(%1)").arg(index), text, bounds, font, colour,
                              Align::Right);
    };
    Label1[1] = label(QStringLiteral("Label1(1)"), QStringLiteral("شروط عروض التجارة"),
                      twips(600, 360, 3375, 615), conditionFont, Colour::Yellow);
    condition(2, QStringLiteral("1- ان يكون قد نوى بها الربح والتكسب"),
              twips(480, 840, 3975, 615), conditionFont, Colour::White);
    condition(3, QStringLiteral("2-ان تبلغ نصابا من الذهب أو الفضة ( ادناهما)"),
              twips(0, 1440, 4455, 615), designFont(Face::TimesNewRoman, 12, Bold),
              Colour::Yellow);
    condition(4, QStringLiteral("3- ان يحول عليها الحول"), twips(1200, 2040, 3255, 615),
              conditionFont, Colour::White);
    condition(5, QStringLiteral("4-يزكى القيمة نقدا ولا تزكى من عين التجارة"),
              twips(240, 2640, 4215, 615), conditionFont, Colour::Yellow);
    condition(6, QStringLiteral("5- المفدار الواجب هو ربع العشر"), twips(600, 3240, 3855, 615),
              conditionFont, Colour::White);

    // The nisab in money.
    Label1[12] = label(QStringLiteral("Label1(12)"),
                       QStringLiteral("النصاب هو  القيمة الأدنى من الذهب والفضة"),
                       twips(360, 4440, 4095, 615), designFont(Face::Arial, 12, Bold));
    Label15 = label(QStringLiteral("Label15"), QStringLiteral("سعر جرام الذهب"),
                    twips(3120, 5280, 1425, 435), priceFont, Colour::White, Align::Right);
    Text7 = field(QStringLiteral("Text7"), kZero, twips(1800, 5280, 1215, 495), partFont,
                  kPriceMaxLength);
    Label17 = label(QStringLiteral("Label17"), kZero, twips(240, 5280, 1455, 435), priceFont);
    Label16 = label(QStringLiteral("Label16"), QStringLiteral("سعر درهم الفضة"),
                    twips(3120, 6000, 1380, 435), priceFont, Colour::White, Align::Right);
    Text8 = field(QStringLiteral("Text8"), kZero, twips(1800, 6000, 1215, 495), partFont,
                  kPriceMaxLength);
    Label18 = label(QStringLiteral("Label18"), kZero, twips(360, 6000, 1455, 435), priceFont);

    // A screen reader announces each field by the caption or unit name beside it.
    const std::pair<EntryField *, DesignLabel *> fieldCaptions[] = {
        {Text3, Label1[10]}, {Text1, Label10}, {Text2, Label11}, {Text5, Label12},
        {Text6, Label13},    {Text4, Label9},  {Text7, Label15}, {Text8, Label16}};
    for (const auto &[field, caption] : fieldCaptions)
        field->setAccessibleName(ui::spokenName(caption->text()));
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("النصاب"),
                      twips(3000, 6600, 1455, 615), designFont(Face::TimesNewRoman, 14.25, Bold));
    Command1->hide();
    Label20 = label(QStringLiteral("Label20"), kZero, twips(720, 6600, 2145, 630),
                    designFont(Face::TraditionalArabic, 20.25, Bold));

    const BackAndExit backAndExit =
        addBackAndExit(this, QStringLiteral("Command7"), twips(9120, 7320, 1935, 735),
                       QStringLiteral("Command6"), twips(360, 7560, 2055, 735), Colour::Olive);
    Command7 = backAndExit.back;
    Command6 = backAndExit.exit;
    addCalculatorActions(this, backAndExit, [this] { return summary(); },
                         {lbl3, Label2, Label3, Label4, Label17, Label18, Label20});
    // Heard with their captions and units: the window by its heading, the
    // results, and the two ways of writing the amount with their question.
    setAccessibleName(ui::spokenName(lbla1_2->text()));
    lbl3->setSpokenCaption(kDueCaption);
    Label2->setSpokenCaption(kBreakdownCaption.arg(Label6->text()));
    Label3->setSpokenCaption(kBreakdownCaption.arg(Label8->text()));
    Label4->setSpokenCaption(kBreakdownCaption.arg(Label7->text()));
    Label17->setSpokenCaption(kGoldValueCaption.arg(numberText(Zakat::kGoldNisabGrams)));
    Label18->setSpokenCaption(kSilverValueCaption.arg(numberText(Zakat::kSilverNisabDirhams)));
    Label20->setSpokenCaption(Label1[12]->text());
    for (QWidget *store : {static_cast<QWidget *>(Label5), static_cast<QWidget *>(Label1[14])})
        ui::keepFromAssistiveTechnology(store);
    for (OptionButton *option : {Option1, Option2})
        option->setAccessibleDescription(ui::spokenName(Label1[0]->text()));

    m_breakdown = {lbl3, Label1[14], Label5, Label2, Label3, Label4,
                   Text4, Label6,    Label8, Label7, Label9};

    // An option's handler runs when it becomes the selected one.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option2_Click();
    });
    Command3->setHandler([this] { Command3_Click(); });
    Command1->setHandler([this] { Command1_Click(); });
    Command4->setHandler([this] { Command4_Click(); });
    Text3->setChangeHandler([this] { Text3_Change(); });
    Text7->setChangeHandler([this] { Text7_Change(); });
    Text8->setChangeHandler([this] { Text8_Change(); });
    milliards->lostFocus = [this] { Text1_LostFocus(); };
    for (EntryField *part : {Text1, Text2, Text5, Text6})
        part->setChangeHandler([this] { Part_Change(); });
    for (EntryField *amount : {Text3, Text1, Text2, Text5, Text6}) {
        amount->setSelectAllOnClick(true);
        amount->setEnterHandler([this] { Command3_Click(); });
    }
    for (EntryField *price : {Text7, Text8})
        price->setSelectAllOnClick(true);

    applyTabOrder(this, {QStringLiteral("Text3"), QStringLiteral("Command3"),
                         QStringLiteral("Text1"), QStringLiteral("Text2"),
                         QStringLiteral("Text5"), QStringLiteral("Text6"),
                         QStringLiteral("Text7"), QStringLiteral("Option1"),
                         QStringLiteral("Option2"), QStringLiteral("Text8"),
                         QStringLiteral("Command6"), QStringLiteral("Command7")});
}

void frmzakat2::Option1_Click()
{
    Text2->setEnabled(false);
    Text3->setEnabled(true);
    Text1->setEnabled(false);
    Text5->setEnabled(false);
    Text6->setEnabled(false);
    setTextColour(Option1, Colour::Yellow);
    setTextColour(Option2, Colour::White);
    for (EntryField *part : {Text1, Text2, Text5, Text6})
        part->write(kZero);
    Text3->write(kZero); // empties the result area
}

void frmzakat2::Option2_Click()
{
    Text3->setEnabled(false);
    Text2->setEnabled(true);
    Text1->setEnabled(true);
    Text5->setEnabled(true);
    Text6->setEnabled(true);
    setTextColour(Option2, Colour::Yellow);
    setTextColour(Option1, Colour::White);
    Text3->write(kZero); // empties the result area
    for (EntryField *part : {Text1, Text2, Text5, Text6})
        part->write(kZero);
}

void frmzakat2::Command3_Click()
{
    if (Option2->isChecked()) {
        const std::array<EntryField *, 4> parts = {Text1, Text2, Text5, Text6};
        for (EntryField *part : parts)
            if (trimBlanks(part->text()).isEmpty())
                part->write(kZero);
        const auto total =
            amountOfParts({Text1->text(), Text2->text(), Text5->text(), Text6->text()});
        if (total)
            Text3->write(numberText(*total)); // empties the result area
        else
            showWarning(this, kPartsNotNumbers, kPartsTitle); // the earlier total stands
    }

    const CashDue due = cashZakatDue(Text3->text());
    switch (due.verdict) {
    case CashVerdict::NoAmount:
        break;
    case CashVerdict::NotANumber:
        showWarning(this, kAmountNotNumber, kNoticeTitle);
        break;
    case CashVerdict::TooSmall:
        lbl3->setText(kTooSmall);
        ui::announce(this, kTooSmallSpoken.arg(numberText(Zakat::kSmallestCashAmount)));
        break;
    case CashVerdict::TooLarge:
        showWarning(this, kAmountTooLarge, kNoticeTitle);
        break;
    case CashVerdict::Due:
        lbl3->setText(due.due);
        ui::announce(this, kDueSpoken.arg(due.due));
        break;
    }
    Command4_Click(); // does nothing unless lbl3 holds a number
}

void frmzakat2::Text3_Change()
{
    lbl3->setText(QString());
    for (DesignLabel *unitName : {Label6, Label7, Label8, Label9})
        unitName->hide();
    for (DesignLabel *box : {Label2, Label3, Label4, Label5})
        box->setText(QString());
    Text4->write(QString());
}

void frmzakat2::Part_Change()
{
    // The total and its due were computed from the four fields: an edit of
    // any of them takes them back, the total to the "0" the layout starts with.
    Text3->write(kZero); // empties the result area
}

void frmzakat2::Text1_LostFocus()
{
    if (m_warningAboutMilliards || !milliardsTooLarge(Text1->text()))
        return;
    m_warningAboutMilliards = true;
    showWarning(this, kMilliardsTooLarge, kNoticeTitle);
    Text1->write(kZero);
    Text1->focusAndSelectAll();
    m_warningAboutMilliards = false;
}

void frmzakat2::priceChanged(EntryField *price, DesignLabel *value, double nisabUnits,
                            const QString &valueCaption)
{
    if (const auto worth = nisabValue(price->text(), nisabUnits)) {
        value->setText(*worth);
    } else {
        price->write(kZero); // runs this handler again for "0", which is heard
        value->setText(kZero);
        Command1_Click();
        return;
    }
    Command1_Click();
    ui::announce(this, kNisabSpoken.arg(valueCaption.arg(numberText(nisabUnits)), value->text(),
                                        Label20->text()));
}

void frmzakat2::Text7_Change()
{
    priceChanged(Text7, Label17, Zakat::kGoldNisabGrams, kGoldValueCaption);
}

void frmzakat2::Text8_Change()
{
    priceChanged(Text8, Label18, Zakat::kSilverNisabDirhams, kSilverValueCaption);
}

void frmzakat2::Command1_Click()
{
    if (const auto nisab = lowerNisab(Label17->text(), Label18->text()))
        Label20->setText(*nisab);
}

void frmzakat2::Command4_Click()
{
    showBreakdown(m_breakdown);
}

ComputationSummary frmzakat2::summary() const
{
    ComputationSummary summary;
    summary.heading = readable(lbla1_2->text());
    // Over four fields, the total and its due belong to the fields only while
    // the fields add up to it: fields typed after the last "احسب" have none yet.
    bool partsMakeTheTotal = true;
    if (Option2->isChecked()) {
        const std::pair<EntryField *, DesignLabel *> parts[] = {
            {Text1, Label10}, {Text2, Label11}, {Text5, Label12}, {Text6, Label13}};
        for (const auto &[part, name] : parts)
            if (showsNumber(part->text()))
                summary.add(name->text(), part->text());
        const auto total =
            amountOfParts({Text1->text(), Text2->text(), Text5->text(), Text6->text()});
        partsMakeTheTotal = total && numberText(*total) == Text3->text();
    }
    if (!partsMakeTheTotal) {
        summary.addLine(kNotComputedYet);
    } else {
        if (showsNumber(Text3->text()))
            summary.add(Label1[10]->text(), Text3->text());
        if (showsNumber(lbl3->text()) || lbl3->text() == kTooSmall)
            summary.add(kDueCaption, lbl3->text());
        if (showsNumber(lbl3->text()))
            summary.addLine(breakdownText(m_breakdown));
    }

    const bool pricesGiven = readNumber(Text7->text()).value_or(0) != 0
        || readNumber(Text8->text()).value_or(0) != 0;
    if (pricesGiven) {
        summary.add(Label15->text(), Text7->text());
        summary.add(kGoldValueCaption.arg(numberText(Zakat::kGoldNisabGrams)), Label17->text());
        summary.add(Label16->text(), Text8->text());
        summary.add(kSilverValueCaption.arg(numberText(Zakat::kSilverNisabDirhams)),
                    Label18->text());
        summary.add(Label1[12]->text(), Label20->text());
        summary.addLine(kNisabForJudgement);
    }
    return summary;
}
