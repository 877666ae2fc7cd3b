#include "dialogs/DialogMessage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

void ShowDialogMessage(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

QString ApplicationNameCaption()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
