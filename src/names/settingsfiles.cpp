#include "names/settingsfiles.h"

#include "names/colourcode.h"
#include "names/colourtable.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <unistd.h>

namespace {

constexpr int recordSize = 2;
constexpr int recordCount = 2; // the records every version of the file has

qint16 recordAt(const QByteArray &bytes, int index)
{
    const qsizetype offset = qsizetype(index) * recordSize;
    if (bytes.size() < offset + recordSize)
        return 0;
    const qint16 value = qFromLittleEndian<qint16>(bytes.constData() + offset);
    return value >= 0 && value <= 2 ? value : 0;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool holds(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)
           && file.size() == bytes.size() && file.readAll() == bytes;
}

// Opening for writing alone would empty the file before the new bytes are in it, and a kill then
// would lose the settings. The new bytes go over the old ones in one call instead, and only then
// is the file cut to their length: before the cut it holds the new first line, which is all the
// reader takes.
bool writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError || !file.seek(0))
        return false;
    if (file.write(bytes) != bytes.size()) {
        // The disk took a part only: the old bytes go back where they were.
        file.seek(0);
        file.write(old);
        file.resize(old.size());
        return false;
    }
    if (old.size() > bytes.size() && !file.resize(bytes.size()))
        return false;
    return fdatasync(file.handle()) == 0;
}

} // namespace

CheckRecords parseCheckRecords(const QByteArray &bytes)
{
    return {recordAt(bytes, 0), recordAt(bytes, 1), FocusAnnouncement(recordAt(bytes, 2))};
}

QByteArray withCheckRecords(QByteArray bytes, const CheckRecords &records)
{
    // Bytes there that read as the default may be anything a longer file holds: left alone.
    const bool third = records.third != FocusAnnouncement::WithoutScreenReader
                       || recordAt(bytes, recordCount) != 0;
    const int count = third ? recordCount + 1 : recordCount;
    if (bytes.size() < recordSize * count)
        bytes.resize(recordSize * count);
    qToLittleEndian<qint16>(records.first, bytes.data());
    qToLittleEndian<qint16>(records.second, bytes.data() + recordSize);
    if (third)
        qToLittleEndian<qint16>(qint16(records.third), bytes.data() + 2 * recordSize);
    return bytes;
}

QString backgroundText(const QByteArray &line)
{
    static const QByteArray byteOrderMark("\xEF\xBB\xBF");
    return decodeCodePage932(line.startsWith(byteOrderMark) ? line.mid(byteOrderMark.size())
                                                            : line);
}

std::optional<quint32> backgroundValue(const QString &text)
{
    constexpr quint32 largest = 0xFFFFFF;
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i)))
        ++i;
    quint32 value = 0;
    for (; i < text.size() && hexDigitValue(text.at(i)) >= 0; ++i) {
        value = value * 16 + quint32(hexDigitValue(text.at(i)));
        if (value > largest)
            return std::nullopt; // stops here, so long texts cannot overflow
    }
    return value;
}

QColor colourOfValue(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QString backgroundCodeOf(const QColor &colour)
{
    const quint32 value = quint32(colour.blue()) << 16 | quint32(colour.green()) << 8
                          | quint32(colour.red());
    return QString::number(value, 16).toUpper();
}

BackgroundChannels cutBackgroundCode(const QString &code)
{
    return {code.right(2), code.mid(2, 2), code.left(2)};
}

bool saveFile(const QString &path, const QByteArray &bytes)
{
    // Nothing to write, and nothing to report where the folder or the disk would refuse it.
    if (holds(path, bytes))
        return true;
    QSaveFile file(path);
    // Unbuffered, so that a write the disk takes only in part is seen: through the buffer, Qt
    // drops the rest without an error and the half file would be committed.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (file.write(bytes) == bytes.size())
            return file.commit();
        file.cancelWriting();
        return false;
    }
    // A read-only folder with writable files in it (an administrator's set-up) cannot take the
    // new copy beside the old: the file is then written over in place.
    return QFileInfo(path).isFile() && writeInPlace(path, bytes);
}
