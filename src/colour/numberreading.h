#pragma once

#include <QString>

// Reading numbers typed into the channel boxes.
//
// A number is one of these forms, letters in either case:
//   decimal      [+|-] digits [. digits] [e|d [+|-] digits]
//                Either side of the point may be empty, not both ("5.", ".5"). In the whole-text
//                test the integer digits may be grouped by "," standing between two digits
//                ("1,000"); the reading from the start of a text stops at a comma.
//   hexadecimal  &h followed by hexadecimal digits, read unsigned ("&hFFFF" is 65535)
//   octal        &o followed by octal digits, read unsigned
// Only ASCII digits count: full-width digits, currency signs, percent signs and brackets for
// negatives are not part of a number. The rules are the same in every locale, so a box means
// the same on every machine.
//
// Blanks are the space, the ideographic space, tab, carriage return and line feed.

// True when the whole text is one number with nothing but blanks around it, and the number
// fits in a double (1e308 does, 1e309 does not). An empty or all-blank text is not a number.
bool isNumber(const QString &text);

// The number at the start of the text. Blanks are passed over wherever they stand; reading
// stops at the first character that cannot continue the number ("12ab" reads 12, "1e" reads 1).
// A text that does not start with a number reads 0. A number beyond the range of a double reads
// as the largest double with its sign, so the result is always finite.
double readNumber(const QString &text);

// The nearest whole number; a value exactly halfway goes to the even neighbour
// (2.5 gives 2, 3.5 gives 4, -0.5 gives 0).
double roundHalfEven(double value);

// roundHalfEven taken to a 16-bit channel value. Values beyond the 16-bit range give the
// nearest end of it; callers check the range before they store a value.
qint16 toInt16(double value);
