#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "calc/display_rules.h"
#include "test_world.h"

namespace quorvel::test {
namespace {

using calc::Exponent;
using calc::FieldText;
using calc::FormRule;
using calc::ZeroTest;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::string Narrow(std::u16string_view s) { return {s.begin(), s.end()}; }

struct RuleCase {
    double x;
    FormRule rule;
    Exponent exponent;
    ZeroTest zero;
    std::u16string_view text;
};

TEST(FieldText, ChoiceOfForm) {
    const RuleCase cases[] = {
        {1000, FormRule::TwoSided, Exponent::Short, ZeroTest::Exact, u"1000,000000"},
        {1000.5, FormRule::TwoSided, Exponent::Short, ZeroTest::Exact, u"1,000500E+3"},
        {1000.5, FormRule::TwoSided, Exponent::TwoDigit, ZeroTest::Exact, u"1,000500E+03"},
        {0.001, FormRule::TwoSided, Exponent::Short, ZeroTest::Exact, u"0,001000"},
        {0.0009999, FormRule::TwoSided, Exponent::Short, ZeroTest::Exact, u"9,999000E-4"},
        {-0.0009999, FormRule::TwoSided, Exponent::Short, ZeroTest::Exact, u"-9,999000E-4"},
        {-1000, FormRule::TwoSided, Exponent::Short, ZeroTest::Exact, u"-1000,000000"},
        {-45, FormRule::OneSided, Exponent::TwoDigit, ZeroTest::None, u"-4,500000E+01"},
        {0, FormRule::OneSided, Exponent::TwoDigit, ZeroTest::None, u"0,000000E+00"},
        {0, FormRule::OneSided, Exponent::TwoDigit, ZeroTest::Exact, u"0"},
        {0.001, FormRule::OneSided, Exponent::TwoDigit, ZeroTest::None, u"0,001000"},
        {1000, FormRule::OneSided, Exponent::TwoDigit, ZeroTest::None, u"1000,000000"},
        {12345, FormRule::AlwaysFixed, Exponent::TwoDigit, ZeroTest::None, u"12345,000000"},
        {-1e-9, FormRule::AlwaysFixed, Exponent::TwoDigit, ZeroTest::None, u"0,000000"},
        {kInf, FormRule::TwoSided, Exponent::Short, ZeroTest::Exact, u"INF"},
        {-kInf, FormRule::AlwaysFixed, Exponent::Short, ZeroTest::Exact, u"-INF"},
        {kNaN, FormRule::OneSided, Exponent::Short, ZeroTest::Exact, u"NAN"},
        {kNaN, FormRule::TwoSided, Exponent::Short, ZeroTest::NanIsZero, u"0"},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + " -> " + Narrow(c.text));
        EXPECT_EQ(FieldText(c.x, c.rule, c.exponent, c.zero), c.text);
    }
}

// The five fields of a value, in display order.
struct Fields {
    std::u16string_view real, imaginary, abs, rad, deg;
};

Fields Read(World& w, const char* prefix) {
    static std::u16string store[5];
    const char* names[] = {"_E_Real", "_E_Imaginaer", "_E_ABS", "_E_Phi_Rad", "_E_Phi_Deg"};
    for (int i = 0; i < 5; ++i) store[i] = w.C(std::string(prefix) + names[i]).GetText();
    return {store[0], store[1], store[2], store[3], store[4]};
}

void ExpectFields(World& w, const char* prefix, const Fields& f) {
    const Fields got = Read(w, prefix);
    EXPECT_EQ(got.real, f.real);
    EXPECT_EQ(got.imaginary, f.imaginary);
    EXPECT_EQ(got.abs, f.abs);
    EXPECT_EQ(got.rad, f.rad);
    EXPECT_EQ(got.deg, f.deg);
}

TEST(Displays, EachMethodItsOwnForms) {
    World w;
    w.F().Z1 = ComplexValue::Create(1, -1);
    w.F().Z1_Ergebnis_anzeigen();
    ExpectFields(w, "Z1", {u"1,000000", u"-1,000000", u"1,414214", u"-7,853982E-01", u"-4,500000E+01"});
    w.F().Z1_Polar_anzeigen();
    ExpectFields(w, "Z1", {u"1,000000", u"-1,000000", u"1,414214", u"-0,785398", u"-45,000000"});
    w.F().Z2 = ComplexValue::Create(12345, 0);
    w.F().Z2_Ergebnis_anzeigen();
    ExpectFields(w, "Z2", {u"1,234500E+4", u"0", u"1,234500E+4", u"0", u"0"});
    w.F().Z3 = ComplexValue::Create(12345, 0);
    w.F().Ergebnis_Z3_anzeigen();
    ExpectFields(w, "Z3", {u"1,234500E+04", u"0", u"1,234500E+4", u"0", u"0"});
    w.F().Z3_Ergebnis_anzeigen();
    ExpectFields(w, "Z3", {u"1,234500E+04", u"0", u"1,234500E+04", u"0", u"0"});
    w.F().Z3 = ComplexValue::Create(1, -1);
    w.F().Ergebnis_Z3_anzeigen();
    ExpectFields(w, "Z3", {u"1,000000", u"-1,000000", u"1,414214", u"-0,785398", u"-4,500000E+01"});
    EXPECT_EQ(w.kit.RecordedMessages().Count(), 0U);
}

TEST(Displays, TinyAnglesAreWrittenWithoutSign) {
    for (const double im : {1e-9, -1e-9}) {
        SCOPED_TRACE(im);
        World w;
        w.F().Z1 = ComplexValue::Create(1000, im * 1000);  // parts below 1e-12 would be stored as 0
        w.F().Z1_Polar_anzeigen();
        EXPECT_EQ(w.C("Z1_E_Phi_Rad").GetText(), u"0,000000");
        EXPECT_EQ(w.C("Z1_E_Phi_Deg").GetText(), u"0,000000");
    }
}

TEST(Displays, OperandsHoldTheNumbersShown) {
    World w;
    w.F().Z1 = ComplexValue::Create(0.8660254037844387, 0.5);
    w.F().Z1_Koordinaten_anzeigen();
    EXPECT_EQ(w.C("Z1_E_Real").GetText(), u"0,866025");
    EXPECT_EQ(w.F().Z1.Real(), 0.866025);
    EXPECT_FALSE(w.C("Z3_L_Rechnung").GetVisible());
    // Texts that already stand there are not written: the value stays unrounded.
    w.C("Z3_L_Rechnung").SetVisible(true);
    w.F().Z1 = ComplexValue::Create(0.86602501, 0.5);
    w.F().Z1_Koordinaten_anzeigen();
    EXPECT_EQ(w.F().Z1.Real(), 0.86602501);
    EXPECT_TRUE(w.C("Z3_L_Rechnung").GetVisible());
}

TEST(Displays, ZeroValueIsZeroEverywhere) {
    World w;
    w.F().Z1 = ComplexValue::Create(3, 4);
    w.F().Z1_Ergebnis_anzeigen();
    w.F().Z1 = ComplexValue::Create(0, 0);
    w.F().Z1_Ergebnis_anzeigen();
    ExpectFields(w, "Z1", {u"0", u"0", u"0", u"0", u"0"});
}

TEST(Displays, InfiniteOperandPartReportsAndTheRestGoesOn) {
    World w;
    w.F().Z1 = ComplexValue::Create(kInf, 2);
    w.F().Z1_Ergebnis_anzeigen();
    ASSERT_EQ(w.kit.RecordedMessages().Count(), 1U);
    // INF holds no digit the lenient reader keeps, so the message quotes the empty text.
    EXPECT_EQ(w.kit.RecordedMessages().Last()->text, u"'' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(w.F().Z1.Real(), kInf) << "the part keeps its value";
    ExpectFields(w, "Z1", {u"INF", u"2,000000", u"INF", u"0", u"0"});
}

TEST(Displays, NanPartOfAnOperandBecomesZeroThroughItsText) {
    World w;
    w.C("Z2_E_Real").SetText(u"7");
    w.F().Z2 = ComplexValue::Create(kNaN, 5);
    w.F().Z2_Koordinaten_anzeigen();
    EXPECT_EQ(w.C("Z2_E_Real").GetText(), u"0");
    EXPECT_EQ(w.F().Z2.Real(), 0.0);
    w.F().Z3 = ComplexValue::Create(kNaN, kNaN);
    w.F().Ergebnis_Z3_anzeigen();
    ExpectFields(w, "Z3", {u"0", u"0", u"NAN", u"NAN", u"NAN"});
    EXPECT_EQ(w.kit.RecordedMessages().Count(), 0U) << "Z3 has no change handling";
}

TEST(Displays, ResultEnablesTheComponentValuesAndRedraws) {
    World w;
    w.F().Z3 = ComplexValue::Create(5, 0);
    w.F().Ergebnis_Z3_anzeigen();
    EXPECT_TRUE(w.C("Z3_CB_BE").GetEnabled()) << "also for a zero angle";
    EXPECT_EQ(w.C("Z3_E_L").GetText(), u"0");
    const auto drawn = w.kit.Recording().Phasors({90, 100});
    ASSERT_EQ(drawn.size(), 1U);
    EXPECT_EQ(drawn[0].color, ui::clBlue);
}

}  // namespace
}  // namespace quorvel::test
