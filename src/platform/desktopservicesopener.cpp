#include "platform/desktopservicesopener.h"

#include <QDesktopServices>

bool DesktopServicesOpener::isAvailable() const
{
    return true;
}

void DesktopServicesOpener::open(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}
