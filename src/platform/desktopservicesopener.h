#pragma once

#include "platform/documentopener.h"

// Opens documents and addresses through QDesktopServices.
class DesktopServicesOpener : public DocumentOpener
{
public:
    bool isAvailable() const override;
    void open(const QUrl &url) override;
};
