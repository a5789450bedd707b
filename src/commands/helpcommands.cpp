// The menu "その他": the text manual, the version and the maker's web page.

#include "app/kolvarenta.h"

void Kolvarenta::mnuhelpopenClick() {}
void Kolvarenta::mnuverClick() {}
void Kolvarenta::mnupageClick() {}
