#include <gtest/gtest.h>

#include <string>

#include "test_world.h"

namespace quorvel::test {
namespace {

struct ValueCase {
    std::u16string_view imaginary;  // the shown imaginary part of Z3
    std::u16string_view frequency;
    std::u16string_view l, lUnit, c, cUnit;
};

std::string Narrow(std::u16string_view s) { return {s.begin(), s.end()}; }

TEST(ComponentValues, FromTheShownImaginaryPartAtTheFrequency) {
    const ValueCase cases[] = {
        {u"100,000000", u"100M", u"159,155 n", u"H", u"", u""},
        {u"-100,000000", u"100M", u"", u"", u"15,915 p", u"F"},
        {u"1,000000", u"50", u"3,183 m", u"H", u"", u""},
        {u"-1000,000000", u"50", u"", u"", u"3,183 \u00b5", u"F"},
        {u"62,831850", u"100M", u"100,000 n", u"H", u"", u""},
        {u"1,591549E+03", u"1", u"253,303 ", u"H", u"", u""},
        {u"INF", u"1k", u"INF Y", u"H", u"", u""},
        {u"-INF", u"1k", u"", u"", u"0,000  ", u"F"},
        {u"NAN", u"1k", u"", u"", u"NAN  ", u"F"},
        // The reactance is kept as the double nearest to the text, and the inductance
        // computed from it at extended precision lies just above the tie 443,2465 m
        // (the text itself, taken at extended precision, would give just below it).
        {u"1,392499948129388288587e+02", u"50", u"443,247 m", u"H", u"", u""},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(Narrow(c.imaginary) + " at " + Narrow(c.frequency));
        World w;
        w.C("Z3_E_Imaginaer").SetText(c.imaginary);
        w.C("Z3_E_F").SetText(c.frequency);
        w.kit.Enter(World::Row("Z3_E_F"));
        EXPECT_EQ(w.kit.RecordedMessages().Count(), 0U);
        EXPECT_EQ(w.C("Z3_E_L").GetText(), c.l);
        EXPECT_EQ(w.C("Z3_E_L_Einheit").GetText(), c.lUnit);
        EXPECT_EQ(w.C("Z3_E_C").GetText(), c.c);
        EXPECT_EQ(w.C("Z3_E_C_Einheit").GetText(), c.cUnit);
    }
}

TEST(ComponentValues, ZeroReactanceWritesZeroAndKeepsTheUnits) {
    World w;
    w.C("Z3_E_Imaginaer").SetText(u"-100,000000");
    w.F().Z3_Bauteilwerte();
    w.C("Z3_E_Imaginaer").SetText(u"0");
    w.F().Z3_Bauteilwerte();
    EXPECT_EQ(w.C("Z3_E_L").GetText(), u"0");
    EXPECT_EQ(w.C("Z3_E_C").GetText(), u"0");
    EXPECT_EQ(w.C("Z3_E_L_Einheit").GetText(), u"");
    EXPECT_EQ(w.C("Z3_E_C_Einheit").GetText(), u"F");
}

struct EnterCase {
    std::u16string_view frequency;
    std::u16string_view message;  // empty: no box
    double z3f;
};

TEST(FrequencyField, EnterChecksTheFrequency) {
    const EnterCase cases[] = {
        {u"0", u"Die eingegebene Frequenz muß größer als 0 Hz sein", 0},
        {u"-5", u"Die eingegebene Frequenz muß größer als 0 Hz sein", -5},
        {u"abc", u"Die eingegebene Frequenz ist ungültig", 7},
        {u"1e3k", u"Die eingegebene Frequenz ist ungültig", 7},
        {u"", u"", 7},
        {u"2k", u"", 2000},
    };
    for (const EnterCase& c : cases) {
        SCOPED_TRACE(Narrow(c.frequency));
        World w;
        w.C("Z3_E_Imaginaer").SetText(u"1,000000");
        w.F().Z3_F = 7;
        w.C("Z3_E_F").SetText(c.frequency);
        if (c.frequency.empty()) w.F().Z3_F = 7;  // emptying set it to 0; see the next test
        w.kit.Enter(World::Row("Z3_E_F"));
        const auto& messages = w.kit.RecordedMessages();
        if (c.message.empty()) {
            EXPECT_EQ(messages.Count(), 0U);
        } else {
            ASSERT_EQ(messages.Count(), 1U);
            EXPECT_EQ(messages.Last()->title, u"Fehler");
            EXPECT_EQ(messages.Last()->text, c.message);
        }
        EXPECT_EQ(w.F().Z3_F, c.z3f);
    }
}

TEST(FrequencyField, EveryChangeEmptiesTheOutputs) {
    World w;
    w.C("Z3_E_Imaginaer").SetText(u"100,000000");
    w.kit.Enter(World::Row("Z3_E_F"));
    ASSERT_EQ(w.C("Z3_E_L").GetText(), u"159,155 n");
    w.kit.Erase(World::Row("Z3_E_F"));
    EXPECT_EQ(w.F().Z3_F, 0.0);
    EXPECT_EQ(w.C("Z3_E_L").GetText(), u"");
    EXPECT_EQ(w.C("Z3_E_L_Einheit").GetText(), u"H") << "the unit labels stay";
    w.F().Z3_Bauteilwerte();
    EXPECT_EQ(w.C("Z3_E_L").GetText(), u"") << "an empty frequency computes nothing";
    w.kit.Append(World::Row("Z3_E_F"), u"5");
    EXPECT_EQ(w.F().Z3_F, 0.0) << "typing alone does not read the number";
}

TEST(FrequencyField, AfterBlankingEnterReportsTheBlankImaginaryPart) {
    World w;
    w.C("Z3_E_Imaginaer").SetText(u"100,000000");
    w.F().Z3_Bauteilwerte();
    w.F().Z3_Ergebnis_loeschen();
    for (const char* f : {"Z3_E_Real", "Z3_E_Imaginaer", "Z3_E_ABS"}) EXPECT_EQ(w.C(f).GetText(), u" ") << f;
    for (const char* f : {"Z3_E_Phi_Rad", "Z3_E_Phi_Deg", "Z3_E_L", "Z3_E_C"}) EXPECT_EQ(w.C(f).GetText(), u"") << f;
    w.C("Z3_E_F").SetText(u"1k");
    w.kit.Enter(World::Row("Z3_E_F"));
    const auto& messages = w.kit.RecordedMessages();
    ASSERT_EQ(messages.Count(), 1U);
    EXPECT_EQ(messages.Last()->title, u"quorvel");
    EXPECT_EQ(messages.Last()->text, u"' ' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(w.F().Z3_F, 1000.0) << "the frequency was read before the failure";
}

struct MarkCase {
    std::u16string_view frequency;
    bool red;
};

TEST(CheckBox, ShowsThePanelAndMarksAFrequencyItCannotUse) {
    const MarkCase cases[] = {{u"", true}, {u"0", true}, {u"0,0", true}, {u"-5", false}, {u"100M", false}, {u"1p", false}};
    for (const MarkCase& c : cases) {
        SCOPED_TRACE(Narrow(c.frequency));
        World w;
        w.C("Z3_CB_BE").SetEnabled(true);
        w.C("Z3_E_F").SetText(c.frequency);
        w.kit.Click(World::Row("Z3_CB_BE"));
        EXPECT_TRUE(w.C("Z3_P_BE").GetVisible());
        EXPECT_EQ(w.C("Z3_E_F").GetColor(), c.red ? ui::clRed : ui::clWindow);
        EXPECT_EQ(w.F().Timer1.GetEnabled(), c.red);
        w.kit.Clock().Advance(1000);
        EXPECT_EQ(w.C("Z3_E_F").GetColor(), ui::clWindow);
        w.kit.Click(World::Row("Z3_CB_BE"));
        EXPECT_FALSE(w.C("Z3_P_BE").GetVisible());
    }
}

TEST(CheckBox, UnreadableFrequencyGoesToTheDefaultBoxAfterThePanel) {
    World w;
    w.C("Z3_CB_BE").SetEnabled(true);
    w.C("Z3_E_F").SetText(u"Hz");
    w.kit.Click(World::Row("Z3_CB_BE"));
    EXPECT_TRUE(w.C("Z3_P_BE").GetVisible());
    ASSERT_EQ(w.kit.RecordedMessages().Count(), 1U);
    EXPECT_EQ(w.kit.RecordedMessages().Last()->text, u"'' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(w.C("Z3_E_F").GetColor(), ui::clWindow);
}

}  // namespace
}  // namespace quorvel::test
