#include "palette/palettestate.h"

#include "names/colourcode.h"
#include "names/colourtable.h"
#include "names/settingsfiles.h"
#include "names/textrules.h"

#include <QFile>

namespace {

// One routine serves the three channels; this picks the fields of one.
template<typename State>
auto &valueField(State &state, Channel channel)
{
    switch (channel) {
    case Channel::Red: return state.redvalue;
    case Channel::Green: return state.greenvalue;
    case Channel::Blue: break;
    }
    return state.bluevalue;
}

} // namespace

int channelOf(QRgb colour, Channel channel)
{
    switch (channel) {
    case Channel::Red: return qRed(colour);
    case Channel::Green: return qGreen(colour);
    case Channel::Blue: break;
    }
    return qBlue(colour);
}

qint16 &PaletteState::value(Channel channel)
{
    return valueField(*this, channel);
}

qint16 PaletteState::value(Channel channel) const
{
    return valueField(*this, channel);
}

QString &PaletteState::text(Channel channel)
{
    switch (channel) {
    case Channel::Red: return redstring;
    case Channel::Green: return greenstring;
    case Channel::Blue: break;
    }
    return bluestring;
}

void PaletteState::mojiname()
{
    redstring = channelHex(redvalue);
    greenstring = channelHex(greenvalue);
    bluestring = channelHex(bluevalue);
    colorcode = redstring + greenstring + bluestring;
}

void PaletteState::colormatch()
{
    colorname.clear();
    colorcode = colorcode.toLower();
    if (const int k = findTableEntry(colorcode))
        colorname = tablenames[k];
    if (!colorname.isEmpty())
        colorname += ideographicSpace;
}

QRgb PaletteState::currentColour() const
{
    const std::optional<QRgb> colour = colourOfCode(colorcode);
    Q_ASSERT(colour); // mojiname always builds six hexadecimal digits
    return colour.value_or(qRgb(0, 0, 0));
}

// The code is cut by position, two characters a channel, whatever it holds; a value reads the
// hexadecimal digits its slice starts with.
void PaletteState::takeTableEntry(int entry)
{
    const QString &code = tablecodes[entry];
    for (const Channel channel : allChannels) {
        text(channel) = code.mid(2 * int(channel), 2);
        value(channel) = qint16(leadingHexValue(text(channel)));
    }
}

void PaletteState::setBackground(const QString &code)
{
    backcolorcode = code;
    const BackgroundChannels cut = cutBackgroundCode(code);
    backredstring = cut.red;
    backgreenstring = cut.green;
    backbluestring = cut.blue;
}

void PaletteState::backcolormatch()
{
    const QString key = (backredstring + backgreenstring + backbluestring).toLower();
    if (const int k = findTableEntry(key))
        backcolorname = tablenames[k];
}

void PaletteState::takeCurrentAsBackground()
{
    const QRgb colour = currentColour();
    QString code;
    for (const Channel channel : {Channel::Blue, Channel::Green, Channel::Red})
        code += channelHex(channelOf(colour, channel));
    setBackground(code);
    // A background without a name must not keep the name of the one before.
    backcolorname.clear();
    backcolormatch();
}

PaletteState::TableLoad PaletteState::loadColourTable(const QString &path)
{
    QFile file(path);
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

// Linear scan from entry 1, so the lowest-numbered of repeated codes wins.
int PaletteState::findTableEntry(const QString &code) const
{
    for (int k = 1; k <= tablecount; ++k) {
        if (tablecodes[k] == code)
            return k;
    }
    return 0;
}
