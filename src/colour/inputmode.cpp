// The decimal and hexadecimal input mode of the channel boxes.

#include "app/kolvarenta.h"

void Kolvarenta::check1Click()
{
    juurokushinchange();
}

void Kolvarenta::juurokushinchange() {}

void Kolvarenta::juurokushinshori() {}
