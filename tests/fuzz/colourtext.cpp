// Text read as a colour, as pasted from the clipboard. The input is the text in UTF-8; the
// colour table is a small fixed one with a reading, a star and a code that is no colour.

#include "names/colourtext.h"

#include "fuzzcheck.h"

#include <QColor>

namespace {

const QString tableNames[] = {QStringLiteral("桜色（さくらいろ）"), QStringLiteral("*aqua（アクア）"),
                              QStringLiteral("名無し")};
const QString tableCodes[] = {QStringLiteral("ffdbed"), QStringLiteral("00ffff"),
                              QStringLiteral("12345")};

std::optional<QRgb> parse(const QString &text)
{
    return parseColourText(text, tableNames, tableCodes);
}

QString describe(const std::optional<QRgb> &colour)
{
    return colour ? QColor(*colour).name() : QStringLiteral("nothing");
}

} // namespace

void checkInput(QByteArrayView input)
{
    const QString text = QString::fromUtf8(input);
    const std::optional<QRgb> colour = parse(text);
    const auto detail = [&] { return codeUnits(text) + QStringLiteral(" gave ") + describe(colour); };

    require(!colour || qAlpha(*colour) == 255, "a colour taken in is opaque", detail);
    require(parse(QStringLiteral("\u3000\t") + text + QStringLiteral(" \r\n")) == colour,
            "blanks around the text do not count", detail);
    bool ascii = true;
    for (const QChar c : text)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii)
        require(parse(text.toUpper()) == parse(text.toLower()), "letter case does not count",
                detail);
    if (colour)
        require(parse(QColor(*colour).name()) == colour, "the colour's own code reads back",
                detail);
}
