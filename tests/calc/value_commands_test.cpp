#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "numbers/complex_reading.h"
#include "test_world.h"

// The commands the value fields offer beyond the layout's handlers: which field offers
// what, the round trip of a copied value into an operand, and the standard values of
// Z3's quantities with their deviations.

namespace quorvel::test {
namespace {

std::vector<std::u16string> Texts(const ui::FieldMenu& menu) {
    std::vector<std::u16string> texts;
    for (const ui::FieldMenuEntry& e : menu) texts.push_back(e.text);
    return texts;
}

struct MenuCase {
    const char* field;
    bool copies;
    bool pastes;
};

TEST(ValueCommands, EachValueFieldCopiesItsValueAndOnlyTheOperandsPaste) {
    World w;
    const MenuCase cases[] = {
        {"Z1_E_Real", true, true},     {"Z1_E_Phi_Deg", true, true},  {"Z2_E_ABS", true, true},
        {"Z3_E_Imaginaer", true, false}, {"Z3_E_Phi_Rad", true, false}, {"Z3_E_F", false, false},
        {"Z1_E_XL_XC", false, false},  {"Z3_E_L", false, false},
    };
    for (const MenuCase& c : cases) {
        SCOPED_TRACE(c.field);
        const std::vector<std::u16string> texts = Texts(w.F().FieldMenuOf(World::Row(c.field)));
        const auto has = [&](std::u16string_view text) { return std::find(texts.begin(), texts.end(), text) != texts.end(); };
        EXPECT_EQ(has(u"Wert kopieren\tStrg+Umschalt+C"), c.copies);
        EXPECT_EQ(has(u"Wert kopieren (polar)"), c.copies);
        EXPECT_EQ(has(u"Wert kopieren (Tabelle)"), c.copies);
        EXPECT_EQ(has(u"Wert einf\u00fcgen\tStrg+Umschalt+V"), c.pastes);
        const ui::KeyChord copy{.ctrl = true, .shift = true, .character = u'C'};
        const ui::KeyChord paste{.ctrl = true, .shift = true, .character = u'V'};
        EXPECT_EQ(w.F().FieldChordCommand(World::Row(c.field), copy) >= 0, c.copies);
        EXPECT_EQ(w.F().FieldChordCommand(World::Row(c.field), paste) >= 0, c.pastes);
    }
}

TEST(ValueCommands, PasteIsEnabledOnlyWhileTheClipboardHoldsText) {
    World w;
    const auto pasteEnabled = [&] {
        for (const ui::FieldMenuEntry& e : w.F().FieldMenuOf(World::Row("Z1_E_Real"))) {
            if (e.text.starts_with(u"Wert einf")) return e.enabled;
        }
        ADD_FAILURE() << "no paste entry";
        return false;
    };
    EXPECT_FALSE(pasteEnabled());
    w.kit.SetClipboard(u"3+4j");
    EXPECT_TRUE(pasteEnabled());
}

// Copied from Z3 and pasted into Z1, every value comes back as the same doubles.
TEST(ValueCommands, ACopiedResultPastedIntoAnOperandIsTheSameValue) {
    const std::pair<const char*, std::pair<std::u16string_view, std::u16string_view>> cases[] = {
        {"the worked example", {u"100", u"50"}},
        {"a third", {u"1", u"0"}},
        {"tiny parts", {u"1e-300", u"-3e-310"}},
        {"huge parts", {u"1,7e308", u"-1e300"}},
        {"negative zero from a product", {u"-1", u"0"}},
    };
    for (const auto& [name, parts] : cases) {
        SCOPED_TRACE(name);
        World w;
        w.Enter("Z1", parts.first, parts.second);
        w.Enter("Z2", u"3", u"0");
        w.Click("SB_Division");
        const ComplexValue z3 = w.F().Z3;
        w.F().FieldCommand(World::Row("Z3_E_Real"), w.F().FieldChordCommand(World::Row("Z3_E_Real"), {.ctrl = true, .shift = true, .character = u'C'}));
        w.F().FieldCommand(World::Row("Z1_E_Real"), w.F().FieldChordCommand(World::Row("Z1_E_Real"), {.ctrl = true, .shift = true, .character = u'V'}));
        EXPECT_TRUE(w.boxes.empty());
        EXPECT_EQ(w.F().Z1.Real(), z3.Real());
        EXPECT_EQ(w.F().Z1.Imaginary(), z3.Imaginary());
        EXPECT_EQ(w.Text("Z1_E_ABS"), w.Text("Z3_E_ABS")) << "the polar form follows, as after Enter";
    }
}

TEST(ValueCommands, ATextThatIsNoNumberGivesABoxAndLeavesTheOperand) {
    World w;
    w.Enter("Z2", u"1", u"2");
    for (const std::u16string_view text : {u"", u"abc", u"1.000", u"5\u222030", u"3+4j\n5"}) {
        w.kit.SetClipboard(text);
        w.boxes.clear();
        w.F().FieldCommand(World::Row("Z2_E_Real"), 3);
        ASSERT_EQ(w.boxes.size(), 1U);
        EXPECT_EQ(w.boxes[0].title, u"Fehler");
        EXPECT_EQ(w.boxes[0].text, ReadComplex(text).Message());
        EXPECT_EQ(w.F().Z2.Real(), 1);
        EXPECT_EQ(w.F().Z2.Imaginary(), 2);
        EXPECT_EQ(w.Text("Z2_E_Real"), u"1");
    }
}

struct StandardCase {
    const char* input;  // the field and what Z3 holds
    const char* field;
    std::u16string_view re, im;
    std::vector<std::u16string> standard;  // the standard entries, in order
};

TEST(ValueCommands, Z3sQuantitiesOfferTheirStandardNeighboursWithTheDeviation) {
    const StandardCase cases[] = {
        {"real 4,7k is E12 exactly", "Z3_E_Real", u"4,7k", u"0", {u"E12: 4,7 k\u03a9 (0 %)", u"E24: 4,7 k\u03a9 (0 %)", u"E96: 4,64 k\u03a9 (\u22121,28 %)", u"E96: 4,75 k\u03a9 (+1,06 %)"}},
        {"reactance -5 counts by its size", "Z3_E_Imaginaer", u"0", u"-5", {u"E12: 4,7 \u03a9 (\u22126,00 %)", u"E12: 5,6 \u03a9 (+12,00 %)", u"E24: 4,7 \u03a9 (\u22126,00 %)", u"E24: 5,1 \u03a9 (+2,00 %)"}},
        {"magnitude 5", "Z3_E_ABS", u"3", u"4", {u"E12: 4,7 \u03a9 (\u22126,00 %)", u"E12: 5,6 \u03a9 (+12,00 %)", u"E24: 4,7 \u03a9 (\u22126,00 %)", u"E24: 5,1 \u03a9 (+2,00 %)"}},
        {"real part 0 has none", "Z3_E_Real", u"0", u"7", {}},
        {"angle fields have none", "Z3_E_Phi_Deg", u"3", u"4", {}},
    };
    for (const StandardCase& c : cases) {
        SCOPED_TRACE(c.input);
        World w;
        w.Enter("Z1", c.re, c.im);
        w.Enter("Z2", u"0", u"0");
        w.Click("SB_Addition");
        std::vector<std::u16string> standard;
        for (const std::u16string& t : Texts(w.F().FieldMenuOf(World::Row(c.field)))) {
            if (t.starts_with(u"E")) standard.push_back(t);
        }
        if (standard.size() > 4) standard.resize(4);
        EXPECT_EQ(standard, c.standard);
    }
}

TEST(ValueCommands, AStandardValueChosenGoesToTheClipboardInFull) {
    World w;
    w.Enter("Z1", u"100", u"50");
    w.Enter("Z2", u"0", u"0");
    w.Click("SB_Addition");
    w.Click("Z3_CB_BE");
    w.Type("Z3_E_F", u"50");
    w.Enter("Z3_E_F");
    ASSERT_EQ(w.Text("Z3_E_L"), u"159,155 m");
    const ui::FieldMenu menu = w.F().FieldMenuOf(World::Row("Z3_E_L"));
    ASSERT_GE(menu.size(), 2U);
    EXPECT_EQ(menu[0].text, u"E12: 150 mH (\u22125,75 %)");
    EXPECT_EQ(menu[1].text, u"E12: 180 mH (+13,10 %)");
    w.F().FieldCommand(World::Row("Z3_E_L"), menu[1].command);
    EXPECT_EQ(w.kit.Clipboard(), u"0,18");
}

}  // namespace
}  // namespace quorvel::test
