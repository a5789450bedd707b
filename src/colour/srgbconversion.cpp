#include "colour/srgbconversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

template<typename Real>
std::array<Real, 3> times(const Matrix &m, const std::array<Real, 3> &v)
{
    std::array<Real, 3> result{};
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
template<typename Real>
Real gammaEncoded(Real linear)
{
    const Real magnitude = std::abs(linear);
    const Real encoded = magnitude <= Real(0.0031308)
                             ? Real(12.92) * magnitude
                             : Real(1.055) * std::pow(magnitude, 1 / Real(2.4)) - Real(0.055);
    return std::copysign(encoded, linear);
}

SrgbChannels fromLinear(const Vector &linear)
{
    return {255 * gammaEncoded(linear[0]), 255 * gammaEncoded(linear[1]),
            255 * gammaEncoded(linear[2])};
}

// Whole-number percentages up to this keep every product of the hsl and hwb formulas below 2^53,
// and so exact. Beyond it they are worked out in long double, whose range holds the product of
// three doubles, with a bound on the error: the digits that fall off a huge lightness can decide
// a channel that cancels out.
constexpr double ordinaryPercent = 1 << 20;

using Wide = long double;
constexpr Wide unit = std::numeric_limits<Wide>::epsilon();
using WideVector = std::array<Wide, 3>;

// How far a hue's rounding can move the hsl formula's f30, or a pure hue's channel: not at all
// for a whole number of degrees, whose wrapping and k30 are exact.
Wide hueSlack(double hue)
{
    return hue == std::floor(hue) ? 0 : 1e-12L;
}

// A channel on the scale 0 to 255 known to lie within `error` of `value`: the channel it rounds
// to, 256 or -1 for one clipped to 255 or 0, or not a number when the interval leaves it open,
// and the text has to be refused.
double decided(Wide value, Wide error)
{
    const Wide low = value - error;
    const Wide high = value + error;
    if (low >= 255.5L)
        return 256;
    if (high < -0.5L)
        return -1;
    const Wide nearest = std::floor(low + 0.5L);
    return nearest == std::floor(high + 0.5L) ? double(nearest)
                                              : std::numeric_limits<double>::quiet_NaN();
}

// The matrix with its entries' magnitudes times a vector of magnitudes: how far errors carry.
WideVector timesMagnitudes(const Matrix &m, const WideVector &v)
{
    WideVector result{};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            result[row] += std::abs(m[row][column]) * std::abs(v[column]);
    }
    return result;
}

// An error bound plus a few roundings of the value it belongs to.
WideVector withRounding(const WideVector &error, const WideVector &value)
{
    return {error[0] + 8 * unit * std::abs(value[0]), error[1] + 8 * unit * std::abs(value[1]),
            error[2] + 8 * unit * std::abs(value[2])};
}

// CIELAB with the D50 white to linear sRGB: XYZ, Bradford adaptation to D65, the sRGB primaries.
constexpr Matrix d50ToD65{{{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                           {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                           {0.012314014864481998, -0.020507649298898964, 1.330365926242124}}};
constexpr Matrix xyzToLinearSrgb{{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                                  {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                                  {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};

template<typename Real>
std::array<Real, 3> linearOfLab(Real L, Real a, Real b)
{
    constexpr Real kappa = Real(24389) / 27;
    constexpr Real epsilon = Real(216) / 24389;
    const Real fy = (L + 16) / 116;
    const Real fx = fy + a / 500;
    const Real fz = fy - b / 200;
    const auto inverse = [&](Real f) {
        const Real cube = f * f * f;
        return cube > epsilon ? cube : (116 * f - 16) / kappa;
    };
    // XYZ relative to the D50 white.
    const Vector d50{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
    const std::array<Real, 3> xyz{inverse(fx) * d50[0],
                                  (L > kappa * epsilon ? fy * fy * fy : L / kappa) * d50[1],
                                  inverse(fz) * d50[2]};
    return times(xyzToLinearSrgb, times(d50ToD65, xyz));
}

// OKLab: its lightness and axes to LMS, whose cubes give linear sRGB; and back.
constexpr Matrix oklabToLms{{{1.0, 0.3963377773761749, 0.2158037573099136},
                             {1.0, -0.1055613458156586, -0.0638541728258133},
                             {1.0, -0.0894841775298119, -1.2914855480194092}}};
constexpr Matrix lmsToLinearSrgb{{{4.0767416360759583, -3.3077115392580629, 0.2309699031821043},
                                  {-1.2684379732850315, 2.6097573492876882, -0.3413193760026570},
                                  {-0.0041960761386756, -0.7034186179359362, 1.7076146940746117}}};
constexpr Matrix linearSrgbToLms{{{0.4122214708, 0.5363325363, 0.0514459929},
                                  {0.2119034982, 0.6806995451, 0.1073969566},
                                  {0.0883024619, 0.2817188376, 0.6299787005}}};
constexpr Vector lmsToOklabLightness{0.2104542553, 0.7936177850, -0.0040720468};

Vector cubed(Vector v)
{
    for (double &value : v)
        value = value * value * value;
    return v;
}

template<typename Real>
Real oklabLightnessOfLinear(const std::array<Real, 3> &linear)
{
    const std::array<Real, 3> lms = times(linearSrgbToLms, linear);
    Real lightness = 0;
    for (int i = 0; i < 3; ++i)
        lightness += lmsToOklabLightness[i] * std::cbrt(lms[i]);
    return lightness;
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
    if (std::abs(saturation) > ordinaryPercent || std::abs(lightness) > ordinaryPercent) {
        const Wide l = lightness;
        const Wide product = saturation * std::min(l, 100 - l);
        const auto channel = [&](double n) {
            const double k30 = std::fmod(30 * n + h, 360.0);
            const Wide f30 = std::max(-30.0, std::min({k30 - 90, 270 - k30, 30.0}));
            const Wide term = product * f30;
            return decided(255 * (3000 * l - term) / 300000,
                           255 * (8 * unit * (3000 * std::abs(l) + std::abs(term))
                                  + std::abs(product) * hueSlack(hue))
                               / 300000);
        };
        return {channel(0), channel(8), channel(4)};
    }
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
    if (std::abs(whiteness) > ordinaryPercent || std::abs(blackness) > ordinaryPercent) {
        const Wide w = whiteness;
        const Wide sum = w + blackness;
        if (sum >= 100) {
            // 255 w is exact; what the sum and the division lose is worked out exactly, so that a
            // half stays a half.
            const Wide sumLost = (w - (sum - blackness)) + (blackness - (sum - w));
            const Wide grey = 255 * w / sum;
            const Wide divisionLost = std::fma(-grey, sum, 255 * w) / sum;
            const Wide error = std::abs(divisionLost) + std::abs(grey * sumLost / sum);
            const double channel = decided(grey, error * (1 + 8 * unit));
            return {channel, channel, channel};
        }
        const Wide rest = 100 - sum;
        const SrgbChannels pure = srgbOfHsl(hue, 100, 50);
        const auto mixed = [&](double c) {
            return decided((c * rest + 255 * w) / 100,
                           (8 * unit * (std::abs(c) * (100 + std::abs(w) + std::abs(blackness))
                                        + 255 * std::abs(w))
                            + std::abs(rest) * hueSlack(hue))
                               / 100);
        };
        return {mixed(pure.red), mixed(pure.green), mixed(pure.blue)};
    }
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
    return fromLinear(linearOfLab(L, a, b));
}

SrgbChannels srgbOfOklab(double L, double a, double b)
{
    return fromLinear(times(lmsToLinearSrgb, cubed(times(oklabToLms, Vector{L, a, b}))));
}

double oklabLightnessOfLab(double L, double a, double b)
{
    return oklabLightnessOfLinear(linearOfLab(L, a, b));
}

// Beyond these a and b the colour is far outside any screen's colours, and its cubes may leave the
// range of a double: long double holds them, and a bound on the error says whether the outcome
// is certain. Such a colour is never the exact colour, so whatever it becomes is clipped.
std::optional<RoundedColour> labInSrgb(double L, double a, double b, bool ok)
{
    if (std::max(std::abs(a), std::abs(b)) <= (ok ? 100 : 10000)) {
        std::optional<RoundedColour> colour = roundedColourOf(ok ? srgbOfOklab(L, a, b)
                                                                 : srgbOfLab(L, a, b));
        const double lightness = ok ? L : oklabLightnessOfLab(L, a, b);
        if (colour && (lightness >= 1 || lightness <= 0)) {
            const QRgb end = lightness >= 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            colour->clipped = colour->clipped || colour->colour != end;
            colour->colour = end;
        }
        return colour;
    }
    WideVector linear;
    WideVector linearError;
    Wide lightness = L;
    Wide lightnessError = 0;
    if (ok) {
        const WideVector lms = times(oklabToLms, WideVector{L, a, b});
        const WideVector lmsError
            = timesMagnitudes(oklabToLms, {8 * unit * L, 8 * unit * a, 8 * unit * b});
        WideVector cubes;
        WideVector cubesError;
        for (int i = 0; i < 3; ++i) {
            cubes[i] = lms[i] * lms[i] * lms[i];
            const Wide reach = std::abs(lms[i]) + lmsError[i];
            cubesError[i] = 3 * reach * reach * lmsError[i];
        }
        linear = times(lmsToLinearSrgb, cubes);
        linearError = timesMagnitudes(lmsToLinearSrgb, withRounding(cubesError, cubes));
    } else {
        // Each f of the conversion is a few roundings off; its XYZ, a cube above 6/29 and a line
        // of slope 116 / kappa (below 0.13) under it, moves by the slope times that.
        const Wide fy = (Wide(L) + 16) / 116;
        const WideVector f{fy + Wide(a) / 500, fy, fy - Wide(b) / 200};
        const WideVector fError{8 * unit * (1 + std::abs(f[0]) + std::abs(Wide(a)) / 500),
                                8 * unit * (1 + std::abs(fy)),
                                8 * unit * (1 + std::abs(f[2]) + std::abs(Wide(b)) / 200)};
        WideVector xyzError;
        for (int i = 0; i < 3; ++i) {
            const Wide reach = std::abs(f[i]) + fError[i];
            const bool cube = f[i] + fError[i] > 6.0L / 29;
            const Wide slope = cube ? std::max(3 * reach * reach, 0.13L) : 0.13L;
            const Wide size = cube ? std::max(reach * reach * reach, reach) : 0.13L * reach + 1;
            xyzError[i] = slope * fError[i] * (1 + 8 * unit) + 8 * unit * size;
        }
        linear = linearOfLab<Wide>(L, a, b);
        linearError = timesMagnitudes(xyzToLinearSrgb, timesMagnitudes(d50ToD65, xyzError));
        const WideVector lms = times(linearSrgbToLms, linear);
        const WideVector lmsError
            = timesMagnitudes(linearSrgbToLms, withRounding(linearError, linear));
        lightness = oklabLightnessOfLinear(linear);
        // The cube root moves by at most 2^(2/3) times the cube root of the change.
        for (int i = 0; i < 3; ++i) {
            const Wide root = std::cbrt(lms[i]);
            lightnessError += std::abs(lmsToOklabLightness[i])
                              * (1.6L * std::cbrt(lmsError[i]) + 8 * unit * std::abs(root));
        }
    }
    if (lightness - lightnessError >= 1)
        return RoundedColour{qRgb(255, 255, 255), true};
    if (lightness + lightnessError <= 0)
        return RoundedColour{qRgb(0, 0, 0), true};
    if (lightness + lightnessError >= 1 || lightness - lightnessError <= 0)
        return std::nullopt;
    // The transfer curve rises everywhere: the ends of the interval give the channel's.
    const auto channel = [&](int i) {
        const Wide low = 255 * gammaEncoded(linear[i] - linearError[i]);
        const Wide high = 255 * gammaEncoded(linear[i] + linearError[i]);
        return decided((low + high) / 2,
                       (high - low) / 2 + 8 * unit * std::max(std::abs(low), std::abs(high)));
    };
    return roundedColourOf({channel(0), channel(1), channel(2)});
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
        if (!std::isfinite(raw[i]))
            return std::nullopt;
        const double nearest = std::floor(raw[i] + 0.5);
        rounded.clipped = rounded.clipped || nearest < 0 || nearest > 255;
        values[i] = int(std::clamp(nearest, 0.0, 255.0));
    }
    rounded.colour = qRgb(values[0], values[1], values[2]);
    return rounded;
}
