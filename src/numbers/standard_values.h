#pragma once

// The standard values of components (IEC 60063): the preferred numbers E3 to E192
// that resistors, capacitors and inductors are made in. A computed 3,38 µH is not a
// part one can buy; the calculator offers the standard values around it instead.
//
// The tables are the published ones, not the rounded geometric series 10^(i/n): the
// older series E3 to E24 keep values that the formula does not give (2,7 3,0 3,3 3,6
// 3,9 4,3 4,7 8,2 in E24, where the formula says 2,6 2,9 ... 8,3), and E192 has 9,20
// where the formula says 9,19. E3 to E24 have two significant digits, E48 to E192
// three.
//
// Callers: the `call Normwerte` command of the scenario runner, and the window's
// offer of neighbouring values for the component values of Z3. Nothing here knows
// about the user interface or the process locale.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quorvel {

enum class ESeries { E3, E6, E12, E24, E48, E96, E192 };

// "E3", "E6", "E12", "E24", "E48", "E96" or "E192" exactly (capital E, no blanks);
// nothing for any other text.
[[nodiscard]] std::optional<ESeries> ParseSeries(std::u16string_view name) noexcept;

// The name that ParseSeries reads back to the series.
[[nodiscard]] std::u16string_view SeriesName(ESeries series) noexcept;

// The values of one decade as integers of SignificantDigits(series) digits, rising:
// E24 is 10, 11, 12, ... 91 (for 1,0 1,1 1,2 ... 9,1), E192 is 100, 101, ... 988. The
// series En has n entries.
[[nodiscard]] std::span<const std::uint16_t> SeriesTable(ESeries series) noexcept;

// 2 for E3 to E24, 3 for E48 to E192.
[[nodiscard]] int SignificantDigits(ESeries series) noexcept;

// The numbers Normwerte accepts: every decade from 1E-307 up to 1E308 holds all its
// standard values as normal doubles. Below, the values would lose digits in the
// subnormal range; above, the next standard value lies beyond the largest double in
// some series (2,2E308 in E3) and not in others (1,01E308 in E192). Whole decades
// make a limit that is the same for every series.
inline constexpr double kStandardValueMin = 1e-307;
inline constexpr double kStandardValueMax = 1e308;

// Invariants: low <= high, both finite and normal; each is the double nearest to a
// value of the series times a power of ten; low == high exactly when the number
// counted as a standard value (see Normwerte), and otherwise low < number < high
// with no standard value between.
struct StandardNeighbours {
    double low;
    double high;
};

// The nearest standard values of the series at or below and at or above `value`.
//
// A standard value stands for the double nearest to it: 4,7k is 4700, 4,7n is the
// double nearest to 4.7e-9. A number within a relative 2^-50 (a few units in the
// last place) of a standard value counts as that value, and both neighbours are
// then that double: a value that went through a multiplication lands a unit in the
// last place or so away from the nearest double (an entry field reads "4,7n" as 4,7
// times the double nearest to 1e-9), and the user meant a standard value all the
// same.
//
// Throws CalcError:
// - "Normwerte gibt es nur für positive Zahlen" for zero (either sign), negative
//   numbers and minus infinity;
// - "Normwerte gibt es nur für Zahlen von 1E-307 bis 1E308" for NaN, infinity and
//   every number outside [kStandardValueMin, kStandardValueMax].
[[nodiscard]] StandardNeighbours Normwerte(ESeries series, double value);

}  // namespace quorvel
