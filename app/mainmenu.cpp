// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/mainmenu.h"

#include "app/about.h"
#include "core/dates.h"
#include "livestock/livestockwindow.h"
#include "money/cashwindow.h"
#include "money/fitrwindow.h"
#include "money/goldwindow.h"
#include "money/silverwindow.h"
#include "money/wealthwindow.h"
#include "produce/producewindow.h"
#include "records/hawl.h"
#include "records/recordbook.h"
#include "records/recordswindow.h"
#include "ui/calculator.h"
#include "ui/desktopactions.h"
#include "ui/look.h"
#include "ui/summary.h"
#include "ui/window.h"

#include <QAction>
#include <QEvent>
#include <QTimer>

namespace {
const QString kCaption = QStringLiteral("برنامج حساب الزكاة");
const QString kDisclaimer = QStringLiteral(
    "هذه النسخة تجريبية مازالت تحتاج إلى اختبار أهل العلم       ورجاء من الاخوة الابلاغ عن أي خطا  حتى نقوم بتصحيحه مشكورين");
const QString kCredit = QStringLiteral("صدقة جارية");
// It opens the about box, which tells how to report a mistake.
const QString kContact = QStringLiteral("نرحب بملاحظاتكم وتصحيحاتكم: طريقة الإبلاغ عن خطأ هنا");
const QString kAboutText = QStringLiteral("عن البرنامج");
const QString kAboutDescription =
    QStringLiteral("يفتح نافذة «عن البرنامج»، وفيها طريقة الإبلاغ عن خطأ في البرنامج");
const QString kHawlCome = QStringLiteral("حلّ حول %1 في %2 (%3)، ولم يُحفظ حسابه لهذا العام");
const QString kHawlComing = QStringLiteral("يحلّ حول %1 في %2 (%3)، ولم يُحفظ حسابه لهذا العام");
const QString kAndOthers = QStringLiteral("، ومثله %1 من أفراد الأسرة");
const QString kReminderDescription = QStringLiteral("يفتح سجل الزكاة على هذا الفرد");
const QString kNoReminder = QStringLiteral("لا حول قريبًا");
} // namespace

MainMenu::MainMenu() : DesignWindow(kDesignTwips)
{
    const DesignScale &at = scale();
    const QFont windowFont = at.font(Face::TimesNewRoman, 14.25);
    setUpWindow(this, QStringLiteral("frmzakat"), kCaption, at.size(kDesignTwips),
                Colour::MenuMaroon, true, windowFont);

    const QFont disclaimerFont = at.font(Face::SimplifiedArabic, 14.25, Bold);
    title = new DesignLabel(this, QStringLiteral("Label1"), kProgramName,
                            at.rect(6480, 120, 4215, 1095), at.font(Face::Arial, 24),
                            Colour::White, Align::Centre);
    disclaimer = new DesignLabel(this, QStringLiteral("Label3"), kDisclaimer,
                                 at.rect(0, 600, 5295, 1935), disclaimerFont, Colour::White,
                                 Align::Centre);
    credit = new DesignLabel(this, QStringLiteral("Label2"), kCredit, at.rect(480, 5640, 4215, 855),
                             at.font(Face::SimplifiedArabic, 24, Bold), Colour::White,
                             Align::Centre);
    contactLink = new LinkLabel(this, QStringLiteral("Label4"), kContact,
                                at.rect(780, 2760, 3615, 1215), disclaimerFont, Colour::White,
                                Align::Centre);
    contactLink->setAccessibleDescription(kAboutDescription);
    contactLink->setHandler([this] { showAbout(this, kCredit); });

    auto button = [&](const char *name, const QString &text, int top) {
        return new CommandButton(this, QString::fromLatin1(name), text,
                                 at.rect(5280, top, 2775, 735), windowFont, Colour::MenuPink);
    };
    livestockButton = button("Command1", QStringLiteral("زكــاة  سائمة الانعام"), 1200);
    goldButton = button("Command2", QStringLiteral("زكـاة الذهب"), 2040);
    silverButton = button("Command3", QStringLiteral("زكــاة الفضة"), 2880);
    cashButton = button("Command4", QStringLiteral("النقد وعروض التجارة"), 3720);
    produceButton = button("Command5", QStringLiteral("الخارج من الارض"), 4560);
    // The windows that came after the design: their buttons go with the
    // calculators, under the last of the design's, and "خروج من البرنامج"
    // moves down to stay the last button.
    wealthButton = button("Command7", QStringLiteral("زكاة المال مجتمعًا"), 5400);
    fitrButton = button("Command8", QStringLiteral("زكاة الفطر"), 6240);
    recordsButton = button("Command9", QStringLiteral("سجل الزكاة"), 7080);
    exitButton = button("Command6", kExitText, 8280);
    hawlReminder = new LinkLabel(this, QStringLiteral("hawlReminder"), QString(),
                                 at.rect(240, 6720, 4695, 1440), disclaimerFont, Colour::Yellow,
                                 Align::Centre);
    hawlReminder->setAccessibleName(kNoReminder);
    hawlReminder->setAccessibleDescription(kReminderDescription);
    hawlReminder->setHandler([this] { openRecords(m_remindedMember); });
    hawlReminder->hide();
    livestockButton->setHandler([this] { openLivestock(); });
    goldButton->setHandler([this] { openGold(); });
    silverButton->setHandler([this] { openSilver(); });
    cashButton->setHandler([this] { openCash(); });
    produceButton->setHandler([this] { openProduce(); });
    exitButton->setHandler([this] { exit(); });
    wealthButton->setHandler([this] { openWealth(); });
    fitrButton->setHandler([this] { openFitr(); });
    recordsButton->setHandler([this] { openRecords(); });

    applyTabOrder(this, {QStringLiteral("Command1"), QStringLiteral("Command2"),
                       QStringLiteral("Command3"), QStringLiteral("Command4"),
                       QStringLiteral("Command5"), QStringLiteral("Command7"),
                       QStringLiteral("Command8"), QStringLiteral("Command9"),
                       QStringLiteral("Command6")});
    // The links come after the design's own tab order.
    QWidget::setTabOrder(exitButton, contactLink);
    QWidget::setTabOrder(contactLink, hawlReminder);

    auto *about = new QAction(kAboutText, this);
    connect(about, &QAction::triggered, this, [this] { contactLink->open(); });
    addProgramActions(this, [this] { exit(); }, {about});
}

void MainMenu::openLivestock()
{
    openWindow(m_livestock);
}

void MainMenu::openGold()
{
    openWindow(m_gold);
}

void MainMenu::openSilver()
{
    openWindow(m_silver);
}

void MainMenu::openCash()
{
    openWindow(m_cash);
}

void MainMenu::openProduce()
{
    openWindow(m_produce);
}

void MainMenu::exit()
{
    exitProgram();
}

void MainMenu::openWealth()
{
    openWindow(m_wealth);
}

void MainMenu::openFitr()
{
    openWindow(m_fitr);
}

void MainMenu::openRecords(int memberId)
{
    openWindow(m_records);
    m_records->setRecordOpener([this](const QString &name, const Fields &entries) {
        openWealth();
        m_wealth->showRecord(name, entries);
    });
    if (memberId != 0)
        m_records->chooseMember(memberId);
}

bool MainMenu::event(QEvent *event)
{
    // The record is read once the menu is on screen, never before its first frame.
    if (event->type() == QEvent::Paint && !m_drawn) {
        m_drawn = true;
        QTimer::singleShot(0, this, &MainMenu::remindOfHawl);
        // A save for the member named, or a hawl changed, changes the line.
        connect(&RecordBook::instance(), &RecordBook::changed, this, &MainMenu::remindOfHawl);
    }
    return DesignWindow::event(event);
}

void MainMenu::remindOfHawl()
{
    const StoreState &state = RecordBook::instance().state();
    const QList<HawlReminder> due = hawlReminders(state.household, today());
    if (due.isEmpty()) {
        hawlReminder->hide();
        return;
    }
    const HawlReminder &first = due.first();
    m_remindedMember = first.memberId;
    QString line = (first.hawlDate <= today() ? kHawlCome : kHawlComing)
                       .arg(first.name, hijriDateText(first.hawlDate),
                            gregorianDateText(first.hawlDate));
    if (due.size() > 1)
        line += kAndOthers.arg(due.size() - 1);
    hawlReminder->setText(line);
    hawlReminder->setAccessibleName(line);
    hawlReminder->show();
}
