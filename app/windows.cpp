#include "windows.h"

#include <QApplication>
#include <QMessageBox>

void showWarning(QWidget *over, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, over);
    box.setObjectName(QStringLiteral("warning"));
    box.setWindowModality(Qt::ApplicationModal);
    box.setLayoutDirection(Qt::RightToLeft);
    box.exec();
    // The window the box was over takes the keyboard again, so the focus the
    // handler gives next lands where the user is looking.
    if (over)
        over->window()->activateWindow();
}

void exitProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
