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
}

void exitProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
