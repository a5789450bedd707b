#include "names/colourtable.h"

#include "names/textrules.h"

#include <QIODevice>
#include <QStringDecoder>

namespace {

bool isLeadByte(uchar b)
{
    return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc);
}

bool isTrailByte(uchar b)
{
    return (b >= 0x40 && b <= 0x7e) || (b >= 0x80 && b <= 0xfc);
}

// Decodes character by character, so that one bad byte costs one character, not the line.
QString decodeUnitByUnit(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const bool pair = isLeadByte(uchar(bytes.at(i))) && i + 1 < bytes.size()
                          && isTrailByte(uchar(bytes.at(i + 1)));
        const qsizetype width = pair ? 2 : 1;
        // A fresh decoder each time: once it has failed, a decoder cannot be reset for reuse.
        QStringDecoder decoder("windows-31j", QStringDecoder::Flag::Stateless);
        const QString unit = decoder(bytes.mid(i, width));
        if (decoder.hasError() || unit.isEmpty())
            text += QChar::ReplacementCharacter;
        else
            text += unit;
        i += width;
    }
    return text;
}

} // namespace

std::optional<QByteArray> readTextLine(QIODevice &device)
{
    QByteArray line;
    char c = 0;
    while (device.getChar(&c)) {
        if (c == '\r') {
            char next = 0;
            if (device.peek(&next, 1) == 1 && next == '\n')
                device.getChar(&next);
            return line;
        }
        line.append(c);
    }
    if (!device.atEnd())
        return std::nullopt;
    return line;
}

QString decodeCodePage932(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-31j", QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return decoder.hasError() ? decodeUnitByUnit(bytes) : text;
}

std::optional<QList<ColourTableEntry>> readColourTable(QIODevice &device)
{
    if (!device.isReadable())
        return std::nullopt;
    QList<ColourTableEntry> entries;
    while (!device.atEnd()) {
        if (entries.size() >= colourTableCapacity)
            break;
        const auto line = readTextLine(device);
        if (!line)
            return std::nullopt;
        const QString text = decodeCodePage932(*line);
        const qsizetype comma = text.indexOf(QLatin1Char(','));
        if (comma < 0)
            continue;
        entries.append({trimBlanks(text.left(comma)), trimBlanks(text.mid(comma + 1)).toLower()});
    }
    return entries;
}
