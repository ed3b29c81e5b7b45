#pragma once

// The geometry of the phasor diagram, in 32-bit integer pixels derived from the
// paint box's size, and the two computations that turn an angle into a tip and a
// line into an arrow head. Plain functions, so the pixel rules can be checked alone.

#include <array>
#include <cstdint>
#include <optional>

#include "ui/ui_canvas.h"

namespace quorvel::diagram {

// Invariants: every member follows from the box size by integer arithmetic alone;
// "half" truncates toward zero.
struct Geometry {
    std::int32_t Breite;        // width - 30: the circle's diameter
    std::int32_t Hoehe;         // height - 30
    std::int32_t Linienzugabe;  // axis overhang beyond the circle
    std::int32_t Offset_X;      // left edge of the circle
    std::int32_t Offset_Y;      // top edge of the circle
    std::int32_t Nullpunkt_X;   // origin
    std::int32_t Nullpunkt_Y;
    std::int32_t Radius;        // length of every phasor
};

Geometry GeometryFor(std::int32_t width, std::int32_t height);

// Degrees to radians and back, at extended precision. Each is named after the unit it
// takes, not the one it returns.
long double GetDEG(long double Winkel);
long double GetRAD(long double Winkel);

// The tip's offset from the origin for an angle in degrees: the angle truncated to
// whole degrees, turned by 90, taken to radians in single precision; then radius times
// sine and cosine, each truncated toward zero. A finite angle whose whole degrees do
// not fit the integer arithmetic is first reduced modulo 360, which points the same
// way. A non-finite angle has no tip.
std::optional<ui::Point> EndPosition(long double degrees, std::int32_t radius);

// The three corners of the filled head at P2 of an arrow from P1: 10 pixels long,
// opening 17 degrees to each side of the shaft; coordinates rounded half to even.
std::array<ui::Point, 3> ArrowHead(ui::Point P1, ui::Point P2);

}  // namespace quorvel::diagram
