// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/frmzakat.h"

#include "app/about.h"
#include "livestock/frmzakat1.h"
#include "money/frmzakat2.h"
#include "money/frmzakat3.h"
#include "money/frmzakat4.h"
#include "money/frmzakat6.h"
#include "produce/frmzakat5.h"
#include "ui/calculator.h"
#include "ui/desktopactions.h"
#include "ui/look.h"
#include "ui/summary.h"
#include "ui/window.h"

#include <QAction>

namespace {
const QString kCaption = QStringLiteral("برنامج حساب الزكاة");
const QString kDisclaimer = QStringLiteral(
    "هذه النسخة تجريبية مازالت تحتاج إلى اختبار أهل العلم       ورجاء من الاخوة الابلاغ عن أي خطا  حتى نقوم بتصحيحه مشكورين");
const QString kCredit = QStringLiteral("صدقة جارية");
// It opens the about box, which tells how to report a mistake.
const QString kContact = QStringLiteral("نرحب بملاحظاتكم وتصحيحاتكم: طريقة الإبلاغ عن خطأ هنا");
const QString kAboutText = QStringLiteral("عن البرنامج");
const QString kAboutDescription = QStringLiteral("يفتح نافذة عن البرنامج");
} // namespace

frmzakat::frmzakat()
{
    const QFont windowFont = designFont(Face::TimesNewRoman, 14.25);
    setUpWindow(this, QStringLiteral("frmzakat"), kCaption, twipsSize(10890, 8370),
                Colour::MenuMaroon, true, windowFont);

    const QFont disclaimerFont = designFont(Face::SimplifiedArabic, 14.25, Bold);
    Label1 = new DesignLabel(this, QStringLiteral("Label1"), kProgramName,
                             twips(6480, 120, 4215, 1095), designFont(Face::Arial, 24),
                             Colour::White, Align::Centre);
    Label3 = new DesignLabel(this, QStringLiteral("Label3"), kDisclaimer, twips(0, 600, 5295, 1935),
                             disclaimerFont, Colour::White, Align::Centre);
    Label2 = new DesignLabel(this, QStringLiteral("Label2"), kCredit, twips(480, 5640, 4215, 855),
                             designFont(Face::SimplifiedArabic, 24, Bold), Colour::White,
                             Align::Centre);
    Label4 = new LinkLabel(this, QStringLiteral("Label4"), kContact, twips(780, 2760, 3615, 1215),
                           disclaimerFont, Colour::White, Align::Centre);
    Label4->setAccessibleDescription(kAboutDescription);
    Label4->setHandler([this] { showAbout(this, Label2->text()); });

    auto button = [&](const char *name, const QString &text, int top) {
        return new CommandButton(this, QString::fromLatin1(name), text,
                                 twips(5280, top, 2775, 735), windowFont, Colour::MenuPink);
    };
    Command1 = button("Command1", QStringLiteral("زكــاة  سائمة الانعام"), 1200);
    Command2 = button("Command2", QStringLiteral("زكـاة الذهب"), 2040);
    Command3 = button("Command3", QStringLiteral("زكــاة الفضة"), 2880);
    Command4 = button("Command4", QStringLiteral("النقد وعروض التجارة"), 3720);
    Command5 = button("Command5", QStringLiteral("الخارج من الارض"), 4560);
    Command6 = button("Command6", kExitText, 5760);
    // The whole-wealth window came after the design: its button goes below
    // the design's, which keep their places, and the window grows to hold it.
    Command7 = button("Command7", QStringLiteral("زكاة المال مجتمعًا"), 6600);
    Command1->setHandler([this] { Command1_Click(); });
    Command2->setHandler([this] { Command2_Click(); });
    Command3->setHandler([this] { Command3_Click(); });
    Command4->setHandler([this] { Command4_Click(); });
    Command5->setHandler([this] { Command5_Click(); });
    Command6->setHandler([this] { Command6_Click(); });
    Command7->setHandler([this] { Command7_Click(); });

    applyTabOrder(this, {QStringLiteral("Command1"), QStringLiteral("Command2"),
                       QStringLiteral("Command3"), QStringLiteral("Command4"),
                       QStringLiteral("Command5"), QStringLiteral("Command7"),
                       QStringLiteral("Command6")});
    // The link comes after the design's own tab order.
    QWidget::setTabOrder(Command6, Label4);

    auto *about = new QAction(kAboutText, this);
    connect(about, &QAction::triggered, this, [this] { Label4->open(); });
    addProgramActions(this, [this] { Command6_Click(); }, {about});
}

void frmzakat::Command1_Click()
{
    openWindow(m_livestock);
}

void frmzakat::Command2_Click()
{
    openWindow(m_gold);
}

void frmzakat::Command3_Click()
{
    openWindow(m_silver);
}

void frmzakat::Command4_Click()
{
    openWindow(m_cash);
}

void frmzakat::Command5_Click()
{
    openWindow(m_produce);
}

void frmzakat::Command6_Click()
{
    exitProgram();
}

void frmzakat::Command7_Click()
{
    openWindow(m_wealth, frmzakat6::kDesignTwips);
}
