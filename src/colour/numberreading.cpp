#include "colour/numberreading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double largest = std::numeric_limits<double>::max();

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QChar(0x3000) || c == QLatin1Char('\t')
        || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// The value of an ASCII digit in the base, or -1.
int digitValue(QChar c, int base)
{
    int value = -1;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        value = c.unicode() - '0';
    else if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        value = c.unicode() - 'a' + 10;
    else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        value = c.unicode() - 'A' + 10;
    return value < base ? value : -1;
}

struct Scanned
{
    bool found = false; // at least one digit of a number was read
    double value = 0;
    bool overflow = false; // the number is beyond the range of a double
    qsizetype end = 0;     // where reading stopped
};

// Reads one number at the start of the text. Reading from the start of a box skips blanks
// anywhere and knows no digit grouping; the whole-text test takes no blanks inside a number
// but takes grouping commas between digits.
class NumberScanner
{
public:
    enum Style { FromStart, WholeText };

    NumberScanner(QStringView text, Style style)
        : text(text)
        , style(style)
    {
    }

    Scanned scan()
    {
        if (peek() == QLatin1Char('&'))
            return scanPrefixed();
        return scanDecimal();
    }

private:
    QChar peek()
    {
        if (style == FromStart) {
            while (pos < text.size() && isBlank(text[pos]))
                ++pos;
        }
        return pos < text.size() ? text[pos] : QChar();
    }

    // A comma that groups digits: it stands between two digits.
    bool atGroupingComma(const QString &digitsSoFar) const
    {
        return style == WholeText && !digitsSoFar.isEmpty() && pos + 1 < text.size()
            && text[pos] == QLatin1Char(',') && digitValue(text[pos + 1], 10) >= 0;
    }

    // Digits of the base; decimal ones may be grouped.
    QString digits(int base)
    {
        QString read;
        for (;;) {
            const QChar c = peek();
            if (digitValue(c, base) >= 0) {
                read += c;
                ++pos;
            } else if (base == 10 && atGroupingComma(read)) {
                ++pos;
            } else {
                return read;
            }
        }
    }

    // &h and &o: hexadecimal and octal, read unsigned.
    Scanned scanPrefixed()
    {
        Scanned result;
        ++pos;
        const QChar kind = peek().toLower();
        const int base = kind == QLatin1Char('h') ? 16 : kind == QLatin1Char('o') ? 8 : 0;
        if (base == 0)
            return result;
        ++pos;
        for (const QChar c : digits(base)) {
            result.found = true;
            result.value = result.value * base + digitValue(c, base);
        }
        if (!std::isfinite(result.value)) {
            result.value = largest;
            result.overflow = true;
        }
        result.end = pos;
        return result;
    }

    Scanned scanDecimal()
    {
        Scanned result;
        bool negative = false;
        if (peek() == QLatin1Char('+') || peek() == QLatin1Char('-')) {
            negative = peek() == QLatin1Char('-');
            ++pos;
        }
        const QString whole = digits(10);
        QString fraction;
        if (peek() == QLatin1Char('.')) {
            ++pos;
            fraction = plainDigits();
        }
        if (whole.isEmpty() && fraction.isEmpty())
            return result;
        const long long exponent = scanExponent();
        result.found = true;
        result.end = pos;
        convert(result, negative, whole, fraction, exponent);
        return result;
    }

    // Decimal digits without grouping: those after the point and those of the exponent.
    QString plainDigits()
    {
        QString read;
        while (digitValue(peek(), 10) >= 0) {
            read += text[pos];
            ++pos;
        }
        return read;
    }

    // The exponent after e or d; 0 when there is none. A marker without digits is not part of
    // the number, so reading backs off to before it ("1e" is 1). Huge exponents are held at a
    // size no double can reach, which keeps the sum below from overflowing.
    long long scanExponent()
    {
        const qsizetype before = pos;
        const QChar marker = peek().toLower();
        if (marker != QLatin1Char('e') && marker != QLatin1Char('d'))
            return 0;
        ++pos;
        bool negative = false;
        if (peek() == QLatin1Char('+') || peek() == QLatin1Char('-')) {
            negative = peek() == QLatin1Char('-');
            ++pos;
        }
        const QString read = plainDigits();
        if (read.isEmpty()) {
            pos = before;
            return 0;
        }
        constexpr long long beyondAnyDouble = 1'000'000'000;
        long long exponent = 0;
        for (const QChar c : read)
            exponent = std::min(exponent * 10 + digitValue(c, 10), beyondAnyDouble);
        return negative ? -exponent : exponent;
    }

    // The digits as read become a double; from_chars rounds correctly however many there are.
    static void convert(Scanned &result, bool negative, const QString &whole,
                        const QString &fraction, long long exponent)
    {
        std::string number = negative ? "-" : "";
        number += whole.isEmpty() ? std::string("0") : whole.toStdString();
        number += '.';
        number += fraction.isEmpty() ? std::string("0") : fraction.toStdString();
        number += 'e' + std::to_string(exponent);
        const auto error = std::from_chars(number.data(), number.data() + number.size(),
                                           result.value).ec;
        if (error != std::errc::result_out_of_range)
            return;
        // Out of range is either too large or too small; the place of the first significant
        // digit tells which.
        const QString digits = whole + fraction;
        qsizetype firstSignificant = 0;
        while (firstSignificant < digits.size() && digits[firstSignificant] == QLatin1Char('0'))
            ++firstSignificant;
        const long long magnitude = exponent + whole.size() - firstSignificant - 1;
        result.overflow = magnitude >= 0;
        result.value = result.overflow ? largest : 0.0;
        if (negative)
            result.value = -result.value;
    }

    QStringView text;
    Style style;
    qsizetype pos = 0;
};

} // namespace

bool isNumber(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    const QStringView rest = QStringView(text).mid(start);
    const Scanned number = NumberScanner(rest, NumberScanner::WholeText).scan();
    if (!number.found || number.overflow)
        return false;
    for (qsizetype i = number.end; i < rest.size(); ++i) {
        if (!isBlank(rest[i]))
            return false;
    }
    return true;
}

double readNumber(const QString &text)
{
    return NumberScanner(text, NumberScanner::FromStart).scan().value;
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest != 0.5)
        return rest < 0.5 ? below : below + 1;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

qint16 toInt16(double value)
{
    if (std::isnan(value))
        return 0;
    const double whole = roundHalfEven(value);
    if (whole <= std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    if (whole >= std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    return qint16(whole);
}
