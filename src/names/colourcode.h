#pragma once

#include <QString>

// A channel value as two upper-case hexadecimal digits ("0" in front up to 15).
QString channelHex(int value);

// 0 to 15 for an ASCII hexadecimal digit in either case, else -1.
int hexDigitValue(QChar c);

// The hexadecimal digits at the start of a short text (a channel slice of a code), read as a
// number; 0 when it starts with none.
int leadingHexValue(QStringView text);
