#pragma once

#include <QList>
#include <QString>

#include <optional>

class QIODevice;

struct ColourTableEntry
{
    QString name; // trimmed
    QString code; // trimmed and lower-cased
};

inline constexpr int colourTableCapacity = 500;

// Reads the entry lines of a colour table (code page 932 text) from the device. A line ends at
// LF, CR LF or CR; only lines holding a comma are entries, split at the first comma. Reading
// stops once the table is full, so the rest is never read. Bytes that are not valid code page
// 932 become U+FFFD. Empty when the device fails to read.
std::optional<QList<ColourTableEntry>> readColourTable(QIODevice &device);

// Reads one line of text without its terminator, which is LF, CR LF or CR, and leaves the device
// right after it; the last line needs no terminator. Empty when the device fails.
std::optional<QByteArray> readTextLine(QIODevice &device);

// Decodes one line of code page 932 as Windows writes it: every byte below 80 is its own
// character, and every byte sequence that does not decode becomes U+FFFD. Time grows with the
// length alone, whatever the bytes.
QString decodeCodePage932(const QByteArray &bytes);
