#pragma once

#include <optional>

// A channel value stepped by a key in its box, or nothing when the key has no effect there.
//   Down  +1 up to 255             Page Down  +10 while the result stays within 255
//   Up    -1 down to 0             Page Up    -10 while the result stays within 0
// With Shift alone (mask exactly Shift), Page Down sets 255 and Page Up sets 0, even when the
// value is already there. With Ctrl or Alt as well, the pages step by 10 as without Shift.
std::optional<int> steppedValue(int value, int keyCode, int shiftMask);
