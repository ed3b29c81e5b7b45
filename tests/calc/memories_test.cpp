#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "calc/registers.h"
#include "test_world.h"

namespace quorvel::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

ComplexValue C(double re, double im) { return ComplexValue::Create(re, im); }

// Every memory button: the register it works, and for a recall the operand it writes.
struct ButtonCase {
    const char* button;
    ComplexValue calc::ProgramMemory::*reg;
    const char* hintName;
    const char* operand;  // store: the value read; recall: the operand written
};

constexpr ButtonCase kStores[] = {
    {"B_Z1_M1", &calc::ProgramMemory::M11, "M1.1", "Z1"}, {"B_Z1_M2", &calc::ProgramMemory::M12, "M1.2", "Z1"},
    {"B_Z1_M3", &calc::ProgramMemory::M13, "M1.3", "Z1"}, {"B_Z2_M1", &calc::ProgramMemory::M21, "M2.1", "Z2"},
    {"B_Z2_M2", &calc::ProgramMemory::M22, "M2.2", "Z2"}, {"B_Z2_M3", &calc::ProgramMemory::M23, "M2.3", "Z2"},
    {"B_Z3_M4", &calc::ProgramMemory::M31, "M3.1", "Z3"}, {"B_Z3_M5", &calc::ProgramMemory::M32, "M3.2", "Z3"},
    {"B_Z3_M6", &calc::ProgramMemory::M33, "M3.3", "Z3"},
};

constexpr ButtonCase kRecalls[] = {
    {"B_M1_Z1", &calc::ProgramMemory::M11, "M1.1", "Z1"}, {"B_M2_Z1", &calc::ProgramMemory::M12, "M1.2", "Z1"},
    {"B_M3_Z1", &calc::ProgramMemory::M13, "M1.3", "Z1"}, {"B_M1_Z2", &calc::ProgramMemory::M21, "M2.1", "Z2"},
    {"B_M2_Z2", &calc::ProgramMemory::M22, "M2.2", "Z2"}, {"B_M3_Z2", &calc::ProgramMemory::M23, "M2.3", "Z2"},
    {"B_M4_Z1", &calc::ProgramMemory::M31, "M3.1", "Z1"}, {"B_M5_Z1", &calc::ProgramMemory::M32, "M3.2", "Z1"},
    {"B_M6_Z1", &calc::ProgramMemory::M33, "M3.3", "Z1"}, {"B_M4_Z2", &calc::ProgramMemory::M31, "M3.1", "Z2"},
    {"B_M5_Z2", &calc::ProgramMemory::M32, "M3.2", "Z2"}, {"B_M6_Z2", &calc::ProgramMemory::M33, "M3.3", "Z2"},
};

std::u16string Wide(const char* s) { return {s, s + std::char_traits<char>::length(s)}; }

TEST(MemoryMapping, EachStoreButtonFillsItsOwnRegisterFromTheShownTexts) {
    for (const ButtonCase& c : kStores) {
        SCOPED_TRACE(c.button);
        World w;
        w.Enter("Z1", u"3", u"-4");
        w.Enter("Z2", u"1", u"0");
        w.Click("SB_Subtraktion");  // Z3 = 2 - j4
        w.Click(c.button);
        const ComplexValue expected = std::string(c.operand) == "Z1"   ? C(3, -4)
                                      : std::string(c.operand) == "Z2" ? C(1, 0)
                                                                       : C(2, -4);
        for (const ButtonCase& r : kStores) {
            const ComplexValue& got = w.app.Memory().*r.reg;
            const bool mine = r.reg == c.reg;
            EXPECT_EQ(got.Real(), mine ? expected.Real() : 0.0) << r.button;
            EXPECT_EQ(got.Imaginary(), mine ? expected.Imaginary() : 0.0) << r.button;
        }
        EXPECT_EQ(w.C(c.button).GetBold(), std::string(c.operand) == "Z3") << "Z3's store buttons turn bold";
    }
}

TEST(MemoryMapping, EachRecallButtonWritesItsRegisterIntoItsOperand) {
    for (const ButtonCase& c : kRecalls) {
        SCOPED_TRACE(c.button);
        World w;
        w.app.Memory().*c.reg = C(1e-5, -2.5);
        w.Click(c.button);
        const std::string p(c.operand);
        const std::string other = p == "Z1" ? "Z2" : "Z1";
        EXPECT_EQ(w.Text(p + "_E_Real"), u"1E-5");
        EXPECT_EQ(w.Text(p + "_E_Imaginaer"), u"-2,5");
        const ComplexValue& v = p == "Z1" ? w.F().Z1 : w.F().Z2;
        EXPECT_EQ(v.Real(), 0.00001) << "the change handling read the text back";
        EXPECT_EQ(v.Imaginary(), -2.5);
        EXPECT_EQ(w.Text(other + "_E_Real"), u"0") << "the other operand is untouched";
        EXPECT_EQ(w.Text(p + "_E_ABS"), u"0") << "a recall shows no polar form";
    }
}

TEST(MemoryHints, EveryButtonShowsItsRegisterWhenThePointerEnters) {
    for (const ButtonCase* table : {kStores, kRecalls}) {
        const std::size_t n = table == kStores ? std::size(kStores) : std::size(kRecalls);
        for (std::size_t i = 0; i < n; ++i) {
            const ButtonCase& c = table[i];
            SCOPED_TRACE(c.button);
            World w;
            EXPECT_EQ(w.kit.Hover(World::Row(c.button)), u"Memory " + Wide(c.hintName)) << "empty at start";
            w.app.Memory().*c.reg = C(3, -4);
            EXPECT_EQ(w.kit.Hover(World::Row(c.button)), Wide(c.hintName) + u": 3 j-4");
        }
    }
}

struct HintCase {
    const char* name;
    ComplexValue v;
    std::u16string_view hint;
};

TEST(MemoryHints, TheGeneralFormOfBothParts) {
    const HintCase cases[] = {
        {"3 - j4", C(3, -4), u"M2.3: 3 j-4"},
        {"1/3", C(1.0 / 3, 0), u"M2.3: 0,333333333333333 j0"},
        {"0 + j1e-5", C(0, 1e-5), u"M2.3: 0 j1E-5"},
        {"1e15 - j1e-4", C(1e15, -1e-4), u"M2.3: 1E15 j-0,0001"},
        {"largest double", C(1.7976931348623157e308, 0), u"M2.3: 1,79769313486231E308 j0"},
        {"inf", C(kInf, -kInf), u"M2.3: INF j-INF"},
        {"NaN counts as zero", C(kNaN, kNaN), u"Memory M2.3"},
        {"NaN beside a number", C(kNaN, 2), u"M2.3: NAN j2"},
        {"zero", C(0, 0), u"Memory M2.3"},
    };
    for (const HintCase& c : cases) {
        SCOPED_TRACE(c.name);
        ComplexValue v = c.v;
        EXPECT_EQ(calc::RegisterHint({&v, 2, 3}), c.hint);
    }
}

TEST(MemoryStore, StrictReadingKeepsWhatWasStoredBeforeTheFailure) {
    World w;
    w.app.Memory().M11 = C(7, 8);
    w.Type("Z1_E_Real", u"4,7k");
    w.Enter("Z1_E_Real");
    w.Click("B_Z1_M1");
    ASSERT_EQ(w.boxes.size(), 1U);
    EXPECT_EQ(w.boxes[0].text, u"'4,7k' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(w.app.Memory().M11.Real(), 7.0) << "nothing stored";

    w.Type("Z1_E_Real", u"5");
    w.Type("Z1_E_Imaginaer", u"-");
    w.Click("B_Z1_M1");
    ASSERT_EQ(w.boxes.size(), 2U);
    EXPECT_EQ(w.app.Memory().M11.Real(), 5.0) << "the real part was stored before the imaginary text failed";
    EXPECT_EQ(w.app.Memory().M11.Imaginary(), 8.0);

    w.kit.Erase(World::Row("Z1_E_Real"));
    w.Type("Z1_E_Imaginaer", u"2");
    w.Click("B_Z1_M1");
    EXPECT_EQ(w.app.Memory().M11.Real(), 0.0) << "an empty text stores 0";
    EXPECT_EQ(w.app.Memory().M11.Imaginary(), 2.0);
}

TEST(MemoryStore, AMebibyteOfDigitsFailsWholeAndTheBoxStaysShort) {
    World w;
    w.app.Memory().M12 = C(7, 8);
    w.C("Z1_E_Real").SetText(u"1" + std::u16string(1 << 20, u'0'));  // beyond every range
    ASSERT_EQ(w.boxes.size(), 1U) << "the field's change handling cannot read it either";
    w.Click("B_Z1_M2");
    ASSERT_EQ(w.boxes.size(), 2U);
    EXPECT_EQ(w.boxes[1].text.size(), 100 + std::u16string_view(u"'' ist kein gültiger Gleitkommawert.").size());
    EXPECT_EQ(w.app.Memory().M12.Real(), 7.0) << "nothing stored";
    w.C("Z1_E_Real").SetText(u"0," + std::u16string(1 << 20, u'3'));
    w.Click("B_Z1_M2");
    EXPECT_EQ(w.app.Memory().M12.Real(), 1.0 / 3) << "a long fraction reads to the nearest double";
}

TEST(MemoryStore, FromZ3BeforeTheFirstResultAndAfterABlanking) {
    World w;
    w.Click("B_Z3_M4");
    EXPECT_TRUE(w.boxes.empty());
    EXPECT_FALSE(w.C("B_Z3_M4").GetBold()) << "empty fields store zero without turning bold";
    w.Enter("Z1", u"1", u"0");
    w.Enter("Z2", u"3", u"0");
    w.Click("SB_Division");
    w.Click("B_Z3_M4");
    EXPECT_EQ(w.app.Memory().M31.Real(), 0.333333) << "the shown text, not 1/3";
    EXPECT_TRUE(w.C("B_Z3_M4").GetBold());
    w.Click("B_CLR_ALL");
    w.Click("B_Z3_M5");
    ASSERT_EQ(w.boxes.size(), 1U);
    EXPECT_EQ(w.boxes[0].text, u"' ' ist kein gültiger Gleitkommawert.");
    EXPECT_FALSE(w.C("B_Z3_M5").GetBold());
    EXPECT_EQ(w.app.Memory().M31.Real(), 0.333333) << "registers survive a clear";
}

TEST(MemoryRecall, NonFiniteRegisterPartsFailOnlyTheirField) {
    World w;
    w.app.Memory().M31 = C(kInf, 2);
    w.Click("B_M4_Z2");
    ASSERT_EQ(w.boxes.size(), 1U);
    EXPECT_EQ(w.Text("Z2_E_Real"), u"INF");
    EXPECT_EQ(w.F().Z2.Real(), 0.0) << "the part keeps its number";
    EXPECT_EQ(w.F().Z2.Imaginary(), 2.0) << "the recall went on with the next field";
}

TEST(Clearing, ClearAllLeavesTheRegistersAndZ3) {
    World w;
    w.Enter("Z1", u"3", u"4");
    w.Enter("Z2", u"1", u"0");
    w.Click("SB_Addition");
    w.app.Memory().M22 = C(5, 5);
    w.Click("B_CLR_ALL");
    for (const char* f : {"Z1_E_Real", "Z1_E_Imaginaer", "Z1_E_ABS", "Z1_E_Phi_Rad", "Z2_E_Real", "Z2_E_Imaginaer",
                          "Z2_E_ABS", "Z2_E_Phi_Rad"}) {
        EXPECT_EQ(w.Text(f), u"0") << f;
    }
    for (const char* f : {"Z1_E_Phi_Deg", "Z2_E_Phi_Deg", "Z3_E_Phi_Deg", "Z3_E_L", "Z3_E_C"}) EXPECT_EQ(w.Text(f), u"") << f;
    for (const char* f : {"Z3_E_Real", "Z3_E_Imaginaer", "Z3_E_ABS", "Z3_E_Phi_Rad"}) EXPECT_EQ(w.Text(f), u" ") << f;
    EXPECT_FALSE(w.C("Z3_L_Rechnung").GetVisible());
    EXPECT_EQ(w.F().Z1.Real(), 0.0);
    EXPECT_EQ(w.F().Z2.Real(), 0.0);
    EXPECT_EQ(w.F().Z3.Real(), 4.0);
    EXPECT_EQ(w.app.Memory().M22.Real(), 5.0);
    EXPECT_TRUE(w.app.Memory().Z1_mahlen && w.app.Memory().Z2_mahlen && w.app.Memory().Z3_mahlen);
    w.Click("SB_Addition");
    EXPECT_EQ(w.Text("Z3_E_Real"), u"4,000000") << "the previous result is shown again";
    EXPECT_TRUE(w.C("Z3_L_Rechnung").GetVisible());
}

TEST(Clearing, AnUnreadableDegreeTextStopsThePictureButNotTheFlags) {
    World w;
    w.Click("Z2_RB_Phi_Deg");
    w.Type("Z2_E_ABS", u"1");
    w.Type("Z2_E_Phi_Deg", u"5k");
    w.Enter("Z2_E_Phi_Deg");  // read as 5000 degrees; the text stays
    const std::size_t before = w.boxes.size();
    w.Click("B_CLR_Z1");
    EXPECT_EQ(w.boxes.size(), before + 1) << "the picture stops at Z2's phasor";
    EXPECT_TRUE(w.app.Memory().Z1_mahlen) << "the flag is back on for every later picture";
}

TEST(Transfer, CopiesTheShownTextsOrNothing) {
    World w;
    w.Click("B_Ergebnis_in_Z1");
    EXPECT_EQ(w.Text("Z1_E_Real"), u"0") << "before the first result there is nothing to take";
    w.Enter("Z1", u"1", u"0");
    w.Enter("Z2", u"3", u"0");
    w.Click("SB_Division");
    w.Click("B_Ergebnis_in_Z2");
    EXPECT_EQ(w.Text("Z2_E_Real"), u"0,333333");
    EXPECT_EQ(w.F().Z2.Real(), 0.333333);
    EXPECT_EQ(w.Text("Z2_E_ABS"), w.Text("Z3_E_ABS"));
    EXPECT_FALSE(w.C("Z3_L_Rechnung").GetVisible());
    w.Click("B_CLR_ALL");
    w.Click("B_Ergebnis_in_Z1");
    ASSERT_EQ(w.boxes.size(), 2U) << "a blank in each rectangular field";
    EXPECT_EQ(w.Text("Z1_E_Real"), u" ");
    EXPECT_EQ(w.Text("Z1_E_ABS"), u" ");
    EXPECT_EQ(w.F().Z1.Real(), 0.0);
}

}  // namespace
}  // namespace quorvel::test
