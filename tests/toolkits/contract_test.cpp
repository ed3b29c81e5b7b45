#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/dispatch.h"
#include "event_log.h"
#include "numbers/calc_error.h"
#include "toolkits/registry.h"
#include "ui/key_chord.h"
#include "ui/shortcuts.h"
#include "ui/tab_order.h"

// The contract of the controls, the windows, the timer, the box and the user driver,
// held against every toolkit of the build through its session alone: what passes
// here on one toolkit passes on each.

namespace quorvel::toolkits {

void PrintTo(const SessionMaker& maker, std::ostream* os) { *os << maker.name; }

}  // namespace quorvel::toolkits

namespace quorvel::test {
namespace {

using ui::EventKind;

// A session keeps the arguments for as long as it lives, a Qt session in its
// application object.
int gArgc = 1;
char gProgram[] = "contract_test";
char* gArgv[] = {gProgram, nullptr};

int Row(std::string_view name) { return ui::IndexOf(name); }

// One session a test, started as the program starts it: connected, the main window
// shown and settled. Only one Qt application may live at a time, so each test's
// session is gone before the next one's is made.
class Contract : public testing::TestWithParam<toolkits::SessionMaker> {
protected:
    void SetUp() override {
        session_ = GetParam().make(gArgc, gArgv);
        log_ = std::make_unique<EventLog>(&Kit());
        Driver().ObserveBoxes([this](const ui::BoxSeen& box) { boxes.push_back(box); });
        Kit().ShowMainWindow();
        Settle();
    }
    void TearDown() override {
        session_.reset();
        log_.reset();
    }

    ui::Session& S() { return *session_; }
    ui::Toolkit& Kit() { return session_->Kit(); }
    ui::UserDriver& Driver() { return session_->Driver(); }
    ui::UiControl& C(std::string_view name) { return Kit().Control(Row(name)); }
    ui::UiWindow& W(std::string_view name) { return Kit().Window(Row(name)); }
    void Settle() { session_->Settle(); }
    EventLog& Log() { return *log_; }
    int Count(std::string_view name, EventKind event) const { return log_->Count(name, event); }

    std::vector<ui::BoxSeen> boxes;  // every box shown, in order

private:
    std::unique_ptr<ui::Session> session_;
    std::unique_ptr<EventLog> log_;
};

struct WriteCase {
    const char* control;
    std::u16string_view text;
    int changes;  // Change events the write raises
};

TEST_P(Contract, SetTextRaisesChangeBeforeItReturnsOnlyWhenAnEditsTextDiffers) {
    const WriteCase cases[] = {
        {"Z1_E_Real", u"0", 0},       // the text it holds
        {"Z1_E_Imaginaer", u"5", 1},  // a new text
        {"Z1_E_Phi_Deg", u"", 0},     // empty over empty
        {"Z3_E_Real", u"1,5", 1},     // read-only edits too
        {"Z3_L_Rechnung", u"Z3 = Z1 - Z2", 0},  // a label has no Change
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.control);
        C(c.control).SetText(c.text);
        EXPECT_EQ(Count(c.control, EventKind::Change), c.changes);
        EXPECT_EQ(C(c.control).GetText(), c.text);
        if (c.changes > 0) {
            EXPECT_EQ(Log().seen.back().textThen, c.text) << "Change sees the new text";
        }
    }
}

TEST_P(Contract, AFailureInChangeIsShownBeforeTheWriteReturnsAndTheWriterGoesOn) {
    const int real = Row("Z2_E_Real");
    Log().onEvent = [&](int row, EventKind event) {
        if (event == EventKind::Change && row == real) {
            app::RunGuarded(Kit().Messages(), u"quorvel", [] { throw CalcError(u"'x' ist kein gültiger Gleitkommawert"); });
        }
    };
    C("Z2_E_Real").SetText(u"x");
    ASSERT_EQ(boxes.size(), 1U) << "the box was answered when SetText returned";
    EXPECT_EQ(boxes[0].title, u"quorvel");
    EXPECT_EQ(boxes[0].text, u"'x' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(boxes[0].icon, "error");
    EXPECT_EQ(C("Z2_E_Real").GetText(), u"x");
    C("Z2_E_Imaginaer").SetText(u"7");
    EXPECT_EQ(C("Z2_E_Imaginaer").GetText(), u"7");
    Driver().Type(Row("Z1_E_Real"), u"3");
    EXPECT_EQ(C("Z1_E_Real").GetText(), u"3") << "the user's input goes on as well";
}

struct TextCase {
    const char* input;  // names the row
    std::u16string_view text;
};

// A leading U+FEFF or U+FFFE is text like any other, not a byte-order mark.
const TextCase kTexts[] = {
    {"FEFF then 3", u"\uFEFF3"},   {"FFFE then 12,5", u"\uFFFE12,5"}, {"FEFF alone", u"\uFEFF"},
    {"FFFE FEFF", u"\uFFFE\uFEFF"}, {"FEFF inside", u"1\uFEFF2"},      {"plain 4,7k", u"4,7k"},
    {"G clef", u"\U0001D11E"},
};

TEST_P(Contract, TextsComeBackCodeUnitForCodeUnit) {
    // An edit, a read-only edit, a speed button, a button, a group box, a label, a window.
    for (const char* name : {"Z1_E_Real", "Z3_E_Real", "SB_Z1parZ2ser", "B_Fertig", "GroupBox4", "Z3_L_Rechnung", "Form2"}) {
        for (const TextCase& c : kTexts) {
            SCOPED_TRACE(std::string(name) + ": " + c.input);
            C(name).SetText(c.text);
            EXPECT_EQ(C(name).GetText(), c.text);
        }
    }
}

TEST_P(Contract, ErrorBoxShowsTitleAndTextAsWrittenWithTheErrorIcon) {
    for (const TextCase& c : kTexts) {
        SCOPED_TRACE(c.input);
        boxes.clear();
        Kit().Messages().ShowError(c.text, c.text);
        ASSERT_EQ(boxes.size(), 1U);
        EXPECT_EQ(boxes[0].title, c.text);
        EXPECT_EQ(boxes[0].text, c.text);
        EXPECT_EQ(boxes[0].icon, "error");
    }
}

TEST_P(Contract, KeyPressComesBeforeTheEditTakesTheKeyAndChangeAfter) {
    Log().seen.clear();
    Driver().Type(Row("Z1_E_Real"), u"4");
    ASSERT_EQ(Log().seen.size(), 2U);
    EXPECT_EQ(Log().seen[0].event, EventKind::KeyPress);
    EXPECT_EQ(Log().seen[0].key, u'4');
    EXPECT_EQ(Log().seen[0].textThen, u"0");
    EXPECT_EQ(Log().seen[1].event, EventKind::Change);
    EXPECT_EQ(Log().seen[1].textThen, u"4");
}

TEST_P(Contract, ReadOnlyEditsReportEnterAndEveryKeyAndKeepTheirText) {
    C("Z3_P_BE").SetVisible(true);
    for (const char* name : {"Z3_E_Real", "Z3_E_ABS", "Z3_E_L", "Z3_E_C"}) {
        SCOPED_TRACE(name);
        Log().seen.clear();
        Driver().Enter(Row(name));
        Driver().Type(Row(name), u"12");
        ASSERT_EQ(Log().Count(name, EventKind::KeyPress), 3);
        EXPECT_EQ(Log().seen.front().key, ui::kEnterKey);
        EXPECT_EQ(Log().Count(name, EventKind::Change), 0);
        EXPECT_EQ(C(name).GetText(), u"");
    }
}

struct UndoWay {
    const char* way;
    const char* control;
    std::function<void(ui::Session&, int)> undo;
};

TEST_P(Contract, UndoTakesBackTheLatestRunOnceAndNothingAfterAProgramWrite) {
    const UndoWay ways[] = {
        {"the control's Undo", "Z1_E_ABS", [](ui::Session& s, int row) { s.Kit().Control(row).Undo(); }},
        {"the undo key", "Z2_E_ABS", [](ui::Session& s, int row) { s.Driver().UndoKey(row); }},
    };
    for (const UndoWay& w : ways) {
        SCOPED_TRACE(w.way);
        const int row = Row(w.control);
        ui::Session& s = S();
        w.undo(s, row);
        EXPECT_EQ(C(w.control).GetText(), u"0") << "nothing to take back at start";
        Driver().Type(row, u"12");
        Driver().Append(row, u"3");
        w.undo(s, row);
        EXPECT_EQ(C(w.control).GetText(), u"12") << "the append was a run of its own";
        w.undo(s, row);
        EXPECT_EQ(C(w.control).GetText(), u"12") << "one step only";
        Driver().Type(row, u"9");
        C(w.control).SetText(u"8");
        w.undo(s, row);
        EXPECT_EQ(C(w.control).GetText(), u"8") << "a program write leaves nothing to take back";
        const int changes = Count(w.control, EventKind::Change);
        Driver().Append(row, u"1");
        Driver().Backspace(row, 1);
        w.undo(s, row);
        EXPECT_EQ(C(w.control).GetText(), u"81") << "the backspace ran on its own";
        EXPECT_EQ(Count(w.control, EventKind::Change), changes + 3) << "an undo that changes the text raises Change";
    }
}

struct RadioPair {
    const char* rad;  // checked at start
    const char* deg;
};

TEST_P(Contract, ARadioClickChecksItAndUnchecksItsGroupAndIsRaisedOnlyWhenItWasNotChecked) {
    const RadioPair pairs[] = {{"Z1_RB_Phi_Rad", "Z1_RB_Phi_Deg"}, {"Z2_RB_Phi_Rad", "Z2_RB_Phi_Deg"}, {"Z3_RB_Phi_Rad", "Z3_RB_Phi_Deg"}};
    for (const RadioPair& p : pairs) {
        SCOPED_TRACE(p.deg);
        std::optional<bool> groupSetAtClick;
        Log().onEvent = [&](int row, EventKind e) {
            if (row == Row(p.deg) && e == EventKind::Click) groupSetAtClick = C(p.deg).GetChecked() && !C(p.rad).GetChecked();
        };
        Driver().Click(Row(p.rad));
        EXPECT_EQ(Count(p.rad, EventKind::Click), 0) << "it was checked already";
        EXPECT_TRUE(C(p.rad).GetChecked());
        Driver().Click(Row(p.deg));
        EXPECT_EQ(Count(p.deg, EventKind::Click), 1);
        EXPECT_EQ(groupSetAtClick, std::optional<bool>(true)) << "checked, and its partner unchecked, before Click";
        Driver().Click(Row(p.rad));
        EXPECT_EQ(Count(p.rad, EventKind::Click), 1);
        EXPECT_FALSE(C(p.deg).GetChecked());
        Driver().Click(Row(p.deg));
        Log().onEvent = nullptr;
    }
    // Each pair was left on DEG by its own clicks alone.
    for (const RadioPair& p : pairs) EXPECT_TRUE(C(p.deg).GetChecked()) << p.deg;
}

struct ClickCase {
    const char* control;
    bool toggles;  // a check box: the handler sees the state after the click
};

TEST_P(Contract, AClickRaisesClickOnEveryKindThatBindsIt) {
    W("Form2").Show();
    Settle();
    const ClickCase cases[] = {
        {"CB_Hilfe", true},  {"Z1_CB_X", true},  {"B_CLR_ALL", false}, {"SB_Z1addZ2", false},
        {"SB_Addition", false}, {"Z1_E_Imaginaer", false}, {"BB_Pi_Z1", false},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.control);
        const bool before = C(c.control).GetChecked();
        std::optional<bool> checkedAtClick;
        Log().onEvent = [&](int row, EventKind e) {
            if (row == Row(c.control) && e == EventKind::Click) checkedAtClick = C(c.control).GetChecked();
        };
        Driver().Click(Row(c.control));
        EXPECT_EQ(Count(c.control, EventKind::Click), 1);
        if (c.toggles) {
            EXPECT_EQ(checkedAtClick, std::optional<bool>(!before));
            EXPECT_EQ(C(c.control).GetChecked(), !before);
        }
    }
}

TEST_P(Contract, ASpeedButtonClickLeavesTheFocusAndTheEditRunAlone) {
    for (const char* button : {"SB_Addition", "SB_Z1addZ2", "SB_Z1_SQR"}) {
        SCOPED_TRACE(button);
        const int real = Row("Z1_E_Real");
        C("Z1_E_Real").SetText(u"0");
        Driver().Type(real, u"12");
        const std::size_t before = Log().seen.size();
        Driver().Click(Row(button));
        ASSERT_EQ(Count(button, EventKind::Click), 1);
        for (std::size_t i = before; i < Log().seen.size(); ++i) {
            EXPECT_NE(Log().seen[i].row, real) << "the edit saw nothing of the click";
        }
        Driver().UndoKey(real);
        EXPECT_EQ(C("Z1_E_Real").GetText(), u"0") << "the typed run is still the one to take back";
    }
}

TEST_P(Contract, ThePaintBoxPaintsWhenItAppearsAndNotWhileItStaysSeen) {
    const int box = Row("PB_Gauss");
    ASSERT_EQ(Count("PB_Gauss", EventKind::Paint), 1) << "the first show of the window";
    int show = -1;
    int paint = -1;
    for (std::size_t i = 0; i < Log().seen.size(); ++i) {
        if (Log().seen[i].event == EventKind::Show && show < 0) show = static_cast<int>(i);
        if (Log().seen[i].event == EventKind::Paint) paint = static_cast<int>(i);
    }
    EXPECT_LT(show, paint) << "the window's Show handler runs before the first picture";
    ui::UiControl& c = Kit().Control(box);
    c.SetVisible(true);
    Settle();
    EXPECT_EQ(Count("PB_Gauss", EventKind::Paint), 1) << "shown while seen";
    c.SetVisible(false);
    Settle();
    EXPECT_EQ(Count("PB_Gauss", EventKind::Paint), 1) << "hidden";
    c.SetVisible(true);
    Settle();
    EXPECT_EQ(Count("PB_Gauss", EventKind::Paint), 2) << "seen again";
    c.SetVisible(false);
    c.SetVisible(true);
    Settle();
    EXPECT_EQ(Count("PB_Gauss", EventKind::Paint), 3) << "hidden and seen again at once";
    W("Form2").Show();
    Driver().Type(Row("Z1_E_Real"), u"5");
    Settle();
    EXPECT_EQ(Count("PB_Gauss", EventKind::Paint), 3) << "nothing else paints it";
}

struct HiddenCase {
    const char* container;
    const char* edit;
    std::u16string_view typed;
};

TEST_P(Contract, HiddenContainersKeepTheTextsInThem) {
    const HiddenCase cases[] = {
        {"Z1_P_Blindwiderstand", "Z1_E_F", u"50"},
        {"Z2_P_Blindwiderstand", "Z2_E_XL_XC", u"4,7m"},
        {"Z3_P_BE", "Z3_E_F", u"1k"},
    };
    for (const HiddenCase& c : cases) {
        SCOPED_TRACE(c.container);
        C(c.container).SetVisible(true);
        Driver().Type(Row(c.edit), c.typed);
        C(c.container).SetVisible(false);
        Settle();
        EXPECT_EQ(C(c.edit).GetText(), c.typed);
        EXPECT_TRUE(C(c.edit).GetVisible()) << "the edit keeps its own flag";
        EXPECT_FALSE(ui::Showing(Kit(), Row(c.edit)));
        C(c.container).SetVisible(true);
        Settle();
        EXPECT_EQ(C(c.edit).GetText(), c.typed);
    }
}

struct HoverCase {
    const char* control;
    std::u16string_view hint;  // written first where not empty
    bool windowHints;
    std::optional<std::u16string> shown;
};

TEST_P(Contract, HoverShowsTheHintOnlyWhereTheWindowOrItsGroupShowsHints) {
    const HoverCase cases[] = {
        {"Z1_E_Real", {}, false, std::nullopt},
        {"Z1_E_Real", {}, true, u"Eingabe des Real Teils von Z1"},
        {"B_Fertig", {}, false, std::nullopt},
        {"B_Fertig", {}, true, u"Programm schließen"},
        {"SB_Z3_SQR", {}, true, std::nullopt},            // no hint at all
        {"GroupBox6", {}, false, u"Memory M6.3"},         // a group whose hints are always on
        {"B_Z2_M1", {}, false, std::nullopt},             // in such a group, but no hint yet
        {"B_Z2_M1", u"M1: 0", false, u"M1: 0"},          // and with its hint written
        {"SB_Addition", u"neu", false, std::nullopt},     // a written hint follows the window
        {"SB_Addition", u"neu", true, u"neu"},
    };
    for (const HoverCase& c : cases) {
        SCOPED_TRACE(std::string(c.control) + (c.windowHints ? " hints on" : " hints off"));
        if (!c.hint.empty()) C(c.control).SetHint(c.hint);
        W("Form1").SetShowHint(c.windowHints);
        const int enters = Count(c.control, EventKind::MouseEnter);
        EXPECT_EQ(Driver().Hover(Row(c.control)), c.shown);
        EXPECT_EQ(Count(c.control, EventKind::MouseEnter), enters + 1);
    }
}

TEST_P(Contract, AHintShowsAsWritten) {
    for (const TextCase& c : kTexts) {
        SCOPED_TRACE(c.input);
        C("B_Z1_M1").SetHint(c.text);
        EXPECT_EQ(C("B_Z1_M1").GetHint(), c.text);
        EXPECT_EQ(Driver().Hover(Row("B_Z1_M1")), std::optional<std::u16string>(c.text));
    }
}

TEST_P(Contract, TheTimerTicksOnlyWhileItRuns) {
    ui::UiControl& row = C("Timer1");
    EXPECT_FALSE(row.GetEnabled());
    EXPECT_FALSE(Driver().Tick());
    EXPECT_EQ(Count("Timer1", EventKind::Timer), 0);
    Kit().Timer().SetEnabled(true);
    EXPECT_TRUE(row.GetEnabled()) << "the timer's row stands for the timer";
    EXPECT_TRUE(Driver().Tick());
    EXPECT_TRUE(Driver().Tick());
    EXPECT_EQ(Count("Timer1", EventKind::Timer), 2);
    row.SetEnabled(false);
    EXPECT_FALSE(Kit().Timer().GetEnabled());
    EXPECT_FALSE(Driver().Tick());
    EXPECT_EQ(Count("Timer1", EventKind::Timer), 2);
}

TEST_P(Contract, AWindowRaisesShowOnlyWhenItAppearsAndTheMainWindowsCloseEndsTheProgram) {
    EXPECT_EQ(Count("Form1", EventKind::Show), 1);
    EXPECT_FALSE(W("Form2").IsVisible());
    W("Form2").Show();
    Settle();
    EXPECT_TRUE(W("Form2").IsVisible());
    EXPECT_EQ(Count("Form2", EventKind::Show), 1);
    W("Form2").Show();
    Settle();
    EXPECT_EQ(Count("Form2", EventKind::Show), 1) << "already visible";
    Driver().CloseWindow(Row("Form2"));
    EXPECT_FALSE(W("Form2").IsVisible());
    EXPECT_FALSE(Kit().Closed()) << "the constants window only hides";
    W("Form2").Show();
    Settle();
    EXPECT_EQ(Count("Form2", EventKind::Show), 2);
    EXPECT_EQ(Count("Form1", EventKind::Show), 1);
    Driver().CloseWindow(Row("Form1"));
    EXPECT_TRUE(Kit().Closed());
}

ui::KeyChord Chord(const char* name) {
    const std::optional<ui::KeyChord> chord = ui::ParseChord(name);
    EXPECT_TRUE(chord.has_value()) << name;
    return chord.value_or(ui::KeyChord{});
}

TEST_P(Contract, TabWalksEachWindowsStopsRoundAndShiftTabWalksThemBack) {
    for (const char* window : {"Form1", "Form2"}) {
        SCOPED_TRACE(window);
        W(window).Show();
        Settle();
        std::vector<int> stops;
        for (const int row : ui::TabChain(window)) {
            if (ui::IsTabStop(Kit(), row)) stops.push_back(row);
        }
        ASSERT_GT(stops.size(), 2U);
        Driver().Click(stops[0]);
        for (const char* chord : {"Tab", "Shift+Tab"}) {
            const bool forward = std::string_view(chord) == "Tab";
            for (std::size_t i = 0; i <= stops.size(); ++i) {
                const int from = Driver().FocusedRow();
                const auto at = std::find(stops.begin(), stops.end(), from);
                ASSERT_NE(at, stops.end()) << "the focus left the stops at " << ui::Layout()[static_cast<std::size_t>(from)].name;
                const std::size_t k = static_cast<std::size_t>(at - stops.begin());
                const int expected = stops[forward ? (k + 1) % stops.size() : (k + stops.size() - 1) % stops.size()];
                Driver().Press(from, Chord(chord));
                ASSERT_EQ(Driver().FocusedRow(), expected) << chord << " from " << ui::Layout()[static_cast<std::size_t>(from)].name;
            }
        }
    }
    EXPECT_TRUE(Log().Names(EventKind::KeyPress).empty()) << "no key handler sees Tab";
}

TEST_P(Contract, TabSelectsTheWholeTextOfTheEditItReaches) {
    C("Z1_E_Imaginaer").SetText(u"123");
    const int real = Row("Z1_E_Real");
    Driver().Press(real, Chord("Tab"));
    const int reached = Driver().FocusedRow();
    ASSERT_EQ(reached, ui::NextTabStop(real, true, [&](int row) { return ui::IsTabStop(Kit(), row); }));
    ASSERT_EQ(ui::Layout()[static_cast<std::size_t>(reached)].name, "Z1_E_Imaginaer") << "the layout's order";
    Driver().Press(reached, Chord("7"));
    EXPECT_EQ(C("Z1_E_Imaginaer").GetText(), u"7") << "the key replaced the selected text";
}

struct ArrowCase {
    const char* from;  // the focused radio button, and the arrow
    const char* arrow;
    const char* checked;  // the button checked after it; nullptr: nothing changed
};

// DEG lies above RAD in each pair: the arrow that points at the other button moves
// the check there, the others do nothing, and the pair does not go round.
const ArrowCase kArrows[] = {
    {"Z1_RB_Phi_Deg", "Down", "Z1_RB_Phi_Rad"}, {"Z1_RB_Phi_Rad", "Down", nullptr},
    {"Z1_RB_Phi_Rad", "Left", nullptr},         {"Z1_RB_Phi_Rad", "Right", nullptr},
    {"Z1_RB_Phi_Rad", "Up", "Z1_RB_Phi_Deg"},   {"Z1_RB_Phi_Deg", "Up", nullptr},
    {"Z3_RB_Phi_Deg", "Down", "Z3_RB_Phi_Rad"}, {"Z3_RB_Phi_Rad", "Up", "Z3_RB_Phi_Deg"},
};

TEST_P(Contract, AnArrowMovesTheCheckOfARadioPairOnlyTheWayItPoints) {
    for (const ArrowCase& c : kArrows) {
        SCOPED_TRACE(std::string(c.from) + " " + c.arrow);
        const int from = Row(c.from);
        // The button the arrow starts from is the checked one, as after a click on it.
        Driver().Click(from);
        Log().seen.clear();
        Driver().Press(from, Chord(c.arrow));
        const int target = c.checked != nullptr ? Row(c.checked) : from;
        EXPECT_EQ(Driver().FocusedRow(), target);
        for (const int row : ui::RadioGroup(from)) EXPECT_EQ(C(ui::Layout()[static_cast<std::size_t>(row)].name).GetChecked(), row == target);
        EXPECT_EQ(Log().Names(EventKind::Click), c.checked != nullptr ? std::vector<std::string>{c.checked} : std::vector<std::string>{});
    }
}

TEST_P(Contract, APasteTakesTheClipboardsWholeTextAsOneEditThatUndoTakesBack) {
    const int real = Row("Z1_E_Real");
    const std::u16string pasted = u"4,7k\r\n2\t\u00b5";
    Driver().SetClipboard(pasted);
    EXPECT_EQ(Driver().Clipboard(), pasted);
    Driver().Press(real, Chord("Ctrl+A"));
    Driver().Press(real, Chord("Ctrl+V"));
    EXPECT_EQ(C("Z1_E_Real").GetText(), pasted) << "line breaks and tabs too, as typed text could not have them";
    EXPECT_EQ(Count("Z1_E_Real", EventKind::Change), 1);
    Driver().Press(real, Chord("Ctrl+Z"));
    EXPECT_EQ(C("Z1_E_Real").GetText(), u"0");
    // A read-only edit copies, and takes nothing in.
    C("Z3_E_Real").SetText(u"1,5");
    Driver().Press(Row("Z3_E_Real"), Chord("Ctrl+A"));
    Driver().Press(Row("Z3_E_Real"), Chord("Ctrl+V"));
    Driver().Press(Row("Z3_E_Real"), Chord("Ctrl+X"));
    EXPECT_EQ(C("Z3_E_Real").GetText(), u"1,5");
    EXPECT_EQ(Driver().Clipboard(), pasted);
    Driver().Press(Row("Z3_E_Real"), Chord("Ctrl+C"));
    EXPECT_EQ(Driver().Clipboard(), u"1,5");
}

TEST_P(Contract, ChordsThatAreNoEditCommandLeaveAnEditAlone) {
    const int real = Row("Z1_E_Real");
    Driver().Type(real, u"12");
    Log().seen.clear();
    for (const char* chord : {"Ctrl+J", "Ctrl+U", "Ctrl+Shift+Z", "Ctrl+Y", "Alt+P", "Ctrl+Tab", "F5", "Ctrl+9"}) {
        SCOPED_TRACE(chord);
        Driver().Press(real, Chord(chord));
        EXPECT_EQ(C("Z1_E_Real").GetText(), u"12");
    }
    EXPECT_TRUE(Log().seen.empty());
    // Esc and Enter reach the key handler and type nothing.
    Driver().Press(real, Chord("Esc"));
    Driver().Press(real, Chord("Enter"));
    ASSERT_EQ(Log().seen.size(), 2U);
    EXPECT_EQ(Log().seen[0].key, 27);
    EXPECT_EQ(Log().seen[1].key, 13);
    EXPECT_EQ(C("Z1_E_Real").GetText(), u"12");
}

TEST_P(Contract, EachShortcutClicksItsControlFromAFieldThatSeesNoKeyOfIt) {
    const int real = Row("Z1_E_Real");
    Driver().Type(real, u"12");
    for (const ui::Shortcut& shortcut : ui::Shortcuts()) {
        SCOPED_TRACE(shortcut.chord);
        Log().seen.clear();
        Driver().Press(real, Chord(shortcut.chord.data()));
        EXPECT_EQ(Log().Names(EventKind::Click), std::vector<std::string>{std::string(shortcut.control)});
        EXPECT_TRUE(Log().Names(EventKind::KeyPress).empty());
        EXPECT_EQ(C("Z1_E_Real").GetText(), u"12");
    }
    // A disabled control is not clicked, and its chord still reaches no field; another
    // window has its own shortcuts.
    C("SB_Addition").SetEnabled(false);
    Log().seen.clear();
    Driver().Press(real, Chord("Ctrl+Plus"));
    EXPECT_TRUE(Log().seen.empty());
    W("Form2").Show();
    Settle();
    Log().seen.clear();
    Driver().Press(Row("BB_Pi_Z1"), Chord("Ctrl+L"));
    EXPECT_TRUE(Log().Names(EventKind::Click).empty());
}

TEST_P(Contract, TheMainWindowStaysOnTopWhileItsEntryIsChecked) {
    Log().seen.clear();
    EXPECT_FALSE(Driver().StaysOnTop());
    Driver().ChooseStayOnTop();
    EXPECT_TRUE(Driver().StaysOnTop());
    EXPECT_TRUE(W("Form1").IsVisible()) << "the window stays on the screen";
    Driver().ChooseStayOnTop();
    EXPECT_FALSE(Driver().StaysOnTop());
    EXPECT_EQ(Count("Form1", EventKind::Show), 0) << "the window is not shown anew";
}

INSTANTIATE_TEST_SUITE_P(Toolkits, Contract, testing::ValuesIn(toolkits::Sessions()),
                         [](const testing::TestParamInfo<toolkits::SessionMaker>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvel::test
