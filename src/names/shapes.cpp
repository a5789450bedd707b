#include "names/shapes.h"

#include <array>

std::optional<QString> shapeName(int kind)
{
    // In the order of Shape::Kind.
    static const std::array<const char *, Shape::kindCount> names = {
        "長方形", "正方形", "楕円形", "円形", "丸みのある長方形", "丸みのある正方形",
    };
    if (kind < Shape::Rectangle || kind > Shape::RoundedSquare)
        return std::nullopt;
    return QString::fromUtf8(names[size_t(kind)]);
}
