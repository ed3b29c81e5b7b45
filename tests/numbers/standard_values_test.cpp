#include "numbers/standard_values.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "numbers/calc_error.h"
#include "numbers/notation.h"

namespace quorvel {
namespace {

constexpr std::array<ESeries, 7> kAllSeries = {ESeries::E3,  ESeries::E6,  ESeries::E12, ESeries::E24,
                                               ESeries::E48, ESeries::E96, ESeries::E192};

std::string Ascii(std::u16string_view text) { return std::string(text.begin(), text.end()); }

// A test name made of a number: "3.38e-06" becomes "3_38em06".
std::string NameOf(double value) {
    std::array<char, 32> buf{};
    const char* end = std::to_chars(buf.data(), buf.data() + buf.size(), value).ptr;
    std::string name;
    for (const char* p = buf.data(); p != end; ++p) {
        if (*p == '.') {
            name += '_';
        } else if (*p == '-') {
            name += 'm';
        } else if (*p != '+') {
            name += *p;
        }
    }
    return name;
}

// The double nearest to digits × 10^exponent, by the standard library's reader.
double Nearest(int digits, int exponent) {
    const std::string text = std::to_string(digits) + "e" + std::to_string(exponent);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The tables: length, digits, order, and the names read back.
struct SeriesRow {
    ESeries series;
    std::size_t length;
    int digits;
};

class Tables : public ::testing::TestWithParam<SeriesRow> {};

TEST_P(Tables, HoldOneRisingDecade) {
    const SeriesRow& row = GetParam();
    const std::span<const std::uint16_t> table = SeriesTable(row.series);
    ASSERT_EQ(table.size(), row.length);
    EXPECT_EQ(SignificantDigits(row.series), row.digits);
    const int one = row.digits == 2 ? 10 : 100;
    EXPECT_EQ(table.front(), one);
    EXPECT_LT(table.back(), 10 * one);
    for (std::size_t i = 1; i < table.size(); ++i) EXPECT_LT(table[i - 1], table[i]) << "at " << i;
    EXPECT_EQ(ParseSeries(SeriesName(row.series)), row.series);
}

INSTANTIATE_TEST_SUITE_P(Rows, Tables,
                         ::testing::Values(SeriesRow{ESeries::E3, 3, 2}, SeriesRow{ESeries::E6, 6, 2},
                                           SeriesRow{ESeries::E12, 12, 2}, SeriesRow{ESeries::E24, 24, 2},
                                           SeriesRow{ESeries::E48, 48, 3}, SeriesRow{ESeries::E96, 96, 3},
                                           SeriesRow{ESeries::E192, 192, 3}),
                         [](const auto& info) { return Ascii(SeriesName(info.param.series)); });

// The published values against the rounded geometric series 10^(i/n): they agree
// everywhere except at the values the standard keeps from older practice.
struct FormulaRow {
    ESeries series;
    std::vector<int> exceptions;  // the published values the formula does not give
};

class Formula : public ::testing::TestWithParam<FormulaRow> {};

TEST_P(Formula, DiffersOnlyAtTheKnownExceptions) {
    const std::span<const std::uint16_t> table = SeriesTable(GetParam().series);
    const double scale = SignificantDigits(GetParam().series) == 2 ? 10 : 100;
    std::vector<int> differing;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const double exponent = static_cast<double>(i) / static_cast<double>(table.size());
        // No value of the formula lies within 0,001 of a rounding midpoint.
        const int formula = static_cast<int>(std::floor(std::pow(10.0, exponent) * scale + 0.5));
        if (formula != table[i]) differing.push_back(table[i]);
    }
    EXPECT_EQ(differing, GetParam().exceptions);
}

INSTANTIATE_TEST_SUITE_P(Rows, Formula,
                         ::testing::Values(FormulaRow{ESeries::E3, {47}}, FormulaRow{ESeries::E6, {33, 47}},
                                           FormulaRow{ESeries::E12, {27, 33, 39, 47, 82}},
                                           FormulaRow{ESeries::E24, {27, 30, 33, 36, 39, 43, 47, 82}},
                                           FormulaRow{ESeries::E48, {}}, FormulaRow{ESeries::E96, {}},
                                           FormulaRow{ESeries::E192, {920}}),
                         [](const auto& info) { return Ascii(SeriesName(info.param.series)); });

struct ParseRow {
    std::u16string_view text;
};

class ParseRejects : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseRejects, Nothing) { EXPECT_EQ(ParseSeries(GetParam().text), std::nullopt); }

INSTANTIATE_TEST_SUITE_P(Rows, ParseRejects,
                         ::testing::Values(ParseRow{u"e24"}, ParseRow{u"E24 "}, ParseRow{u"E7"}, ParseRow{u"E024"}),
                         [](const auto& info) {
                             std::string name = Ascii(info.param.text);
                             if (name.back() == ' ') name.replace(name.size() - 1, 1, "_blank");
                             return name;
                         });

// Neighbours around several decades, at exact values and across decade boundaries.
struct LookupRow {
    ESeries series;
    double value;
    double low;
    double high;
};

class Lookup : public ::testing::TestWithParam<LookupRow> {};

TEST_P(Lookup, Neighbours) {
    const StandardNeighbours got = Normwerte(GetParam().series, GetParam().value);
    EXPECT_EQ(got.low, GetParam().low);
    EXPECT_EQ(got.high, GetParam().high);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Lookup,
    ::testing::Values(
        // Between values, from pico to giga.
        LookupRow{ESeries::E24, 3.38e-6, 3.3e-6, 3.6e-6}, LookupRow{ESeries::E24, 4.97e3, 4.7e3, 5.1e3},
        LookupRow{ESeries::E24, 2.65e-12, 2.4e-12, 2.7e-12}, LookupRow{ESeries::E24, 0.0029, 0.0027, 0.003},
        LookupRow{ESeries::E12, 2.6e-9, 2.2e-9, 2.7e-9}, LookupRow{ESeries::E12, 8.25e-3, 8.2e-3, 10e-3},
        LookupRow{ESeries::E6, 3.2e6, 2.2e6, 3.3e6}, LookupRow{ESeries::E3, 5e9, 4.7e9, 10e9},
        LookupRow{ESeries::E96, 1.01, 1.0, 1.02}, LookupRow{ESeries::E96, 1.03e3, 1.02e3, 1.05e3},
        LookupRow{ESeries::E96, 4.5e-11, 4.42e-11, 4.53e-11}, LookupRow{ESeries::E48, 6.6e8, 6.49e8, 6.81e8},
        LookupRow{ESeries::E192, 9.195e-5, 9.09e-5, 9.2e-5}, LookupRow{ESeries::E192, 9.19, 9.09, 9.2},
        LookupRow{ESeries::E192, 1.0049e-10, 1e-10, 1.01e-10},
        // Exact values: the double nearest to each.
        LookupRow{ESeries::E24, 4.7e3, 4.7e3, 4.7e3}, LookupRow{ESeries::E24, 4.7e-9, 4.7e-9, 4.7e-9},
        LookupRow{ESeries::E24, 3.3e-6, 3.3e-6, 3.3e-6}, LookupRow{ESeries::E24, 1e-12, 1e-12, 1e-12},
        LookupRow{ESeries::E24, 100e3, 100e3, 100e3}, LookupRow{ESeries::E3, 1e9, 1e9, 1e9},
        LookupRow{ESeries::E12, 8.2e-15, 8.2e-15, 8.2e-15}, LookupRow{ESeries::E192, 9.2e5, 9.2e5, 9.2e5},
        LookupRow{ESeries::E96, 9.76e-7, 9.76e-7, 9.76e-7},
        // Decade boundaries: the top value of a decade and the 1 of the next.
        LookupRow{ESeries::E24, 9.9, 9.1, 10}, LookupRow{ESeries::E24, 10.5, 10, 11},
        LookupRow{ESeries::E24, 9.999999, 9.1, 10}, LookupRow{ESeries::E24, 10.000001, 10, 11},
        LookupRow{ESeries::E3, 0.99e-12, 0.47e-12, 1e-12}, LookupRow{ESeries::E192, 9.9e-1, 9.88e-1, 1},
        // A unit in the last place away is the standard value; 1e-5 away is not.
        LookupRow{ESeries::E24, 4699.999999999999, 4.7e3, 4.7e3}, LookupRow{ESeries::E24, 10.000000000000002, 10, 10},
        LookupRow{ESeries::E24, 4699.99999, 4.3e3, 4.7e3},
        // The ends of the range.
        LookupRow{ESeries::E3, 1e-307, 1e-307, 1e-307}, LookupRow{ESeries::E24, 1.4e-307, 1.3e-307, 1.5e-307},
        LookupRow{ESeries::E192, 9.99e307, 9.88e307, 1e308}, LookupRow{ESeries::E24, 1e308, 1e308, 1e308}),
    [](const auto& info) { return Ascii(SeriesName(info.param.series)) + "_" + NameOf(info.param.value); });

// What an entry field makes of a typed standard value: a long double times the
// double nearest to the prefix's power, which can miss the nearest double of the
// value by a few units in the last place.
struct TypedRow {
    std::u16string_view text;
    double value;
};

class Typed : public ::testing::TestWithParam<TypedRow> {};

TEST_P(Typed, IsTheStandardValue) {
    const double typed = Zahleneingabe(GetParam().text);
    const StandardNeighbours got = Normwerte(ESeries::E24, typed);
    EXPECT_EQ(got.low, GetParam().value);
    EXPECT_EQ(got.high, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Rows, Typed,
                         ::testing::Values(TypedRow{u"3,3\u00B5", 3.3e-6}, TypedRow{u"7,5f", 7.5e-15},
                                           TypedRow{u"6,8m", 6.8e-3}),
                         [](const auto& info) {
                             std::string name;
                             for (const char16_t c : info.param.text) {
                                 name += c == u',' ? '_' : c == u'\u00B5' ? 'u' : static_cast<char>(c);
                             }
                             return name;
                         });

// Every value of every series over the decades from pico to giga is found exactly,
// and the geometric middle between two neighbours finds both.
TEST(Sweep, EveryValueFromPicoToGiga) {
    for (const ESeries series : kAllSeries) {
        const std::span<const std::uint16_t> table = SeriesTable(series);
        const int shift = SignificantDigits(series) - 1;
        for (int decade = -12; decade <= 9; ++decade) {
            for (std::size_t i = 0; i < table.size(); ++i) {
                const double value = Nearest(table[i], decade - shift);
                const double next = i + 1 < table.size() ? Nearest(table[i + 1], decade - shift) : Nearest(1, decade + 1);
                const StandardNeighbours exact = Normwerte(series, value);
                ASSERT_EQ(exact.low, value) << Ascii(SeriesName(series)) << ' ' << value;
                ASSERT_EQ(exact.high, value) << Ascii(SeriesName(series)) << ' ' << value;
                const double middle = std::sqrt(value * next);
                const StandardNeighbours between = Normwerte(series, middle);
                ASSERT_EQ(between.low, value) << Ascii(SeriesName(series)) << ' ' << middle;
                ASSERT_EQ(between.high, next) << Ascii(SeriesName(series)) << ' ' << middle;
            }
        }
    }
}

struct FailRow {
    double value;
    std::u16string_view message;
};

constexpr std::u16string_view kNotPositive = u"Normwerte gibt es nur f\u00FCr positive Zahlen";
constexpr std::u16string_view kOutOfRange = u"Normwerte gibt es nur f\u00FCr Zahlen von 1E-307 bis 1E308";

class Fails : public ::testing::TestWithParam<FailRow> {};

TEST_P(Fails, WithMessage) {
    std::optional<std::u16string> message;
    try {
        (void)Normwerte(ESeries::E24, GetParam().value);
    } catch (const CalcError& e) {
        message = e.Message();
    }
    EXPECT_EQ(message, GetParam().message);
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Rows, Fails,
    ::testing::Values(FailRow{0.0, kNotPositive}, FailRow{-0.0, kNotPositive}, FailRow{-4.7e3, kNotPositive},
                      FailRow{-kInf, kNotPositive}, FailRow{kInf, kOutOfRange},
                      FailRow{std::numeric_limits<double>::quiet_NaN(), kOutOfRange},
                      FailRow{std::nextafter(1e-307, 0.0), kOutOfRange}, FailRow{9.9e-308, kOutOfRange},
                      FailRow{std::numeric_limits<double>::denorm_min(), kOutOfRange},
                      FailRow{std::nextafter(1e308, kInf), kOutOfRange},
                      FailRow{std::numeric_limits<double>::max(), kOutOfRange}),
    [](const auto& info) {
        const double v = info.param.value;
        if (std::isnan(v)) return std::string("nan");
        if (std::isinf(v)) return std::string(v > 0 ? "inf" : "minus_inf");
        return (std::signbit(v) ? "minus_" : "") + NameOf(std::fabs(v));
    });

}  // namespace
}  // namespace quorvel
