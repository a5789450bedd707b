// Channel entry: validating and committing the three boxes, and stepping a channel by key.

#include "window/kolvarenta.h"

#include "colour/channelcheck.h"
#include "colour/keystep.h"
#include "names/colourcode.h"
#include "names/textrules.h"
#include "widgets/channelbox.h"
#include "widgets/swatch.h"

#include <QLabel>

namespace {

// How the messages name a channel: hexadecimal ones in kanji, decimal ones in English.
struct ChannelWords
{
    const char *kanji;
    const char *english;
    bool showsBadCharacter; // a bad hexadecimal character is also shown alone (red only)
};

// In the order of Channel.
constexpr std::array<ChannelWords, allChannels.size()> channelWords = {{
    {"赤", "red", true},
    {"緑", "green", false},
    {"青", "blue", false},
}};

QString faultMessage(EntryFault fault, const ChannelWords &words)
{
    const QString hexadecimalName = QString::fromUtf8(words.kanji);
    const QString decimalName = QString::fromUtf8(words.english);
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
    for (const Channel channel : allChannels)
        box(channel)->replaceText(trimBlanks(box(channel)->text()).toLower());

    const auto report = [this](Channel channel, const ChannelEntry &entry) {
        const ChannelWords &words = channelWords[std::size_t(channel)];
        platform.messageBox->show(this, faultMessage(entry.fault, words));
        if (entry.fault == EntryFault::BadCharacter && words.showsBadCharacter)
            platform.messageBox->show(this, QString(entry.badCharacter).toLower());
    };

    if (isHexadecimalInput()) {
        // Each channel is stored and written back as soon as it passes.
        for (const Channel channel : allChannels) {
            const ChannelEntry entry = checkHexadecimalEntry(box(channel)->text());
            if (entry.fault != EntryFault::None) {
                report(channel, entry);
                return;
            }
            state.value(channel) = entry.value;
            box(channel)->setBoxText(channelHex(entry.value));
        }
    } else {
        // Nothing is stored unless all three pass.
        std::array<ChannelEntry, allChannels.size()> entries;
        for (const Channel channel : allChannels) {
            ChannelEntry &entry = entries[std::size_t(channel)];
            entry = checkDecimalEntry(box(channel)->text());
            if (entry.fault != EntryFault::None) {
                report(channel, entry);
                return;
            }
        }
        for (const Channel channel : allChannels)
            state.value(channel) = entries[std::size_t(channel)].value;
    }

    state.mojiname();
    Shape1->setFillColor(QColor(state.redvalue, state.greenvalue, state.bluevalue));
    state.colormatch();
    label4->setText(state.colorname + state.colorcode);
}

// Steps the stored value of the channel, never the text in its box, so a typed but unchecked
// text is replaced. The key goes on to the box afterwards.
void Kolvarenta::channelKeyDown(Channel channel, int keyCode, int shift)
{
    const std::optional<int> stepped = steppedValue(state.value(channel), keyCode, shift);
    if (!stepped)
        return;
    state.value(channel) = qint16(*stepped);
    const QString text = isHexadecimalInput() ? channelHex(*stepped).toLower()
                                              : QString::number(*stepped);
    box(channel)->setBoxText(text);
    colorhenkan();
    // Orca before version 45 (beside Qt 6.4) reads only the text it saw typed, so the new value
    // would go unheard; the versions that read the announcements Qt 6.8 sends read it themselves,
    // and saying it too would say it twice.
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (platform.screenReader->isRunning())
        reading(text);
#endif
}
