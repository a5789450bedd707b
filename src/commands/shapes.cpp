#include "commands/shapes.h"

#include "app/swatch.h"

#include <array>

std::optional<QString> shapeName(int kind)
{
    // In the order of Swatch::Kind.
    static const std::array<const char *, 6> names = {
        "長方形", "正方形", "楕円形", "円形", "丸みのある長方形", "丸みのある正方形",
    };
    static_assert(Swatch::RoundedSquare + 1 == int(names.size()));
    if (kind < Swatch::Rectangle || kind > Swatch::RoundedSquare)
        return std::nullopt;
    return QString::fromUtf8(names[size_t(kind)]);
}
