#include "platform/atspiscreenreader.h"
#include "platform/desktopscreencolourreader.h"
#include "platform/desktopservicesopener.h"
#include "platform/platform.h"
#include "platform/processlauncher.h"
#include "platform/qtmessagebox.h"
#include "platform/systemprogramfiles.h"
#include "platform/systemvoices.h"

#include <QCoreApplication>

Platform Platform::system()
{
    Platform platform;
    platform.folder = std::make_unique<SystemProgramFiles>(QCoreApplication::applicationDirPath());
    platform.messageBox = std::make_unique<QtMessageBox>();
    platform.voices = std::make_unique<SystemVoices>();
    platform.opener = std::make_unique<DesktopServicesOpener>();
    platform.launcher = std::make_unique<ProcessLauncher>();
    platform.screen = std::make_unique<DesktopScreenColourReader>();
    platform.screenReader = std::make_unique<AtSpiScreenReader>();
    return platform;
}
