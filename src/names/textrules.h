#pragma once

#include <QString>

// Removes spaces at both ends: the space U+0020 and the ideographic space U+3000.
// Tabs and other blanks stay.
QString trimBlanks(const QString &text);

// Drops one leading "*" (the mark of a web colour keyword in the colour table).
QString removeStar(const QString &text);

// The separator behind a found colour name: one ideographic space.
inline constexpr QChar ideographicSpace = QChar(0x3000);
