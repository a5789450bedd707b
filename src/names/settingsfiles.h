#pragma once

// The two settings files, as bytes and texts, without the window.
//   checkfile.dat  16-bit little-endian records: the states of check1 and check2, then when the
//                  focus is announced. Readers that know only the first two ignore the third,
//                  and a file without it means the default.
//   backcolor.dat  one line: the hexadecimal digits of the background colour, BBGGRR

#include <QByteArray>
#include <QColor>
#include <QString>

#include <optional>

// When the channel boxes and the list say what they are on getting the focus.
enum class FocusAnnouncement : qint16 {
    WithoutScreenReader = 0, // a screen reader says it itself
    Always = 1,
    Never = 2,
};

struct CheckRecords
{
    qint16 first = 0;  // check1, hexadecimal input
    qint16 second = 0; // check2, "#" before a copied code
    FocusAnnouncement third = FocusAnnouncement::WithoutScreenReader;
};

// Missing records of a short file read as 0, and so do values other than 0, 1 and 2.
CheckRecords parseCheckRecords(const QByteArray &bytes);

// The file's bytes with its records replaced; whatever follows them is kept. The third record
// is written only when it is not the default or the file holds another setting there, so a
// file of two records (and whatever follows them) stays as it was while the focus setting is
// the default.
QByteArray withCheckRecords(QByteArray bytes, const CheckRecords &records);

// The text of backcolor.dat's first line, read in code page 932. A UTF-8 byte-order mark, which
// many editors put first, is no text and is skipped, so the digits after it are the colour.
QString backgroundText(const QByteArray &line);

// The colour value of a background text read as unsigned hexadecimal: blanks skipped, digits in
// either case, stopping at the first other character, 0 without a leading digit. Empty when the
// value is above FFFFFF and so is no colour.
std::optional<quint32> backgroundValue(const QString &text);

// Colour values run blue, green, red from the high digits down: 0xBBGGRR.
QColor colourOfValue(quint32 value);
// The upper-case hexadecimal digits, without leading zeros, of a colour's value.
QString backgroundCodeOf(const QColor &colour);

// The background channel texts cut from the code by position: blue the first two characters,
// green the third and fourth, red the last two.
struct BackgroundChannels
{
    QString red;
    QString green;
    QString blue;
};
BackgroundChannels cutBackgroundCode(const QString &code);

// Replaces the file with the bytes in one step, so a failure never leaves half a file; only in a
// folder that takes no new files is an existing, writable file written over in place, where a
// kill leaves the old bytes or the new ones, the new perhaps followed by the end of a longer old
// file. A file that already holds the bytes is left alone, and counts as saved.
bool saveFile(const QString &path, const QByteArray &bytes);
