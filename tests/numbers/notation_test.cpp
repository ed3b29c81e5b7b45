#include "numbers/notation.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "numbers/calc_error.h"
#include "german_locale.h"
#include "row_name.h"

namespace quorvel {
namespace {

using test::RowName;
using test::TextRowName;

// The suite runs once under LC_ALL=C and once under a German locale; adopting the
// environment's locale makes that difference reach the C library.
class EnvironmentLocale : public ::testing::Environment {
public:
    void SetUp() override { std::setlocale(LC_ALL, ""); }
};
[[maybe_unused]] ::testing::Environment* const kEnvironmentLocale =
    ::testing::AddGlobalTestEnvironment(new EnvironmentLocale);

std::u16string Message(std::u16string_view quoted) {
    std::u16string message(u"'");
    message += quoted;
    message += u"' ist kein g\u00FCltiger Gleitkommawert";
    return message;
}


// The double nearest to a text of this notation, by the standard library's reader.
double NearestDouble(std::u16string_view text) {
    std::string ascii;
    for (const char16_t c : text) ascii += c == u',' ? '.' : static_cast<char>(c);
    double value = 0;
    std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    return value;
}

template <class F>
std::optional<std::u16string> FailureOf(F&& f) {
    try {
        f();
    } catch (const CalcError& e) {
        return e.Message();
    }
    return std::nullopt;
}

struct ReadRow {
    std::u16string_view text;
    double value;
};

class ZahleneingabeReads : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ZahleneingabeReads, Value) {
    const double got = Zahleneingabe(GetParam().text);
    EXPECT_EQ(got, GetParam().value);
    EXPECT_EQ(std::signbit(got), std::signbit(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ZahleneingabeReads,
    ::testing::Values(
        ReadRow{u"4,7k", 4700}, ReadRow{u"4,7 k", 4700}, ReadRow{u"100M", 1e8}, ReadRow{u"2,2\u00B5", 2.2e-6},
        ReadRow{u"2,2u", 2.2e-6}, ReadRow{u"2,2\u03BC", 2.2}, ReadRow{u"4k7", 47000}, ReadRow{u"1.000,5", 1000.5},
        ReadRow{u"1.5", 15}, ReadRow{u"2mk", 2000}, ReadRow{u"5 Hz", 5e-21}, ReadRow{u"5 Ohm", 0.005},
        ReadRow{u"5 V", 5}, ReadRow{u"1E3", 1000}, ReadRow{u"1E-3", 0.001}, ReadRow{u"1,5e3", 1500},
        ReadRow{u"1E", 1e18}, ReadRow{u"8,854187817E-12", 8.854187817e-12}, ReadRow{u"5e", 0}, ReadRow{u"5e-", 0},
        ReadRow{u"5e+x", 0}, ReadRow{u"+5", 5}, ReadRow{u"\u22125", 5}, ReadRow{u"1p", 1e-12},
        ReadRow{u"1EE5", 1.5e19}, ReadRow{u"1 Henry", 0}, ReadRow{u"\t5", 5}, ReadRow{u"-0", -0.0},
        ReadRow{u"-0,707107", -0.707107}, ReadRow{u"1e309", std::numeric_limits<double>::infinity()},
        ReadRow{u"-1e4932", -std::numeric_limits<double>::infinity()}, ReadRow{u"1e-400", 0},
        ReadRow{u"4,9406564584124654e-324", 4.9406564584124654e-324},
        ReadRow{u"2,2250738585072009e-308", 2.2250738585072009e-308},
        ReadRow{u"1,7976931348623158e308", std::numeric_limits<double>::max()},
        // 1 + 2^-53 + 2^-70: a long double would round it onto the midpoint 1 + 2^-53,
        // from where a second rounding would go down to 1.
        ReadRow{u"1,0000000000000001110231494954629083427022351315827108919620513916015625", 1.0000000000000002}),
    RowName<ReadRow>);

struct FailRow {
    std::u16string_view text;
    std::u16string_view quoted;
};

class ZahleneingabeFails : public ::testing::TestWithParam<FailRow> {};

TEST_P(ZahleneingabeFails, QuotesText) {
    EXPECT_EQ(FailureOf([&] { Zahleneingabe(GetParam().text); }), Message(GetParam().quoted));
}

INSTANTIATE_TEST_SUITE_P(Rows, ZahleneingabeFails,
                         ::testing::Values(FailRow{u"1e3k", u"1e3k"}, FailRow{u"1E3k", u"1e3k"}, FailRow{u"", u""},
                                           FailRow{u"-", u"-"}, FailRow{u"k", u""}, FailRow{u"abc", u""},
                                           FailRow{u"INF", u""}, FailRow{u"-INF", u"-"}, FailRow{u"2E3e", u"2e3e"},
                                           FailRow{u"5-", u"5-"}, FailRow{u"1,2,3 V", u"1,2,3"},
                                           FailRow{u"\uFF15", u""}, FailRow{u"1e4933", u"1e4933"},
                                           FailRow{u"1e9999", u"1e9999"}, FailRow{u"1,5e3 mA", u"1,5e3 mA"}),
                         RowName<FailRow>);

struct StrictRow {
    std::u16string_view text;
    long double value;
};

class StrToFloatReads : public ::testing::TestWithParam<StrictRow> {};

TEST_P(StrToFloatReads, Value) {
    const long double got = StrToFloat(GetParam().text);
    EXPECT_EQ(got, GetParam().value);
    EXPECT_EQ(std::signbit(got), std::signbit(GetParam().value));
}

constexpr long double kInf = std::numeric_limits<long double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Rows, StrToFloatReads,
    ::testing::Values(
        StrictRow{u"  2,5  ", 2.5L}, StrictRow{u"inf", kInf}, StrictRow{u"  -iNf", -kInf}, StrictRow{u"+INF", kInf},
        StrictRow{u"1e501", 1e501L}, StrictRow{u",5", 0.5L}, StrictRow{u"5,", 5.0L}, StrictRow{u"-0", -0.0L},
        StrictRow{u"0,1", 0.1L}, StrictRow{u"1e0000000000000000003", 1000.0L}, StrictRow{u"1E+499", 1e499L},
        StrictRow{u"1e-4999", 0.0L}, StrictRow{u"0e499", 0.0L}, StrictRow{u"-8,854187817E-12", -8.854187817e-12L},
        StrictRow{u"1,18973149535723176502e4932", std::numeric_limits<long double>::max()},
        StrictRow{u"3,6451995318824746025e-4951", std::numeric_limits<long double>::denorm_min()},
        // Just above and just below half the smallest subnormal.
        StrictRow{u"1,8225997659412373013e-4951", std::numeric_limits<long double>::denorm_min()},
        StrictRow{u"1,8225997659412373012e-4951", 0.0L},
        // The exact midpoint 1 + 2^-64 goes to even; a hair above it goes up.
        StrictRow{u"1,0000000000000000000542101086242752217003726400434970855712890625", 1.0L},
        StrictRow{u"1,0000000000000000000542101086242752217003726400434970855712890626", 1.0L + 0x1p-63L}),
    RowName<StrictRow>);

struct TextRow {
    std::u16string_view text;
};

class StrToFloatFails : public ::testing::TestWithParam<TextRow> {};

TEST_P(StrToFloatFails, QuotesWholeText) {
    EXPECT_EQ(FailureOf([&] { StrToFloat(GetParam().text); }), Message(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StrToFloatFails,
    ::testing::Values(TextRow{u""}, TextRow{u"+"}, TextRow{u"-"}, TextRow{u","}, TextRow{u" "}, TextRow{u"5-"},
                      TextRow{u"1,2,3"}, TextRow{u"2.5"}, TextRow{u"1 e5"}, TextRow{u"abc"}, TextRow{u"4,7k"},
                      TextRow{u"1e"}, TextRow{u"1e+"}, TextRow{u"e5"}, TextRow{u",e5"}, TextRow{u"+-5"},
                      TextRow{u"1e5001"}, TextRow{u"0e5001"}, TextRow{u"1e4999"}, TextRow{u"1,18973149535723176509e4932"},
                      TextRow{u"\t5"}, TextRow{u"5\t"}, TextRow{u"\u22125"}, TextRow{u"\uFF15"},
                      TextRow{std::u16string_view(u"5\0", 2)}, TextRow{u"inf "}, TextRow{u"-nan"}, TextRow{u"infinity"},
                      TextRow{u"%s%n"}),
    RowName<TextRow>);

// The strict reader's double is rounded once from the decimal. Each row lies next to
// a midpoint between two doubles that is itself a long double, so rounding through
// the long double would land on the midpoint and then go to even: the wrong side.
struct DoubleRow {
    std::u16string_view text;
    double value;
};

class StrToDoubleReads : public ::testing::TestWithParam<DoubleRow> {};

TEST_P(StrToDoubleReads, NearestDouble) {
    const double got = StrToDouble(GetParam().text);
    EXPECT_EQ(got, GetParam().value);
    EXPECT_EQ(std::signbit(got), std::signbit(GetParam().value));
}

constexpr double kInfDouble = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Rows, StrToDoubleReads,
    ::testing::Values(
        DoubleRow{u"1e126", 0x1.7a2ecc414a03fp+418},
        // Under 1: just below the midpoint 1 - 2^-54, on it, just above it.
        DoubleRow{u"0,999999999999999944488848768742172978818416595458984374", 0x1.fffffffffffffp-1},
        DoubleRow{u"0,999999999999999944488848768742172978818416595458984375", 1.0},
        DoubleRow{u"0,999999999999999944488848768742172978818416595458984376", 1.0},
        // Over 1: on the midpoint 1 + 2^-53, just above it.
        DoubleRow{u"1,00000000000000011102230246251565404236316680908203125", 1.0},
        DoubleRow{u"1,000000000000000111022302462515654042363166809082031251", 0x1.0000000000001p+0},
        DoubleRow{u"-1,000000000000000111022302462515654042363166809082031251", -0x1.0000000000001p+0},
        // Half the smallest subnormal, 2^-1075: a hair above it, a hair below it.
        DoubleRow{u"2,4703282292062327208828439643411068618252990130716238221279284125033775364e-324", 0x1p-1074},
        DoubleRow{u"2,4703282292062327208828439643411068618252990130716238221279284125033775363e-324", 0.0},
        // Beyond the double range but within the long double's: an infinity, no failure.
        DoubleRow{u"1e309", kInfDouble}, DoubleRow{u"-1e4000", -kInfDouble}, DoubleRow{u"1e-4000", 0.0},
        DoubleRow{u"-0", -0.0}, DoubleRow{u" -inf", -kInfDouble}, DoubleRow{u"  2,5  ", 2.5}),
    RowName<DoubleRow>);

// Every text the strict reader refuses, its double reader refuses with the same message.
TEST_P(StrToFloatFails, StrToDoubleQuotesWholeTextToo) {
    EXPECT_EQ(FailureOf([&] { StrToDouble(GetParam().text); }), Message(GetParam().text));
}

TEST(StrToDouble, NanWordReadsAsNan) { EXPECT_TRUE(std::isnan(StrToDouble(u"NaN"))); }

TEST(StrToFloat, NanWordReadsAsNan) { EXPECT_TRUE(std::isnan(StrToFloat(u" nAn"))); }

TEST(ConversionErrorMessage, InsertsTextLiterally) {
    EXPECT_EQ(ConversionErrorMessage(u"%s%d"), u"'%s%d' ist kein g\u00FCltiger Gleitkommawert");
}

TEST(LongTexts, TenThousandDigitMantissa) {
    const std::u16string third = u"0," + std::u16string(10000, u'3');
    EXPECT_EQ(StrToFloat(third), 0.33333333333333333333333333333L);
    EXPECT_EQ(Zahleneingabe(third), 1.0 / 3);
}

TEST(LongTexts, DigitFarBeyondMidpointDecidesRounding) {
    const std::u16string longMidpoint = u"1,0000000000000000000542101086242752217003726400434970855712890625";
    EXPECT_EQ(StrToFloat(longMidpoint + std::u16string(20000, u'0')), 1.0L);
    EXPECT_EQ(StrToFloat(longMidpoint + std::u16string(20000, u'0') + u"1"), 1.0L + 0x1p-63L);
    const std::u16string midpoint = u"1,00000000000000011102230246251565404236316680908203125";
    EXPECT_EQ(Zahleneingabe(midpoint + std::u16string(3000, u'0')), 1.0);
    EXPECT_EQ(Zahleneingabe(midpoint + std::u16string(3000, u'0') + u"1"), 1.0000000000000002);
}

TEST(LongTexts, ExponentOfAnyLength) {
    EXPECT_EQ(StrToFloat(u"1e" + std::u16string(100000, u'0') + u"5"), 1e5L);
    const std::u16string nines = u"1e" + std::u16string(100000, u'9');
    EXPECT_EQ(FailureOf([&] { StrToFloat(nines); }), Message(nines));
}

TEST(LongTexts, PastedMebibyte) {
    const std::size_t mebibyte = 1 << 20;
    EXPECT_EQ(Zahleneingabe(u"0," + std::u16string(mebibyte, u'0') + u"1"), 0.0);
    EXPECT_EQ(Zahleneingabe(u"777777," + std::u16string(mebibyte, u'7') + u"e-0"), 777777.7777777777777777777);
    std::u16string noise;
    while (noise.size() < mebibyte) noise += u"Hz \u00B5. ";
    EXPECT_EQ(FailureOf([&] { Zahleneingabe(noise); }), Message(u""));
}

class WertberechnungFactor : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(WertberechnungFactor, MatchesReadingThePrefixLetter) {
    const std::int32_t index = GetParam();
    constexpr std::array<std::u16string_view, 17> kPowers = {u"1e24",  u"1e21",  u"1e18",  u"1e15",  u"1e12",  u"1e9",
                                                              u"1e6",   u"1e3",   u"1e-3",  u"1e-6",  u"1e-6",  u"1e-9",
                                                              u"1e-12", u"1e-15", u"1e-18", u"1e-21", u"1e-24"};
    EXPECT_EQ(Wertberechnung(index), NearestDouble(kPowers[static_cast<std::size_t>(index - 1)]));
    EXPECT_EQ(Zahleneingabe(std::u16string{u'1', kVorsatz[static_cast<std::size_t>(index - 1)]}),
              Wertberechnung(index));
}

INSTANTIATE_TEST_SUITE_P(Indices, WertberechnungFactor, ::testing::Range(1, 18));

TEST(Wertberechnung, ZeroOutsideTable) {
    for (const std::int32_t index : {0, 18, -1, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()}) {
        EXPECT_EQ(Wertberechnung(index), 0.0) << index;
    }
}

struct BandRow {
    const char* text;
    double wert;
    double mantissa;
    std::u16string_view prefix;
};

class PrefixBands : public ::testing::TestWithParam<BandRow> {};

TEST_P(PrefixBands, MantissaAndPrefix) {
    const BandRow& row = GetParam();
    if (std::isnan(row.mantissa)) {
        EXPECT_TRUE(std::isnan(AnzeigeWert(row.wert)));
    } else {
        EXPECT_DOUBLE_EQ(AnzeigeWert(row.wert), row.mantissa);
    }
    EXPECT_EQ(EinheitVorsatz(row.wert), row.prefix);
}

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kDInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Rows, PrefixBands,
    ::testing::Values(BandRow{"0_0047", 0.0047, 4.7, u" m"}, BandRow{"1e_6", 1e-6, 1, u" \u00B5"},
                      BandRow{"999_99995", 999.99995, 999.99995, u" "}, BandRow{"1000", 1000, 1, u" k"},
                      BandRow{"1e30", 1e30, 1e6, u" Y"}, BandRow{"1e24", 1e24, 1, u" Y"},
                      BandRow{"below_1e24", std::nextafter(1e24, 0.0), 1000, u" Z"},
                      BandRow{"1", 1, 1, u" "}, BandRow{"below_1", std::nextafter(1.0, 0.0), 1000, u" m"},
                      BandRow{"4_7e_12", 4.7e-12, 4.7, u" p"}, BandRow{"1e_24", 1e-24, 1, u" y"},
                      BandRow{"below_1e_24", std::nextafter(1e-24, 0.0), std::nextafter(1e-24, 0.0), u"  "},
                      BandRow{"0", 0, 0, u"  "}, BandRow{"minus5", -5, -5, u"  "},
                      BandRow{"nan", kNan, kNan, u"  "}, BandRow{"inf", kDInf, kDInf, u" Y"},
                      BandRow{"minus_inf", -kDInf, -kDInf, u"  "}),
    [](const auto& info) { return std::string(info.param.text); });

// The expected texts were worked out independently on the exact binary values with
// decimal arithmetic rounding half up; nullptr where the fixed form is too long to
// list.
struct FormRow {
    const char* text;
    double x;
    const char16_t* fixed;
    const char16_t* fixed3;
    std::u16string_view exp2;
    std::u16string_view exp1;
    std::u16string_view general;
};

class Forms : public ::testing::TestWithParam<FormRow> {};

TEST_P(Forms, Written) {
    const FormRow& row = GetParam();
    if (row.fixed != nullptr) {
        EXPECT_EQ(FormatFixed(row.x), row.fixed);
        EXPECT_EQ(FormatFixed3(row.x), row.fixed3);
    }
    EXPECT_EQ(FormatExponent(row.x, true), row.exp2);
    EXPECT_EQ(FormatExponent(row.x, false), row.exp1);
    EXPECT_EQ(FormatGeneral(row.x), row.general);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Forms,
    ::testing::Values(
        FormRow{"0.5", 0.5, u"0,500000", u"0,500", u"5,000000E-01", u"5,000000E-1", u"0,5"},
        FormRow{"123.456789", 123.456789, u"123,456800", u"123,457", u"1,234568E+02", u"1,234568E+2", u"123,456789"},
        FormRow{"-2.5", -2.5, u"-2,500000", u"-2,500", u"-2,500000E+00", u"-2,500000E+0", u"-2,5"},
        FormRow{"1000", 1000.0, u"1000,000000", u"1000,000", u"1,000000E+03", u"1,000000E+3", u"1000"},
        FormRow{"0.001", 0.001, u"0,001000", u"0,001", u"1,000000E-03", u"1,000000E-3", u"0,001"},
        FormRow{"3.14159265358979", 3.14159265358979, u"3,141593", u"3,142", u"3,141593E+00", u"3,141593E+0",
                u"3,14159265358979"},
        FormRow{"12345.678", 12345.678, u"12345,680000", u"12345,680", u"1,234568E+04", u"1,234568E+4", u"12345,678"},
        FormRow{"0.0005", 0.0005, u"0,000500", u"0,001", u"5,000000E-04", u"5,000000E-4", u"0,0005"},
        FormRow{"-45", -45.0, u"-45,000000", u"-45,000", u"-4,500000E+01", u"-4,500000E+1", u"-45"},
        FormRow{"1e10", 1e10, u"10000000000,000000", u"10000000000,000", u"1,000000E+10", u"1,000000E+10",
                u"10000000000"},
        FormRow{"1e100", 1e100, nullptr, nullptr, u"1,000000E+100", u"1,000000E+100", u"1E100"},
        FormRow{"0", 0.0, u"0,000000", u"0,000", u"0,000000E+00", u"0,000000E+0", u"0"},
        FormRow{"-0", -0.0, u"0,000000", u"0,000", u"0,000000E+00", u"0,000000E+0", u"0"},
        FormRow{"-1e-9", -1e-09, u"0,000000", u"0,000", u"-1,000000E-09", u"-1,000000E-9", u"-1E-9"},
        FormRow{"3", 3.0, u"3,000000", u"3,000", u"3,000000E+00", u"3,000000E+0", u"3"},
        FormRow{"-4", -4.0, u"-4,000000", u"-4,000", u"-4,000000E+00", u"-4,000000E+0", u"-4"},
        FormRow{"1234.5678", 1234.5678, u"1234,568000", u"1234,568", u"1,234568E+03", u"1,234568E+3", u"1234,5678"},
        FormRow{"0.0001", 0.0001, u"0,000100", u"0,000", u"1,000000E-04", u"1,000000E-4", u"0,0001"},
        FormRow{"0.00001", 1e-05, u"0,000010", u"0,000", u"1,000000E-05", u"1,000000E-5", u"1E-5"},
        FormRow{"2.5e-7", 2.5e-07, u"0,000000", u"0,000", u"2,500000E-07", u"2,500000E-7", u"2,5E-7"},
        FormRow{"1e15", 1e15, u"1000000000000000,000000", u"1000000000000000,000", u"1,000000E+15", u"1,000000E+15",
                u"1E15"},
        FormRow{"123456789012345", 123456789012345.0, u"123456800000000,000000", u"123456800000000,000",
                u"1,234568E+14", u"1,234568E+14", u"123456789012345"},
        FormRow{"1/3", 1.0 / 3, u"0,333333", u"0,333", u"3,333333E-01", u"3,333333E-1", u"0,333333333333333"},
        // Exact ties go away from zero.
        FormRow{"0.0078125", 0.0078125, u"0,007813", u"0,008", u"7,812500E-03", u"7,812500E-3", u"0,0078125"},
        FormRow{"-0.0078125", -0.0078125, u"-0,007813", u"-0,008", u"-7,812500E-03", u"-7,812500E-3", u"-0,0078125"},
        FormRow{"0.0625", 0.0625, u"0,062500", u"0,063", u"6,250000E-02", u"6,250000E-2", u"0,0625"},
        FormRow{"-0.0625", -0.0625, u"-0,062500", u"-0,063", u"-6,250000E-02", u"-6,250000E-2", u"-0,0625"},
        FormRow{"12345665", 12345665.0, u"12345670,000000", u"12345670,000", u"1,234567E+07", u"1,234567E+7",
                u"12345665"},
        FormRow{"1234567890123445", 1234567890123445.0, u"1234568000000000,000000", u"1234568000000000,000",
                u"1,234568E+15", u"1,234568E+15", u"1,23456789012345E15"},
        FormRow{"9999999.5", 9999999.5, u"10000000,000000", u"10000000,000", u"1,000000E+07", u"1,000000E+7",
                u"9999999,5"},
        FormRow{"999999999999999.5", 999999999999999.5, u"1000000000000000,000000", u"1000000000000000,000",
                u"1,000000E+15", u"1,000000E+15", u"1E15"},
        // Decimal ties that the binary value decides.
        FormRow{"1.0000005", 1.0000005, u"1,000001", u"1,000", u"1,000001E+00", u"1,000001E+0", u"1,0000005"},
        FormRow{"1.0005", 1.0005, u"1,000500", u"1,000", u"1,000500E+00", u"1,000500E+0", u"1,0005"},
        FormRow{"5e-7", 5e-07, u"0,000000", u"0,000", u"5,000000E-07", u"5,000000E-7", u"5E-7"},
        FormRow{"999.9995", 999.9995, u"999,999500", u"1000,000", u"9,999995E+02", u"9,999995E+2", u"999,9995"},
        FormRow{"999.99995", 999.99995, u"1000,000000", u"1000,000", u"1,000000E+03", u"1,000000E+3", u"999,99995"},
        FormRow{"9999995", 9999995.0, u"9999995,000000", u"9999995,000", u"9,999995E+06", u"9,999995E+6", u"9999995"},
        FormRow{"99999995", 99999995.0, u"100000000,000000", u"100000000,000", u"1,000000E+08", u"1,000000E+8",
                u"99999995"},
        FormRow{"0.00009999999999999995", 9.999999999999995e-05, u"0,000100", u"0,000", u"1,000000E-04",
                u"1,000000E-4", u"0,0001"},
        FormRow{"5e-324", 5e-324, u"0,000000", u"0,000", u"4,940656E-324", u"4,940656E-324",
                u"4,94065645841247E-324"},
        FormRow{"2.2250738585072009e-308", 2.2250738585072009e-308, u"0,000000", u"0,000", u"2,225074E-308",
                u"2,225074E-308", u"2,2250738585072E-308"},
        // Rounding up to 1,79769313486232E308 would read back as infinity.
        FormRow{"1.7976931348623157e308", 1.7976931348623157e308, nullptr, nullptr, u"1,797693E+308",
                u"1,797693E+308", u"1,79769313486231E308"},
        FormRow{"1e21", 1e21, u"1000000000000000000000,000000", u"1000000000000000000000,000", u"1,000000E+21",
                u"1,000000E+21", u"1E21"}),
    [](const auto& info) { return TextRowName(std::u16string(info.param.text, info.param.text + strlen(info.param.text))); });

TEST(Forms, HugeFixedIsRoundedBeforeWriting) {
    // Built by appending: GCC 12 warns falsely (-Wrestrict) of a literal put in front
    // of a temporary string.
    std::u16string max_fixed(u"1");
    max_fixed.append(308, u'0').append(u",000000");
    std::u16string min_fixed3(u"-1797693");
    min_fixed3.append(302, u'0').append(u",000");
    EXPECT_EQ(FormatFixed(1e308), max_fixed);
    EXPECT_EQ(FormatFixed3(-1.7976931348623157e308), min_fixed3);
}

TEST(Forms, NonFinite) {
    for (const double x : {kDInf, -kDInf, kNan, -kNan}) {
        const std::u16string expected = std::isnan(x) ? u"NAN" : x > 0 ? u"INF" : u"-INF";
        EXPECT_EQ(FormatFixed(x), expected);
        EXPECT_EQ(FormatFixed3(x), expected);
        EXPECT_EQ(FormatExponent(x, true), expected);
        EXPECT_EQ(FormatExponent(x, false), expected);
        EXPECT_EQ(FormatGeneral(x), expected);
    }
}

// Doubles of every magnitude, plus short decimals and values near ties.
std::vector<double> Samples() {
    std::mt19937_64 random(20240611);
    std::vector<double> samples;
    for (int i = 0; i < 4000; ++i) {
        const std::uint64_t bits = random();
        double x = 0;
        std::memcpy(&x, &bits, sizeof x);
        if (std::isfinite(x)) samples.push_back(x);
        samples.push_back(static_cast<double>(random() % 2000000) / std::pow(10.0, static_cast<int>(random() % 12)));
        samples.push_back(std::ldexp(static_cast<double>(random() % 4096), -static_cast<int>(random() % 30)));
        samples.push_back(std::uniform_real_distribution<double>(-1e4, 1e4)(random));
    }
    return samples;
}

TEST(RoundTrip, GeneralFormReadsBackToTheSameDouble) {
    for (const double x : Samples()) {
        const std::u16string text = FormatGeneral(x);
        const double back = Zahleneingabe(text);
        ASSERT_EQ(back, NearestDouble(text)) << x;
        ASSERT_EQ(FormatGeneral(back), text) << x;
        std::array<char, 64> buf{};
        const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::scientific, 14);
        double fifteen = 0;
        std::from_chars(buf.data(), res.ptr, fifteen);
        if (fifteen == x) {
            ASSERT_EQ(back, x) << x;
        }
    }
}

TEST(RoundTrip, FixedAndExponentFormsReadBackRounded) {
    for (const double x : Samples()) {
        std::vector<std::u16string> texts = {FormatExponent(x, true), FormatExponent(x, false)};
        if (std::fabs(x) < 10000) {
            texts.push_back(FormatFixed(x));
            texts.push_back(FormatFixed3(x));
        }
        for (const std::u16string& text : texts) {
            ASSERT_EQ(Zahleneingabe(text), NearestDouble(text)) << x;
        }
    }
}

TEST(Locale, GermanProcessLocaleChangesNothing) {
    const std::vector<std::u16string> inputs = {u"4,7k", u"1,5e3", u"-0,707107", u"8,854187817E-12", u"2.5", u"1.000,5"};
    const std::vector<double> values = {0.5, -2.5, 1234.5678, 1.0 / 3, 1e-5};
    const auto run = [&] {
        std::vector<std::u16string> out;
        for (const auto& in : inputs) {
            const auto failure = FailureOf([&] { out.push_back(FormatGeneral(Zahleneingabe(in))); });
            if (failure) out.push_back(*failure);
        }
        for (const double x : values) {
            out.insert(out.end(), {FormatFixed(x), FormatFixed3(x), FormatExponent(x, true), FormatGeneral(x)});
        }
        return out;
    };
    test::ExpectSameUnderCAndGermanLocale(run);
}

}  // namespace
}  // namespace quorvel
