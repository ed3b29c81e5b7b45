// The standard values of IEC 60063 and the search for the neighbours of a number.
//
// Each table is written out as published rather than derived from another: E12 is
// every second value of E24 and E96 every second of E192, but a table one can hold
// against the printed standard line by line is easier to check than a rule.
//
// A standard value of a decade is the double nearest to its digits times a power of
// ten, read by std::from_chars from a text such as "47e-10". Scaling 4,7 by 1e-9
// would round twice (1e-9 is no double) and could miss the nearest double by a unit
// in the last place; the reader rounds once and is the same on every platform.

#include "numbers/standard_values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "numbers/calc_error.h"

namespace quorvel {
namespace {

constexpr std::array<std::uint16_t, 3> kE3 = {10, 22, 47};

constexpr std::array<std::uint16_t, 6> kE6 = {10, 15, 22, 33, 47, 68};

constexpr std::array<std::uint16_t, 12> kE12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};

constexpr std::array<std::uint16_t, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                                33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

constexpr std::array<std::uint16_t, 48> kE48 = {
    100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
    215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
    464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};

constexpr std::array<std::uint16_t, 96> kE96 = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

constexpr std::array<std::uint16_t, 192> kE192 = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
    147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
    178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
    215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
    316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
    383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
    464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// The decades whose values (and the 1 of the next decade) are all normal doubles;
// kStandardValueMin and kStandardValueMax are their bounds.
constexpr int kLowestDecade = -307;
constexpr int kHighestDecade = 307;

// How close a number must be to a standard value to count as that value: a few
// units in the last place, far below the gap of about 1.2 % between neighbours of
// E192.
constexpr double kSameValue = 0x1p-50;

// The double nearest to digits × 10^exponent. Within the decades above the text
// always reads as a normal double, so the reader cannot fail.
double Nearest(std::uint16_t digits, int exponent) {
    std::array<char, 16> text{};
    char* const end = text.data() + text.size();
    char* p = std::to_chars(text.data(), end, digits).ptr;
    *p++ = 'e';
    p = std::to_chars(p, end, exponent).ptr;
    double value = 0;
    std::from_chars(text.data(), p, value);
    return value;
}

// The decade k with 10^k <= value < 10^(k+1), both taken as the nearest doubles, or
// the highest decade for kStandardValueMax itself. The logarithm only guesses: near
// a power of ten it may be one off, and the comparisons with the doubles decide.
int DecadeOf(double value) {
    int k = std::clamp(static_cast<int>(std::floor(std::log10(value))), kLowestDecade, kHighestDecade);
    while (k > kLowestDecade && value < Nearest(1, k)) --k;
    while (k < kHighestDecade && value >= Nearest(1, k + 1)) ++k;
    return k;
}

bool SameValue(double value, double standard) { return std::fabs(value - standard) <= standard * kSameValue; }

}  // namespace

std::optional<ESeries> ParseSeries(std::u16string_view name) noexcept {
    for (const ESeries series : {ESeries::E3, ESeries::E6, ESeries::E12, ESeries::E24, ESeries::E48, ESeries::E96,
                                 ESeries::E192}) {
        if (name == SeriesName(series)) return series;
    }
    return std::nullopt;
}

std::u16string_view SeriesName(ESeries series) noexcept {
    switch (series) {
        case ESeries::E3: return u"E3";
        case ESeries::E6: return u"E6";
        case ESeries::E12: return u"E12";
        case ESeries::E24: return u"E24";
        case ESeries::E48: return u"E48";
        case ESeries::E96: return u"E96";
        case ESeries::E192: break;
    }
    return u"E192";
}

std::span<const std::uint16_t> SeriesTable(ESeries series) noexcept {
    switch (series) {
        case ESeries::E3: return kE3;
        case ESeries::E6: return kE6;
        case ESeries::E12: return kE12;
        case ESeries::E24: return kE24;
        case ESeries::E48: return kE48;
        case ESeries::E96: return kE96;
        case ESeries::E192: break;
    }
    return kE192;
}

int SignificantDigits(ESeries series) noexcept {
    return series == ESeries::E48 || series == ESeries::E96 || series == ESeries::E192 ? 3 : 2;
}

StandardNeighbours Normwerte(ESeries series, double value) {
    if (value <= 0) throw CalcError(u"Normwerte gibt es nur f\u00FCr positive Zahlen");
    // Written so that NaN fails the test too.
    if (!(value >= kStandardValueMin && value <= kStandardValueMax)) {
        throw CalcError(u"Normwerte gibt es nur f\u00FCr Zahlen von 1E-307 bis 1E308");
    }
    const int decade = DecadeOf(value);
    const int exponent = decade - (SignificantDigits(series) - 1);
    const std::span<const std::uint16_t> table = SeriesTable(series);
    // The values of the decade rising, then the 1 of the next decade, which lies
    // above every value the decade holds. The first is at or below `value`.
    double below = 0;
    for (std::size_t i = 0; i <= table.size(); ++i) {
        const double standard = i < table.size() ? Nearest(table[i], exponent) : Nearest(1, decade + 1);
        if (SameValue(value, standard)) return {standard, standard};
        if (standard > value) return {below, standard};
        below = standard;
    }
    // Not reached: the 1 of the next decade is above every value of the decade.
    return {below, below};
}

}  // namespace quorvel
