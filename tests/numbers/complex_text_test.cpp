#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "numbers/calc_error.h"
#include "numbers/complex_reading.h"
#include "numbers/complex_text.h"
#include "numbers/complex_value.h"
#include "numbers/notation.h"
#include "german_locale.h"
#include "row_name.h"

namespace quorvel {
namespace {

using test::RowName;
using test::TextRowName;

using namespace std::string_view_literals;

// The suite runs once under LC_ALL=C and once under a German locale; adopting the
// environment's locale makes that difference reach the C library.
class EnvironmentLocale : public ::testing::Environment {
public:
    void SetUp() override { std::setlocale(LC_ALL, ""); }
};
[[maybe_unused]] ::testing::Environment* const kEnvironmentLocale =
    ::testing::AddGlobalTestEnvironment(new EnvironmentLocale);

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();
constexpr double kMinNormal = std::numeric_limits<double>::min();

std::uint64_t Bits(double x) { return std::bit_cast<std::uint64_t>(x); }


// --- Texts that read, part for part to the bit -----------------------------------

struct ReadRow {
    std::u16string_view text;
    double real;
    double imaginary;
};

class ReadsComplex : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ReadsComplex, Parts) {
    const ComplexReading r = ReadComplex(GetParam().text);
    ASSERT_TRUE(r.Ok()) << std::string(r.Message().begin(), r.Message().end());
    EXPECT_EQ(Bits(r.Real()), Bits(GetParam().real)) << r.Real();
    EXPECT_EQ(Bits(r.Imaginary()), Bits(GetParam().imaginary)) << r.Imaginary();
}

INSTANTIATE_TEST_SUITE_P(
    Rectangular, ReadsComplex,
    ::testing::Values(ReadRow{u"3+4j", 3, 4}, ReadRow{u"3 + j4", 3, 4}, ReadRow{u"3-4i", 3, -4},
                      ReadRow{u"3 - i4", 3, -4}, ReadRow{u"3,5 + j4,2", 3.5, 4.2}, ReadRow{u"3,5 - j4,2", 3.5, -4.2},
                      ReadRow{u"3,5", 3.5, 0}, ReadRow{u"-3,5", -3.5, 0}, ReadRow{u"j4,2", 0, 4.2},
                      ReadRow{u"4,2j", 0, 4.2}, ReadRow{u"-j4", 0, -4}, ReadRow{u"\u22124j", 0, -4},
                      ReadRow{u"\u22125 \u2212 j3", -5, -3}, ReadRow{u"j", 0, 1}, ReadRow{u"-i", 0, -1},
                      ReadRow{u"1 - j", 1, -1}, ReadRow{u"4 j", 0, 4}, ReadRow{u"3 + 4 j", 3, 4},
                      ReadRow{u"+3 + j 4", 3, 4}, ReadRow{u"- 3", -3, 0}, ReadRow{u"  3+4j\r\n", 3, 4},
                      ReadRow{u"\t3+4j", 3, 4}, ReadRow{u"3\u00A0+\u00A0j4", 3, 4}, ReadRow{u"j,5", 0, 0.5},
                      ReadRow{u"3.0000 + 4.0000i", 3, 4}, ReadRow{u"1e-05j", 0, 1e-5},
                      // The signs of zero survive, so that -0 written reads back as -0.
                      ReadRow{u"-0", -0.0, 0}, ReadRow{u"0 - j0", 0, -0.0}, ReadRow{u"-0j", 0, -0.0}),
    RowName<ReadRow>);

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReadsComplex,
    ::testing::Values(ReadRow{u"1e3", 1000, 0}, ReadRow{u"1,5E-3", 0.0015, 0}, ReadRow{u"1E+3", 1000, 0},
                      ReadRow{u"2,5e\u22123", 0.0025, 0}, ReadRow{u"1e3 + j1E-3", 1000, 0.001},
                      ReadRow{u"1e3j", 0, 1000}, ReadRow{u"0e999999999999999999", 0, 0},
                      ReadRow{u"1e-400", 0, 0}, ReadRow{u"1e0000000000000000003", 1000, 0},
                      ReadRow{u"1,7976931348623157E308", kMax, 0}, ReadRow{u"5E-324", kTiny, 0},
                      // Well below half the smallest subnormal and well above it.
                      ReadRow{u"2e-324", 0, 0}, ReadRow{u"3e-324", kTiny, 0},
                      ReadRow{u"1,000", 1, 0}, ReadRow{u",5", 0.5, 0}, ReadRow{u"5,", 5, 0}),
    RowName<ReadRow>);

// The prefixes give the doubles that typing the number into an entry field gives.
INSTANTIATE_TEST_SUITE_P(
    Prefixes, ReadsComplex,
    ::testing::Values(ReadRow{u"4,7k", 4700, 0}, ReadRow{u"4,7 k", 4700, 0}, ReadRow{u"2,2\u00B5", 2.2e-6, 0},
                      ReadRow{u"2,2u", 2.2e-6, 0}, ReadRow{u"100M", 1e8, 0}, ReadRow{u"4,7E", 4.7e18, 0},
                      ReadRow{u"1E", 1e18, 0}, ReadRow{u"1E + j2", 1e18, 2}, ReadRow{u"10 + j4,7k", 10, 4700},
                      ReadRow{u"j2,2m", 0, 0.0022}, ReadRow{u"4,7kj", 0, 4700}, ReadRow{u"1p", 1e-12, 0},
                      ReadRow{u"-1y", -1e-24, 0}, ReadRow{u"5,k", 5000, 0}),
    RowName<ReadRow>);

// A point is taken where it can mean one thing only.
INSTANTIATE_TEST_SUITE_P(
    Points, ReadsComplex,
    ::testing::Values(ReadRow{u"1.5", 1.5, 0}, ReadRow{u"0.500", 0.5, 0}, ReadRow{u".5", 0.5, 0},
                      ReadRow{u"1234.567", 1234.567, 0}, ReadRow{u"3.14159", 3.14159, 0},
                      ReadRow{u"1.0001", 1.0001, 0}, ReadRow{u"1.000,5", 1000.5, 0}, ReadRow{u"1.000.000", 1e6, 0},
                      ReadRow{u"12.345.678,25", 12345678.25, 0}, ReadRow{u"-1.5e3", -1500, 0},
                      ReadRow{u"3.5 - 4.25j", 3.5, -4.25}),
    RowName<ReadRow>);

// --- Polar texts ---------------------------------------------------------------------

struct PolarRow {
    std::u16string_view text;
    double real;
    double imaginary;
};

class ReadsPolar : public ::testing::TestWithParam<PolarRow> {};

// The operand's value, snapped: a quarter turn lands exactly on the axis.
TEST_P(ReadsPolar, Value) {
    const ComplexReading r = ReadComplex(GetParam().text);
    ASSERT_TRUE(r.Ok()) << std::string(r.Message().begin(), r.Message().end());
    const double scale = std::fmax(1.0, std::hypot(GetParam().real, GetParam().imaginary));
    EXPECT_NEAR(r.Value().Real(), GetParam().real, 4e-16 * scale);
    EXPECT_NEAR(r.Value().Imaginary(), GetParam().imaginary, 4e-16 * scale);
    if (GetParam().real == 0) {
        EXPECT_EQ(r.Value().Real(), 0.0);
    }
    if (GetParam().imaginary == 0) {
        EXPECT_EQ(r.Value().Imaginary(), 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadsPolar,
    ::testing::Values(PolarRow{u"1\u222090\u00B0", 0, 1}, PolarRow{u"2 \u2220 180\u00B0", -2, 0},
                      PolarRow{u"1 \u2220 -45\u00B0", 0.7071067811865476, -0.7071067811865476},
                      PolarRow{u"5\u2220\u221230\u00B0", 4.330127018922194, -2.5},
                      PolarRow{u"5 \u2220 53,13010235415598\u00B0", 3, 4},
                      PolarRow{u"5\u222053.13010235415598 \u00B0", 3, 4},
                      PolarRow{u"1\u22201,5707963267948966rad", 0, 1},
                      PolarRow{u"1 \u2220 3,141592653589793 RAD", -1, 0},
                      PolarRow{u"1\u222020 mrad", 0.9998000066665778, 0.019998666693333080},
                      PolarRow{u"-5\u22200\u00B0", -5, 0}, PolarRow{u"4,7k\u22200\u00B0", 4700, 0},
                      PolarRow{u"2\u2220450\u00B0", 0, 2}, PolarRow{u"0\u222037\u00B0", 0, 0}),
    RowName<PolarRow>);

// A point and a comma give the same polar value, bit for bit.
TEST(ReadsPolarNotation, PointAndCommaAgree) {
    const ComplexReading comma = ReadComplex(u"5\u222053,13\u00B0");
    const ComplexReading point = ReadComplex(u"5 \u2220 53.13\u00B0");
    ASSERT_TRUE(comma.Ok() && point.Ok());
    EXPECT_EQ(Bits(comma.Real()), Bits(point.Real()));
    EXPECT_EQ(Bits(comma.Imaginary()), Bits(point.Imaginary()));
}

// --- Refused texts -------------------------------------------------------------------

struct RefusedRow {
    std::u16string_view text;
    std::u16string_view message;
};

class RefusesText : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(RefusesText, Message) {
    const ComplexReading r = ReadComplex(GetParam().text);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.Message(), GetParam().message);
    EXPECT_EQ(Bits(r.Real()), Bits(0.0));
    EXPECT_EQ(Bits(r.Imaginary()), Bits(0.0));
}

#define NOT_UNDERSTOOD(piece) \
    u"'" piece u"' wurde nicht verstanden. Eingef\u00FCgt wird ein Wert wie 3,5 + j4,2 oder 5 \u2220 53,13\u00B0."
#define NOT_FINITE(piece) u"'" piece u"' ist keine endliche Zahl und kann nicht eingef\u00FCgt werden."
#define TOO_LARGE(piece) u"'" piece u"' ist zu gro\u00DF: Eine Zahl kann h\u00F6chstens etwa 1,8E308 sein."
#define NO_EXPONENT_DIGITS(piece) u"'" piece u"': Dem Exponenten fehlen die Ziffern."
#define MISSING_J(piece) u"Dem zweiten Teil '" piece u"' fehlt das j oder i des Imagin\u00E4rteils."
#define MISSING_SIGN(piece) u"Vor dem Imagin\u00E4rteil '" piece u"' fehlt '+' oder '-'."

INSTANTIATE_TEST_SUITE_P(
    Shape, RefusesText,
    ::testing::Values(
        RefusedRow{u"", u"Es gibt nichts einzuf\u00FCgen: Der Text ist leer."},
        RefusedRow{u" \t\r\n", u"Es gibt nichts einzuf\u00FCgen: Der Text ist leer."},
        RefusedRow{u"3+4j\n5",
                   u"Der Text hat mehr als eine Zeile. Eingef\u00FCgt wird ein einzelner Wert wie 3,5 + j4,2."},
        RefusedRow{u"3+4x", NOT_UNDERSTOOD(u"x")}, RefusedRow{u"3 + 4j foo", NOT_UNDERSTOOD(u"foo")},
        RefusedRow{u"5 Ohm", NOT_UNDERSTOOD(u"Ohm")}, RefusedRow{u"5 mOhm", NOT_UNDERSTOOD(u"mOhm")},
        RefusedRow{u"5 Hz", NOT_UNDERSTOOD(u"Hz")}, RefusedRow{u"5 pF", NOT_UNDERSTOOD(u"pF")},
        RefusedRow{u"2mk", NOT_UNDERSTOOD(u"mk")}, RefusedRow{u"(3+4j)", NOT_UNDERSTOOD(u"(3+4j)")},
        RefusedRow{u"information", NOT_UNDERSTOOD(u"information")}, RefusedRow{u"3 + 4J", NOT_UNDERSTOOD(u"J")},
        RefusedRow{u"j4 + 3", NOT_UNDERSTOOD(u"+ 3")}, RefusedRow{u"j + 3", NOT_UNDERSTOOD(u"+ 3")}, RefusedRow{u"j4j", NOT_UNDERSTOOD(u"j")},
        RefusedRow{u"3 4", NOT_UNDERSTOOD(u"4")}, RefusedRow{u"1 000", NOT_UNDERSTOOD(u"000")},
        RefusedRow{u",", NOT_UNDERSTOOD(u",")}, RefusedRow{u"3 + .", NOT_UNDERSTOOD(u".")},
        RefusedRow{u"3\u0007", NOT_UNDERSTOOD(u"\uFFFD")},
        RefusedRow{u"3 + abcdefghijklmnopqrstuvwxyz", NOT_UNDERSTOOD(u"abcdefghijklmnopqrstuvwx\u2026")},
        RefusedRow{u"3++4j", u"Zwei Vorzeichen hintereinander: '++'."},
        RefusedRow{u"3 + -4j", u"Zwei Vorzeichen hintereinander: '+ -'."},
        RefusedRow{u"--3", u"Zwei Vorzeichen hintereinander: '--'."}, RefusedRow{u"-", u"Nach '-' fehlt eine Zahl."},
        RefusedRow{u"3 +", u"Nach '+' fehlt eine Zahl."}, RefusedRow{u"3 + 4", MISSING_J(u"+ 4")},
        RefusedRow{u"3 - 4k", MISSING_J(u"- 4k")}, RefusedRow{u"3 4j", MISSING_SIGN(u"4j")},
        RefusedRow{u"3 j4", MISSING_SIGN(u"j4")},
        RefusedRow{u"3 + j-4", u"'j-4': Das Vorzeichen geh\u00F6rt vor das j oder i, wie in 3 - j4."}),
    RowName<RefusedRow>);

INSTANTIATE_TEST_SUITE_P(
    Numbers, RefusesText,
    ::testing::Values(
        RefusedRow{u"1.000",
                   u"'1.000' ist mehrdeutig: Der Punkt kann Dezimalpunkt oder Tausendertrennzeichen sein. "
                   u"Bitte mit Dezimalkomma schreiben."},
        RefusedRow{u"-12.345e3",
                   u"'12.345' ist mehrdeutig: Der Punkt kann Dezimalpunkt oder Tausendertrennzeichen sein. "
                   u"Bitte mit Dezimalkomma schreiben."},
        RefusedRow{u"1,000.5", u"'1,000.5' wurde nicht verstanden: Nach dem Dezimalkomma darf kein Punkt stehen."},
        RefusedRow{u"1.00,5",
                   u"'1.00,5' wurde nicht verstanden: Ein Punkt trennt nur Dreiergruppen von Ziffern vor dem Komma, "
                   u"wie in 1.000,5."},
        RefusedRow{u"1.2.3",
                   u"'1.2.3' wurde nicht verstanden: Ein Punkt trennt nur Dreiergruppen von Ziffern vor dem Komma, "
                   u"wie in 1.000,5."},
        RefusedRow{u"0.000.001",
                   u"'0.000.001' wurde nicht verstanden: Ein Punkt trennt nur Dreiergruppen von Ziffern vor dem "
                   u"Komma, wie in 1.000,5."},
        RefusedRow{u"1,2,3", u"'1,2,3' hat mehr als ein Komma."},
        RefusedRow{u"1e3k", u"'1e3k': Nach einem Exponenten ist kein Vorsatz erlaubt."},
        RefusedRow{u"5e", NO_EXPONENT_DIGITS(u"5e")}, RefusedRow{u"5e+x", NO_EXPONENT_DIGITS(u"5e+")},
        RefusedRow{u"4,7E+j2", NO_EXPONENT_DIGITS(u"4,7E+")}, RefusedRow{u"2 E5", NOT_UNDERSTOOD(u"E5")},
        RefusedRow{u"INF", NOT_FINITE(u"INF")}, RefusedRow{u"-INF + j0", NOT_FINITE(u"INF")},
        RefusedRow{u"3 + jNAN", NOT_FINITE(u"NAN")}, RefusedRow{u"nan", NOT_FINITE(u"nan")},
        RefusedRow{u"infj", NOT_FINITE(u"inf")}, RefusedRow{u"Infinity", NOT_FINITE(u"Infinity")},
        RefusedRow{u"3 - j\u221E", NOT_FINITE(u"\u221E")}, RefusedRow{u"1e400", TOO_LARGE(u"1e400")},
        RefusedRow{u"-1,8E308", TOO_LARGE(u"1,8E308")}, RefusedRow{u"2E308 + j1", TOO_LARGE(u"2E308")},
        RefusedRow{u"1e99999999999999999999", TOO_LARGE(u"1e99999999999999999999")},
        RefusedRow{u"1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                   u"0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                   u"0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
                   u"00000000000000000000Y",
                   TOO_LARGE(u"100000000000000000000000\u2026")}),
    RowName<RefusedRow>);

INSTANTIATE_TEST_SUITE_P(
    Polar, RefusesText,
    ::testing::Values(RefusedRow{u"5\u222030", u"Beim Winkel '30' fehlt die Einheit: \u00B0 oder rad."},
                      RefusedRow{u"5 \u2220 -30", u"Beim Winkel '-30' fehlt die Einheit: \u00B0 oder rad."},
                      RefusedRow{u"5\u222030\u00B0\u22202\u00B0",
                                 u"Das Winkelzeichen '\u2220' darf nur einmal vorkommen."},
                      RefusedRow{u"\u222030\u00B0", u"Vor '\u2220' fehlt der Betrag."},
                      RefusedRow{u"5\u2220", u"Nach '\u2220' fehlt der Winkel."},
                      RefusedRow{u"5\u2220\u00B0", u"Nach '\u2220' fehlt der Winkel."},
                      RefusedRow{u"5\u222030 deg", NOT_UNDERSTOOD(u"deg")},
                      RefusedRow{u"5\u22200,5radian", NOT_UNDERSTOOD(u"radian")},
                      RefusedRow{u"5j\u222030\u00B0", NOT_UNDERSTOOD(u"j\u222030\u00B0")},
                      RefusedRow{u"5\u222030\u00B0 + j1", NOT_UNDERSTOOD(u"+ j1")},
                      RefusedRow{u"INF\u22200\u00B0", NOT_FINITE(u"INF")}),
    RowName<RefusedRow>);

// --- Writing -------------------------------------------------------------------------

struct NumberRow {
    double x;
    std::u16string_view text;
};

class WritesRoundTripText : public ::testing::TestWithParam<NumberRow> {};

TEST_P(WritesRoundTripText, Text) { EXPECT_EQ(RoundTripText(GetParam().x), GetParam().text); }

std::string NumberRowName(const ::testing::TestParamInfo<NumberRow>& info) { return TextRowName(info.param.text); }

INSTANTIATE_TEST_SUITE_P(
    Rows, WritesRoundTripText,
    ::testing::Values(NumberRow{0.0, u"0"}, NumberRow{-0.0, u"-0"}, NumberRow{3.5, u"3,5"}, NumberRow{-4.2, u"-4,2"},
                      NumberRow{0.1, u"0,1"}, NumberRow{1.0 / 3, u"0,3333333333333333"}, NumberRow{0.0001, u"0,0001"},
                      NumberRow{0.00012, u"0,00012"}, NumberRow{0.00001, u"1E-5"}, NumberRow{-2.5e-5, u"-2,5E-5"},
                      NumberRow{4700, u"4700"}, NumberRow{123456789012345.67, u"123456789012345,67"},
                      NumberRow{999999999999999.9, u"999999999999999,9"}, NumberRow{1e15, u"1E15"},
                      NumberRow{4.7e18, u"4,7E18"}, NumberRow{kMax, u"1,7976931348623157E308"},
                      NumberRow{-kMax, u"-1,7976931348623157E308"}, NumberRow{kTiny, u"5E-324"},
                      NumberRow{kMinNormal, u"2,2250738585072014E-308"}, NumberRow{kInf, u"INF"},
                      NumberRow{-kInf, u"-INF"}, NumberRow{kNaN, u"NAN"}),
    NumberRowName);

struct ValueRow {
    double real;
    double imaginary;
    std::u16string_view text;
};

std::string ValueRowName(const ::testing::TestParamInfo<ValueRow>& info) { return TextRowName(info.param.text); }

class WritesRectangular : public ::testing::TestWithParam<ValueRow> {};

TEST_P(WritesRectangular, Text) {
    EXPECT_EQ(RectangularText(GetParam().real, GetParam().imaginary), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, WritesRectangular,
                         ::testing::Values(ValueRow{3.5, 4.2, u"3,5 + j4,2"}, ValueRow{3.5, -4.2, u"3,5 - j4,2"},
                                           ValueRow{0, 0, u"0 + j0"}, ValueRow{-0.0, -0.0, u"-0 - j0"},
                                           ValueRow{1e-5, 1e20, u"1E-5 + j1E20"}, ValueRow{kInf, kNaN, u"INF + jNAN"},
                                           ValueRow{1, -kInf, u"1 - jINF"}, ValueRow{-kNaN, 2, u"NAN + j2"}),
                         ValueRowName);

class WritesPolar : public ::testing::TestWithParam<ValueRow> {};

TEST_P(WritesPolar, Text) {
    EXPECT_EQ(PolarText(ComplexValue::Create(GetParam().real, GetParam().imaginary)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, WritesPolar,
                         ::testing::Values(ValueRow{3, 4, u"5 \u2220 53,130102354156\u00B0"},
                                           ValueRow{0, 0, u"0 \u2220 0\u00B0"}, ValueRow{-2, 0, u"2 \u2220 180\u00B0"},
                                           ValueRow{1, -1, u"1,4142135623731 \u2220 -45\u00B0"},
                                           ValueRow{1e-5, 0, u"1E-5 \u2220 0\u00B0"},
                                           ValueRow{kInf, 0, u"INF \u2220 0\u00B0"}),
                         ValueRowName);

class WritesTable : public ::testing::TestWithParam<ValueRow> {};

TEST_P(WritesTable, Text) {
    EXPECT_EQ(TableText(ComplexValue::Create(GetParam().real, GetParam().imaginary)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, WritesTable,
                         ::testing::Values(ValueRow{3.5, 4.2, u"3,5\t4,2\t5,4671747731346585\t50,1944289077348"},
                                           ValueRow{0, 0, u"0\t0\t0\t0"}, ValueRow{0, -1, u"0\t-1\t1\t-90"},
                                           ValueRow{-1e20, 0, u"-1E20\t0\t1E20\t180"}),
                         ValueRowName);

// --- Round trips ---------------------------------------------------------------------

// Everything the copy writes comes back through the paste bit for bit, and each part
// text comes back through the entry fields' reader and the strict reader likewise.
void ExpectRoundTrip(double re, double im) {
    const std::u16string text = RectangularText(re, im);
    const ComplexReading r = ReadComplex(text);
    ASSERT_TRUE(r.Ok()) << std::string(text.begin(), text.end());
    EXPECT_EQ(Bits(r.Real()), Bits(re)) << re;
    EXPECT_EQ(Bits(r.Imaginary()), Bits(im)) << im;
    for (const double x : {re, im}) {
        EXPECT_EQ(Bits(Zahleneingabe(RoundTripText(x))), Bits(x)) << x;
        EXPECT_EQ(Bits(StrToDouble(RoundTripText(x))), Bits(x)) << x;
    }
}

const std::vector<double> kEdgeParts = {
    0.0, -0.0, kTiny, -kTiny, kMinNormal, std::nextafter(kMinNormal, 0.0), kMax, -kMax, 1.0, -1.0, 0.1,
    1.0 / 3, 1e15, std::nextafter(1e15, 0.0), 1e-4, std::nextafter(1e-4, 0.0), 1e-5, 4.7e18, 1e-12, 2e-12,
    9007199254740993.0, 5e-324 * 3, 1e23, 8.98846567431158e307, 0.30000000000000004, 123456.789};

TEST(RoundTrip, EdgeParts) {
    for (const double re : kEdgeParts) {
        for (const double im : kEdgeParts) ExpectRoundTrip(re, im);
    }
}

// Random bit patterns cover every exponent and mantissa evenly.
TEST(RoundTrip, RandomBitPatterns) {
    std::mt19937_64 random(20240831);
    for (int i = 0; i < 50000; ++i) {
        const double re = std::bit_cast<double>(random());
        const double im = std::bit_cast<double>(random());
        if (!std::isfinite(re) || !std::isfinite(im)) continue;
        ExpectRoundTrip(re, im);
        if (HasFailure()) return;
    }
}

// Copy Z3, paste into Z1: the paste writes the two part texts into Z1's fields, whose
// change handling reads them with Zahleneingabe and stores them as parts.
TEST(RoundTrip, CopyResultPasteIntoOperand) {
    std::vector<ComplexValue> results = {
        ComplexValue::Create(1, 2) / ComplexValue::Create(3, -7), Sqrt(ComplexValue::Create(-3, -4)),
        Log10(ComplexValue::Create(-1, 0)), Power(ComplexValue::FromNumber(10), ComplexValue::Create(0.5, 0.1)),
        ComplexValue::Create(2e-12, 1e300), ComplexValue::FromPolar(1, 0.5)};
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-20, 20);
    for (int i = 0; i < 2000; ++i) {
        results.push_back(ComplexValue::Create(std::ldexp(mantissa(random), exponent(random)),
                                               std::ldexp(mantissa(random), exponent(random))));
    }
    for (const ComplexValue& z3 : results) {
        const ComplexReading pasted = ReadComplex(RectangularText(z3));
        ASSERT_TRUE(pasted.Ok());
        ComplexValue z1 = ComplexValue::Create(5, 5);
        z1.SetReal(Zahleneingabe(pasted.RealText()));
        z1.SetImaginary(Zahleneingabe(pasted.ImaginaryText()));
        EXPECT_EQ(Bits(z1.Real()), Bits(z3.Real()));
        EXPECT_EQ(Bits(z1.Imaginary()), Bits(z3.Imaginary()));
        EXPECT_EQ(Bits(pasted.Value().Real()), Bits(z3.Real()));
        EXPECT_EQ(Bits(pasted.Value().Imaginary()), Bits(z3.Imaginary()));
    }
}

// --- Arbitrary texts -----------------------------------------------------------------

std::u16string RandomText(std::mt19937_64& random, std::u16string_view alphabet, std::size_t maxLength) {
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::u16string text;
    for (std::size_t n = length(random); n > 0; --n) text += alphabet[pick(random)];
    return text;
}

// Whatever the text, the reader answers: finite parts that read back as written, or a
// message without control characters.
TEST(ArbitraryText, ReadsOrRefusesCleanly) {
    std::mt19937_64 random(1);
    const std::u16string_view alphabet =
        u"0123456789,.,+-jieEkmM \u2220\u00B0rad\u2212\u00A0\n\t(x\u00B5INF\0"sv;
    int read = 0;
    for (int i = 0; i < 50000; ++i) {
        const std::u16string text = RandomText(random, alphabet, 12);
        const ComplexReading r = ReadComplex(text);
        if (r.Ok()) {
            ++read;
            ASSERT_TRUE(std::isfinite(r.Real()) && std::isfinite(r.Imaginary())) << TextRowName(text);
            const ComplexReading again = ReadComplex(RectangularText(r.Real(), r.Imaginary()));
            ASSERT_TRUE(again.Ok());
            EXPECT_EQ(Bits(again.Real()), Bits(r.Real())) << TextRowName(text);
            EXPECT_EQ(Bits(again.Imaginary()), Bits(r.Imaginary())) << TextRowName(text);
        } else {
            ASSERT_FALSE(r.Message().empty()) << TextRowName(text);
            for (const char16_t c : r.Message()) ASSERT_GE(c, 0x20) << TextRowName(text);
        }
    }
    EXPECT_GT(read, 1000);  // the alphabet makes many readable texts, or the check is idle
}

// A real number without a point that both readers take is the same double from
// either: a pasted number is what the typed one is.
TEST(ArbitraryText, RealNumbersAgreeWithTheEntryFields) {
    std::mt19937_64 random(2);
    const std::u16string_view alphabet = u"0123456789,eEkMm\u00B5+- ";
    int compared = 0;
    for (int i = 0; i < 50000; ++i) {
        const std::u16string text = RandomText(random, alphabet, 8);
        const ComplexReading r = ReadComplex(text);
        if (!r.Ok()) continue;
        double typed = 0;
        try {
            typed = Zahleneingabe(text);
        } catch (const CalcError&) {
            continue;
        }
        ++compared;
        EXPECT_EQ(Bits(r.Real()), Bits(typed)) << TextRowName(text);
        EXPECT_EQ(Bits(r.Imaginary()), Bits(0.0)) << TextRowName(text);
    }
    EXPECT_GT(compared, 1000);
}

// --- The process locale --------------------------------------------------------------

TEST(Locale, GermanProcessLocaleChangesNothing) {
    const std::vector<std::u16string> inputs = {u"3,5 + j4,2", u"1.5", u"1.000,5", u"4,7k", u"5\u222053,13\u00B0",
                                                u"1e-5j", u"1.000"};
    const std::vector<ComplexValue> values = {ComplexValue::Create(3.5, -4.2), ComplexValue::Create(1.0 / 3, 1e-5),
                                              ComplexValue::Create(12345.678, 0)};
    const auto run = [&] {
        std::vector<std::u16string> out;
        for (const auto& in : inputs) {
            const ComplexReading r = ReadComplex(in);
            out.push_back(r.Ok() ? RectangularText(r.Real(), r.Imaginary()) : r.Message());
        }
        for (const ComplexValue& z : values) out.insert(out.end(), {RectangularText(z), PolarText(z), TableText(z)});
        return out;
    };
    test::ExpectSameUnderCAndGermanLocale(run);
}

}  // namespace
}  // namespace quorvel
