#pragma once

// The screen coordinates a window's corner may take. X11 carries window positions as
// 16-bit signed numbers and Windows packs them so in its move messages, so no window
// system places a window beyond them; a toolkit that took any int would overflow its
// own geometry there (a window's bottom edge past INT_MAX) or scale it past the int
// range on a high-DPI screen. Every toolkit clamps a requested corner into this range
// first, so that a window moved far away keeps its size and lands at the same place
// on all of them.

#include <algorithm>

namespace quorvel::ui {

inline constexpr int kMinScreenCoordinate = -32768;
inline constexpr int kMaxScreenCoordinate = 32767;

[[nodiscard]] constexpr int ClampScreenCoordinate(int c) {
    return std::clamp(c, kMinScreenCoordinate, kMaxScreenCoordinate);
}

}  // namespace quorvel::ui
