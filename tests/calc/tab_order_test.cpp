#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"
#include "ui/tab_order.h"

// The keyboard order every toolkit builds its focus chain from, against the order the
// layout's comments give: containers depth first, a radio pair side by side, Panel2's
// memory group before its degree edit, no speed button anywhere.

namespace quorvel::test {
namespace {

using ui::Layout;

std::vector<std::string_view> Names(const std::vector<int>& rows) {
    std::vector<std::string_view> names;
    for (const int row : rows) names.push_back(Layout()[static_cast<std::size_t>(row)].name);
    return names;
}

struct ChainCase {
    std::string_view window;
    std::vector<std::string_view> chain;
};

void PrintTo(const ChainCase& c, std::ostream* os) { *os << c.window; }

class TabChainOf : public testing::TestWithParam<ChainCase> {};

TEST_P(TabChainOf, FollowsTheLayout) { EXPECT_EQ(Names(ui::TabChain(GetParam().window)), GetParam().chain); }

INSTANTIATE_TEST_SUITE_P(
    Windows, TabChainOf,
    testing::Values(
        ChainCase{"Form1",
                  {// Panel1, with the reactance panel and the memory group inside it
                   "Z1_E_Real", "Z1_E_Imaginaer", "Z1_E_ABS", "Z1_E_Phi_Rad", "Z1_RB_Phi_Rad", "Z1_RB_Phi_Deg", "Z1_CB_X",
                   "Z1_E_XL_XC", "Z1_XL", "Z1_XC", "Z1_E_F", "Z1_B_CLR", "Z1_E_Phi_Deg", "B_Z1_M1", "B_Z1_M2", "B_Z1_M3",
                   "B_M3_Z1", "B_M2_Z1", "B_M1_Z1",
                   // Panel2: the memory group comes before the degree edit
                   "Z2_E_Real", "Z2_E_Imaginaer", "Z2_E_ABS", "Z2_E_Phi_Rad", "Z2_RB_Phi_Rad", "Z2_RB_Phi_Deg", "Z2_CB_X",
                   "Z2_E_XL_XC", "Z2_XL", "Z2_XC", "Z2_E_F", "Z2_B_CLR", "B_M3_Z2", "B_M2_Z2", "B_M1_Z2", "B_Z2_M1",
                   "B_Z2_M2", "B_Z2_M3", "Z2_E_Phi_Deg",
                   // Panel3, its transfer buttons last in row order
                   "Z3_E_Real", "Z3_E_Imaginaer", "Z3_E_ABS", "Z3_E_Phi_Rad", "Z3_RB_Phi_Rad", "Z3_RB_Phi_Deg", "Z3_CB_BE",
                   "B_M6_Z1", "B_M5_Z1", "B_M4_Z1", "B_Z3_M4", "B_Z3_M5", "B_Z3_M6", "B_M4_Z2", "B_M5_Z2", "B_M6_Z2",
                   "Z3_E_L", "Z3_E_F", "Z3_E_C", "Z3_E_Phi_Deg", "B_Ergebnis_in_Z1", "B_Ergebnis_in_Z2",
                   // the window's own stops; Panel4 has no other stop than the constants button
                   "B_Fertig", "B_CLR_ALL", "B_CLR_Z1", "B_CLR_Z2", "B_Konstanten", "CB_Zeigerdiagramm", "CB_Hilfe"}},
        ChainCase{"Form2",
                  {"BB_Pi_Z1", "BB_elektFeldkonst_Z1", "BB_magFeldkonst_Z1", "BB_Elementarlad_Z1", "BB_Lichchtgeschw",
                   "BB_Euler_Z1", "BB_Pi_Z2", "BB_elektFeldkonst_Z2", "BB_magFeldkonst_Z2", "BB_Elementarlad_Z2",
                   "BB_Lichchtgeschw_Z2", "BB_Euler_Z2",
                   // the bordered text has a tab index but takes no focus
                   "Button1"}}),
    [](const testing::TestParamInfo<ChainCase>& info) { return std::string(info.param.window); });

// Every control that can take the focus is reached by Tab in its own window, once.
TEST(TabChain, HoldsEveryControlThatTakesTheFocusOnceAndNothingElse) {
    const std::vector<int> main = ui::TabChain(ui::kMainWindow);
    const std::vector<int> constants = ui::TabChain(ui::kConstantsWindow);
    for (std::size_t i = 0; i < Layout().size(); ++i) {
        const ui::ControlSpec& s = Layout()[i];
        SCOPED_TRACE(std::string(s.name));
        const std::vector<int>& own = ui::WindowOf(s) == ui::kMainWindow ? main : constants;
        const std::vector<int>& other = &own == &main ? constants : main;
        const int row = static_cast<int>(i);
        EXPECT_EQ(std::count(own.begin(), own.end(), row), ui::TakesFocus(s) ? 1 : 0);
        EXPECT_EQ(std::count(other.begin(), other.end(), row), 0);
    }
}

struct GroupCase {
    std::string_view button;
    std::vector<std::string_view> group;
};

TEST(RadioGroup, IsTheRadioButtonsOfTheSameContainerInLayoutOrder) {
    const GroupCase cases[] = {
        {"Z1_RB_Phi_Deg", {"Z1_RB_Phi_Deg", "Z1_RB_Phi_Rad"}},
        {"Z1_RB_Phi_Rad", {"Z1_RB_Phi_Deg", "Z1_RB_Phi_Rad"}},
        {"Z2_RB_Phi_Rad", {"Z2_RB_Phi_Rad", "Z2_RB_Phi_Deg"}},
        {"Z3_RB_Phi_Deg", {"Z3_RB_Phi_Rad", "Z3_RB_Phi_Deg"}},
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(std::string(c.button));
        EXPECT_EQ(Names(ui::RadioGroup(ui::IndexOf(c.button))), c.group);
    }
}

}  // namespace
}  // namespace quorvel::test
