#include "colour/srgbconversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector times(const Matrix &m, const Vector &v)
{
    Vector result{};
    for (int row = 0; row < 3; ++row)
        result[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
    return result;
}

double wrappedHue(double hue)
{
    const double wrapped = std::fmod(hue, 360.0);
    return wrapped < 0 ? wrapped + 360 : wrapped;
}

// The sRGB transfer curve, mirrored for negative values as CSS extends it.
double gammaEncoded(double linear)
{
    const double magnitude = std::abs(linear);
    const double encoded
        = magnitude <= 0.0031308 ? 12.92 * magnitude : 1.055 * std::pow(magnitude, 1 / 2.4) - 0.055;
    return std::copysign(encoded, linear);
}

SrgbChannels fromLinear(const Vector &linear)
{
    return {255 * gammaEncoded(linear[0]), 255 * gammaEncoded(linear[1]),
            255 * gammaEncoded(linear[2])};
}

} // namespace

// CSS's conversion, f(n) = l - a max(-1, min(k - 3, 9 - k, 1)) with k = (n + h / 30) mod 12 and
// a = s min(l, 1 - l), worked in units of 1/300000 (lightness and saturation in hundredths, k in
// thirtieths). Whole-number arguments keep every product a whole number well below 2^53, and the
// one division at the end is correctly rounded, so an exact half stays a half for the rounding.
// Done in fractions, 0.5 - 0.4 would already be 0.0999...
SrgbChannels srgbOfHsl(double hue, double saturation, double lightness)
{
    const double h = wrappedHue(hue);
    const double m = std::min(lightness, 100 - lightness);
    const auto channel = [&](double n) {
        const double k30 = std::fmod(30 * n + h, 360.0);
        const double f30 = std::max(-30.0, std::min({k30 - 90, 270 - k30, 30.0}));
        return 255 * (3000 * lightness - saturation * m * f30) / 300000;
    };
    return {channel(0), channel(8), channel(4)};
}

// In percent throughout, with one division at the end, so that whole-number arguments keep
// their halves exact as in hsl.
SrgbChannels srgbOfHwb(double hue, double whiteness, double blackness)
{
    const double rest = 100 - whiteness - blackness;
    if (rest <= 0) {
        const double grey = 255 * whiteness / (whiteness + blackness);
        return {grey, grey, grey};
    }
    const SrgbChannels pure = srgbOfHsl(hue, 100, 50);
    const auto mixed = [&](double c) { return (c * rest + 255 * whiteness) / 100; };
    return {mixed(pure.red), mixed(pure.green), mixed(pure.blue)};
}

SrgbChannels srgbOfLab(double L, double a, double b)
{
    constexpr double kappa = 24389.0 / 27;
    constexpr double epsilon = 216.0 / 24389;
    const double fy = (L + 16) / 116;
    const double fx = fy + a / 500;
    const double fz = fy - b / 200;
    const auto inverse = [&](double f) {
        const double cube = f * f * f;
        return cube > epsilon ? cube : (116 * f - 16) / kappa;
    };
    // XYZ relative to the D50 white.
    const Vector d50{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
    const Vector xyz{inverse(fx) * d50[0],
                     (L > kappa * epsilon ? fy * fy * fy : L / kappa) * d50[1],
                     inverse(fz) * d50[2]};
    // Bradford adaptation to D65, then the sRGB primaries.
    static constexpr Matrix d50ToD65{
        {{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
         {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
         {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
    static constexpr Matrix xyzToLinearSrgb{
        {{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
         {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
         {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
    return fromLinear(times(xyzToLinearSrgb, times(d50ToD65, xyz)));
}

SrgbChannels srgbOfOklab(double L, double a, double b)
{
    static constexpr Matrix labToLms{{{1.0, 0.3963377773761749, 0.2158037573099136},
                                      {1.0, -0.1055613458156586, -0.0638541728258133},
                                      {1.0, -0.0894841775298119, -1.2914855480194092}}};
    static constexpr Matrix lmsToLinearSrgb{
        {{4.0767416360759583, -3.3077115392580629, 0.2309699031821043},
         {-1.2684379732850315, 2.6097573492876882, -0.3413193760026570},
         {-0.0041960761386756, -0.7034186179359362, 1.7076146940746117}}};
    Vector lms = times(labToLms, {L, a, b});
    for (double &value : lms)
        value = value * value * value;
    return fromLinear(times(lmsToLinearSrgb, lms));
}

Cartesian cartesianOf(double chroma, double hue)
{
    const double radians = wrappedHue(hue) * std::numbers::pi / 180;
    return {chroma * std::cos(radians), chroma * std::sin(radians)};
}

std::optional<RoundedColour> roundedColourOf(const SrgbChannels &channels)
{
    RoundedColour rounded;
    int values[3];
    const double raw[3] = {channels.red, channels.green, channels.blue};
    for (int i = 0; i < 3; ++i) {
        if (std::isnan(raw[i]))
            return std::nullopt;
        const double nearest = std::floor(raw[i] + 0.5);
        rounded.clipped = rounded.clipped || nearest < 0 || nearest > 255;
        values[i] = int(std::clamp(nearest, 0.0, 255.0));
    }
    rounded.colour = qRgb(values[0], values[1], values[2]);
    return rounded;
}
