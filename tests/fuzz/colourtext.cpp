// Text read as a colour, as pasted from the clipboard. The input is the text in UTF-8; the
// colour table is a small fixed one with a reading, a star and a code that is no colour.

#include "names/colourtext.h"

#include "exacthsl.h"
#include "fuzzcheck.h"

#include <QColor>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <numbers>

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

// The text as the reader sees CSS: comments dropped (one left open runs to the end), blanks
// around trimmed.
QString cssOf(const QString &text)
{
    QString kept = text;
    for (qsizetype open = kept.indexOf(u"/*"); open >= 0; open = kept.indexOf(u"/*", open + 1)) {
        const qsizetype close = kept.indexOf(u"*/", open + 2);
        kept.replace(open, close < 0 ? kept.size() - open : close + 2 - open, u' ');
    }
    return kept.trimmed();
}

// An accepted function's name is one of CSS's in ASCII letters, and no letter outside the
// comments is one that only Unicode case folding makes ASCII (the long s, the Kelvin sign).
// Every number of an accepted function, an angle in degrees, fits a double: a result or its
// flag never comes from an infinity.
void checkCssText(const QString &text, const QString &detail)
{
    const QString css = cssOf(text);
    for (const QChar c : css) {
        require(c.unicode() < 0x80 || c.toCaseFolded().unicode() >= 0x80,
                "no letter that folds into ASCII is read", detail);
    }
    const qsizetype open = css.indexOf(u'(');
    if (open < 0)
        return;
    static const QStringList names{"rgb", "rgba", "hsl",   "hsla",  "hwb",
                                   "lab", "lch", "oklab", "oklch", "color"};
    const QString name = css.first(open);
    require(std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; })
                && names.contains(name.toLower()),
            "a function's name is ASCII", detail);
    static const QRegularExpression number(
        QStringLiteral("([+-]?(?:[0-9]+|[0-9]*\\.[0-9]+)(?:e[+-]?[0-9]+)?)(deg|grad|rad|turn)?"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch &m : number.globalMatch(css)) {
        const QString unit = m.captured(2).toLower();
        const double degrees = unit == u"rad" ? 180 / std::numbers::pi : unit == u"turn" ? 360 : 1;
        require(std::isfinite(m.capturedView(1).toDouble() * degrees),
                "every number read fits a double", detail);
    }
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
    if (colour) {
        require(parse(QColor(colour->first).name()) == std::pair(colour->first, false),
                "the colour's own code reads back", detail);
        checkCssText(text, detail());
    }
}
