#pragma once

#include <QString>

#include <optional>

// The Japanese name of a swatch shape kind (0 rectangle to 5 rounded square, as Swatch numbers
// them); nothing for a kind outside that range.
std::optional<QString> shapeName(int kind);
