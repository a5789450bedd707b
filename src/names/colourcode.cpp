#include "names/colourcode.h"

QString channelHex(int value)
{
    QString text;
    if (value <= 15)
        text = QStringLiteral("0");
    return text + QString::number(value, 16).toUpper();
}

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

int leadingHexValue(QStringView text)
{
    int value = 0;
    for (QChar c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            break;
        value = value * 16 + digit;
    }
    return value;
}

std::optional<QRgb> colourOfCode(const QString &code)
{
    if (code.size() != 6)
        return std::nullopt;
    for (const QChar c : code) {
        if (hexDigitValue(c) < 0)
            return std::nullopt;
    }
    const QStringView digits(code);
    return qRgb(leadingHexValue(digits.mid(0, 2)), leadingHexValue(digits.mid(2, 2)),
                leadingHexValue(digits.mid(4, 2)));
}
