// Channel entry: validating and committing the three boxes, and stepping a channel by key.

#include "app/kolvarenta.h"

void Kolvarenta::colorhenkan() {}

void Kolvarenta::channelKeyDown(const Channel &, int, int) {}
