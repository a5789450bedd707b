// The colour table reader, bytes to entries, and the code page 932 decoding under it.

#include "names/colourtable.h"

#include "fuzzcheck.h"
#include "names/textrules.h"

#include <QBuffer>
#include <QStringDecoder>

#include <algorithm>

namespace {

// Where each line of the bytes ends (past its terminator) and whether it holds a comma. Line
// ends and commas are never the second byte of a double-byte character, so bytes find them.
struct Line
{
    qsizetype end = 0;
    bool hasComma = false;
};

QList<Line> linesOf(QByteArrayView bytes)
{
    QList<Line> lines;
    Line line;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == ',')
            line.hasComma = true;
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        line.end = i + 1;
        lines.append(line);
        line = {};
        start = i + 1;
    }
    if (start < bytes.size()) {
        line.end = bytes.size();
        lines.append(line);
    }
    return lines;
}

QList<ColourTableEntry> readTable(const QByteArray &bytes, qint64 *stoppedAt = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto entries = readColourTable(buffer);
    require(entries.has_value(), "a table in memory can always be read");
    if (stoppedAt)
        *stoppedAt = buffer.pos();
    return *entries;
}

bool sameEntries(const QList<ColourTableEntry> &a, const QList<ColourTableEntry> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype k = 0; k < a.size(); ++k) {
        if (a[k].name != b[k].name || a[k].code != b[k].code)
            return false;
    }
    return true;
}

void checkTable(const QByteArray &bytes)
{
    qint64 stoppedAt = 0;
    const QList<ColourTableEntry> entries = readTable(bytes, &stoppedAt);

    qsizetype entryLines = 0;
    qint64 endOfLastEntry = bytes.size();
    for (const Line &line : linesOf(bytes)) {
        if (line.hasComma && ++entryLines == colourTableCapacity)
            endOfLastEntry = line.end;
    }
    require(
        entries.size() == std::min(entryLines, qsizetype(colourTableCapacity)),
        "every line with a comma is an entry, up to 500", [&] {
            return QStringLiteral("%1 entries from %2 lines").arg(entries.size()).arg(entryLines);
        });
    require(stoppedAt == endOfLastEntry, "reading stops right after the 500th entry line", [&] {
        return QStringLiteral("stopped at %1, not %2").arg(stoppedAt).arg(endOfLastEntry);
    });

    for (const ColourTableEntry &entry : entries) {
        require(!entry.name.contains(QLatin1Char(',')), "names hold no comma", entry.name);
        for (const QString &part : {entry.name, entry.code}) {
            require(trimBlanks(part) == part, "names and codes are trimmed",
                    [&] { return codeUnits(part); });
            require(!part.contains(QLatin1Char('\r')) && !part.contains(QLatin1Char('\n')),
                    "no line end stays inside an entry", [&] { return codeUnits(part); });
            require(isWellFormed(part), "no half characters", [&] { return codeUnits(part); });
        }
        require(entry.code == entry.code.toLower(), "codes are lower-case", entry.code);
    }

    // LF, CR LF and CR end lines alike.
    QByteArray withLf = bytes;
    withLf.replace("\r\n", "\n").replace('\r', '\n');
    require(sameEntries(readTable(withLf), entries), "LF and CR LF and CR read alike");
}

// Bytes 00-3F and 7F are never part of a double-byte character.
bool standsAlone(char byte)
{
    return uchar(byte) < 0x40 || byte == 0x7f;
}

void checkDecoding(const QByteArray &bytes)
{
    const QString text = decodeCodePage932(bytes);
    require(isWellFormed(text), "decoding gives whole characters", [&] { return codeUnits(text); });
    require(text.size() <= bytes.size(), "no byte gives more than one code unit");

    if (std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; }))
        require(text == QString::fromLatin1(bytes), "ASCII bytes decode to themselves",
                [&] { return codeUnits(text); });

    // A byte that stands alone is itself and divides the decoding in two.
    const auto alone = std::find_if(bytes.begin(), bytes.end(), standsAlone);
    if (alone != bytes.end()) {
        const qsizetype i = alone - bytes.begin();
        const QString divided = decodeCodePage932(bytes.left(i)) + QLatin1Char(*alone)
                                + decodeCodePage932(bytes.mid(i + 1));
        require(text == divided, "a byte below 40 or 7F is itself and ends what is before it",
                [&] { return codeUnits(text) + QStringLiteral(" against ") + codeUnits(divided); });
    }

    // Where Qt's decoder finds nothing wrong, both agree; its three swapped control bytes
    // aside.
    if (bytes.contains('\x1a') || bytes.contains('\x1c') || bytes.contains('\x7f'))
        return;
    QStringDecoder qtDecoder("windows-31j", QStringDecoder::Flag::Stateless);
    const QString viaQt = qtDecoder(bytes);
    if (!qtDecoder.hasError())
        require(text == viaQt, "valid code page 932 decodes as Qt decodes it",
                [&] { return codeUnits(text) + QStringLiteral(" against ") + codeUnits(viaQt); });
}

} // namespace

void checkInput(QByteArrayView input)
{
    const QByteArray bytes = input.toByteArray();
    checkTable(bytes);
    checkDecoding(bytes);
}
