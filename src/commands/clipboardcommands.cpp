// The clipboard menu: copying the code, the name, or both.

#include "app/kolvarenta.h"

void Kolvarenta::mnucodeclipClick() {}
void Kolvarenta::mnunameclipClick() {}
void Kolvarenta::mnuallclipClick() {}
