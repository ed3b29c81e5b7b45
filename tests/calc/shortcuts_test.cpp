#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "test_world.h"
#include "ui/text.h"
#include "ui/shortcuts.h"

// A shortcut does exactly what a click on its control does, nothing more: after the
// same session, the click and the chord leave every control and every value alike.

namespace quorvel::test {
namespace {

// Every control's text, visibility, enablement, check, colour and hint, the values
// (bit for bit) and whether the constants window shows.
std::vector<std::string> Dump(World& w) {
    std::vector<std::string> d;
    for (const ui::ControlSpec& row : ui::Layout()) {
        ui::UiControl& c = w.C(row.name);
        d.push_back(std::string(row.name) + ' ' + ui::ToUtf8(c.GetText()) + (c.GetVisible() ? " v" : " -") + (c.GetEnabled() ? "e" : "-") +
                    (c.GetChecked() ? "c " : "- ") + ui::ColorName(c.GetColor()) + ' ' + ui::ToUtf8(c.GetHint()));
    }
    for (const ComplexValue* v : {&w.F().Z1, &w.F().Z2, &w.F().Z3}) {
        d.push_back(std::to_string(std::bit_cast<std::uint64_t>(v->Real())) + ' ' + std::to_string(std::bit_cast<std::uint64_t>(v->Imaginary())));
    }
    d.push_back(w.W("Form2").IsVisible() ? "Form2 shown" : "Form2 hidden");
    return d;
}

// Z1 and Z2 entered, the reactance panel open, a memory stored: something for every
// shortcut to change.
void Session(World& w) {
    w.Enter("Z1", u"100", u"50");
    w.Enter("Z2", u"4,7k", u"-2,2k");
    w.Click("SB_Z1parallelZ2");
    w.Click("B_Z1_M1");
    w.Type("Z1_E_Real", u"7");
}

TEST(Shortcuts, EachDoesWhatTheClickOnItsControlDoes) {
    for (const ui::Shortcut& s : ui::Shortcuts()) {
        SCOPED_TRACE(s.chord);
        World clicked;
        Session(clicked);
        clicked.Click(s.control);
        World pressed;
        Session(pressed);
        pressed.kit.Press(World::Row("Z2_E_Imaginaer"), *ui::ParseChord(s.chord));
        EXPECT_EQ(Dump(pressed), Dump(clicked));
        EXPECT_EQ(pressed.boxes.size(), clicked.boxes.size());
        EXPECT_EQ(pressed.Text("Z2_E_Imaginaer"), clicked.Text("Z2_E_Imaginaer")) << "the field saw no key";
    }
}

}  // namespace
}  // namespace quorvel::test
