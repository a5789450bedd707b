#pragma once

#include <QRgb>
#include <QString>

#include <optional>

// A channel value as two upper-case hexadecimal digits ("0" in front up to 15).
QString channelHex(int value);

// 0 to 15 for an ASCII hexadecimal digit in either case, else -1.
int hexDigitValue(QChar c);

// The hexadecimal digits at the start of a short text (a channel slice of a code), read as a
// number; 0 when it starts with none.
int leadingHexValue(QStringView text);

// A six-digit colour code RRGGBB in either case as a colour; nothing for any other text.
std::optional<QRgb> colourOfCode(const QString &code);
