// The decimal and hexadecimal input mode of the channel boxes.

#include "colour/inputmode.h"

#include "app/checkstate.h"
#include "app/kolvarenta.h"
#include "colour/channelbox.h"
#include "colour/notation.h"

#include <QCheckBox>

bool isHexadecimalMode(const QCheckBox *check1)
{
    return checkBoxState(check1) == 1;
}

void Kolvarenta::check1Click()
{
    juurokushinchange();
}

// Carries the three boxes over to the notation of the new state. It neither validates nor
// stores: the current colour stays as it was until the next validation.
void Kolvarenta::juurokushinchange()
{
    checkstate[1] = checkBoxState(check1);
    // Off and greyed are both decimal: a change between them leaves the boxes alone, where
    // converting would read their decimal texts as hexadecimal. The limit shows the notation
    // the boxes are in.
    const bool hexadecimal = isHexadecimalMode(check1);
    const bool boxesHexadecimal = text1->maxInputLength() == hexadecimalInputLength;
    if (hexadecimal == boxesHexadecimal)
        return;

    // Convert then lower the limit, raise the limit then convert: the limit of a box never
    // stands below a text the conversion writes.
    if (hexadecimal) {
        for (const Channel &channel : channels) {
            ChannelBox *box = this->*channel.box;
            box->replaceText(decimalToHexadecimal(box->text()));
        }
        for (const Channel &channel : channels)
            (this->*channel.box)->setMaxInputLength(hexadecimalInputLength);
    } else {
        for (const Channel &channel : channels)
            (this->*channel.box)->setMaxInputLength(decimalInputLength);
        for (const Channel &channel : channels) {
            ChannelBox *box = this->*channel.box;
            box->replaceText(hexadecimalToDecimal(box->text()));
        }
    }
}

// Writes the stored colour into the boxes in the current notation: in hexadecimal the channel
// texts as they stand (the colour list leaves them in lower case), in decimal the values.
void Kolvarenta::juurokushinshori()
{
    const bool hexadecimal = isHexadecimalMode(check1);
    for (const Channel &channel : channels) {
        const QString text = hexadecimal ? this->*channel.text
                                         : QString::number(this->*channel.value);
        (this->*channel.box)->setBoxText(text);
    }
}
