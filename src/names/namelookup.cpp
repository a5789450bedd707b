// The colour table of the window: loading it, building the colour code, finding names.

#include "app/kolvarenta.h"
#include "names/colourcode.h"
#include "names/colourtable.h"
#include "names/textrules.h"

#include <QFile>

Kolvarenta::TableLoad Kolvarenta::loadColourTable()
{
    QFile file(folderpath + QStringLiteral("kolvarenta.dat"));
    if (!file.exists())
        return TableLoad::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return TableLoad::Failed;
    const auto entries = readColourTable(file);
    file.close();
    if (!entries)
        return TableLoad::Failed;
    for (const ColourTableEntry &entry : *entries) {
        ++tablecount;
        tablenames[tablecount] = entry.name;
        tablecodes[tablecount] = entry.code;
    }
    return TableLoad::Loaded;
}

// Linear scan from entry 1, so the lowest-numbered of repeated codes wins. 0 when not found.
int Kolvarenta::findTableEntry(const QString &code) const
{
    for (int k = 1; k <= tablecount; ++k) {
        if (tablecodes[k] == code)
            return k;
    }
    return 0;
}

void Kolvarenta::mojiname()
{
    redstring = channelHex(redvalue);
    greenstring = channelHex(greenvalue);
    bluestring = channelHex(bluevalue);
    colorcode = redstring + greenstring + bluestring;
}

void Kolvarenta::colormatch()
{
    colorname.clear();
    colorcode = colorcode.toLower();
    if (const int k = findTableEntry(colorcode))
        colorname = tablenames[k];
    if (!colorname.isEmpty())
        colorname += ideographicSpace;
}

void Kolvarenta::backcolormatch()
{
    const QString key = (backredstring + backgreenstring + backbluestring).toLower();
    if (const int k = findTableEntry(key))
        backcolorname = tablenames[k];
}
