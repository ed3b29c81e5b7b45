#pragma once

// Constants the formulas share.

#include <numbers>

namespace quorvel {

// π at extended precision: the reactance, component-value and diagram formulas all
// take it at the precision their intermediates are carried in.
inline constexpr long double kPi = std::numbers::pi_v<long double>;

// The factors between radians and degrees at extended precision, as the displays and
// the polar entry convert: an angle is multiplied at this precision and the product
// stored as a double, so that every place that converts gets the same double.
inline constexpr long double kDegreesPerRadian = 57.295779513082320877L;
inline constexpr long double kRadiansPerDegree = 0.017453292519943295769L;

}  // namespace quorvel
