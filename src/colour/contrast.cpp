#include "colour/contrast.h"

#include <algorithm>
#include <cmath>

namespace {

// One sRGB channel, 0 to 255, as linear light.
double linearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The WCAG 2 success levels for normal text, from the strictest.
struct ContrastLevel
{
    double minimum;
    const char *name;
};
constexpr ContrastLevel contrastLevels[] = {
    {7.0, "AAA適合"},
    {4.5, "AA適合"},
    {3.0, "大きな文字のみAA適合"},
    {0.0, "不適合"},
};

} // namespace

double relativeLuminance(QRgb colour)
{
    return 0.2126 * linearChannel(qRed(colour)) + 0.7152 * linearChannel(qGreen(colour))
         + 0.0722 * linearChannel(qBlue(colour));
}

double contrastRatio(QRgb first, QRgb second)
{
    const double one = relativeLuminance(first);
    const double two = relativeLuminance(second);
    return (std::max(one, two) + 0.05) / (std::min(one, two) + 0.05);
}

QString contrastAnnouncement(double ratio)
{
    // The small allowance keeps 21 from reading 20.9 when (1 + 0.05) / 0.05 lands a hair below.
    const double tenths = std::floor(ratio * 10 + 1e-9);
    const char *level = "";
    for (const ContrastLevel &candidate : contrastLevels) {
        if (ratio >= candidate.minimum) {
            level = candidate.name;
            break;
        }
    }
    // An ideographic space parts the ratio from the level, as it parts a name from its code.
    return QStringLiteral("背景とのコントラスト比") + QString::number(tenths / 10, 'f', 1)
         + QStringLiteral("対1\u3000") + QString::fromUtf8(level);
}
