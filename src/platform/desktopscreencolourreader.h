#pragma once

#include "platform/screencolourreader.h"

// On X11 and the like, grabs the one pixel under the pointer. Wayland lets no program read the
// screen, so there the desktop portal's colour picker asks the user to click the colour; the
// portal also stands in where a grab fails.
class DesktopScreenColourReader : public ScreenColourReader
{
public:
    std::optional<QColor> colourUnderPointer() override;
};
