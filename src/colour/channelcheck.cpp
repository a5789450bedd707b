#include "colour/channelcheck.h"

#include "colour/numberreading.h"

ChannelEntry checkHexadecimalEntry(const QString &text)
{
    ChannelEntry entry;
    if (text.size() > 2) {
        entry.fault = EntryFault::TooManyCharacters;
        return entry;
    }
    if (text.size() < 2) {
        entry.fault = EntryFault::TooFewCharacters;
        return entry;
    }
    static const QString digits = QStringLiteral("0123456789abcdef");
    for (const QChar c : text) {
        const qsizetype digit = digits.indexOf(c);
        if (digit < 0) {
            entry.fault = EntryFault::BadCharacter;
            entry.badCharacter = c;
            return entry;
        }
        entry.value = qint16(entry.value * 16 + digit);
    }
    return entry;
}

ChannelEntry checkDecimalEntry(const QString &text)
{
    ChannelEntry entry;
    if (!isNumber(text)) {
        entry.fault = EntryFault::NotANumber;
        return entry;
    }
    const double value = readNumber(text);
    if (value > 255)
        entry.fault = EntryFault::AboveRange;
    else if (value < 0)
        entry.fault = EntryFault::BelowRange;
    else
        entry.value = toInt16(value);
    return entry;
}
