#pragma once

#include <QString>

// The channel boxes take hexadecimal digits exactly when the hexadecimal option (check1) is on,
// state 1; off (0) and greyed (2) both mean decimal.
inline bool isHexadecimalMode(qint16 hexadecimalOptionState)
{
    return hexadecimalOptionState == 1;
}

// How many characters the user may type into a channel box in each mode.
inline constexpr int hexadecimalInputLength = 2;
inline constexpr int decimalInputLength = 3;

// How a channel box's text is carried over when the input mode changes. Neither validates:
// whatever the box holds is read as well as it can be, and the next validation judges it.

// A decimal text in hexadecimal: the number read from the start of the text, taken to the
// nearest whole number (ties to even), in upper-case hexadecimal digits with "0" in front up
// to 15. Below 0 gives "00". Values of 256 and more give all their digits ("5e3" gives "1388").
QString decimalToHexadecimal(const QString &decimalText);

// A hexadecimal text in decimal: the hexadecimal digits at the start of the text, read unsigned
// ("FFFF" gives "65535"); a text that does not start with a hexadecimal digit gives "0".
QString hexadecimalToDecimal(const QString &hexadecimalText);
