// Channel entry: validating and committing the three boxes, and stepping a channel by key.

#include "app/kolvarenta.h"
#include "app/swatch.h"
#include "colour/channelbox.h"
#include "colour/channelcheck.h"
#include "colour/inputmode.h"
#include "colour/keystep.h"
#include "names/colourcode.h"
#include "names/textrules.h"

#include <QCheckBox>
#include <QLabel>

namespace {

// The message of a fault; hexadecimal ones name the channel in kanji, decimal ones in English.
QString faultMessage(EntryFault fault, const char *kanji, const char *english)
{
    const QString hexadecimalName = QString::fromUtf8(kanji);
    const QString decimalName = QString::fromUtf8(english);
    switch (fault) {
    case EntryFault::TooManyCharacters:
        return hexadecimalName + QStringLiteral("の文字数が多すぎます。二桁で入れて下さい");
    case EntryFault::TooFewCharacters:
        return hexadecimalName + QStringLiteral("の文字数が少ないです。二桁で入れて下さい");
    case EntryFault::BadCharacter:
        return hexadecimalName + QStringLiteral("の文字入力で不正な文字が入力されています");
    case EntryFault::NotANumber:
        return decimalName + QStringLiteral("の値が数字ではありません");
    case EntryFault::AboveRange:
        return decimalName + QStringLiteral("の値を255以下にして下さい");
    case EntryFault::BelowRange:
        return decimalName + QStringLiteral("の値を0以上にして下さい");
    case EntryFault::None:
        break;
    }
    return QString();
}

} // namespace

// Checks the three boxes in the current mode and, when all pass, makes their colour the current
// one. The first fault is reported and ends the run; the caller is not told.
void Kolvarenta::colorhenkan()
{
    for (const Channel &channel : channels) {
        ChannelBox *box = this->*channel.box;
        box->replaceText(trimBlanks(box->text()).toLower());
    }

    const auto report = [this](const Channel &channel, const ChannelEntry &entry) {
        platform.messageBox->show(this, faultMessage(entry.fault, channel.kanji, channel.english));
        if (entry.fault == EntryFault::BadCharacter && channel.showsBadCharacter)
            platform.messageBox->show(this, QString(entry.badCharacter).toLower());
    };

    if (isHexadecimalMode(check1)) {
        // Each channel is stored and written back as soon as it passes.
        for (const Channel &channel : channels) {
            ChannelBox *box = this->*channel.box;
            const ChannelEntry entry = checkHexadecimalEntry(box->text());
            if (entry.fault != EntryFault::None) {
                report(channel, entry);
                return;
            }
            this->*channel.value = entry.value;
            box->setBoxText(channelHex(entry.value));
        }
    } else {
        // Nothing is stored unless all three pass.
        std::array<ChannelEntry, channels.size()> entries;
        for (std::size_t i = 0; i < channels.size(); ++i) {
            entries[i] = checkDecimalEntry((this->*channels[i].box)->text());
            if (entries[i].fault != EntryFault::None) {
                report(channels[i], entries[i]);
                return;
            }
        }
        for (std::size_t i = 0; i < channels.size(); ++i)
            this->*channels[i].value = entries[i].value;
    }

    mojiname();
    Shape1->setFillColor(QColor(redvalue, greenvalue, bluevalue));
    colormatch();
    label4->setText(colorname + colorcode);
}

// Steps the stored value of the channel, never the text in its box, so a typed but unchecked
// text is replaced. The key goes on to the box afterwards.
void Kolvarenta::channelKeyDown(const Channel &channel, int keyCode, int shift)
{
    const std::optional<int> stepped = steppedValue(this->*channel.value, keyCode, shift);
    if (!stepped)
        return;
    this->*channel.value = qint16(*stepped);
    const QString text = isHexadecimalMode(check1) ? channelHex(*stepped).toLower()
                                                   : QString::number(*stepped);
    (this->*channel.box)->setBoxText(text);
    colorhenkan();
}
