#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "event_log.h"
#include "ui/glyph_strokes.h"
#include "ui/key_chord.h"
#include "ui/shortcuts.h"
#include "ui/toolkit_core.h"
#include "ui/typed_characters.h"

// The rules every toolkit takes from ui/ instead of keeping its own: how typed text
// falls into keys, when a key ends an edit run, where a label that grows stands, the
// glyph strokes, the core's paint on appearing, tick and sink, and what a key chord
// names and types.

namespace quorvel::test {
namespace {

using ui::EditKey;
using ui::EventKind;

struct SplitCase {
    const char* input;
    std::u16string_view text;
    std::vector<std::u16string_view> keys;
};

TEST(SplitKeys, OneCodeUnitAKeyAndASurrogatePairWhole) {
    const SplitCase cases[] = {
        {"empty", u"", {}},
        {"4,7k", u"4,7k", {u"4", u",", u"7", u"k"}},
        {"G clef", u"\U0001D11E", {u"\U0001D11E"}},
        {"G clef between digits", u"1\U0001D11E2", {u"1", u"\U0001D11E", u"2"}},
        {"two pairs", u"\U0001D11E\U0001F600", {u"\U0001D11E", u"\U0001F600"}},
        {"lone high half", u"\xD834" u"a", {u"\xD834", u"a"}},
        {"lone low half", u"\xDD1E", {u"\xDD1E"}},
        {"halves the wrong way round", u"\xDD1E\xD834", {u"\xDD1E", u"\xD834"}},
        {"high half, then a pair", u"\xD834\xD834\xDD1E", {u"\xD834", u"\U0001D11E"}},
        {"high half at the end", u"x\xD834", {u"x", u"\xD834"}},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(ui::SplitKeys(c.text), c.keys);
    }
}

struct RunCase {
    const char* input;
    EditKey key;
    bool textChanged;
    bool selectionMoved;
    bool ends;
};

TEST(EndsEditRun, KeysThatMoveWithoutEditingEndTheRun) {
    const RunCase cases[] = {
        {"a typed character", EditKey::Other, true, true, false},
        {"Backspace at the start", EditKey::Other, false, false, false},
        {"a key that only moved the cursor", EditKey::Other, false, true, true},
        {"Left", EditKey::Left, false, true, true},
        {"Home at the start", EditKey::Home, false, false, true},
        {"End at the end", EditKey::End, false, false, true},
        {"Up in one line", EditKey::Up, false, false, true},
        {"Down in one line", EditKey::Down, false, false, true},
        {"Right with a selection", EditKey::Right, false, true, true},
        {"Select all of a selected text", EditKey::SelectAll, false, false, true},
        {"a cursor key that edited", EditKey::Right, true, true, false},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(ui::EndsEditRun(c.key, c.textChanged, c.selectionMoved), c.ends);
    }
}

struct FitCase {
    const char* input;
    ui::Align align;
    int textWidth;
    ui::Rect fitted;
};

TEST(FittedLabel, GrowsToItsCaptionAndKeepsItsAlignment) {
    // The layout's place for every row: 100, 20, 30 wide, 16 high.
    const FitCase cases[] = {
        {"left, caption fits", ui::Align::Left, 25, {100, 20, 30, 16}},
        {"left, caption exactly", ui::Align::Left, 30, {100, 20, 30, 16}},
        {"left, 4 wider", ui::Align::Left, 34, {100, 20, 34, 16}},
        {"right, caption fits", ui::Align::Right, 10, {100, 20, 30, 16}},
        {"right, 4 wider", ui::Align::Right, 34, {96, 20, 34, 16}},
        {"centred, caption fits", ui::Align::Center, 0, {100, 20, 30, 16}},
        {"centred, 4 wider", ui::Align::Center, 34, {98, 20, 34, 16}},
        {"centred, 3 wider", ui::Align::Center, 33, {99, 20, 33, 16}},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.input);
        ui::ControlSpec spec;
        spec.place = {100, 20, 30, 16};
        spec.align = c.align;
        EXPECT_EQ(ui::FittedLabel(spec, c.textWidth), c.fitted);
    }
}

TEST(GlyphStrokes, EveryGlyphOfTheLayoutIsDrawnWithinItsFace) {
    for (const ui::ControlSpec& s : ui::Layout()) {
        if (s.glyph == ui::Glyph::None) continue;
        SCOPED_TRACE(std::string(s.name));
        const auto strokes = ui::GlyphStrokes(s.glyph);
        ASSERT_FALSE(strokes.empty());
        for (const ui::GlyphStroke& k : strokes) {
            for (const double v : {k.x, k.y, k.x2, k.y2}) {
                EXPECT_GE(v, 0.0);
                EXPECT_LE(v, 1.0);
            }
            switch (k.kind) {
                case ui::GlyphStroke::Kind::Text:
                    EXPECT_FALSE(k.text.empty());
                    EXPECT_GT(k.size, 0.0);
                    break;
                case ui::GlyphStroke::Kind::Line: EXPECT_GT(k.pixels, 0.0) << "a pen width"; break;
                case ui::GlyphStroke::Kind::Dot:
                    EXPECT_GT(k.size, 0.0);
                    EXPECT_GT(k.pixels, 0.0) << "a least radius";
                    break;
            }
        }
    }
    EXPECT_TRUE(ui::GlyphStrokes(ui::Glyph::None).empty());
}

struct AppearCase {
    const char* input;
    std::vector<bool> seen;      // whether the box is seen, call by call
    std::vector<bool> appeared;  // what each call answers
};

TEST(ToolkitCore, ThePaintBoxAppearsWhenItIsSeenAfterNotBeingSeen) {
    const AppearCase cases[] = {
        {"first seen", {true}, {true}},
        {"stays seen", {true, true, true}, {true, false, false}},
        {"hidden and seen again", {true, false, true}, {true, false, true}},
        {"hidden twice, then seen", {true, false, false, true}, {true, false, false, true}},
        {"never seen", {false, false}, {false, false}},
        {"seen only later", {false, true, true}, {false, true, false}},
    };
    for (const AppearCase& c : cases) {
        SCOPED_TRACE(c.input);
        ui::ToolkitCore core;
        std::vector<bool> answers;
        for (const bool seen : c.seen) answers.push_back(core.Appeared(seen));
        EXPECT_EQ(answers, c.appeared);
    }
}

class FakeTimer final : public ui::UiTimer {
public:
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    [[nodiscard]] bool GetEnabled() const override { return enabled_; }

private:
    bool enabled_ = false;
};

TEST(ToolkitCore, ATickRaisesTheTimerEventOnlyWhileTheTimerRuns) {
    ui::ToolkitCore core;
    EventLog log;
    core.Connect(log);
    FakeTimer timer;
    EXPECT_FALSE(core.Tick(timer));
    EXPECT_TRUE(log.seen.empty());
    timer.SetEnabled(true);
    EXPECT_TRUE(core.Tick(timer));
    ASSERT_EQ(log.seen.size(), 1U);
    EXPECT_EQ(log.seen[0].row, ui::IndexOf("Timer1"));
    EXPECT_EQ(log.seen[0].event, EventKind::Timer);
}

// Counts the work run through it and lets a failure of it out, to show whose Guard ran.
class GuardingSink final : public ui::EventSink {
public:
    void Raise(int /*row*/, EventKind /*event*/, char16_t /*key*/) noexcept override {}
    void Guard(const std::function<void()>& work) noexcept override {
        ++guarded;
        try {
            work();
        } catch (...) {
            ++failures;
        }
    }
    int guarded = 0;
    int failures = 0;
};

TEST(ToolkitCore, BeforeConnectEventsGoNowhereAndAFailingWorkIsDropped) {
    ui::ToolkitCore core;
    EventLog log;
    core.Raise(ui::IndexOf("Z1_E_Real"), EventKind::Change);
    bool ran = false;
    EXPECT_NO_THROW(core.Guard([&] {
        ran = true;
        throw std::runtime_error("before start");
    }));
    EXPECT_TRUE(ran);
    core.Connect(log);
    EXPECT_TRUE(log.seen.empty()) << "nothing raised before is delivered later";
    core.Raise(ui::IndexOf("Z1_E_Real"), EventKind::KeyPress, u'4');
    ASSERT_EQ(log.seen.size(), 1U);
    EXPECT_EQ(log.seen[0].key, u'4');
}

TEST(ToolkitCore, AfterConnectWorkRunsThroughTheSinksGuard) {
    ui::ToolkitCore core;
    GuardingSink sink;
    core.Connect(sink);
    core.Guard([] { throw std::runtime_error("in a slot"); });
    EXPECT_EQ(sink.guarded, 1);
    EXPECT_EQ(sink.failures, 1);
}

struct ChordCase {
    const char* input;  // as a script writes it
    std::optional<ui::KeyChord> chord;
    char16_t typed;  // what it types into an edit
    ui::EditCommand command;
};

using ui::EditCommand;
using ui::KeyChord;
using ui::KeyName;

TEST(KeyChords, ReadAsAScriptNamesThemWithWhatTheyTypeAndCommand) {
    const ChordCase cases[] = {
        {"a", KeyChord{.character = u'A'}, u'a', EditCommand::None},
        {"Shift+a", KeyChord{.shift = true, .character = u'A'}, u'A', EditCommand::None},
        {"7", KeyChord{.character = u'7'}, u'7', EditCommand::None},
        {"Shift+7 types the digit on any keyboard", KeyChord{.shift = true, .character = u'7'}, u'7', EditCommand::None},
        {"Plus", KeyChord{.character = u'+'}, u'+', EditCommand::None},
        {"Slash", KeyChord{.character = u'/'}, u'/', EditCommand::None},
        {"Ctrl+Plus", KeyChord{.ctrl = true, .character = u'+'}, 0, EditCommand::None},
        {"Ctrl+V", KeyChord{.ctrl = true, .character = u'V'}, 0, EditCommand::Paste},
        {"ctrl+v", KeyChord{.ctrl = true, .character = u'V'}, 0, EditCommand::Paste},
        {"Ctrl+Z", KeyChord{.ctrl = true, .character = u'Z'}, 0, EditCommand::Undo},
        {"Ctrl+A", KeyChord{.ctrl = true, .character = u'A'}, 0, EditCommand::SelectAll},
        {"Ctrl+Shift+C is no copy", KeyChord{.ctrl = true, .shift = true, .character = u'C'}, 0, EditCommand::None},
        {"Shift+Ctrl+C", KeyChord{.ctrl = true, .shift = true, .character = u'C'}, 0, EditCommand::None},
        {"Alt+X is no cut", KeyChord{.alt = true, .character = u'X'}, 0, EditCommand::None},
        {"Enter", KeyChord{.key = KeyName::Enter}, 13, EditCommand::None},
        {"Esc", KeyChord{.key = KeyName::Escape}, 27, EditCommand::None},
        {"Shift+Tab", KeyChord{.shift = true, .key = KeyName::Tab}, 0, EditCommand::None},
        {"F12", KeyChord{.key = KeyName::Function, .function = 12}, 0, EditCommand::None},
        {"Down", KeyChord{.key = KeyName::Down}, 0, EditCommand::None},
        {"F13", std::nullopt, 0, EditCommand::None},
        {"F0", std::nullopt, 0, EditCommand::None},
        {"Ctrl+", std::nullopt, 0, EditCommand::None},
        {"+", std::nullopt, 0, EditCommand::None},
        {"Ctrl+Ctrl+A", std::nullopt, 0, EditCommand::None},
        {"Meta+A", std::nullopt, 0, EditCommand::None},
        {"A+Ctrl", std::nullopt, 0, EditCommand::None},
        {"Space", std::nullopt, 0, EditCommand::None},
        {"", std::nullopt, 0, EditCommand::None},
    };
    for (const ChordCase& c : cases) {
        const std::string input = c.input;
        const std::string text = input.substr(0, input.find(' '));
        SCOPED_TRACE(input);
        const std::optional<KeyChord> chord = ui::ParseChord(text);
        ASSERT_EQ(chord, c.chord);
        if (!chord) continue;
        EXPECT_EQ(ui::TypedBy(*chord), c.typed);
        EXPECT_EQ(ui::EditCommandOf(*chord), c.command);
        EXPECT_EQ(ui::ParseChord(ui::ChordName(*chord)), chord) << "the name reads back: " << ui::ChordName(*chord);
    }
}

TEST(Shortcuts, TakeNoKeyAnEditNeedsAndClickAButtonOfTheMainWindowEach) {
    std::vector<ui::KeyChord> seen;
    int previous = -1;
    for (const ui::Shortcut& s : ui::Shortcuts()) {
        SCOPED_TRACE(s.chord);
        const std::optional<KeyChord> chord = ui::ParseChord(s.chord);
        ASSERT_TRUE(chord.has_value());
        EXPECT_EQ(ui::ChordName(*chord), s.chord) << "written as the runner prints it";
        EXPECT_EQ(std::count(seen.begin(), seen.end(), *chord), 0) << "twice";
        seen.push_back(*chord);
        EXPECT_TRUE(chord->ctrl || chord->alt) << "a plain key types";
        EXPECT_EQ(ui::EditCommandOf(*chord), EditCommand::None);
        EXPECT_EQ(chord->key, KeyName::Character) << "Tab, Enter, Esc and the arrows stay the edits'";
        EXPECT_FALSE(chord->ctrl && chord->shift && (chord->character == u'C' || chord->character == u'V')) << "the value chords";
        const int row = ui::IndexOf(s.control);
        ASSERT_GE(row, 0);
        const ui::ControlSpec& spec = ui::Layout()[static_cast<std::size_t>(row)];
        EXPECT_TRUE(spec.kind == ui::ControlKind::SpeedButton || spec.kind == ui::ControlKind::Button);
        EXPECT_EQ(ui::WindowOf(spec), "Form1");
        EXPECT_EQ(ui::ShortcutTarget("Form1", *chord), row);
        EXPECT_EQ(ui::ShortcutTarget("Form2", *chord), -1);
        EXPECT_EQ(ui::ShortcutOf(s.control), s.chord);
        EXPECT_GT(row, previous) << "in layout order";
        previous = row;
    }
    EXPECT_EQ(ui::ChordLabel("Ctrl+Shift+P"), u"Strg+Umschalt+P");
    EXPECT_EQ(ui::ChordLabel("Ctrl+Plus"), u"Strg++");
}

}  // namespace
}  // namespace quorvel::test
