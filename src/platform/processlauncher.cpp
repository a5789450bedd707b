#include "platform/processlauncher.h"

#include <QProcess>

// X11 and Wayland give a program no way to ask that another program's first window open
// minimised; the window manager places the new window and, as the newest, gives it the focus.
bool ProcessLauncher::startMinimised(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}
