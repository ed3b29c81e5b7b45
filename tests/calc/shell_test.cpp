#include <gtest/gtest.h>

#include <limits>

#include "test_world.h"
#include "ui/screen_coordinates.h"

namespace quorvel::test {
namespace {

TEST(StartUp, ShowSetsEveryValueAndRegisterToZero) {
    World w;
    calc::ProgramMemory& m = w.app.Memory();
    // Give everything a value, then show again: FormShow must reset all twelve.
    for (ComplexValue* v : {&m.M11, &m.M12, &m.M13, &m.M21, &m.M22, &m.M23, &m.M31, &m.M32, &m.M33, &w.F().Z1, &w.F().Z2, &w.F().Z3}) {
        *v = ComplexValue::Create(3, 4);
    }
    m.Z1_mahlen = m.Z2_mahlen = m.Z3_mahlen = false;
    w.F().Z3_F = 50;
    w.F().FormShow();
    for (const ComplexValue* v : {&m.M11, &m.M12, &m.M13, &m.M21, &m.M22, &m.M23, &m.M31, &m.M32, &m.M33, &w.F().Z1, &w.F().Z2, &w.F().Z3}) {
        EXPECT_EQ(v->Real(), 0.0);
        EXPECT_EQ(v->Imaginary(), 0.0);
    }
    EXPECT_TRUE(m.Z1_mahlen && m.Z2_mahlen && m.Z3_mahlen);
    EXPECT_EQ(w.F().Z3_F, 50.0) << "FormShow leaves the frequency alone";
}

TEST(StartUp, StateRightAfterStart) {
    World w;
    EXPECT_EQ(w.C("SB_Z1parZ2ser").GetText(), u"Z1 parallel -> Z3 seriell");
    EXPECT_EQ(w.C("SB_Z1serZ2par").GetText(), u"Z1 seriell -> Z3 parallel");
    EXPECT_EQ(w.F().Z3_F, 0.0);
    EXPECT_EQ(w.C("Z3_E_F").GetText(), u"100M");
    EXPECT_FALSE(w.F().Timer1.GetEnabled());
    EXPECT_FALSE(w.W("Form1").GetShowHint());
    EXPECT_TRUE(w.W("Form1").IsVisible());
    EXPECT_FALSE(w.W("Form2").IsVisible());
    EXPECT_EQ(w.kit.PlatformState().beepOffCalls, 1) << "the beep is switched off once, at the show";
    EXPECT_EQ(w.kit.RecordedMessages().Count(), 0U);
}

TEST(Hints, HelpSwitchFollowsTheCheckBox) {
    World w;
    const int memory = World::Row("B_Z1_M1");
    const int edit = World::Row("Z1_E_Real");
    EXPECT_FALSE(w.kit.Hover(edit)) << "hints are off at start";
    EXPECT_EQ(w.kit.Hover(memory), u"Memory M1.1") << "memory buttons show theirs in either state";
    w.kit.Click(World::Row("CB_Hilfe"));
    EXPECT_TRUE(w.W("Form1").GetShowHint());
    EXPECT_EQ(w.kit.Hover(edit), u"Eingabe des Real Teils von Z1");
    w.kit.Click(World::Row("CB_Hilfe"));
    EXPECT_FALSE(w.kit.Hover(edit));
    EXPECT_EQ(w.kit.Hover(memory), u"Memory M1.1");
}

// The five fields a rejected input can mark red.
constexpr std::string_view kMarkable[] = {"Z1_E_F", "Z1_E_XL_XC", "Z2_E_F", "Z2_E_XL_XC", "Z3_E_F"};

void Mark(World& w, std::string_view field) {
    w.C(field).SetColor(ui::clRed);
    w.F().Timer1.SetEnabled(true);
}

TEST(RedMarks, EveryTickRestoresAllFiveFields) {
    for (const std::string_view field : kMarkable) {
        SCOPED_TRACE(field);
        World w;
        Mark(w, field);
        w.kit.Clock().Advance(999);
        EXPECT_EQ(w.C(field).GetColor(), ui::clRed) << "the first mark lasts a whole period";
        w.kit.Clock().Advance(1);
        EXPECT_EQ(w.C(field).GetColor(), ui::clWindow);
        EXPECT_TRUE(w.F().Timer1.GetEnabled()) << "a tick does not stop the timer";
    }
}

TEST(RedMarks, LaterMarksEndAtTheRunningTimersNextTick) {
    World w;
    Mark(w, "Z1_E_XL_XC");
    w.kit.Clock().Advance(1700);  // one tick at 1000, the next is due at 2000
    Mark(w, "Z2_E_XL_XC");
    w.kit.Clock().Advance(100);
    Mark(w, "Z3_E_F");            // two fields marked a moment apart
    w.kit.Clock().Advance(199);
    EXPECT_EQ(w.C("Z2_E_XL_XC").GetColor(), ui::clRed);
    EXPECT_EQ(w.C("Z3_E_F").GetColor(), ui::clRed);
    w.kit.Clock().Advance(1);     // 300 ms after the first of them
    EXPECT_EQ(w.C("Z2_E_XL_XC").GetColor(), ui::clWindow);
    EXPECT_EQ(w.C("Z3_E_F").GetColor(), ui::clWindow);
}

TEST(Buttons, FertigClosesTheProgramAlsoWithTheConstantsWindowOpen) {
    World w;
    w.kit.Click(World::Row("B_Konstanten"));
    ASSERT_TRUE(w.W("Form2").IsVisible());
    w.kit.Click(World::Row("B_Fertig"));
    EXPECT_TRUE(w.kit.Closed());
}

TEST(ConstantsWindow, PlacedBesideTheMainWindowEachTimeItAppears) {
    World w;
    const int form2 = World::Row("Form2");
    w.kit.Move(World::Row("Form1"), 40, 30);
    w.kit.Click(World::Row("B_Konstanten"));
    EXPECT_EQ(w.W("Form2").GetLeft(), 140);
    EXPECT_EQ(w.W("Form2").GetTop(), 180);
    w.kit.Move(form2, 500, 20);
    w.kit.Click(World::Row("B_Konstanten"));
    EXPECT_EQ(w.W("Form2").GetLeft(), 500) << "already open: only brought to the front";
    w.kit.Click(World::Row("Button1"));
    EXPECT_FALSE(w.W("Form2").IsVisible());
    w.kit.Move(World::Row("Form1"), 0, 0);
    w.kit.Click(World::Row("B_Konstanten"));
    EXPECT_EQ(w.W("Form2").GetLeft(), 100);
    EXPECT_EQ(w.W("Form2").GetTop(), 150);
}

struct PlacementCase {
    const char* input;  // where the main window is
    int left;
    int top;
    int expectedLeft;
    int expectedTop;
};

TEST(ConstantsWindow, PlacementStaysWithinTheScreenCoordinates) {
    // A window's corner stops at the screen coordinates' edge, the main window's as
    // well as the constants window's beside it.
    constexpr int kMax = ui::kMaxScreenCoordinate;
    constexpr int kMin = ui::kMinScreenCoordinate;
    const PlacementCase cases[] = {
        {"origin", 0, 0, 100, 150},
        {"2147483600 / 2147483600", 2147483600, 2147483600, kMax, kMax},
        {"just fits", kMax - 100, kMax - 150, kMax, kMax},
        {"one past", kMax - 99, kMax - 149, kMax, kMax},
        {"far left and up", std::numeric_limits<int>::min(), std::numeric_limits<int>::min(), kMin + 100, kMin + 150},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.input);
        World w;
        w.kit.Move(World::Row("Form1"), c.left, c.top);
        w.kit.Click(World::Row("B_Konstanten"));
        ASSERT_TRUE(w.W("Form2").IsVisible());
        EXPECT_EQ(w.W("Form2").GetLeft(), c.expectedLeft);
        EXPECT_EQ(w.W("Form2").GetTop(), c.expectedTop);
    }
}

struct ConstantCase {
    std::string_view button;
    std::string_view field;
    std::u16string_view text;
};

TEST(ConstantsWindow, EachButtonWritesItsTextIntoItsOperand) {
    const ConstantCase cases[] = {
        {"BB_Pi_Z1", "Z1_E_Real", u"3,141592654"},           {"BB_Euler_Z1", "Z1_E_Real", u"2,718281828"},
        {"BB_elektFeldkonst_Z1", "Z1_E_Real", u"8,854187817E-12"}, {"BB_magFeldkonst_Z1", "Z1_E_Real", u"12,56637061E-7"},
        {"BB_Elementarlad_Z1", "Z1_E_Real", u"1,60217662018E-19"}, {"BB_Lichchtgeschw", "Z1_E_Real", u"2,99792458E8"},
        {"BB_Pi_Z2", "Z2_E_Real", u"3,141592654"},           {"BB_Euler_Z2", "Z2_E_Real", u"2,718281828"},
        {"BB_elektFeldkonst_Z2", "Z2_E_Real", u"8,854187817E-12"}, {"BB_magFeldkonst_Z2", "Z2_E_Real", u"12,56637061E-7"},
        {"BB_Elementarlad_Z2", "Z2_E_Real", u"1,60217662018E-19"}, {"BB_Lichchtgeschw_Z2", "Z2_E_Real", u"2,99792458E8"},
    };
    for (const ConstantCase& c : cases) {
        SCOPED_TRACE(c.button);
        World w;
        w.kit.Click(World::Row("B_Konstanten"));
        const std::string_view other = c.field == "Z1_E_Real" ? "Z2_E_Real" : "Z1_E_Real";
        w.kit.Click(World::Row(c.button));
        EXPECT_EQ(w.C(c.field).GetText(), c.text);
        EXPECT_EQ(w.C(other).GetText(), u"0");
        EXPECT_TRUE(w.W("Form2").IsVisible()) << "the window stays open";
    }
}

}  // namespace
}  // namespace quorvel::test
