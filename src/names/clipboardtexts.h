#pragma once

#include <QString>

// The texts the clipboard menu copies, built from the current colour's code and its name
// (the table name followed by one ideographic space, or empty when the code has no name).

// The code, with "#" in front only for a colour whose name carries the web-colour star and only
// while the "#" option is exactly on (state 1; off and greyed give no "#").
QString codeClipText(const QString &colorcode, const QString &colorname, qint16 hashOptionState);

// The bare name: trimmed, one star dropped, and cut before its first full-width "（", which
// opens the reading or alias that follows the name in the table. An ASCII "(" is part of a name.
QString nameClipText(const QString &colorname);

// Name and code exactly as the code label shows them.
QString allClipText(const QString &colorcode, const QString &colorname);
