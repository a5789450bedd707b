#pragma once

#include <QRgb>
#include <QString>

#include <optional>
#include <span>

// Reads a text, as pasted from the clipboard, as a colour. Blanks around it (space, ideographic
// space, tab, line ends) and one trailing ";" do not count, and letter case does not matter.
// Accepted, alpha always checked and then dropped:
// - "#rgb", "#rgba", "#rrggbb", "#rrggbbaa", and "rrggbb" without "#";
// - rgb()/rgba() with numbers or percentages, hsl()/hsla() with a hue and two percentages, each
//   with commas or with blanks and "/ alpha"; values out of range are clamped as CSS does;
// - the 148 CSS colour keywords;
// - a name of the colour table: as stored, without its leading "*", without its reading in
//   "（…）", or without both. The first entry whose code is a colour wins.
// The table is two parallel lists, names as stored and their codes. Nothing for any other text.
std::optional<QRgb> parseColourText(const QString &text, std::span<const QString> tableNames,
                                    std::span<const QString> tableCodes);
