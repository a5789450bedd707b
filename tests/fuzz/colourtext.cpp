// Text read as a colour, as pasted from the clipboard. The input is the text in UTF-8; the
// colour table is a small fixed one with a reading, a star and a code that is no colour.

#include "names/colourtext.h"

#include "exacthsl.h"
#include "fuzzcheck.h"

#include <QColor>

namespace {

const QString tableNames[] = {QStringLiteral("桜色（さくらいろ）"),
                              QStringLiteral("*aqua（アクア）"), QStringLiteral("名無し")};
const QString tableCodes[]
    = {QStringLiteral("ffdbed"), QStringLiteral("00ffff"), QStringLiteral("12345")};

// The colour, and whether it was clipped, as one comparable value.
std::optional<std::pair<QRgb, bool>> parse(const QString &text)
{
    const std::optional<RoundedColour> colour = parseColourText(text, tableNames, tableCodes);
    return colour ? std::optional(std::pair(colour->colour, colour->clipped)) : std::nullopt;
}

QString describe(const std::optional<std::pair<QRgb, bool>> &colour)
{
    if (!colour)
        return QStringLiteral("nothing");
    return QColor(colour->first).name() + (colour->second ? QStringLiteral(" clipped") : QString());
}

// hsl() with whole numbers, made from the first five bytes: a hue of -360 to 719 degrees,
// saturation and lightness of -20 to 235 percent, with commas and percentages or with blanks
// and plain numbers. It must match exact arithmetic, halves and clipping included.
void checkWholeHsl(QByteArrayView input)
{
    if (input.size() < 5)
        return;
    const auto byte = [&](int i) { return int(uchar(input[i])); };
    const int hue = (byte(0) << 8 | byte(1)) % 1080 - 360;
    const int saturation = byte(2) - 20;
    const int lightness = byte(3) - 20;
    const QString text
        = byte(4) % 2 ? QStringLiteral("hsl(%1, %2%, %3%)") : QStringLiteral("hsl(%1 %2 %3)");
    const QString hsl = text.arg(hue).arg(saturation).arg(lightness);
    const ExactHsl exact = exactHsl(hue, saturation, lightness);
    const auto colour = parse(hsl);
    require(colour == std::pair(exact.colour, exact.clipped), "whole-number hsl() is exact",
            [&] { return hsl + QStringLiteral(" gave ") + describe(colour); });
}

} // namespace

void checkInput(QByteArrayView input)
{
    checkWholeHsl(input);
    const QString text = QString::fromUtf8(input);
    const auto colour = parse(text);
    const auto detail
        = [&] { return codeUnits(text) + QStringLiteral(" gave ") + describe(colour); };

    require(!colour || qAlpha(colour->first) == 255, "a colour taken in is opaque", detail);
    require(parse(QStringLiteral("\u3000\t") + text + QStringLiteral(" \r\n")) == colour,
            "blanks around the text do not count", detail);
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        require(parse(text.toUpper()) == parse(text.toLower()), "letter case does not count",
                detail);
    if (colour)
        require(parse(QColor(colour->first).name()) == std::pair(colour->first, false),
                "the colour's own code reads back", detail);
}
