#include "colour/keystep.h"

#include "colour/keycodes.h"

std::optional<int> steppedValue(int value, int keyCode, int shiftMask)
{
    const bool shiftAlone = shiftMask == ShiftMask::Shift;
    switch (keyCode) {
    case KeyCode::Down:
        if (value < 255)
            return value + 1;
        break;
    case KeyCode::Up:
        if (value > 0)
            return value - 1;
        break;
    case KeyCode::PageDown:
        if (shiftAlone)
            return 255;
        if (value + 10 <= 255)
            return value + 10;
        break;
    case KeyCode::PageUp:
        if (shiftAlone)
            return 0;
        if (value >= 10)
            return value - 10;
        break;
    default:
        break;
    }
    return std::nullopt;
}
