#pragma once

#include <QString>

// How a channel box's text is carried over when the input mode changes. Neither validates:
// whatever the box holds is read as well as it can be, and the next validation judges it.

// A decimal text in hexadecimal: the number read from the start of the text, taken to the
// nearest whole number (ties to even), in upper-case hexadecimal digits with "0" in front up
// to 15. Below 0 gives "00". Values of 256 and more give all their digits ("5e3" gives "1388").
QString decimalToHexadecimal(const QString &decimalText);

// A hexadecimal text in decimal: the hexadecimal digits at the start of the text, read unsigned
// ("FFFF" gives "65535"); a text that does not start with a hexadecimal digit gives "0".
QString hexadecimalToDecimal(const QString &hexadecimalText);
