#pragma once

// The palette state: everything the program knows besides what its controls show. The window
// holds one and calls it; nothing here knows of widgets, so the rules of the current colour, the
// background and the colour table can be checked without a window.

#include "palette/slotarray.h"

#include <QRgb>
#include <QString>

#include <array>

// The flags of the palette state are 16-bit numbers, -1 for on and 0 for off.
inline constexpr qint16 flagOn = -1;
inline constexpr qint16 flagOff = 0;

// The three channels of a colour, in the order a colour code holds them.
enum class Channel { Red, Green, Blue };
inline constexpr std::array<Channel, 3> allChannels = {Channel::Red, Channel::Green, Channel::Blue};

// One channel of a colour, 0 to 255.
int channelOf(QRgb colour, Channel channel);

class PaletteState
{
public:
    // ---- The fields, under their design names and in the design's order.
    QString greenstring;
    QString colorcode;   // RRGGBB; mojiname builds it in upper case, colormatch lower-cases it
    QString redstring;
    QString bluestring;
    QString colorname;   // the table name and one ideographic space, or empty
    QString folderpath;  // the settings files' folder, ends in "/": a portable copy's own folder,
                         // or the user's config folder when installed
    QString backcolorcode; // BBGGRR as backcolor.dat holds it, written back at shut-down
    QString backcolorname;
    QString backredstring;
    QString backgreenstring;
    QString backbluestring;
    SlotArray<QString, 500> tablenames;
    SlotArray<QString, 500> tablecodes;
    SlotArray<qint16, 2> checkstate; // 1: check1 (hexadecimal input), 2: check2 ("#" on copies)
    qint16 redvalue = 0;
    qint16 greenvalue = 0;
    qint16 bluevalue = 0;
    qint16 tablecount = 0;
    qint16 voiceon = flagOff;
    qint16 liston = flagOff;
    QString shapename;

    bool isVoiceOn() const { return voiceon == flagOn; }
    bool isListOn() const { return liston == flagOn; }

    // A channel's value and its two-digit text, for the routines that serve all three alike.
    qint16 &value(Channel channel);
    qint16 value(Channel channel) const;
    QString &text(Channel channel);

    // ---- The current colour.
    // Builds the three channel texts and colorcode (upper case) from the channel values.
    void mojiname();
    // Lower-cases colorcode and looks its name up in the table.
    void colormatch();
    // The colour colorcode names, which the swatch and the code label show.
    QRgb currentColour() const;
    // Cuts the code of a table entry into the channel texts (as written) and values.
    void takeTableEntry(int entry);

    // ---- The background.
    // Takes a background code (BBGGRR) and cuts the three channel texts from it by position.
    void setBackground(const QString &code);
    // Looks the background up in the table; a miss keeps the name found before.
    void backcolormatch();
    // Makes the current colour the background, its code written as backcolor.dat holds it: six
    // upper-case digits, blue, green, red. Its name is looked up afresh.
    void takeCurrentAsBackground();

    // ---- The colour table.
    enum class TableLoad { Missing, Loaded, Failed };
    // Fills the table from the file; a table that exists but cannot be read is a failure.
    TableLoad loadColourTable(const QString &path);
    // The lowest-numbered entry holding the code, or 0.
    int findTableEntry(const QString &code) const;
};
