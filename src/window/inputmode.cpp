// The decimal and hexadecimal input mode of the channel boxes.

#include "window/kolvarenta.h"

#include "colour/notation.h"
#include "widgets/channelbox.h"
#include "window/checkboxstate.h"

void Kolvarenta::check1Click()
{
    juurokushinchange();
}

// Carries the three boxes over to the notation of the new state. It neither validates nor
// stores: the current colour stays as it was until the next validation.
void Kolvarenta::juurokushinchange()
{
    state.checkstate[1] = checkBoxState(check1);
    // Off and greyed are both decimal: a change between them leaves the boxes alone, where
    // converting would read their decimal texts as hexadecimal. The limit shows the notation
    // the boxes are in.
    const bool hexadecimal = isHexadecimalInput();
    const bool boxesHexadecimal = text1->maxInputLength() == hexadecimalInputLength;
    if (hexadecimal == boxesHexadecimal)
        return;

    // Convert then lower the limit, raise the limit then convert: the limit of a box never
    // stands below a text the conversion writes.
    if (hexadecimal) {
        for (const Channel channel : allChannels)
            box(channel)->replaceText(decimalToHexadecimal(box(channel)->text()));
        for (const Channel channel : allChannels)
            box(channel)->setMaxInputLength(hexadecimalInputLength);
    } else {
        for (const Channel channel : allChannels)
            box(channel)->setMaxInputLength(decimalInputLength);
        for (const Channel channel : allChannels)
            box(channel)->replaceText(hexadecimalToDecimal(box(channel)->text()));
    }
}

// Writes the stored colour into the boxes in the current notation: in hexadecimal the channel
// texts as they stand (the colour list leaves them in lower case), in decimal the values.
void Kolvarenta::juurokushinshori()
{
    const bool hexadecimal = isHexadecimalInput();
    for (const Channel channel : allChannels) {
        const QString text = hexadecimal ? state.text(channel)
                                         : QString::number(state.value(channel));
        box(channel)->setBoxText(text);
    }
}
