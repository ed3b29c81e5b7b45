#pragma once

// The elementary functions of the complex values, computed by the program itself:
// the C libraries of the platforms round their last bit each their own way (and one
// reduces a huge sine argument with a 66-bit pi), while a value must be the same
// double on every platform the calculator runs on, to the last digit a memory or a
// transcript shows. Each function works in extended precision (long double, 64-bit
// mantissa) and rounds once to double; sine and cosine reduce their argument by an
// exact multiple of pi/2, however large.
//
// Invariants: every result is within one unit in the last place of the exact value
// and almost always the double nearest to it; special values (NaN, infinities,
// signed zeros) behave as C's functions of the same name.

namespace quorvel::elementary {

[[nodiscard]] double Exp(double x) noexcept;
[[nodiscard]] double Log(double x) noexcept;
[[nodiscard]] double Sin(double x) noexcept;
[[nodiscard]] double Cos(double x) noexcept;
[[nodiscard]] double Atan2(double y, double x) noexcept;

}  // namespace quorvel::elementary
