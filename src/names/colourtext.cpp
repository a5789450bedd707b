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
// absence of one: its black channels would set a colour the text never meant.
std::optional<QRgb> fromKeyword(QStringView word)
{
    const auto isLetter
        = [](QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    if (word.isEmpty() || !std::all_of(word.begin(), word.end(), isLetter)
        || word.compare(u"transparent", Qt::CaseInsensitive) == 0)
        return std::nullopt;
    if (word.compare(u"rebeccapurple", Qt::CaseInsensitive) == 0)
        return qRgb(0x66, 0x33, 0x99);
    const QColor colour = QColor::fromString(word);
    return colour.isValid() ? std::optional(colour.rgb()) : std::nullopt;
}

struct Component
{
    double value;
    QString unit; // lower case: empty, "%" or an angle unit
};

// A CSS number with an optional unit. A number too large for a double reads as infinity, which
// clamps like any other value out of range.
std::optional<Component> readComponent(QStringView token)
{
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(
            u"([+-]?(?:[0-9]+|[0-9]*\\.[0-9]+)(?:e[+-]?[0-9]+)?)(%|deg|grad|rad|turn)?"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = number.match(token.toString());
    if (!match.hasMatch())
        return std::nullopt;
    return Component{match.captured(1).toDouble(), match.captured(2).toLower()};
}

// The three colour arguments, then the alpha if there is one. CSS allows commas between all of
// them, or blanks between the three and "/" before the alpha.
std::optional<QList<Component>> readArguments(QStringView inside, bool &withCommas)
{
    QList<QStringView> tokens;
    withCommas = inside.contains(u',');
    if (withCommas) {
        for (QStringView part : inside.split(u','))
            tokens.append(withoutBlanks(part));
        if (tokens.size() != 3 && tokens.size() != 4)
            return std::nullopt;
    } else {
        const QList<QStringView> halves = inside.split(u'/');
        tokens = blankSeparated(halves.first());
        if (tokens.size() != 3 || halves.size() > 2)
            return std::nullopt;
        if (halves.size() == 2)
            tokens.append(withoutBlanks(halves.last()));
    }
    QList<Component> components;
    for (QStringView token : tokens) {
        const std::optional<Component> component = readComponent(token);
        if (!component)
            return std::nullopt;
        components.append(*component);
    }
    if (components.size() == 4 && !components.last().unit.isEmpty()
        && components.last().unit != u"%")
        return std::nullopt;
    return components;
}

// CSS rounds a channel to the nearest integer, halves upwards.
int roundChannel(double value)
{
    return int(std::floor(value + 0.5));
}

std::optional<QRgb> fromRgb(const QList<Component> &arguments, bool withCommas)
{
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const Component &c = arguments.at(i);
        // With commas CSS takes three numbers or three percentages, never a mixture.
        if (withCommas && c.unit != arguments.first().unit)
            return std::nullopt;
        if (c.unit.isEmpty())
            channels[i] = roundChannel(std::clamp(c.value, 0.0, 255.0));
        else if (c.unit == u"%") // times 255 / 100: 2.55 is a hair short and rounds 50% down
            channels[i] = roundChannel(std::clamp(c.value, 0.0, 100.0) * 255 / 100);
        else
            return std::nullopt;
    }
    return qRgb(channels[0], channels[1], channels[2]);
}

std::optional<QRgb> fromHsl(const QList<Component> &arguments)
{
    const Component &h = arguments.at(0);
    double hue;
    if (h.unit.isEmpty() || h.unit == u"deg")
        hue = h.value;
    else if (h.unit == u"grad")
        hue = h.value * 0.9;
    else if (h.unit == u"rad")
        hue = h.value * 180 / std::numbers::pi;
    else if (h.unit == u"turn")
        hue = h.value * 360;
    else
        return std::nullopt;
    // An infinite hue has no angle to wrap to.
    if (!std::isfinite(hue) || arguments.at(1).unit != u"%" || arguments.at(2).unit != u"%")
        return std::nullopt;
    hue = std::fmod(hue, 360.0);
    if (hue < 0)
        hue += 360;
    const double saturation = std::clamp(arguments.at(1).value, 0.0, 100.0) / 100;
    const double lightness = std::clamp(arguments.at(2).value, 0.0, 100.0) / 100;
    // The conversion CSS gives for hsl().
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12);
        const double a = saturation * std::min(lightness, 1 - lightness);
        return roundChannel(
            255 * (lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}))));
    };
    return qRgb(channel(0), channel(8), channel(4));
}

std::optional<QRgb> fromFunction(QStringView text)
{
    static const QRegularExpression call(
        QRegularExpression::anchoredPattern(u"(rgb|hsl)a?\\((.*)\\)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = call.match(text.toString());
    if (!match.hasMatch())
        return std::nullopt;
    bool withCommas = false;
    const std::optional<QList<Component>> arguments
        = readArguments(match.capturedView(2), withCommas);
    if (!arguments)
        return std::nullopt;
    if (match.captured(1).compare(u"rgb", Qt::CaseInsensitive) == 0)
        return fromRgb(*arguments, withCommas);
    return fromHsl(*arguments);
}

QString withoutReading(const QString &name)
{
    return withoutBlanks(QStringView(name).left(name.indexOf(QChar(0xFF08)))).toString();
}

// The colour list shows a name with its star and reading; the name copy drops both.
bool namesEntry(QStringView text, const QString &name)
{
    const QString bare = removeStar(name);
    for (const QString &form : {name, bare, withoutReading(name), withoutReading(bare)}) {
        if (text.compare(form, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

// The CSS forms come before the table: a keyword means the same colour wherever the text was
// copied from, and the table's own keyword entries carry the same colours.
std::optional<QRgb> parseColourText(const QString &text, std::span<const QString> tableNames,
                                    std::span<const QString> tableCodes)
{
    QStringView core = withoutBlanks(text);
    if (core.endsWith(u';'))
        core = withoutBlanks(core.chopped(1));
    if (core.isEmpty())
        return std::nullopt;
    if (const auto colour = fromHex(core))
        return colour;
    if (const auto colour = fromFunction(core))
        return colour;
    if (const auto colour = fromKeyword(core))
        return colour;
    const std::size_t count = std::min(tableNames.size(), tableCodes.size());
    for (std::size_t k = 0; k < count; ++k) {
        const std::optional<QRgb> colour = colourOfCode(tableCodes[k]);
        if (colour && namesEntry(core, tableNames[k]))
            return colour;
    }
    return std::nullopt;
}
