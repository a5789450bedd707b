#pragma once

#include "colour/srgbconversion.h"

#include <QString>

#include <optional>
#include <span>

// Reads a text, as pasted from the clipboard, as a colour. Blanks around it (space, ideographic
// space, tab, line ends) and one trailing ";" do not count, nor does the case of the letters A-Z
// (only theirs: a long s or a Kelvin sign is no "s" or "k").
// Accepted, alpha always checked and then dropped:
// - "#rgb", "#rgba", "#rrggbb", "#rrggbbaa", and any six hexadecimal digits without "#";
// - the colour functions of CSS Color 4: rgb()/rgba() and hsl()/hsla(), with commas (the legacy
//   form) or with blanks and "/ alpha"; hwb(), lab(), lch(), oklab(), oklch() and
//   color(srgb ...), with blanks. "none" reads as 0 outside the legacy form; the closing ")"
//   may be missing at the end of the text. Values are clamped where CSS clamps them as it
//   reads them; a colour that still lies outside sRGB is clipped to it, and says so. A number
//   too large for a double, or a huge one whose result its digits cannot settle, is refused;
// - the 148 CSS colour keywords;
// - a name of the colour table: as stored, without its leading "*", without its reading in
//   "（…）", or without both. The first entry whose code is a colour wins.
// The table is two parallel lists, names as stored and their codes. Nothing for any other text.
std::optional<RoundedColour> parseColourText(const QString &text,
                                             std::span<const QString> tableNames,
                                             std::span<const QString> tableCodes);
