#include "names/colourtable.h"

#include "names/textrules.h"

#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

bool isLeadByte(uchar b)
{
    return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc);
}

bool isTrailByte(uchar b)
{
    return (b >= 0x40 && b <= 0x7e) || (b >= 0x80 && b <= 0xfc);
}

// Index of a lead byte among the 60 lead bytes.
int leadIndex(uchar lead)
{
    return lead <= 0x9f ? lead - 0x81 : lead - 0xe0 + (0x9f - 0x81 + 1);
}

constexpr int leadByteCount = (0x9f - 0x81 + 1) + (0xfc - 0xe0 + 1);

// Code page 932 as tables, filled once from Qt's decoder, so that decoding is one look-up a
// character however damaged the bytes are. Qt's decoder (ICU) gives the bytes 1A, 1C and 7F one
// another's characters; Windows, and these tables, give every byte below 80 itself.
class CodePage932
{
public:
    CodePage932()
    {
        for (int b = 0; b < 0x100; ++b)
            singles[b] = b < 0x80 ? char16_t(b) : char16_t(QChar::ReplacementCharacter);
        QByteArray bytes;
        for (int b = 0x80; b < 0x100; ++b) {
            if (!isLeadByte(uchar(b)))
                bytes += char(b);
        }
        decodeEach(bytes, 1, [this](const QByteArray &piece, char16_t c) {
            singles[uchar(piece[0])] = c;
        });

        bytes.clear();
        for (int lead = 0x81; lead <= 0xfc; ++lead) {
            for (int trail = 0x40; trail <= 0xfc; ++trail) {
                if (isLeadByte(uchar(lead)) && isTrailByte(uchar(trail))) {
                    bytes += char(lead);
                    bytes += char(trail);
                }
            }
        }
        decodeEach(bytes, 2, [this](const QByteArray &piece, char16_t c) {
            pairs[leadIndex(uchar(piece[0]))][uchar(piece[1])] = c;
        });
    }

    char16_t single(uchar b) const { return singles[b]; }
    char16_t pair(uchar lead, uchar trail) const { return pairs[leadIndex(lead)][trail]; }

private:
    // Decodes the pieces of `width` bytes in one call, each followed by a line feed, at which
    // the decoder starts afresh after a fault. A piece that gives anything but one character
    // is undecodable; Qt's decoder marks those with U+FFFD or U+001A.
    template<typename Store>
    static void decodeEach(const QByteArray &bytes, int width, Store store)
    {
        QByteArray separated;
        for (qsizetype i = 0; i < bytes.size(); i += width)
            separated += bytes.mid(i, width) + '\n';
        QStringDecoder decoder("windows-31j", QStringDecoder::Flag::Stateless);
        const QStringList decoded = QString(decoder(separated)).split(QLatin1Char('\n'));
        for (qsizetype piece = 0; piece * width < bytes.size(); ++piece) {
            const QString &text = decoded.value(piece);
            const bool character = text.size() == 1 && text[0] != QChar::ReplacementCharacter
                                   && text[0].unicode() >= 0x20;
            store(bytes.mid(piece * width, width),
                  character ? text[0].unicode() : char16_t(QChar::ReplacementCharacter));
        }
    }

    std::array<char16_t, 0x100> singles{};
    std::array<std::array<char16_t, 0x100>, leadByteCount> pairs{};
};

const CodePage932 &codePage932()
{
    static const CodePage932 table;
    return table;
}

// Lines are read ahead in blocks, growing for long lines, and only the line is taken.
constexpr qint64 firstBlock = 128;
constexpr qint64 largestBlock = 64 * 1024;

} // namespace

std::optional<QByteArray> readTextLine(QIODevice &device)
{
    QByteArray line;
    for (qint64 block = firstBlock;; block = std::min(block * 2, largestBlock)) {
        const QByteArray ahead = device.peek(block);
        if (ahead.isEmpty())
            break;
        const auto end = std::find_if(ahead.begin(), ahead.end(),
                                      [](char c) { return c == '\r' || c == '\n'; });
        const qint64 length = end - ahead.begin();
        line.append(ahead.constData(), length);
        if (end == ahead.end()) {
            if (device.skip(length) != length)
                return std::nullopt;
            continue;
        }
        if (device.skip(length + 1) != length + 1)
            return std::nullopt;
        char next = 0;
        if (*end == '\r' && device.peek(&next, 1) == 1 && next == '\n' && device.skip(1) != 1)
            return std::nullopt;
        return line;
    }
    if (!device.atEnd())
        return std::nullopt;
    return line;
}

QString decodeCodePage932(const QByteArray &bytes)
{
    const CodePage932 &table = codePage932();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        if (isLeadByte(b) && i + 1 < bytes.size() && isTrailByte(uchar(bytes[i + 1])))
            *out++ = QChar(table.pair(b, uchar(bytes[++i])));
        else
            *out++ = QChar(table.single(b));
    }
    text.truncate(out - text.constData());
    return text;
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
