#pragma once

#include <QChar>
#include <QString>

// The checks of one channel box's text when the colour is committed. The text comes trimmed
// and lower-cased.

enum class EntryFault {
    None,
    TooManyCharacters, // hexadecimal: more than two characters
    TooFewCharacters,  // hexadecimal: fewer than two, an empty box included
    BadCharacter,      // hexadecimal: a character outside 0-9 and a-f
    NotANumber,        // decimal
    AboveRange,        // decimal: above 255
    BelowRange,        // decimal: below 0
};

struct ChannelEntry
{
    EntryFault fault = EntryFault::None;
    qint16 value = 0;  // the channel value when the entry passed
    QChar badCharacter; // the first offending character of a BadCharacter fault
};

// Exactly two of the characters 0-9 and a-f; full-width digits and upper-case letters fail.
ChannelEntry checkHexadecimalEntry(const QString &text);

// A number from 0 to 255, compared before rounding (255.4 is above the range, -0.4 below it),
// then rounded to the nearest whole number, ties to even.
ChannelEntry checkDecimalEntry(const QString &text);
