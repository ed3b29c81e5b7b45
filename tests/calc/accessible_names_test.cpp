#include "ui/accessible_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/text.h"

// The table of accessible names against the layout: every control a user can focus
// or click is named, each name says which value and memory it works on, and no
// window has a name twice.

namespace quorvel::ui {
namespace {

std::vector<const ControlSpec*> InteractiveRows() {
    std::vector<const ControlSpec*> rows;
    for (const ControlSpec& row : Layout()) {
        if (TakesUserInput(row)) rows.push_back(&row);
    }
    return rows;
}

// The parts of a control name between underscores that name a value or a memory:
// "B_Z1_M2" gives Z1 and M2. Its accessible name must say both.
std::vector<std::string> ValueAndMemoryTokens(std::string_view control) {
    std::vector<std::string> tokens;
    std::size_t start = 0;
    while (start <= control.size()) {
        const std::size_t end = std::min(control.find('_', start), control.size());
        const std::string_view part = control.substr(start, end - start);
        const bool value = part.size() == 2 && part[0] == 'Z' && part[1] >= '1' && part[1] <= '3';
        const bool memory = part.size() == 2 && part[0] == 'M' && part[1] >= '1' && part[1] <= '9';
        if (value || memory) tokens.emplace_back(part);
        start = end + 1;
    }
    return tokens;
}

class NamedControl : public ::testing::TestWithParam<const ControlSpec*> {};

TEST_P(NamedControl, HasANameThatSaysWhichValueAndMemoryItWorksOn) {
    const ControlSpec& row = *GetParam();
    const std::string name = ToUtf8(AccessibleNameOf(row.name));
    ASSERT_FALSE(name.empty()) << row.name << " has no accessible name";
    for (const std::string& token : ValueAndMemoryTokens(row.name)) {
        EXPECT_NE(name.find(token), std::string::npos) << '"' << name << "\" does not mention " << token;
    }
}

// Arrows and bars of captions read aloud as "minus größer" or "senkrechter Strich".
TEST_P(NamedControl, NameIsSpeakableText) {
    const std::string name = ToUtf8(AccessibleNameOf(GetParam()->name));
    for (const char* glyph : {"->", "||", "-j", "1/x", "\r", "\n"}) {
        EXPECT_EQ(name.find(glyph), std::string::npos) << '"' << name << "\" contains " << glyph;
    }
    ASSERT_FALSE(name.empty());
    EXPECT_NE(name.front(), ' ');
    EXPECT_NE(name.back(), ' ');
}

INSTANTIATE_TEST_SUITE_P(Layout, NamedControl, ::testing::ValuesIn(InteractiveRows()),
                         [](const ::testing::TestParamInfo<const ControlSpec*>& info) {
                             return std::string(info.param->name);
                         });

TEST(AccessibleNames, EveryEntryNamesOneControlThatTakesInput) {
    std::set<std::string_view> seen;
    for (const AccessibleName& entry : AccessibleNames()) {
        SCOPED_TRACE(std::string(entry.control));
        const ControlSpec* row = FindControl(entry.control);
        ASSERT_NE(row, nullptr) << "no such control in the layout";
        EXPECT_TRUE(TakesUserInput(*row)) << "names a control no one can focus or click";
        EXPECT_TRUE(seen.insert(entry.control).second) << "named twice";
    }
}

TEST(AccessibleNames, NoNameRepeatsWithinAWindow) {
    std::map<std::pair<std::string_view, std::u16string_view>, std::vector<std::string_view>> owners;
    for (const ControlSpec* row : InteractiveRows()) {
        owners[{WindowOf(*row), AccessibleNameOf(row->name)}].push_back(row->name);
    }
    for (const auto& [key, controls] : owners) {
        std::string list;
        for (const std::string_view c : controls) list += std::string(c) + ' ';
        EXPECT_EQ(controls.size(), 1U) << key.first << ": \"" << ToUtf8(key.second) << "\" names " << list;
    }
}

TEST(AccessibleNames, ControlsWithoutAnEntryAndUnknownNamesGetNone) {
    EXPECT_TRUE(AccessibleNameOf("Label8").empty());
    EXPECT_TRUE(AccessibleNameOf("Panel1").empty());
    EXPECT_TRUE(AccessibleNameOf("").empty());
    EXPECT_TRUE(AccessibleNameOf("Z1_E_Real ").empty());
    EXPECT_EQ(AccessibleNameOf("SB_Z1_Reziproke"), u"Kehrwert von Z1");
}

struct KindCase {
    const char* control;
    bool takesInput;
};

class InputKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(InputKind, OnlyEditsButtonsCheckBoxesAndRadioButtonsTakeInput) {
    const ControlSpec* row = FindControl(GetParam().control);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(TakesUserInput(*row), GetParam().takesInput);
}

INSTANTIATE_TEST_SUITE_P(Layout, InputKind,
                         ::testing::Values(KindCase{"Z3_E_Real", true},         // read-only edit
                                           KindCase{"B_Fertig", true},          // button
                                           KindCase{"SB_Addition", true},       // speed button
                                           KindCase{"BB_Pi_Z1", true},          // glyph button
                                           KindCase{"CB_Hilfe", true},          // check box
                                           KindCase{"Z1_RB_Phi_Deg", true},     // radio button
                                           KindCase{"Form1", false},            // window
                                           KindCase{"Panel1", false},           // panel
                                           KindCase{"GroupBox4", false},        // group box
                                           KindCase{"Label8", false},           // label
                                           KindCase{"Shape1", false},           // shape
                                           KindCase{"PB_Gauss", false},         // paint box
                                           KindCase{"StaticText1", false},      // static text
                                           KindCase{"Timer1", false}),          // timer
                         [](const ::testing::TestParamInfo<KindCase>& info) { return std::string(info.param.control); });

TEST(ValueAndMemoryTokens, AreThePartsBetweenUnderscores) {
    EXPECT_EQ(ValueAndMemoryTokens("B_Z1_M2"), (std::vector<std::string>{"Z1", "M2"}));
    EXPECT_EQ(ValueAndMemoryTokens("B_Ergebnis_in_Z2"), (std::vector<std::string>{"Z2"}));
    EXPECT_TRUE(ValueAndMemoryTokens("SB_Z1parZ2ser").empty());
    EXPECT_TRUE(ValueAndMemoryTokens("CB_Hilfe").empty());
}

}  // namespace
}  // namespace quorvel::ui
