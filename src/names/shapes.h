#pragma once

#include <QString>

#include <optional>

// The six kinds of the swatch's outline, numbered as the shape control numbers them.
namespace Shape {
enum Kind { Rectangle = 0, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
inline constexpr int kindCount = RoundedSquare + 1;
} // namespace Shape

// The Japanese name of a shape kind; nothing for a kind outside 0 to 5.
std::optional<QString> shapeName(int kind);
