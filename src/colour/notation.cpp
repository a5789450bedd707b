#include "colour/notation.h"

#include "colour/numberreading.h"

#include <cmath>

namespace {

// The digits of a whole number of any size a double can hold; exact, because taking off the
// last digit and dividing by 16 lose nothing in binary.
QString hexadecimalDigits(double whole)
{
    static constexpr char digitChars[] = "0123456789ABCDEF";
    QString digits;
    do {
        const double last = std::fmod(whole, 16.0);
        digits.prepend(QLatin1Char(digitChars[int(last)]));
        whole = (whole - last) / 16.0;
    } while (whole >= 1.0);
    return digits;
}

} // namespace

QString decimalToHexadecimal(const QString &decimalText)
{
    const double whole = roundHalfEven(readNumber(decimalText));
    if (whole < 0)
        return QStringLiteral("00");
    const QString digits = hexadecimalDigits(whole);
    return whole <= 15 ? QLatin1Char('0') + digits : digits;
}

QString hexadecimalToDecimal(const QString &hexadecimalText)
{
    return QString::number(readNumber(QStringLiteral("&h") + hexadecimalText), 'f', 0);
}
