#include <gtest/gtest.h>

#include <string>

#include "test_world.h"

namespace quorvel::test {
namespace {

struct ReactanceCase {
    const char* name;
    std::u16string_view value;      // inductance or capacitance
    std::u16string_view frequency;
    bool capacitive;
    std::u16string_view text;       // written into the imaginary field
    double part;                    // the imaginary part it stands for
};

TEST(Reactance, TextsOfBothButtonsOnBothOperands) {
    const ReactanceCase cases[] = {
        {"1n at 100M", u"1n", u"100M", false, u"0,628319", 0.628319},
        {"1u at 100M", u"1u", u"100M", false, u"628,318500", 628.3185},
        {"10u at 100M", u"10u", u"100M", false, u"6,283185E+03", 6283.185},
        {"1n at 50", u"1n", u"50", false, u"3,141593E-07", 3.141593e-07},
        {"100m at 50", u"100m", u"50", false, u"31,415930", 31.41593},
        {"1p at 100M", u"1p", u"100M", true, u"-1,591549E+03", -1591.549},
        {"10p at 100M", u"10p", u"100M", true, u"-159,154900", -159.1549},
        {"1 at 50", u"1", u"50", true, u"-0,003183", -0.003183},
        {"2,2µ at 50", u"2,2\u00b5", u"50", true, u"-1,446863E+03", -1446.863},
        // A negative input gives the other sign, which always takes the exponent form.
        {"-1n at 100M", u"-1n", u"100M", false, u"-6,283185E-01", -0.6283185},
        {"-10p at 100M", u"-10p", u"100M", true, u"1,591549E+02", 159.1549},
    };
    for (const char* operand : {"Z1", "Z2"}) {
        for (const ReactanceCase& c : cases) {
            SCOPED_TRACE(std::string(operand) + " " + c.name);
            const std::string p(operand);
            World w;
            w.Click(p + "_CB_X");
            w.Type(p + "_E_XL_XC", c.value);
            w.Type(p + "_E_F", c.frequency);
            w.Click(p + (c.capacitive ? "_XC" : "_XL"));
            EXPECT_EQ(w.Text(p + "_E_Imaginaer"), c.text);
            const ComplexValue& v = p == "Z1" ? w.F().Z1 : w.F().Z2;
            EXPECT_EQ(v.Imaginary(), c.part);
            EXPECT_TRUE(w.boxes.empty());
            EXPECT_FALSE(w.F().Timer1.GetEnabled());
        }
    }
}

struct MarkCase {
    const char* name;
    std::u16string_view value;
    std::u16string_view frequency;
    const char* red;  // the one field marked, or nullptr for a conversion error
};

TEST(Reactance, RejectedInputsMarkOneFieldOrReachTheDefaultBox) {
    const MarkCase cases[] = {
        {"both empty", u"", u"", "Z2_E_XL_XC"},
        {"value 0", u"0", u"100M", "Z2_E_XL_XC"},
        {"value 0,0k", u"0,0k", u"50", "Z2_E_XL_XC"},
        {"frequency empty", u"1u", u"", "Z2_E_F"},
        {"frequency 0", u"1u", u"0", "Z2_E_F"},
        {"dangling exponent reads 0", u"5e", u"50", "Z2_E_XL_XC"},
        {"letters", u"abc", u"50", nullptr},
        {"unit word", u"Ohm", u"50", nullptr},
        {"Henry: an e before a letter reads 0", u"Henry", u"50", "Z2_E_XL_XC"},
        {"INF", u"1u", u"INF", nullptr},
        {"prefix after an exponent", u"1e3k", u"50", nullptr},
    };
    for (const MarkCase& c : cases) {
        SCOPED_TRACE(c.name);
        World w;
        w.Enter("Z2", u"1", u"7");
        w.Click("Z2_CB_X");
        for (const auto& [field, text] : {std::pair{"Z2_E_XL_XC", c.value}, std::pair{"Z2_E_F", c.frequency}}) {
            if (text.empty()) {
                w.kit.Erase(World::Row(field));
            } else {
                w.Type(field, text);
            }
        }
        w.Click("Z2_XL");
        for (const char* field : {"Z2_E_XL_XC", "Z2_E_F"}) {
            const bool red = c.red != nullptr && std::string(field) == c.red;
            EXPECT_EQ(w.C(field).GetColor(), red ? ui::clRed : ui::clWindow) << field;
        }
        if (c.red != nullptr) {
            EXPECT_TRUE(w.boxes.empty());
            EXPECT_EQ(w.Text("Z2_E_Imaginaer"), u"") << "the target is emptied";
            EXPECT_EQ(w.F().Z2.Imaginary(), 0.0);
            EXPECT_TRUE(w.F().Timer1.GetEnabled());
            w.kit.Tick();
            EXPECT_EQ(w.C(c.red).GetColor(), ui::clWindow) << "the next tick takes the mark back";
        } else {
            ASSERT_EQ(w.boxes.size(), 1U);
            EXPECT_EQ(w.boxes[0].title, u"quorvel");
            EXPECT_EQ(w.Text("Z2_E_Imaginaer"), u"7") << "nothing is written";
            EXPECT_EQ(w.F().Z2.Imaginary(), 7.0);
            EXPECT_FALSE(w.F().Timer1.GetEnabled());
        }
    }
}

TEST(Reactance, AMebibytePasteEndsInOneBoxAndTheProgramGoesOn) {
    World w;
    w.Click("Z1_CB_X");
    std::u16string huge(1 << 20, u'9');
    w.C("Z1_E_XL_XC").SetText(huge);
    w.Type("Z1_E_F", u"50");
    w.Click("Z1_XL");
    ASSERT_EQ(w.boxes.size(), 1U) << "beyond the extended range: the conversion error";
    w.Type("Z1_E_XL_XC", u"1");
    w.Click("Z1_XL");
    EXPECT_EQ(w.Text("Z1_E_Imaginaer"), u"314,159300");
}

TEST(Reactance, CheckBoxShowsThePanelAndClearEmptiesBothFields) {
    World w;
    EXPECT_FALSE(w.C("Z1_P_Blindwiderstand").GetVisible());
    w.Click("Z1_CB_X");
    EXPECT_TRUE(w.C("Z1_P_Blindwiderstand").GetVisible());
    w.Type("Z1_E_XL_XC", u"1u");
    w.Click("Z1_CB_X");
    EXPECT_FALSE(w.C("Z1_P_Blindwiderstand").GetVisible());
    EXPECT_EQ(w.Text("Z1_E_XL_XC"), u"1u") << "hiding keeps the texts";
    w.Click("Z1_CB_X");
    w.Click("Z1_B_CLR");
    EXPECT_EQ(w.Text("Z1_E_XL_XC"), u"");
    EXPECT_EQ(w.Text("Z1_E_F"), u"") << "the frequency does not return to 100M";
    w.Click("Z1_XL");
    EXPECT_EQ(w.C("Z1_E_XL_XC").GetColor(), ui::clRed);
    EXPECT_EQ(w.C("Z1_E_F").GetColor(), ui::clWindow) << "one mark per click";
}

}  // namespace
}  // namespace quorvel::test
