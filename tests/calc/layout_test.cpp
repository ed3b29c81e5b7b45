#include "ui/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel::ui {
namespace {

const ControlSpec& Row(std::string_view name) {
    const ControlSpec* row = FindControl(name);
    if (row == nullptr) throw std::runtime_error("the layout has no row " + std::string(name));
    return *row;
}

bool IsMemoryButton(const ControlSpec& row) {
    return row.kind == ControlKind::Button &&
           (row.parent == "GroupBox4" || row.parent == "GroupBox5" || row.parent == "GroupBox6");
}

TEST(LayoutTree, WindowsComeInOrderAndEveryParentPrecedesItsChildren) {
    const auto rows = Layout();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().name, "Form1");
    const int form2 = IndexOf("Form2");
    ASSERT_GT(form2, 0);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlSpec& row = rows[i];
        SCOPED_TRACE(std::string(row.name));
        EXPECT_EQ(row.kind == ControlKind::Form, row.parent.empty());
        if (!row.parent.empty()) {
            const int parent = IndexOf(row.parent);
            EXPECT_GE(parent, 0);
            EXPECT_LT(parent, static_cast<int>(i));
        }
        EXPECT_EQ(WindowOf(row), static_cast<int>(i) < form2 ? "Form1" : "Form2");
    }
}

// A duplicate name would be found at its first row, not at its own.
TEST(LayoutTree, NamesAreUniqueAndLookupFindsEachRow) {
    const auto rows = Layout();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(IndexOf(rows[i].name), static_cast<int>(i)) << rows[i].name;
        EXPECT_EQ(FindControl(rows[i].name), &rows[i]) << rows[i].name;
    }
    EXPECT_EQ(FindControl("Form3"), nullptr);
    EXPECT_EQ(IndexOf(""), -1);
}

// No control of the layout reaches beyond its parent, so there is no allow-list.
TEST(LayoutGeometry, EveryControlLiesInsideItsParentsClientArea) {
    for (const ControlSpec& row : Layout()) {
        if (row.parent.empty() || row.kind == ControlKind::Timer) continue;  // no place
        const Rect& outer = Row(row.parent).place;
        const Rect& r = row.place;
        EXPECT_TRUE(r.w > 0 && r.h > 0 && r.x >= 0 && r.y >= 0 && r.x + r.w <= outer.w &&
                    r.y + r.h <= outer.h)
            << row.name << " at " << r.x << ',' << r.y << ' ' << r.w << 'x' << r.h << " in "
            << row.parent << ' ' << outer.w << 'x' << outer.h;
    }
}

TEST(LayoutAngles, DegreeEditLiesUnderTheRadianEditAtTheSamePlace) {
    for (const std::string z : {"Z1", "Z2", "Z3"}) {
        SCOPED_TRACE(z);
        const ControlSpec& deg = Row(z + "_E_Phi_Deg");
        const ControlSpec& rad = Row(z + "_E_Phi_Rad");
        EXPECT_EQ(deg.parent, rad.parent);
        EXPECT_EQ(deg.place, rad.place);
        EXPECT_FALSE(deg.Has(kHidden));
        EXPECT_FALSE(rad.Has(kHidden));
        EXPECT_LT(IndexOf(deg.name), IndexOf(rad.name));
    }
}

TEST(LayoutAngles, EachRadioPairStartsOnRadianWhichAloneIsATabStop) {
    std::map<std::string_view, std::vector<const ControlSpec*>> pairs;
    for (const ControlSpec& row : Layout()) {
        if (row.kind == ControlKind::RadioButton) pairs[row.parent].push_back(&row);
    }
    EXPECT_EQ(pairs.size(), 3U);
    for (const auto& [parent, buttons] : pairs) {
        SCOPED_TRACE(std::string(parent));
        ASSERT_EQ(buttons.size(), 2U);
        for (const ControlSpec* b : buttons) {
            const bool rad = b->text == u"RAD";
            EXPECT_EQ(b->Has(kChecked), rad) << b->name;
            EXPECT_EQ(b->tabIndex >= 0, rad) << b->name;
        }
    }
}

TEST(LayoutFlags, ReadOnlyFieldsAreExactlyTheOutputsOfZ3) {
    std::set<std::string_view> readOnly;
    for (const ControlSpec& row : Layout()) {
        if (row.Has(kReadOnly)) readOnly.insert(row.name);
    }
    const std::set<std::string_view> expected{"Z3_E_Real", "Z3_E_Imaginaer", "Z3_E_ABS",
                                              "Z3_E_Phi_Rad", "Z3_E_Phi_Deg", "Z3_E_L",
                                              "Z3_E_C"};
    EXPECT_EQ(readOnly, expected);
}

TEST(LayoutHints, OnlyMemoryButtonsAndTheListedControlsOfTheMainWindowLackAHint) {
    const std::set<std::string_view> hintless{"SB_Z3_SQR", "B_Konstanten", "CB_Zeigerdiagramm",
                                              "CB_Hilfe"};
    for (const ControlSpec& row : Layout()) {
        const bool interactive = row.kind == ControlKind::Edit ||
                                 row.kind == ControlKind::Button ||
                                 row.kind == ControlKind::SpeedButton ||
                                 row.kind == ControlKind::CheckBox;
        if (!interactive || WindowOf(row) != "Form1") continue;
        const bool none = IsMemoryButton(row) || hintless.contains(row.name);
        EXPECT_EQ(row.hint.empty(), none) << row.name;
    }
}

// Blanks at the edges and inside are part of these texts and easily lost.
TEST(LayoutTexts, BlanksAndLineBreaksSurviveCharacterForCharacter) {
    EXPECT_EQ(Row("Form1").text,
              u"Quorvel V2.0.0" + std::u16string(16, u' ') + u"(31.08.2024)");
    EXPECT_EQ(Row("Form2").text, u"Quorvel  -  physikalische Konstanten");
    EXPECT_EQ(Row("SB_Z2_Power").hint, u" Potenz von Z2");
    EXPECT_EQ(Row("Z2_E_Real").hint, u"Eingabe des Real Teils von Z2 ");
    EXPECT_EQ(Row("SB_Z1parZ2ser").hint, u"Z1 - X und R parallel --> Z3 -  X und R in Reihe");
    EXPECT_EQ(Row("GroupBox6").text, u" Memory Z3 ");
    EXPECT_EQ(Row("GB_Konstanten_Z2").text, u" Konstante --> Z2 ");
    EXPECT_EQ(Row("StaticText1").text,
              u" Auf eine Konstante klicken. \r\n Diese wird dann im Eingabefeld Z1 oder Z2 "
              u"eingesetzt.");
}

TEST(LayoutFonts, EveryFontIsResolvedAndTheConstantsWindowUsesTahoma) {
    for (const ControlSpec& row : Layout()) {
        SCOPED_TRACE(std::string(row.name));
        const bool arial = row.font.family == u"Arial";
        EXPECT_TRUE(arial || row.font.family == u"Tahoma");
        EXPECT_GE(row.font.pixelSize, 11);
        EXPECT_LE(row.font.pixelSize, 16);
        if (WindowOf(row) == "Form2") {
            EXPECT_FALSE(arial);
        }
    }
}

struct FontCase {
    std::string_view control;
    std::u16string_view family;
    int pixelSize;
    bool bold = false;
};

void PrintTo(const FontCase& c, std::ostream* os) { *os << c.control; }

class LayoutFontTable : public testing::TestWithParam<FontCase> {};

TEST_P(LayoutFontTable, ControlUsesItsFont) {
    const FontCase& c = GetParam();
    const FontSpec& font = Row(c.control).font;
    EXPECT_EQ(font.family, c.family);
    EXPECT_EQ(font.pixelSize, c.pixelSize);
    EXPECT_EQ(font.bold, c.bold);
    EXPECT_FALSE(font.italic);
}

// One control from each line of the font list, plus controls that fall back to the
// font of their window.
INSTANTIATE_TEST_SUITE_P(
    Samples, LayoutFontTable,
    testing::Values(FontCase{"Label9", u"Arial", 16, true}, FontCase{"B_Fertig", u"Arial", 16},
                    FontCase{"Label3", u"Arial", 15}, FontCase{"Z3_L_Rechnung", u"Arial", 13, true},
                    FontCase{"Z2_XC", u"Arial", 12}, FontCase{"Z3_E_F", u"Arial", 12},
                    FontCase{"Z2_RB_Phi_Deg", u"Arial", 11}, FontCase{"B_M6_Z2", u"Arial", 11},
                    FontCase{"B_Ergebnis_in_Z1", u"Arial", 11},
                    FontCase{"SB_Addition", u"Arial", 11},
                    FontCase{"Label6", u"Tahoma", 16}, FontCase{"Label2", u"Tahoma", 15},
                    FontCase{"Label16", u"Tahoma", 13}, FontCase{"Z3_E_C", u"Tahoma", 12},
                    FontCase{"CB_Hilfe", u"Tahoma", 12}, FontCase{"B_M1_Z1", u"Tahoma", 11},
                    FontCase{"Label14", u"Arial", 13}, FontCase{"SB_Division", u"Arial", 13},
                    FontCase{"GB_Konstanten_Z1", u"Tahoma", 16},
                    FontCase{"BB_Euler_Z2", u"Tahoma", 13}, FontCase{"StaticText1", u"Tahoma", 13},
                    FontCase{"Button1", u"Tahoma", 11}),
    [](const testing::TestParamInfo<FontCase>& info) { return std::string(info.param.control); });

TEST(LayoutTabOrder, LabelsShapesSpeedButtonsAndPaintingAreNoTabStops) {
    const std::set<ControlKind> never{ControlKind::Form,        ControlKind::Label,
                                      ControlKind::Shape,       ControlKind::SpeedButton,
                                      ControlKind::PaintBox,    ControlKind::Timer};
    for (const ControlSpec& row : Layout()) {
        if (never.contains(row.kind)) {
            EXPECT_EQ(row.tabIndex, -1) << row.name;
        }
    }
}

struct TabCase {
    std::string_view container;
    std::vector<std::string_view> order;
};

void PrintTo(const TabCase& c, std::ostream* os) { *os << c.container; }

class LayoutTabSequence : public testing::TestWithParam<TabCase> {};

TEST_P(LayoutTabSequence, MatchesTheLayout) {
    const TabCase& c = GetParam();
    std::vector<const ControlSpec*> stops;
    for (const ControlSpec& row : Layout()) {
        if (row.parent == c.container && row.tabIndex >= 0) stops.push_back(&row);
    }
    std::ranges::sort(stops, {}, &ControlSpec::tabIndex);
    std::vector<std::string_view> order;
    for (std::size_t k = 0; k < stops.size(); ++k) {
        EXPECT_EQ(stops[k]->tabIndex, static_cast<int>(k)) << "gap or tie at " << stops[k]->name;
        order.push_back(stops[k]->name);
    }
    EXPECT_EQ(order, c.order);
}

INSTANTIATE_TEST_SUITE_P(
    Containers, LayoutTabSequence,
    testing::Values(
        TabCase{"Form1", {"Panel1", "Panel2", "Panel3", "B_Fertig", "GroupBox3", "Panel4",
                          "P_Legende", "CB_Zeigerdiagramm", "CB_Hilfe"}},
        TabCase{"Panel1", {"Z1_E_Real", "Z1_E_Imaginaer", "Z1_E_ABS", "Z1_E_Phi_Rad",
                           "Z1_RB_Phi_Rad", "Z1_CB_X", "Z1_P_Blindwiderstand", "Z1_E_Phi_Deg",
                           "GroupBox4"}},
        TabCase{"Z1_P_Blindwiderstand", {"Z1_E_XL_XC", "Z1_XL", "Z1_XC", "Z1_E_F", "Z1_B_CLR"}},
        TabCase{"GroupBox4", {"B_Z1_M1", "B_Z1_M2", "B_Z1_M3", "B_M3_Z1", "B_M2_Z1", "B_M1_Z1"}},
        TabCase{"Panel2", {"Z2_E_Real", "Z2_E_Imaginaer", "Z2_E_ABS", "Z2_E_Phi_Rad",
                           "Z2_RB_Phi_Rad", "Z2_CB_X", "Z2_P_Blindwiderstand", "GroupBox5",
                           "Z2_E_Phi_Deg"}},
        TabCase{"Z2_P_Blindwiderstand", {"Z2_E_XL_XC", "Z2_XL", "Z2_XC", "Z2_E_F", "Z2_B_CLR"}},
        TabCase{"GroupBox5", {"B_M3_Z2", "B_M2_Z2", "B_M1_Z2", "B_Z2_M1", "B_Z2_M2", "B_Z2_M3"}},
        TabCase{"Panel3", {"Z3_E_Real", "Z3_E_Imaginaer", "Z3_E_ABS", "Z3_E_Phi_Rad",
                           "Z3_RB_Phi_Rad", "Z3_CB_BE", "GroupBox6", "Z3_P_BE", "Z3_E_Phi_Deg",
                           "Panel5"}},
        TabCase{"GroupBox6", {"B_M6_Z1", "B_M5_Z1", "B_M4_Z1", "B_Z3_M4", "B_Z3_M5", "B_Z3_M6",
                              "B_M4_Z2", "B_M5_Z2", "B_M6_Z2"}},
        TabCase{"Z3_P_BE", {"Z3_E_L", "Z3_E_F", "Z3_E_C"}},
        TabCase{"GroupBox3", {"B_CLR_ALL", "B_CLR_Z1", "B_CLR_Z2"}},
        TabCase{"Panel4", {"B_Konstanten"}},
        TabCase{"Form2", {"GB_Konstanten_Z1", "GB_Konstanten_Z2", "StaticText1", "Button1"}},
        TabCase{"GB_Konstanten_Z1", {"BB_Pi_Z1", "BB_elektFeldkonst_Z1", "BB_magFeldkonst_Z1",
                                     "BB_Elementarlad_Z1", "BB_Lichchtgeschw", "BB_Euler_Z1"}},
        TabCase{"GB_Konstanten_Z2", {"BB_Pi_Z2", "BB_elektFeldkonst_Z2", "BB_magFeldkonst_Z2",
                                     "BB_Elementarlad_Z2", "BB_Lichchtgeschw_Z2",
                                     "BB_Euler_Z2"}}),
    [](const testing::TestParamInfo<TabCase>& info) { return std::string(info.param.container); });

// Indexed by EventKind.
constexpr std::string_view kSuffix[] = {"", "Click", "Change", "KeyPress", "MouseEnter",
                                        "Paint", "Show", "Timer"};

// A handler is the control's name plus the event, except the windows' "FormShow" and
// the two outputs of Z3 that share the key handler of Z1's imaginary part.
TEST(LayoutEvents, EachHandlerIsNamedAfterItsControlAndEvent) {
    for (const ControlSpec& row : Layout()) {
        SCOPED_TRACE(std::string(row.name));
        std::set<EventKind> bound;
        for (const Binding& b : row.events) {
            if (b.event == EventKind::None) continue;
            EXPECT_TRUE(bound.insert(b.event).second) << "event bound twice";
            std::string owner(row.name);
            if (row.kind == ControlKind::Form) owner = "Form";
            if (row.name == "Z3_E_L" || row.name == "Z3_E_C") owner = "Z1_E_Imaginaer";
            EXPECT_EQ(b.handler, owner + std::string(kSuffix[static_cast<int>(b.event)]));
        }
    }
}

TEST(LayoutEvents, TheNineRegistersHaveFortyTwoHandlers) {
    std::set<std::string_view> handlers;
    int buttons = 0;
    for (const ControlSpec& row : Layout()) {
        if (!IsMemoryButton(row)) continue;
        ++buttons;
        for (const EventKind e : {EventKind::Click, EventKind::MouseEnter}) {
            EXPECT_FALSE(row.HandlerFor(e).empty()) << row.name;
            handlers.insert(row.HandlerFor(e));
        }
    }
    EXPECT_EQ(buttons, 21);
    EXPECT_EQ(handlers.size(), 42U);
}

TEST(LayoutLook, GlyphSpeedButtonsAreFlatAndCaptionlessTheOthersCaptioned) {
    for (const ControlSpec& row : Layout()) {
        if (row.kind != ControlKind::SpeedButton) continue;
        const bool glyph = row.glyph != Glyph::None;
        EXPECT_EQ(row.Has(kFlat), glyph) << row.name;
        EXPECT_EQ(row.text.empty(), glyph) << row.name;
    }
}

TEST(LayoutLook, MainWindowButtonsShowTheHandExceptFertig) {
    for (const ControlSpec& row : Layout()) {
        const bool button =
            row.kind == ControlKind::Button || row.kind == ControlKind::SpeedButton;
        if (!button || WindowOf(row) != "Form1") continue;
        const Cursor expected = row.name == "B_Fertig" ? Cursor::Default : Cursor::Hand;
        EXPECT_EQ(row.cursor, expected) << row.name;
    }
}

}  // namespace
}  // namespace quorvel::ui
