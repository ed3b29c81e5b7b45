#pragma once

// Colours as the logic names them: plain RGB values, and the few system colours
// whose shade the platform chooses. A toolkit keeps the logical colour it was given,
// so both toolkits report the same value for the same control.

#include <cstdint>

namespace quorvel::ui {

// Invariants: an RGB colour is 0x00RRGGBB; a system colour has bit 31 set and is
// never an RGB value.
using Color = std::uint32_t;

constexpr Color Rgb(unsigned r, unsigned g, unsigned b) { return (r << 16U) | (g << 8U) | b; }

constexpr Color kSystemColor = 0x80000000U;
constexpr Color clWindow = kSystemColor | 5U;    // background of text fields
constexpr Color clBtnFace = kSystemColor | 15U;  // face of buttons and panels
constexpr Color clMenu = kSystemColor | 4U;      // background of menus
constexpr Color kParentColor = kSystemColor | 0xFFU;  // take the parent's background

constexpr Color clBlack = Rgb(0, 0, 0);
constexpr Color clWhite = Rgb(255, 255, 255);
constexpr Color clSilver = Rgb(192, 192, 192);
constexpr Color clRed = Rgb(255, 0, 0);
constexpr Color clGreen = Rgb(0, 128, 0);
constexpr Color clBlue = Rgb(0, 0, 255);
constexpr Color clFuchsia = Rgb(255, 0, 255);
constexpr Color clYellow = Rgb(255, 255, 0);
constexpr Color clGray = Rgb(128, 128, 128);

constexpr bool IsSystemColor(Color c) { return (c & kSystemColor) != 0; }

// The RGB shade a system colour is drawn with on this desktop.
constexpr Color Resolve(Color c) {
    switch (c) {
        case clWindow: return clWhite;
        case clBtnFace:
        case clMenu: return Rgb(240, 240, 240);
        default: return c;
    }
}

}  // namespace quorvel::ui
