#include "platform/processlauncher.h"

#include <QProcess>

void ProcessLauncher::startMinimised(const QString &program, const QStringList &arguments)
{
    QProcess::startDetached(program, arguments);
}
