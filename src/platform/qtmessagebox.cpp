#include "platform/qtmessagebox.h"

#include <QMessageBox>

void QtMessageBox::show(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}
