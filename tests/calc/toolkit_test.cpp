#include <gtest/gtest.h>

#include <functional>

#include <string>
#include <vector>

#include "app/dispatch.h"
#include "numbers/calc_error.h"
#include "event_log.h"
#include "toolkits/headless/headless_toolkit.h"

// The contract of the controls as the headless toolkit keeps it: the Qt toolkit is
// held to the same contract by the scenario transcripts.

namespace quorvel::test {
namespace {

using ui::EventKind;

using RecordingSink = EventLog;

int Row(std::string_view name) { return ui::IndexOf(name); }

TEST(SetText, ChangeOnlyWhenTheTextDiffers) {
    ui::headless::HeadlessToolkit kit;
    RecordingSink sink(&kit);
    const int real = Row("Z1_E_Real");
    kit.Control(real).SetText(u"0");
    EXPECT_EQ(sink.Count(real, EventKind::Change), 0) << "the text it already holds";
    kit.Control(real).SetText(u"5");
    ASSERT_EQ(sink.Count(real, EventKind::Change), 1);
    EXPECT_EQ(sink.seen.back().textThen, u"5") << "Change sees the new text";
    const int empty = Row("Z1_E_Phi_Deg");
    kit.Control(empty).SetText(u"");
    EXPECT_EQ(sink.Count(empty, EventKind::Change), 0);
    const int label = Row("Z3_L_Rechnung");
    kit.Control(label).SetText(u"Z3 = Z1 - Z2");
    EXPECT_EQ(kit.Control(label).GetText(), u"Z3 = Z1 - Z2");
    EXPECT_EQ(sink.Count(label, EventKind::Change), 0) << "labels have no Change";
}

TEST(SetText, FailureInChangeIsShownBeforeTheWriteReturns) {
    ui::headless::HeadlessToolkit kit;
    RecordingSink sink(&kit);
    const int real = Row("Z2_E_Real");
    sink.onEvent = [&](int row, EventKind event) {
        if (event == EventKind::Change && row == real) {
            app::RunGuarded(kit.Messages(), u"quorvel", [] { throw CalcError(u"'x' ist kein gültiger Gleitkommawert"); });
        }
    };
    kit.Control(real).SetText(u"x");
    // The box was already shown when SetText returned, and the writer goes on.
    ASSERT_EQ(kit.RecordedMessages().Count(), 1U);
    EXPECT_EQ(kit.RecordedMessages().Last()->text, u"'x' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(kit.Control(real).GetText(), u"x");
    kit.Control(Row("Z2_E_Imaginaer")).SetText(u"7");
    EXPECT_EQ(kit.Control(Row("Z2_E_Imaginaer")).GetText(), u"7");
}

TEST(Keys, KeyPressComesBeforeTheEditAndChangeAfter) {
    ui::headless::HeadlessToolkit kit;
    RecordingSink sink(&kit);
    const int real = Row("Z1_E_Real");
    kit.Type(real, u"4");
    ASSERT_EQ(sink.seen.size(), 2U);
    EXPECT_EQ(sink.seen[0].event, EventKind::KeyPress);
    EXPECT_EQ(sink.seen[0].key, u'4');
    EXPECT_EQ(sink.seen[0].textThen, u"0");
    EXPECT_EQ(sink.seen[1].event, EventKind::Change);
    EXPECT_EQ(sink.seen[1].textThen, u"4");
}

TEST(Keys, ReadOnlyEditsReportEnterAndKeepTheirText) {
    for (const std::string_view name : {"Z3_E_L", "Z3_E_C", "Z3_E_Real"}) {
        SCOPED_TRACE(name);
        ui::headless::HeadlessToolkit kit;
        RecordingSink sink(&kit);
        kit.Enter(Row(name));
        kit.Type(Row(name), u"12");
        ASSERT_GE(sink.seen.size(), 1U);
        EXPECT_EQ(sink.seen[0].key, 13);
        EXPECT_EQ(sink.Count(Row(name), EventKind::KeyPress), 3);
        EXPECT_EQ(sink.Count(Row(name), EventKind::Change), 0);
        EXPECT_EQ(kit.Control(Row(name)).GetText(), u"");
    }
}

TEST(Undo, TakesBackTheLatestRunOnce) {
    ui::headless::HeadlessToolkit kit;
    RecordingSink sink(&kit);
    const int abs = Row("Z1_E_ABS");
    ui::UiControl& c = kit.Control(abs);
    c.Undo();
    EXPECT_EQ(c.GetText(), u"0") << "nothing to take back at start";
    kit.Type(abs, u"12");
    kit.Append(abs, u"3");
    c.Undo();
    EXPECT_EQ(c.GetText(), u"12");
    c.Undo();
    EXPECT_EQ(c.GetText(), u"12") << "one step only";
    kit.Type(abs, u"9");
    c.SetText(u"8");
    c.Undo();
    EXPECT_EQ(c.GetText(), u"8") << "a program write leaves nothing to take back";
    const int changes = sink.Count(abs, EventKind::Change);
    kit.Append(abs, u"1");
    kit.Backspace(abs, 1);
    c.Undo();
    EXPECT_EQ(c.GetText(), u"81") << "backspace ran on its own";
    EXPECT_EQ(sink.Count(abs, EventKind::Change), changes + 3) << "an undo that changes the text raises Change";
}

TEST(RadioButtons, CheckedBeforeTheClickAndNoClickWhenAlreadyChecked) {
    ui::headless::HeadlessToolkit kit;
    RecordingSink sink(&kit);
    const int deg = Row("Z2_RB_Phi_Deg");
    const int rad = Row("Z2_RB_Phi_Rad");
    bool partnerClearedFirst = false;
    sink.onEvent = [&](int row, EventKind e) {
        if (row == deg && e == EventKind::Click) {
            partnerClearedFirst = kit.Control(deg).GetChecked() && !kit.Control(rad).GetChecked();
        }
    };
    kit.Click(rad);
    EXPECT_EQ(sink.Count(rad, EventKind::Click), 0);
    kit.Click(deg);
    EXPECT_EQ(sink.Count(deg, EventKind::Click), 1);
    EXPECT_TRUE(partnerClearedFirst);
    EXPECT_TRUE(kit.Control(Row("Z1_RB_Phi_Rad")).GetChecked()) << "the pairs are independent";
}

TEST(Paint, RaisedWhenTheBoxAppearsNotWhileItStaysVisible) {
    ui::headless::HeadlessToolkit kit;
    RecordingSink sink(&kit);
    const int box = Row("PB_Gauss");
    kit.ShowMainWindow();
    EXPECT_EQ(sink.Count(box, EventKind::Paint), 1);
    kit.Control(box).SetVisible(true);
    EXPECT_EQ(sink.Count(box, EventKind::Paint), 1);
    kit.Control(box).SetVisible(false);
    kit.Control(box).SetVisible(true);
    EXPECT_EQ(sink.Count(box, EventKind::Paint), 2);
}

TEST(Clicks, HiddenContainersKeepTheirTexts) {
    ui::headless::HeadlessToolkit kit;
    RecordingSink sink(&kit);
    const int panel = Row("Z1_P_Blindwiderstand");
    kit.Control(panel).SetVisible(true);
    kit.Type(Row("Z1_E_F"), u"50");
    kit.Control(panel).SetVisible(false);
    kit.Control(panel).SetVisible(true);
    EXPECT_EQ(kit.Control(Row("Z1_E_F")).GetText(), u"50");
}

struct BoxCase {
    std::u16string_view title;
    std::u16string_view text;
};

TEST(MessageBoxes, CountedWithTheLatestKeptAndEachOneObserved) {
    const BoxCase shown[] = {
        {u"Fehler", u"Die eingegebene Zahl ist ungültig."},
        {u"quorvel", u"Division durch Null."},
        {u"Fehler", u"Die eingegebene Frequenz muß größer als 0 Hz sein"},
    };
    ui::headless::HeadlessMessages messages;
    std::vector<ui::BoxSeen> seen;
    messages.observer = [&](const ui::BoxSeen& b) { seen.push_back(b); };
    EXPECT_EQ(messages.Count(), 0U);
    EXPECT_FALSE(messages.Last().has_value());
    for (std::size_t i = 0; i < std::size(shown); ++i) {
        SCOPED_TRACE(i);
        messages.ShowError(shown[i].title, shown[i].text);
        EXPECT_EQ(messages.Count(), i + 1);
        ASSERT_TRUE(messages.Last().has_value());
        EXPECT_EQ(messages.Last()->title, shown[i].title);
        EXPECT_EQ(messages.Last()->text, shown[i].text);
        ASSERT_EQ(seen.size(), i + 1);
        EXPECT_EQ(seen[i].text, shown[i].text);
        EXPECT_EQ(seen[i].icon, "error");
    }
    messages.Forget();
    EXPECT_EQ(messages.Count(), 0U);
    EXPECT_FALSE(messages.Last().has_value());
}

}  // namespace
}  // namespace quorvel::test
