#pragma once

// The colour spaces a CSS colour text can name, turned into sRGB: hsl, hwb, CIELAB (D50, as CSS
// has it) and OKLab. The polar forms (lch, oklch) are their Lab forms with a = C cos h and
// b = C sin h. The formulas are those CSS gives; nothing here clamps, so a colour outside sRGB
// comes out with channels outside 0 to 255.

#include <QRgb>

#include <optional>

// sRGB channels on the scale 0 to 255, not yet rounded.
struct SrgbChannels
{
    double red = 0;
    double green = 0;
    double blue = 0;
};

// Hue in degrees (any angle), saturation and lightness in percent.
// For whole-number arguments the channels are exact, halves included. Arguments in the millions or
// beyond give each channel as the whole number it rounds to (256 or -1 past the ends), or not a
// number where their digits cannot tell.
SrgbChannels srgbOfHsl(double hue, double saturation, double lightness);

// Hue in degrees, whiteness and blackness in percent. Exact for whole numbers, as hsl; huge
// arguments as there.
SrgbChannels srgbOfHwb(double hue, double whiteness, double blackness);

// CIELAB with the D50 white: L 0 to 100.
SrgbChannels srgbOfLab(double L, double a, double b);

// OKLab: L 0 to 1.
SrgbChannels srgbOfOklab(double L, double a, double b);

// The OKLab lightness of a CIELAB colour: 1 for white, 0 for black.
double oklabLightnessOfLab(double L, double a, double b);

// Cartesian a and b of a polar chroma and hue in degrees.
struct Cartesian
{
    double a = 0;
    double b = 0;
};
Cartesian cartesianOf(double chroma, double hue);

struct RoundedColour
{
    QRgb colour = 0;
    // A channel lay outside 0 to 255 after rounding and was clipped: the colour shown is the
    // nearest in sRGB, not the one the text named.
    bool clipped = false;
};

// Each channel rounded to the nearest integer, halves upwards as CSS rounds, then clipped to
// 0 to 255. Nothing when a channel is not a finite number.
std::optional<RoundedColour> roundedColourOf(const SrgbChannels &channels);

// A CIELAB (L 0 to 100) or, with `ok`, an OKLab colour (L 0 to 1) brought into sRGB as CSS does
// it: white where its OKLab lightness is 1 or more, black where it is 0 or less, each channel
// clipped otherwise. Clipped whenever that is not the exact colour. Nothing where a and b are so
// large that the arithmetic cannot tell the result.
std::optional<RoundedColour> labInSrgb(double L, double a, double b, bool ok);
