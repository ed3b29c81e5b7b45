#include "diagram/phasor_geometry.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace quorvel::diagram {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// Rounds to the nearest integer, halves to even: the default rounding mode, which
// the program never changes.
std::int32_t RoundHalfEven(long double v) { return static_cast<std::int32_t>(std::nearbyint(v)); }

}  // namespace

Geometry GeometryFor(std::int32_t width, std::int32_t height) {
    Geometry g{};
    g.Breite = width - 30;
    g.Hoehe = height - 30;
    g.Linienzugabe = 5;
    g.Offset_X = 10;
    g.Offset_Y = g.Linienzugabe + 15;
    g.Nullpunkt_X = g.Breite / 2 + g.Offset_X;
    g.Nullpunkt_Y = g.Hoehe / 2 + g.Offset_Y;
    g.Radius = g.Breite / 2;
    return g;
}

long double GetDEG(long double Winkel) { return Winkel * 2 * kPi / 360; }

long double GetRAD(long double Winkel) { return Winkel * 360 / (2 * kPi); }

std::optional<ui::Point> EndPosition(long double degrees, std::int32_t radius) {
    if (!std::isfinite(degrees)) return std::nullopt;
    long double whole = std::trunc(degrees);
    // Phi = whole + 90 must fit 32 bits; beyond that only the direction can matter.
    constexpr long double kLimit = std::numeric_limits<std::int32_t>::max() - 90;
    if (whole > kLimit || whole < -kLimit) whole = std::fmod(whole, 360.0L);
    const std::int32_t Phi = static_cast<std::int32_t>(whole) + 90;
    const float r = static_cast<float>(static_cast<long double>(Phi) * kPi / 180);
    const long double s = std::sin(static_cast<long double>(r)) * radius;
    const long double c = std::cos(static_cast<long double>(r)) * radius;
    return ui::Point{static_cast<std::int32_t>(std::trunc(s)), static_cast<std::int32_t>(std::trunc(c))};
}

std::array<ui::Point, 3> ArrowHead(ui::Point P1, ui::Point P2) {
    const std::int32_t dx = P2.x - P1.x;
    const std::int32_t dy = P2.y - P1.y;
    const long double AlphaZ =
        dx == 0 ? 0.0L : GetRAD(std::atan(static_cast<long double>(dy) / static_cast<long double>(dx)));
    long double Alpha = 0;
    if (dx > 0 && dy == 0) {
        Alpha = 0;
    } else if (dx > 0 && dy < 0) {
        Alpha = -AlphaZ;
    } else if (dx == 0 && dy < 0) {
        Alpha = 90;
    } else if (dx < 0 && dy == 0) {
        Alpha = 180;
    } else if (dx < 0) {  // above or below the axis: atan already carries the sign
        Alpha = 180 - AlphaZ;
    } else if (dx == 0 && dy > 0) {
        Alpha = 270;
    } else if (dx > 0 && dy > 0) {
        Alpha = 360 - AlphaZ;
    }
    auto side = [&](long double a) {
        return ui::Point{RoundHalfEven(P2.x - std::cos(GetDEG(a)) * 10), RoundHalfEven(std::sin(GetDEG(a)) * 10 + P2.y)};
    };
    return {P2, side(Alpha - 17), side(Alpha + 17)};
}

}  // namespace quorvel::diagram
