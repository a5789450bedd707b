// reading: everything the program says goes through here.

#include "app/kolvarenta.h"

void Kolvarenta::reading(QString) {}
