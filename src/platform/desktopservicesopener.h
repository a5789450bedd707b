#pragma once

#include "platform/documentopener.h"

// Opens documents and addresses through QDesktopServices.
class DesktopServicesOpener : public DocumentOpener
{
public:
    // On Linux and the other freedesktop systems: xdg-open is on the search path, or the program
    // runs in a Flatpak sandbox, where Qt opens documents through the desktop portal. Elsewhere
    // the system's shell always has a way.
    bool isAvailable() const override;
    void open(const QUrl &url) override;
};
