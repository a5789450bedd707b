// What the program says: focus announcements and the read-aloud commands.

#include "app/kolvarenta.h"

void Kolvarenta::channelGotFocus(const Channel &) {}
void Kolvarenta::list1GotFocus() {}
void Kolvarenta::MnuredClick() {}
void Kolvarenta::MnugreenClick() {}
void Kolvarenta::MnublueClick() {}
void Kolvarenta::MnunameClick() {}
void Kolvarenta::mnuallClick() {}
void Kolvarenta::mnubackredClick() {}
void Kolvarenta::MnubackgreenClick() {}
void Kolvarenta::MnubackblueClick() {}
void Kolvarenta::MnubacknameClick() {}
void Kolvarenta::mnubackallClick() {}
void Kolvarenta::mnukatachiyomiClick() {}
