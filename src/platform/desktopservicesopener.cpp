#include "platform/desktopservicesopener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QStandardPaths>

bool DesktopServicesOpener::isAvailable() const
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Outside a sandbox Qt hands documents to xdg-open. Without it Qt would try a web browser,
    // which serves a text manual worse than the text editor the caller then starts.
    return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()
        || QFileInfo::exists(QStringLiteral("/.flatpak-info"));
#else
    return true;
#endif
}

// QDesktopServices reports a failure (no application for the type, a missing file) by its
// result alone; the program goes on either way.
void DesktopServicesOpener::open(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}
