// The text of a channel box: number reading, the decimal and hexadecimal entry checks, and
// carrying the text over when the input mode changes. The input is the text in UTF-8.

#include "colour/channelcheck.h"
#include "colour/notation.h"
#include "colour/numberreading.h"
#include "fuzzcheck.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

bool isHexadecimalEntryDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
           || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

bool consistsOf(const QString &text, const char *characters)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [&](QChar c) {
        return c.unicode() < 0x80 && std::strchr(characters, char(c.unicode()));
    });
}

// Below 2^53 every whole number is exact in a double, so a value carried over keeps its digits.
constexpr double exactLimit = 9007199254740992.0;

void checkDecimal(const QString &text, double read)
{
    const ChannelEntry entry = checkDecimalEntry(text);
    require((entry.fault == EntryFault::NotANumber) == !isNumber(text),
            "a decimal entry is refused as no number exactly when it is none", text);
    switch (entry.fault) {
    case EntryFault::None:
        require(entry.value >= 0 && entry.value <= 255, "an accepted value is 0-255", text);
        require(entry.value == toInt16(read), "the value is the number read, rounded", text);
        break;
    case EntryFault::AboveRange:
        require(read > 255, "only values above 255 are above", text);
        break;
    case EntryFault::BelowRange: require(read < 0, "only values below 0 are below", text); break;
    case EntryFault::NotANumber: break;
    default: require(false, "a decimal entry has only decimal faults", text);
    }

    // Switched to hexadecimal, an accepted value passes the hexadecimal check as itself.
    if (entry.fault == EntryFault::None) {
        const ChannelEntry carried = checkHexadecimalEntry(decimalToHexadecimal(text).toLower());
        require(carried.fault == EntryFault::None && carried.value == entry.value,
                "an accepted decimal entry carried over is an accepted hexadecimal entry", text);
    }
}

void checkHexadecimal(const QString &text)
{
    const ChannelEntry entry = checkHexadecimalEntry(text);
    switch (entry.fault) {
    case EntryFault::None:
        require(text.size() == 2 && std::all_of(text.begin(), text.end(), isHexadecimalEntryDigit),
                "only two digits 0-9, a-f pass", text);
        require(entry.value == text.toInt(nullptr, 16), "the value is the two digits", text);
        require(hexadecimalToDecimal(text) == QString::number(entry.value),
                "an accepted hexadecimal entry carried over is its decimal value", text);
        require(decimalToHexadecimal(QString::number(entry.value)) == text.toUpper(),
                "and carried back it is the same two digits", text);
        break;
    case EntryFault::TooManyCharacters:
        require(text.size() > 2, "too many is above two", text);
        break;
    case EntryFault::TooFewCharacters:
        require(text.size() < 2, "too few is below two", text);
        break;
    case EntryFault::BadCharacter: {
        require(text.size() == 2, "characters are judged only in a two-character text", text);
        const qsizetype first
            = std::find_if_not(text.begin(), text.end(), isHexadecimalEntryDigit) - text.begin();
        require(first < 2 && text[first] == entry.badCharacter,
                "the bad character is the first that is no digit", text);
        break;
    }
    default: require(false, "a hexadecimal entry has only hexadecimal faults", text);
    }
}

void checkNotations(const QString &text, double read)
{
    const QString asHexadecimal = decimalToHexadecimal(text);
    require(asHexadecimal.size() >= 2 && consistsOf(asHexadecimal, "0123456789ABCDEF"),
            "a decimal text in hexadecimal is at least two upper-case digits", asHexadecimal);
    const double whole = std::max(0.0, roundHalfEven(read));
    if (whole < exactLimit)
        require(hexadecimalToDecimal(asHexadecimal) == QString::number(whole, 'f', 0),
                "decimal to hexadecimal and back gives the number read, rounded, at least 0",
                [&] { return text + QStringLiteral(" -> ") + asHexadecimal; });

    const QString asDecimal = hexadecimalToDecimal(text);
    require(consistsOf(asDecimal, "0123456789"), "a hexadecimal text in decimal is digits",
            asDecimal);
    if (readNumber(asDecimal) < exactLimit)
        require(hexadecimalToDecimal(decimalToHexadecimal(asDecimal)) == asDecimal,
                "hexadecimal to decimal, then there and back again, changes nothing",
                [&] { return text + QStringLiteral(" -> ") + asDecimal; });
}

} // namespace

void checkInput(QByteArrayView input)
{
    const QString text = QString::fromUtf8(input);
    const double read = readNumber(text);
    require(std::isfinite(read), "every text reads as a finite number", text);
    checkDecimal(text, read);
    checkHexadecimal(text);
    checkNotations(text, read);
}
