#include "names/colourtext.h"

#include "names/colourcode.h"
#include "names/textrules.h"

#include <QColor>
#include <QList>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == ideographicSpace || c == u'\t' || c == u'\r' || c == u'\n';
}

QStringView withoutBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// CSS compares its names case-insensitively in ASCII only: Unicode folding would take the long s
// (U+017F) for "s" and the Kelvin sign (U+212A) for "k", and read text no CSS reader takes.
QString asciiLowered(QStringView text)
{
    QString lowered = text.toString();
    for (QChar &c : lowered) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return lowered;
}

QList<QStringView> blankSeparated(QStringView text)
{
    QList<QStringView> words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || isBlank(text.at(i));
        if (!blank && start < 0)
            start = i;
        if (blank && start >= 0) {
            words.append(text.sliced(start, i - start));
            start = -1;
        }
    }
    return words;
}

// Qt reads the colour digits; alpha digits are only checked, since Qt would take eight digits
// as aarrggbb where CSS means rrggbbaa.
std::optional<QRgb> fromHex(QStringView text)
{
    const bool hash = text.startsWith(u'#');
    const QStringView digits = hash ? text.mid(1) : text;
    const qsizetype count = digits.size();
    const bool lengthFits = hash ? count == 3 || count == 4 || count == 6 || count == 8 : count == 6;
    const auto isDigit = [](QChar c) { return hexDigitValue(c) >= 0; };
    if (!lengthFits || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    return QColor::fromString(u'#' + digits.first(count <= 4 ? 3 : 6).toString()).rgb();
}

// Qt knows the SVG keywords; CSS added rebeccapurple later. "transparent" is no colour but the
// absence of one: its black channels would set a colour the text never meant. The word is in
// small letters already.
std::optional<QRgb> fromKeyword(QStringView word)
{
    const auto isLetter = [](QChar c) { return c >= u'a' && c <= u'z'; };
    if (word.isEmpty() || !std::all_of(word.begin(), word.end(), isLetter)
        || word == u"transparent")
        return std::nullopt;
    if (word == u"rebeccapurple")
        return qRgb(0x66, 0x33, 0x99);
    const QColor colour = QColor::fromString(word);
    return colour.isValid() ? std::optional(colour.rgb()) : std::nullopt;
}

enum class Unit { Number, Percent, Angle, None };

struct Component
{
    double value; // an angle in degrees; 0 for none
    Unit unit;
};

// A CSS number with an optional unit, or "none". A number too large for a double, or an angle
// too large in degrees, is refused: no colour may come from an infinity. One too small for a
// double reads as 0.
std::optional<Component> readComponent(QStringView token)
{
    if (token == u"none")
        return Component{0, Unit::None};
    static const QRegularExpression number(QRegularExpression::anchoredPattern(
        u"([+-]?(?:[0-9]+|[0-9]*\\.[0-9]+)(?:e[+-]?[0-9]+)?)(%|deg|grad|rad|turn)?"));
    // A QString, not the view: Qt 6.8 deprecates match() on a view for matchView(), which Qt 6.4
    // (Debian 12) lacks. The match keeps the string its captured views point into.
    const QRegularExpressionMatch match = number.match(token.toString());
    if (!match.hasMatch())
        return std::nullopt;
    const double value = match.capturedView(1).toDouble();
    const QStringView unit = match.capturedView(2);
    if (!std::isfinite(value))
        return std::nullopt;
    if (unit.isEmpty())
        return Component{value, Unit::Number};
    if (unit == u"%")
        return Component{value, Unit::Percent};
    const double degreesPerUnit = unit == u"deg"    ? 1
                                  : unit == u"grad" ? 0.9
                                  : unit == u"rad"  ? 180 / std::numbers::pi
                                                    : 360;
    const double degrees = value * degreesPerUnit;
    return std::isfinite(degrees) ? std::optional(Component{degrees, Unit::Angle}) : std::nullopt;
}

// The arguments of a colour function. CSS allows commas between all of them (the legacy form
// of rgb() and hsl(), where "none" has no place), or blanks between the colour's own arguments
// and "/" before the alpha.
struct Arguments
{
    QList<Component> values; // the colour's own, without the alpha
    std::optional<Component> alpha;
    bool legacy = false;
};

std::optional<Arguments> readArguments(QList<QStringView> tokens, std::optional<QStringView> alpha,
                                       bool legacy)
{
    Arguments arguments;
    arguments.legacy = legacy;
    if (alpha)
        tokens.append(*alpha);
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const std::optional<Component> component = readComponent(tokens.at(i));
        if (!component || (legacy && component->unit == Unit::None))
            return std::nullopt;
        if (alpha && i == tokens.size() - 1)
            arguments.alpha = component;
        else
            arguments.values.append(*component);
    }
    // The alpha is only checked, then dropped: the colour taken in is opaque.
    if (arguments.alpha && arguments.alpha->unit == Unit::Angle)
        return std::nullopt;
    return arguments;
}

// Splits the text between the parentheses into its words. With commas there are `count` or
// `count` + 1 of them, the last the alpha; with blanks, `count`, then "/" and the alpha.
std::optional<Arguments> splitArguments(QStringView inside, qsizetype count)
{
    if (inside.contains(u',')) {
        QList<QStringView> tokens;
        for (QStringView part : inside.split(u','))
            tokens.append(withoutBlanks(part));
        if (tokens.size() != count && tokens.size() != count + 1)
            return std::nullopt;
        std::optional<QStringView> alpha;
        if (tokens.size() == count + 1)
            alpha = tokens.takeLast();
        return readArguments(tokens, alpha, true);
    }
    const QList<QStringView> halves = inside.split(u'/');
    const QList<QStringView> tokens = blankSeparated(halves.first());
    if (tokens.size() != count || halves.size() > 2)
        return std::nullopt;
    return readArguments(
        tokens, halves.size() == 2 ? std::optional(withoutBlanks(halves.last())) : std::nullopt,
        false);
}

// A number, or a percentage of `hundredPercent`; none is 0. Nothing for an angle, or for a
// percentage beyond the doubles.
std::optional<double> amount(const Component &c, double hundredPercent)
{
    switch (c.unit) {
    case Unit::Number: return c.value;
    case Unit::Percent: {
        if (hundredPercent == 100)
            return c.value;
        const double value = c.value * hundredPercent / 100;
        return std::isfinite(value) ? std::optional(value) : std::nullopt;
    }
    case Unit::None: return 0.0;
    case Unit::Angle: return std::nullopt;
    }
    return std::nullopt;
}

// A hue: a number of degrees or an angle; none is 0. Nothing for a percentage.
std::optional<double> hueOf(const Component &c)
{
    if (c.unit == Unit::Percent)
        return std::nullopt;
    return c.value;
}

// rgb(): CSS clamps each channel to 0-255 as it reads it, so nothing is out of range.
// In the legacy form the three are all numbers or all percentages.
std::optional<SrgbChannels> fromRgb(const Arguments &arguments)
{
    double channels[3];
    for (int i = 0; i < 3; ++i) {
        const Component &c = arguments.values.at(i);
        if (arguments.legacy && c.unit != arguments.values.first().unit)
            return std::nullopt;
        // Times 255 / 100, not 2.55, which is a hair short and would round 50% down. Clamped
        // first, so that no percentage overflows.
        const double top = c.unit == Unit::Percent ? 100 : 255;
        const std::optional<double> value
            = amount(Component{std::clamp(c.value, 0.0, top), c.unit}, 255);
        if (!value)
            return std::nullopt;
        channels[i] = *value;
    }
    return SrgbChannels{channels[0], channels[1], channels[2]};
}

// hsl(): only a negative saturation is clamped; a saturation above 100% or a lightness outside
// 0-100% gives a colour outside sRGB. The legacy form takes percentages only.
std::optional<SrgbChannels> fromHsl(const Arguments &arguments)
{
    const Component &s = arguments.values.at(1);
    const Component &l = arguments.values.at(2);
    if (arguments.legacy && (s.unit != Unit::Percent || l.unit != Unit::Percent))
        return std::nullopt;
    const std::optional<double> hue = hueOf(arguments.values.at(0));
    const std::optional<double> saturation = amount(s, 100);
    const std::optional<double> lightness = amount(l, 100);
    if (!hue || !saturation || !lightness)
        return std::nullopt;
    return srgbOfHsl(*hue, std::max(*saturation, 0.0), *lightness);
}

std::optional<SrgbChannels> fromHwb(const Arguments &arguments)
{
    const std::optional<double> hue = hueOf(arguments.values.at(0));
    const std::optional<double> whiteness = amount(arguments.values.at(1), 100);
    const std::optional<double> blackness = amount(arguments.values.at(2), 100);
    if (!hue || !whiteness || !blackness)
        return std::nullopt;
    return srgbOfHwb(*hue, *whiteness, *blackness);
}

std::optional<RoundedColour> rounded(const std::optional<SrgbChannels> &channels)
{
    return channels ? roundedColourOf(*channels) : std::nullopt;
}

// lab(), lch(), oklab() and oklch(). CSS clamps the lightness to its range and a negative chroma
// to 0 as it reads them. 100% of a and b, or of the chroma, is 125 and 150 (0.4 for the OK
// forms).
std::optional<RoundedColour> fromLabFamily(const Arguments &arguments, bool polar, bool ok)
{
    const double lightnessTop = ok ? 1 : 100;
    const double axisScale = ok ? 0.4 : polar ? 150 : 125;
    const std::optional<double> lightness = amount(arguments.values.at(0), lightnessTop);
    const std::optional<double> first = amount(arguments.values.at(1), axisScale);
    if (!lightness || !first)
        return std::nullopt;
    const double L = std::clamp(*lightness, 0.0, lightnessTop);
    Cartesian ab;
    if (polar) {
        const std::optional<double> hue = hueOf(arguments.values.at(2));
        if (!hue)
            return std::nullopt;
        ab = cartesianOf(std::max(*first, 0.0), *hue);
    } else {
        const std::optional<double> second = amount(arguments.values.at(2), axisScale);
        if (!second)
            return std::nullopt;
        ab = {*first, *second};
    }
    return labInSrgb(L, ab.a, ab.b, ok);
}

// color(srgb r g b): 1 or 100% is a full channel; CSS does not clamp them. Beyond -1 and 2 a
// channel is clipped all the same, so it is held there before it can overflow.
std::optional<SrgbChannels> fromSrgb(const Arguments &arguments)
{
    double channels[3];
    for (int i = 0; i < 3; ++i) {
        const std::optional<double> value = amount(arguments.values.at(i), 1);
        if (!value)
            return std::nullopt;
        channels[i] = std::clamp(*value, -1.0, 2.0) * 255;
    }
    return SrgbChannels{channels[0], channels[1], channels[2]};
}

// A CSS colour function, its text in small letters. The closing parenthesis may be missing at the
// end of the text, as CSS reads a declaration cut short; a selection copied a little short is
// still the colour meant.
std::optional<RoundedColour> fromFunction(QStringView text)
{
    static const QRegularExpression call(
        QRegularExpression::anchoredPattern(u"(rgba?|hsla?|hwb|lab|lch|oklab|oklch|color)\\((.*)"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = call.match(text.toString()); // as in readComponent()
    if (!match.hasMatch())
        return std::nullopt;
    const QStringView name = match.capturedView(1);
    QStringView inside = match.capturedView(2);
    if (inside.endsWith(u')'))
        inside.chop(1);

    if (name == u"color") {
        // The colour space first, then the three channels; sRGB is the only space taken.
        const qsizetype space = inside.indexOf(u"srgb");
        const QStringView rest = inside.mid(space + 4);
        if (space < 0 || !withoutBlanks(inside.first(space)).isEmpty() || rest.isEmpty()
            || !isBlank(rest.front()) || rest.contains(u','))
            return std::nullopt;
        const std::optional<Arguments> arguments = splitArguments(rest, 3);
        return arguments ? rounded(fromSrgb(*arguments)) : std::nullopt;
    }
    const std::optional<Arguments> arguments = splitArguments(inside, 3);
    if (!arguments)
        return std::nullopt;
    if (name.startsWith(u"rgb"))
        return rounded(fromRgb(*arguments));
    if (name.startsWith(u"hsl"))
        return rounded(fromHsl(*arguments));
    if (arguments->legacy)
        return std::nullopt;
    if (name == u"hwb")
        return rounded(fromHwb(*arguments));
    return fromLabFamily(*arguments, name.endsWith(u"lch"), name.startsWith(u"ok"));
}

// CSS comments stand for nothing between the words; one left open runs to the end.
QString withoutComments(QStringView text)
{
    QString kept;
    qsizetype from = 0;
    for (qsizetype open = text.indexOf(u"/*"); open >= 0; open = text.indexOf(u"/*", from)) {
        kept += text.sliced(from, open - from);
        kept += u' ';
        const qsizetype close = text.indexOf(u"*/", open + 2);
        from = close < 0 ? text.size() : close + 2;
    }
    return kept += text.sliced(from);
}

QString withoutReading(const QString &name)
{
    return withoutBlanks(QStringView(name).left(name.indexOf(QChar(0xFF08)))).toString();
}

// The colour list shows a name with its star and reading; the name copy drops both.
bool namesEntry(QStringView text, const QString &name)
{
    const QString bare = removeStar(name);
    const QString lowered = asciiLowered(text);
    for (const QString &form : {name, bare, withoutReading(name), withoutReading(bare)}) {
        if (asciiLowered(form) == lowered)
            return true;
    }
    return false;
}

} // namespace

// The CSS forms come before the table: a keyword means the same colour wherever the text was
// copied from, and the table's own keyword entries carry the same colours.
std::optional<RoundedColour> parseColourText(const QString &text,
                                             std::span<const QString> tableNames,
                                             std::span<const QString> tableCodes)
{
    QStringView core = withoutBlanks(text);
    if (core.endsWith(u';'))
        core = withoutBlanks(core.chopped(1));
    if (core.isEmpty())
        return std::nullopt;
    const QString css = asciiLowered(withoutComments(core));
    const QStringView cssCore = withoutBlanks(css);
    if (const auto colour = fromHex(cssCore))
        return RoundedColour{*colour};
    if (const auto colour = fromFunction(cssCore))
        return colour;
    if (const auto colour = fromKeyword(cssCore))
        return RoundedColour{*colour};
    const std::size_t count = std::min(tableNames.size(), tableCodes.size());
    for (std::size_t k = 0; k < count; ++k) {
        const std::optional<QRgb> colour = colourOfCode(tableCodes[k]);
        if (colour && namesEntry(core, tableNames[k]))
            return RoundedColour{*colour};
    }
    return std::nullopt;
}
