#include "platform/applicationfolder.h"

#include <QCoreApplication>

QString ApplicationFolder::path() const
{
    return QCoreApplication::applicationDirPath();
}
