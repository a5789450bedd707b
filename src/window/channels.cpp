// The controls of the three channels. Every routine that serves red, green and blue alike
// reaches a channel's box and caption through here.

#include "window/kolvarenta.h"

#include "colour/notation.h"
#include "window/checkboxstate.h"

ChannelBox *Kolvarenta::box(Channel channel) const
{
    switch (channel) {
    case Channel::Red: return text1;
    case Channel::Green: return text2;
    case Channel::Blue: break;
    }
    return text3;
}

QLabel *Kolvarenta::label(Channel channel) const
{
    switch (channel) {
    case Channel::Red: return label1;
    case Channel::Green: return label2;
    case Channel::Blue: break;
    }
    return label3;
}

bool Kolvarenta::isHexadecimalInput() const
{
    return isHexadecimalMode(checkBoxState(check1));
}
