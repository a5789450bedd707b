#include "names/nearestname.h"

#include "colour/cielab.h"
#include "names/colourcode.h"
#include "names/textrules.h"

#include <cmath>
#include <vector>

namespace {

// Below this CIEDE2000 difference two colours count as the same; a table code read back
// through the colour conversion lands within rounding noise of 0.
constexpr double sameColourDifference = 0.05;

// CIEDE2000 divides the lightness difference by S_L = 1 + 0.015 (L - 50)^2 / sqrt(20 + (L -
// 50)^2), at most 1.75 over L 0 to 100, and the chroma, hue and rotation terms together never
// take anything away from it (the rotation factor is at most 2 in size). So an entry whose
// lightness alone is this far off cannot beat the best so far and needs no full difference.
constexpr double largestLightnessWeight = 1.75;

} // namespace

std::optional<NearestName> nearestNamedColour(QRgb colour, std::span<const QString> names,
                                              std::span<const QString> codes)
{
    std::vector<int> entries;
    std::vector<QRgb> colours;
    const std::size_t count = std::min(names.size(), codes.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<QRgb> entryColour = colourOfCode(codes[i]);
        if (!entryColour || removeStar(names[i]).isEmpty())
            continue;
        entries.push_back(int(i) + 1);
        colours.push_back(*entryColour);
    }
    if (entries.empty())
        return std::nullopt;

    std::vector<Lab> labs(colours.size());
    labsOf(colours, labs);
    const Lab target = labOf(colour);

    std::optional<NearestName> nearest;
    for (std::size_t i = 0; i < labs.size(); ++i) {
        if (nearest && std::abs(labs[i].L - target.L) / largestLightnessWeight > nearest->difference)
            continue;
        const double difference = colourDifference(target, labs[i]);
        // Strictly smaller, so the lower-numbered entry keeps a tie.
        if (!nearest || difference < nearest->difference)
            nearest = NearestName{entries[i], difference};
    }
    return nearest;
}

QString nearestNameAnnouncement(const QString &name, double difference)
{
    const QString plainName = removeStar(name);
    if (difference < sameColourDifference)
        return plainName;
    return plainName + QStringLiteral("に近い色") + ideographicSpace + QStringLiteral("色差")
         + QString::number(difference, 'f', 1);
}

QString noNamedColourAnnouncement()
{
    return QStringLiteral("名前のある色がありません");
}
