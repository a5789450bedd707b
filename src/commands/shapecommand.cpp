// The swatch shape family mnushape 1 to 6.

#include "app/kolvarenta.h"

void Kolvarenta::mnushapeClick(int) {}
