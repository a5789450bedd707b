#pragma once

#include <QColor>

#include <optional>

// Reads the colour of the screen where the mouse pointer stands.
class ScreenColourReader
{
public:
    virtual ~ScreenColourReader() = default;
    // Nothing when the desktop does not let the program see its screen, or the user declines.
    virtual std::optional<QColor> colourUnderPointer() = 0;
};
