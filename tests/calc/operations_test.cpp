#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "test_world.h"

namespace quorvel::test {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct OpCase {
    const char* button;
    ComplexValue z1, z2;
    double re, im;
    std::u16string_view label;  // empty: the label stays hidden
};

ComplexValue C(double re, double im) { return ComplexValue::Create(re, im); }

TEST(Operations, ResultsAndTheirLabels) {
    const OpCase cases[] = {
        {"SB_Addition", C(3, 4), C(1, -2), 4, 2, u"Z3 = Z1 + Z2"},
        {"SB_Subtraktion", C(3, 4), C(1, -2), 2, 6, u"Z3 = Z1 - Z2"},
        {"SB_Multiplikation", C(1, 2), C(3, -1), 5, 5, u"Z3 = Z1 * Z2"},
        {"SB_Division", C(1, 1), C(1, 1), 1, 0, u"Z3 = Z1 / Z2"},
        {"SB_Z1addZ2", C(100, 50), C(4700, 0), 4800, 50, u""},
        {"SB_Z1parallelZ2", C(100, 0), C(100, 0), 50, 0, u""},
        {"SB_Z1parZ2ser", C(3, 4), C(9, 9), 1.92, 1.44, u""},
        {"SB_Z1parZ2ser", C(100, 100), C(0, 0), 50, 50, u""},
        {"SB_Z1serZ2par", C(1.92, 1.44), C(0, 0), 3, 4, u""},
        {"SB_Z1parZ2ser", C(100, 0), C(0, 0), 0, 0, u""},
        {"SB_Z1serZ2par", C(100, 0), C(0, 0), 100, kInf, u""},
        {"SB_Z1serZ2par", C(0, 50), C(0, 0), kInf, 50, u""},
    };
    for (const OpCase& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + std::to_string(c.z1.Real()) + "," + std::to_string(c.z1.Imaginary()));
        World w;
        w.F().Z1 = c.z1;
        w.F().Z2 = c.z2;
        w.kit.Click(World::Row(c.button));
        for (const auto& [got, want] : {std::pair{w.F().Z3.Real(), c.re}, std::pair{w.F().Z3.Imaginary(), c.im}}) {
            if (std::isinf(want)) {
                EXPECT_EQ(got, want);
            } else {
                EXPECT_NEAR(got, want, 1e-12);
            }
        }
        EXPECT_EQ(w.C("Z3_L_Rechnung").GetVisible(), !c.label.empty());
        if (!c.label.empty()) {
            EXPECT_EQ(w.C("Z3_L_Rechnung").GetText(), c.label);
        }
        EXPECT_TRUE(w.C("Z3_CB_BE").GetEnabled());
        EXPECT_EQ(w.kit.RecordedMessages().Count(), 0U);
    }
}

TEST(Operations, ConversionsShowInfiniteParts) {
    World w;
    w.F().Z1 = C(100, 0);
    w.kit.Click(World::Row("SB_Z1serZ2par"));
    EXPECT_EQ(w.C("Z3_E_Imaginaer").GetText(), u"INF");
    w.F().Z1 = C(0, 50);
    w.kit.Click(World::Row("SB_Z1serZ2par"));
    EXPECT_EQ(w.C("Z3_E_Real").GetText(), u"INF");
}

TEST(Operations, ZeroOperandsLeaveAnEarlierResultAndShowItAgain) {
    for (const char* button : {"SB_Addition", "SB_Subtraktion", "SB_Multiplikation", "SB_Division", "SB_Z1addZ2", "SB_Z1parallelZ2"}) {
        SCOPED_TRACE(button);
        World w;
        w.F().Z3 = C(7, -7);
        w.kit.Click(World::Row(button));
        EXPECT_EQ(w.F().Z3.Real(), 7.0);
        EXPECT_EQ(w.C("Z3_E_Real").GetText(), u"7,000000");
        EXPECT_EQ(w.kit.RecordedMessages().Count(), 0U) << "no division by zero is attempted";
    }
}

TEST(Operations, NanPartsCountAsZeroInTheGuard) {
    World w;
    w.F().Z3 = C(7, 0);
    w.F().Z1 = C(std::nan(""), 0);
    w.kit.Click(World::Row("SB_Addition"));
    EXPECT_EQ(w.F().Z3.Real(), 7.0);
}

TEST(Operations, ConversionsOfZeroDoNothingAtAll) {
    for (const char* button : {"SB_Z1parZ2ser", "SB_Z1serZ2par"}) {
        SCOPED_TRACE(button);
        World w;
        w.kit.Click(World::Row(button));
        EXPECT_EQ(w.C("Z3_E_Real").GetText(), u"") << "not even the display runs";
        EXPECT_FALSE(w.C("Z3_CB_BE").GetEnabled());
    }
}

struct FailCase {
    const char* button;
    ComplexValue z1, z2;
};

TEST(Operations, DivisionErrorsLeaveEverythingAsItWas) {
    const FailCase cases[] = {
        {"SB_Division", C(3, 4), C(0, 0)},
        {"SB_Division", C(1, 0), C(1e-7, 0)},
        {"SB_Division", C(1, 0), C(0, 1e-6)},
        {"SB_Z1parallelZ2", C(1, 1), C(-1, -1)},
    };
    for (const FailCase& c : cases) {
        SCOPED_TRACE(c.button);
        World w;
        w.F().Z3 = C(2, 2);
        w.F().Z1 = c.z1;
        w.F().Z2 = c.z2;
        w.kit.Click(World::Row(c.button));
        ASSERT_EQ(w.kit.RecordedMessages().Count(), 1U);
        EXPECT_EQ(w.kit.RecordedMessages().Last()->title, u"quorvel");
        EXPECT_EQ(w.kit.RecordedMessages().Last()->text, u"Division durch Null.");
        EXPECT_EQ(w.F().Z3.Real(), 2.0);
        EXPECT_FALSE(w.C("Z3_L_Rechnung").GetVisible());
        EXPECT_EQ(w.C("Z3_E_Real").GetText(), u"");
    }
}

TEST(Operations, DivisionJustAboveTheThresholdSucceeds) {
    World w;
    w.F().Z1 = C(1, 1);
    w.F().Z2 = C(0, 0.0000011);
    w.kit.Click(World::Row("SB_Division"));
    EXPECT_EQ(w.kit.RecordedMessages().Count(), 0U);
}

TEST(Operations, NetworkButtonsKeepTheArithmeticLabel) {
    World w;
    w.F().Z1 = C(1, 0);
    w.F().Z2 = C(1, 0);
    w.kit.Click(World::Row("SB_Addition"));
    w.kit.Click(World::Row("SB_Z1parallelZ2"));
    EXPECT_EQ(w.C("Z3_L_Rechnung").GetText(), u"Z3 = Z1 + Z2");
    EXPECT_TRUE(w.C("Z3_L_Rechnung").GetVisible());
    EXPECT_EQ(w.F().Z3.Real(), 0.5);
}

}  // namespace
}  // namespace quorvel::test
