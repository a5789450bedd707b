#include "names/clipboardtexts.h"

#include "names/textrules.h"

QString codeClipText(const QString &colorcode, const QString &colorname, qint16 hashOptionState)
{
    const bool hash = hashOptionState == 1 && colorname.startsWith(QLatin1Char('*'));
    return hash ? QLatin1Char('#') + colorcode : colorcode;
}

QString nameClipText(const QString &colorname)
{
    const QString name = removeStar(trimBlanks(colorname));
    // The cut comes after the trim, so blanks in front of the parenthesis stay.
    return name.left(name.indexOf(QChar(0xFF08)));
}

QString allClipText(const QString &colorcode, const QString &colorname)
{
    return colorname + colorcode;
}
