// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zakat Calculator authors

#include "app/about.h"

#include "records/recordbook.h"
#include "ui/calculator.h"
#include "ui/summary.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QStringList>

namespace {

const QString kTitle = QStringLiteral("عن البرنامج");
const QString kVersion = QStringLiteral("الإصدار %1");
const QString kLicence = QStringLiteral(
    "برنامج حر: لك أن تعيد توزيعه وأن تعدّله وفق رخصة جنو العمومية العامة، الإصدار الثالث "
    "أو أي إصدار لاحق، ويأتي بلا أي ضمان.");
const QString kResults = QStringLiteral(
    "النتائج تتبع الأحكام والملاحظات التي تعرضها كل نافذة، وينبغي مراجعتها مع أهل العلم.");

// Where the household's record is kept, and that it stays there.
const QString kRecord = QStringLiteral(
    "يُحفظ سجل الزكاة في الملف %1 على هذا الجهاز وحده، ولا يُكتب إلا إذا حفظت فيه.");

// How to tell of a mistake from this machine: the program has no page of
// its own to send the user to.
const QString kReporting = QStringLiteral(
    "للإبلاغ عن خطأ: إن كان البرنامج مثبتًا من حزمة ديبيان فاكتب في الطرفية الأمر "
    "reportbug zakat، وإلا فأرسل وصف الخطأ إلى من أعطاك البرنامج.");

} // namespace

QString aboutText(const QString &creditLine)
{
    return QStringList{kProgramName, kVersion.arg(QStringLiteral(ZAKAT_VERSION)), kLicence,
                       kResults,
                       // The file in use, kept left to right inside the Arabic sentence.
                       kRecord.arg(QChar(0x2066)
                                   + QDir::toNativeSeparators(RecordBook::instance().state().path)
                                   + QChar(0x2069)),
                       kReporting, creditLine}
        .join(QStringLiteral("\n\n"));
}

void showAbout(QWidget *over, const QString &creditLine)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, aboutText(creditLine), QMessageBox::Ok, over);
    box.setObjectName(QStringLiteral("about"));
    box.setTextFormat(Qt::PlainText);
    box.setIconPixmap(QApplication::windowIcon().pixmap(32, 32));
    box.setWindowModality(Qt::ApplicationModal);
    box.setLayoutDirection(Qt::RightToLeft);
    QAbstractButton *ok = box.button(QMessageBox::Ok);
    ok->setText(kOkText); // the same word as on every warning
    ok->setAccessibleName(kOkText);
    box.exec();
    if (over) // the keyboard goes back where the user was
        over->window()->activateWindow();
}
