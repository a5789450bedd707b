// The colour list list1: filling it, applying the selected entry, its keys, and on/off.

#include "app/kolvarenta.h"

void Kolvarenta::listselectchange() {}

void Kolvarenta::colorshori() {}

void Kolvarenta::list1Click() {}

bool Kolvarenta::list1KeyDown(int, int)
{
    return false;
}

void Kolvarenta::mnulistonClick() {}

void Kolvarenta::mnulistoffClick() {}
