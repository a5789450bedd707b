#pragma once

// hsl() of whole-number arguments, worked in exact fractions as CSS gives the conversion:
// f(n) = l - a max(-1, min(k - 3, 9 - k, 1)) with k = (n + h / 30) mod 12 and a = s min(l, 1 - l);
// each channel is 255 f(n) rounded halves upwards, then clipped to 0-255. Only a negative
// saturation is clamped. The colour tests and the colour-text fuzz target check against it.

#include <QRgb>

#include <algorithm>
#include <cstdint>
#include <numeric>

struct Fraction
{
    std::int64_t n;
    std::int64_t d = 1; // > 0

    friend Fraction operator+(Fraction x, Fraction y)
    {
        return reduced(x.n * y.d + y.n * x.d, x.d * y.d);
    }
    friend Fraction operator-(Fraction x, Fraction y) { return x + Fraction{-y.n, y.d}; }
    friend Fraction operator*(Fraction x, Fraction y) { return reduced(x.n * y.n, x.d * y.d); }
    friend bool operator<(Fraction x, Fraction y) { return x.n * y.d < y.n * x.d; }
    static Fraction reduced(std::int64_t n, std::int64_t d)
    {
        const std::int64_t g = std::gcd(n, d);
        return {n / g, d / g};
    }
    // The largest whole number not above the fraction.
    std::int64_t floor() const { return n >= 0 ? n / d : -((-n + d - 1) / d); }
};

struct ExactHsl
{
    QRgb colour;
    bool clipped;
};

inline ExactHsl exactHsl(int hue, int saturation, int lightness)
{
    const Fraction s{std::max(saturation, 0), 100};
    const Fraction l{lightness, 100};
    const Fraction one{1};
    const Fraction a = s * std::min(l, one - l);
    const int h = (hue % 360 + 360) % 360;
    bool clipped = false;
    const auto channel = [&](int n) {
        Fraction k = Fraction{n} + Fraction{h, 30};
        if (!(k < Fraction{12}))
            k = k - Fraction{12};
        const Fraction f
            = std::max(Fraction{-1}, std::min({k - Fraction{3}, Fraction{9} - k, one}));
        const std::int64_t rounded = (Fraction{255} * (l - a * f) + Fraction{1, 2}).floor();
        clipped = clipped || rounded < 0 || rounded > 255;
        return int(std::clamp<std::int64_t>(rounded, 0, 255));
    };
    const int red = channel(0), green = channel(8), blue = channel(4);
    return {qRgb(red, green, blue), clipped};
}
