#pragma once

// A systematic Japanese description of any colour, in the manner of the JIS Z 8102 system of
// colour names: "あざやかな赤", "暗い灰みの青", "黄みの白".

#include <QRgb>
#include <QString>

QString describeColour(QRgb colour);
