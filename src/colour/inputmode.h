#pragma once

class QCheckBox;

// The channel boxes take hexadecimal digits exactly when check1 is on (state 1); off and greyed
// both mean decimal.
bool isHexadecimalMode(const QCheckBox *check1);

// How many characters the user may type into a channel box in each mode.
inline constexpr int hexadecimalInputLength = 2;
inline constexpr int decimalInputLength = 3;
