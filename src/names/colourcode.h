#pragma once

#include <QString>

// A channel value as two upper-case hexadecimal digits ("0" in front up to 15).
QString channelHex(int value);
