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
// CR LF or a lone CR (a lone LF stays inside the line); only lines holding a comma are entries,
// split at the first comma. Reading stops once the table is full, so the rest is never read.
// Bytes that are not valid code page 932 become U+FFFD. Empty when the device fails to read.
std::optional<QList<ColourTableEntry>> readColourTable(QIODevice &device);

// Reads one line of text without its terminator. A line ends at CR LF or a lone CR; a lone LF
// stays inside the line; the last line needs no terminator. Empty when the device fails.
std::optional<QByteArray> readTextLine(QIODevice &device);

// Decodes one line of code page 932; every byte sequence that does not decode becomes U+FFFD.
QString decodeCodePage932(const QByteArray &bytes);
