#pragma once

// CIELAB coordinates of sRGB colours and the CIEDE2000 difference between two colours.
// Little CMS does the colour science: sRGB to CIELAB with the D50 white of ICC colour
// management, and the CIEDE2000 formula.

#include <QRgb>

#include <span>

struct Lab
{
    double L = 0; // lightness, 0 (black) to 100 (white)
    double a = 0; // green (-) to red (+)
    double b = 0; // blue (-) to yellow (+)
};

// The CIELAB coordinates of an sRGB colour; alpha is ignored.
Lab labOf(QRgb colour);

// labOf for many colours at once; labs must be as long as colours.
void labsOf(std::span<const QRgb> colours, std::span<Lab> labs);

// CIEDE2000 colour difference with the parametric factors kL = kC = kH = 1.
double colourDifference(const Lab &first, const Lab &second);

// Chroma C*ab: the distance from the grey axis.
double chromaOf(const Lab &lab);

// Hue angle h_ab in degrees, 0 <= h < 360; 0 for a neutral grey.
double hueAngleOf(const Lab &lab);
