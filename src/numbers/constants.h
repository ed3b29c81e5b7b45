#pragma once

// Constants the formulas share.

#include <numbers>

namespace quorvel {

// π at extended precision: the reactance, component-value and diagram formulas all
// take it at the precision their intermediates are carried in.
inline constexpr long double kPi = std::numbers::pi_v<long double>;

}  // namespace quorvel
