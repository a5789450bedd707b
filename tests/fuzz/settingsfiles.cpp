// The two settings files: the records of checkfile.dat and the line of backcolor.dat. Every
// input is read as both.

#include "names/settingsfiles.h"

#include "fuzzcheck.h"
#include "names/colourtable.h"

#include <QBuffer>
#include <QtEndian>

#include <algorithm>

namespace {

bool isState(qint16 value)
{
    return value >= 0 && value <= 2;
}

void checkCheckFile(const QByteArray &bytes)
{
    const CheckRecords read = parseCheckRecords(bytes);
    for (int record = 0; record < 2; ++record) {
        const qint16 value = record == 0 ? read.first : read.second;
        const qsizetype offset = record * 2;
        const qint16 stored = bytes.size() >= offset + 2
                                  ? qFromLittleEndian<qint16>(bytes.constData() + offset)
                                  : 0;
        require(value == (isState(stored) ? stored : 0),
                "a record reads as its little-endian value when that is a state, else as 0", [&] {
                    return QStringLiteral("record %1 read %2, stored %3")
                        .arg(record)
                        .arg(value)
                        .arg(stored);
                });
    }

    // Writing the first two records the other way round: the file keeps what follows its
    // records and reads them back; a third record is written only where it is no default.
    const CheckRecords swapped{read.second, read.first, read.third};
    const QByteArray written = withCheckRecords(bytes, swapped);
    const qsizetype records = read.third != FocusAnnouncement::WithoutScreenReader ? 6 : 4;
    require(written.size() == std::max(bytes.size(), records),
            "the written file has the records and whatever followed them");
    require(written.mid(records) == bytes.mid(records), "what follows the records is kept");
    const CheckRecords reread = parseCheckRecords(written);
    require(reread.first == swapped.first && reread.second == swapped.second
                && reread.third == swapped.third,
            "records written are read back");
}

void checkBackColorFile(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto line = readTextLine(buffer);
    require(line.has_value(), "a line in memory can always be read");

    qsizetype lineEnd = bytes.size();
    for (const char terminator : {'\r', '\n'}) {
        const qsizetype at = bytes.indexOf(terminator);
        if (at >= 0)
            lineEnd = std::min(lineEnd, at);
    }
    require(*line == bytes.left(lineEnd), "the first line ends at the first CR or LF");
    qsizetype next = lineEnd;
    if (next < bytes.size())
        next += bytes.mid(next, 2) == "\r\n" ? 2 : 1;
    require(buffer.pos() == next, "reading a line takes its whole terminator and no more",
            [&] { return QStringLiteral("at %1, not %2").arg(buffer.pos()).arg(next); });

    const QString code = backgroundText(*line);
    const std::optional<quint32> value = backgroundValue(code);
    if (value) {
        require(*value <= 0xFFFFFF, "a background value is a colour");
        const QString written = backgroundCodeOf(colourOfValue(*value));
        require(backgroundValue(written) == value, "a colour's code reads back as the colour",
                [&] { return code + QStringLiteral(" -> ") + written; });
    }

    const BackgroundChannels cut = cutBackgroundCode(code);
    for (const QString &channel : {cut.red, cut.green, cut.blue})
        require(channel.size() <= 2 && code.contains(channel),
                "a background channel is at most two characters of the code");
    if (code.size() == 6)
        require(cut.blue + cut.green + cut.red == code, "six characters run blue, green, red");
}

} // namespace

void checkInput(QByteArrayView input)
{
    const QByteArray bytes = input.toByteArray();
    checkCheckFile(bytes);
    checkBackColorFile(bytes);
}
