#include "names/colourcode.h"

QString channelHex(int value)
{
    QString text;
    if (value <= 15)
        text = QStringLiteral("0");
    return text + QString::number(value, 16).toUpper();
}
