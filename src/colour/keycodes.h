#pragma once

#include <Qt>

// Key codes and shift masks as the key handlers count them.
namespace KeyCode {
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
} // namespace KeyCode

namespace ShiftMask {
inline constexpr int Shift = 1;
inline constexpr int Ctrl = 2;
inline constexpr int Alt = 4;
} // namespace ShiftMask

// The key code of a navigation key; 0 for every other key.
int keyCodeOf(int qtKey);
// Shift 1, Ctrl 2, Alt 4, added together.
int shiftMaskOf(Qt::KeyboardModifiers modifiers);
