#include "app/kolvarenta.h"

const std::array<Kolvarenta::Channel, 3> Kolvarenta::channels = {{
    {&Kolvarenta::text1, &Kolvarenta::redvalue, &Kolvarenta::redstring, &Kolvarenta::label1,
     "赤", "red", true},
    {&Kolvarenta::text2, &Kolvarenta::greenvalue, &Kolvarenta::greenstring, &Kolvarenta::label2,
     "緑", "green", false},
    {&Kolvarenta::text3, &Kolvarenta::bluevalue, &Kolvarenta::bluestring, &Kolvarenta::label3,
     "青", "blue", false},
}};
