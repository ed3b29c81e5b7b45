#include <gtest/gtest.h>

#include <string>

#include "test_world.h"

namespace quorvel::test {
namespace {

std::string Narrow(std::u16string_view s) { return {s.begin(), s.end()}; }
int Row(std::string_view n) { return World::Row(n); }

struct TypedCase {
    std::u16string_view text;
    double part;
    int boxes;
};

TEST(ChangeHandling, EveryKeystrokeStoresThePart) {
    const TypedCase cases[] = {
        {u"-", 0, 0}, {u"-5", -5, 0}, {u"4,7k", 4700, 0}, {u"1,5e3", 1500, 0}, {u"5e", 0, 0},
        {u"x", 0, 1}, {u"12x", 12, 0}, {u"1.000,5", 1000.5, 0}, {u"2,2\u00b5", 2.2e-6, 0},
    };
    for (const char* field : {"Z1_E_Real", "Z1_E_Imaginaer", "Z2_E_Real", "Z2_E_Imaginaer"}) {
        for (const TypedCase& c : cases) {
            SCOPED_TRACE(std::string(field) + " " + Narrow(c.text));
            World w;
            w.C("Z3_L_Rechnung").SetVisible(true);
            w.kit.Type(Row(field), c.text);
            const ComplexValue& v = field[1] == '1' ? w.F().Z1 : w.F().Z2;
            const double part = std::string_view(field).find("Real") != std::string_view::npos ? v.Real() : v.Imaginary();
            EXPECT_EQ(part, c.part);
            EXPECT_EQ(static_cast<int>(w.kit.RecordedMessages().Count()), c.boxes);
            EXPECT_EQ(w.C("Z3_L_Rechnung").GetVisible(), c.boxes > 0 && c.text.size() == 1);
        }
    }
}

TEST(ChangeHandling, AnEmptiedFieldIsZeroUntilEnterWritesTheZero) {
    World w;
    w.kit.Type(Row("Z1_E_Real"), u"8");
    w.kit.Erase(Row("Z1_E_Real"));
    EXPECT_EQ(w.F().Z1.Real(), 0.0);
    EXPECT_EQ(w.C("Z1_E_Real").GetText(), u"");
    w.kit.Enter(Row("Z1_E_Imaginaer"));
    EXPECT_EQ(w.C("Z1_E_Real").GetText(), u"0");
}

struct EnterCase {
    const char* field;  // where Enter is pressed
    std::u16string_view message;
};

TEST(EnterHandling, UnreadableTextShowsTheHandlersMessageAndUndoesBothFields) {
    const EnterCase cases[] = {
        {"Z1_E_Real", u"Die eingegebene Zahl ist ungültig."},
        {"Z1_E_Imaginaer", u"Die eingegebene Zahl ist ungültig"},
        {"Z3_E_L", u"Die eingegebene Zahl ist ungültig"},
        {"Z3_E_C", u"Die eingegebene Zahl ist ungültig"},
    };
    for (const EnterCase& c : cases) {
        SCOPED_TRACE(c.field);
        World w;
        w.kit.Type(Row("Z1_E_Real"), u"3");
        w.kit.Type(Row("Z1_E_Imaginaer"), u"4q");
        w.kit.Type(Row("Z1_E_Imaginaer"), u"k");
        w.kit.RecordedMessages().Forget();
        w.kit.Enter(Row(c.field));
        ASSERT_EQ(w.kit.RecordedMessages().Count(), 1U);
        EXPECT_EQ(w.kit.RecordedMessages().Last()->title, u"Fehler");
        EXPECT_EQ(w.kit.RecordedMessages().Last()->text, c.message);
        EXPECT_EQ(w.C("Z1_E_Real").GetText(), u"0") << "the last run of the real field is taken back too";
        EXPECT_EQ(w.C("Z1_E_Imaginaer").GetText(), u"4q");
        EXPECT_EQ(w.C("Z1_E_ABS").GetText(), u"0") << "no polar display";
    }
}

TEST(EnterHandling, Z2MessagesHaveNoFullStop) {
    for (const char* field : {"Z2_E_Real", "Z2_E_Imaginaer"}) {
        SCOPED_TRACE(field);
        World w;
        w.kit.Type(Row("Z2_E_Real"), u"k");
        w.kit.RecordedMessages().Forget();
        w.kit.Enter(Row(field));
        ASSERT_EQ(w.kit.RecordedMessages().Count(), 1U);
        EXPECT_EQ(w.kit.RecordedMessages().Last()->text, u"Die eingegebene Zahl ist ungültig");
    }
}

TEST(EnterHandling, ValidEntryTrimsShowsPolarAndRedraws) {
    World w;
    w.kit.Type(Row("Z1_E_Real"), u"1");
    w.kit.Type(Row("Z1_E_Imaginaer"), u"-1 ");
    w.C("Z2_E_F").SetText(u" 50 ");
    w.kit.Enter(Row("Z1_E_Real"));
    EXPECT_EQ(w.C("Z1_E_Imaginaer").GetText(), u"-1");
    EXPECT_EQ(w.C("Z2_E_F").GetText(), u"50");
    EXPECT_EQ(w.C("Z1_E_ABS").GetText(), u"1,414214");
    EXPECT_EQ(w.C("Z1_E_Phi_Rad").GetText(), u"-0,785398");
    EXPECT_EQ(w.C("Z1_E_Phi_Deg").GetText(), u"-45,000000");
    const auto drawn = w.kit.Recording().Phasors({90, 100});
    ASSERT_EQ(drawn.size(), 1U);
    EXPECT_EQ(drawn[0].to, (ui::Point{146, 156}));
}

TEST(ImaginaryClick, OnlyALoneZeroMakesWay) {
    for (const std::u16string_view text : {u"0", u"0,0", u"0,500000"}) {
        SCOPED_TRACE(Narrow(text));
        World w;
        w.C("Z2_E_Imaginaer").SetText(text);
        w.kit.Click(Row("Z2_E_Imaginaer"));
        EXPECT_EQ(w.C("Z2_E_Imaginaer").GetText(), text == u"0" ? u"" : text);
    }
}

struct PolarCase {
    const char* name;
    std::u16string_view abs, angle;
    const char* field;  // where the angle is typed and Enter pressed
    std::u16string_view other;  // the converted angle written into the other angle field
    std::u16string_view real, imaginary;
};

TEST(PolarEntry, MagnitudeAndAngle) {
    const PolarCase cases[] = {
        {"90 degrees", u"2", u"90", "Z1_E_Phi_Deg", u"1,570796", u"0", u"2,000000"},
        {"-45 degrees", u"1", u"-45", "Z1_E_Phi_Deg", u"-7,853982E-01", u"0,707107", u"-0,707107"},
        {"30 degrees", u"1", u"30", "Z1_E_Phi_Deg", u"0,523599", u"0,866025", u"0,500000"},
        {"0 radians", u"1", u"0", "Z1_E_Phi_Rad", u"0,000000E+00", u"1,000000", u"0"},
        {"0,5 radians", u"1", u"0,5", "Z1_E_Phi_Rad", u"28,647890", u"0,877583", u"0,479426"},
        {"-0,5 radians", u"1", u"-0,5", "Z1_E_Phi_Rad", u"-2,864789E+01", u"0,877583", u"-0,479426"},
        {"400 degrees", u"1", u"400", "Z1_E_Phi_Deg", u"6,981317", u"0,766044", u"0,642788"},
    };
    for (const PolarCase& c : cases) {
        SCOPED_TRACE(c.name);
        World w;
        w.C("Z1_E_ABS").SetText(c.abs);
        w.C(c.field).SetText(c.angle);
        w.kit.Enter(Row(c.field));
        const bool deg = std::string_view(c.field) == "Z1_E_Phi_Deg";
        EXPECT_EQ(w.C(deg ? "Z1_E_Phi_Rad" : "Z1_E_Phi_Deg").GetText(), c.other);
        EXPECT_EQ(w.C(c.field).GetText(), c.angle) << "the typed angle stays";
        EXPECT_EQ(w.C("Z1_E_Real").GetText(), c.real);
        EXPECT_EQ(w.C("Z1_E_Imaginaer").GetText(), c.imaginary);
        EXPECT_EQ(w.kit.RecordedMessages().Count(), 0U);
    }
}

TEST(PolarEntry, MagnitudeEnterTakesTheRadianFieldEvenWhenDegreesShow) {
    World w;
    w.kit.Click(Row("Z1_RB_Phi_Deg"));
    w.C("Z1_E_Phi_Deg").SetText(u"90");
    w.C("Z1_E_ABS").SetText(u"-1");
    w.kit.Enter(Row("Z1_E_ABS"));
    EXPECT_EQ(w.F().Z1.Real(), -1.0);
    EXPECT_EQ(w.F().Z1.Imaginary(), 0.0);
    EXPECT_EQ(w.C("Z1_E_Phi_Deg").GetText(), u"90") << "the degree field is not touched";
}

TEST(PolarEntry, EmptyMagnitudeBecomesZero) {
    World w;
    w.F().Z1 = ComplexValue::Create(3, 4);
    w.C("Z1_E_ABS").SetText(u"");
    w.C("Z1_E_Phi_Deg").SetText(u"30");
    w.kit.Enter(Row("Z1_E_Phi_Deg"));
    EXPECT_EQ(w.C("Z1_E_ABS").GetText(), u"0");
    EXPECT_EQ(w.F().Z1.Real(), 0.0);
    EXPECT_EQ(w.F().Z1.Imaginary(), 0.0);
}

struct PolarFailCase {
    const char* field;
    std::u16string_view message;
};

TEST(PolarEntry, UnreadableInputKeepsTheValueAndUndoesThePolarFields) {
    const PolarFailCase cases[] = {
        {"Z1_E_ABS", u"Die eingegebene Zahl ist ungültig"},  {"Z1_E_Phi_Deg", u"Die eingegebene Zahl ist ungültig."},
        {"Z1_E_Phi_Rad", u"Die eingegebene Zahl ist ungültig."}, {"Z2_E_ABS", u"Die eingegebene Zahl ist ungültig"},
        {"Z2_E_Phi_Deg", u"Die eingegebene Zahl ist ungültig."}, {"Z2_E_Phi_Rad", u"Die eingegebene Zahl ist ungültig"},
    };
    for (const PolarFailCase& c : cases) {
        SCOPED_TRACE(c.field);
        World w;
        const std::string z(c.field, 2);
        w.kit.Type(Row(z + "_E_ABS"), u"2");
        w.kit.Type(Row(c.field), u"zz");
        w.kit.Enter(Row(c.field));
        ASSERT_EQ(w.kit.RecordedMessages().Count(), 1U);
        EXPECT_EQ(w.kit.RecordedMessages().Last()->text, c.message);
        const ComplexValue& v = z == "Z1" ? w.F().Z1 : w.F().Z2;
        EXPECT_EQ(v.Real(), 0.0);
        // Each polar field takes back its own last run.
        const std::string_view f(c.field);
        EXPECT_EQ(w.C(z + "_E_ABS").GetText(), f.ends_with("ABS") ? u"2" : u"0");
        if (!f.ends_with("ABS")) {
            EXPECT_EQ(w.C(f).GetText(), f.ends_with("Deg") ? u"" : u"0");
        }
    }
}

TEST(AngleButtons, ChooseTheVisibleFieldOnly) {
    World w;
    for (const char* z : {"Z1", "Z2", "Z3"}) {
        SCOPED_TRACE(z);
        const std::string p(z);
        w.kit.Click(Row(p + "_RB_Phi_Deg"));
        EXPECT_FALSE(w.C(p + "_E_Phi_Rad").GetVisible());
        EXPECT_TRUE(w.C(p + "_E_Phi_Deg").GetVisible());
        w.kit.Click(Row(p + "_RB_Phi_Rad"));
        EXPECT_TRUE(w.C(p + "_E_Phi_Rad").GetVisible());
        EXPECT_FALSE(w.C(p + "_E_Phi_Deg").GetVisible());
    }
}

}  // namespace
}  // namespace quorvel::test

namespace quorvel::test {
namespace {

TEST(BadInput, AMebibyteOfTextInAnEntryField) {
    World w;
    std::u16string big(1 << 20, u'7');
    big[3] = u',';
    w.C("Z1_E_Real").SetText(big);  // as a paste arrives: one change
    w.kit.Enter(World::Row("Z1_E_Real"));
    EXPECT_EQ(w.F().Z1.Real(), 777.7777777777778);
    EXPECT_EQ(w.C("Z1_E_ABS").GetText(), u"777,777800");
    std::u16string junk(1 << 20, u' ');
    junk[100] = u'x';
    w.C("Z2_E_Imaginaer").SetText(junk);
    w.kit.Enter(World::Row("Z2_E_Imaginaer"));
    ASSERT_TRUE(w.kit.RecordedMessages().Last().has_value());
    EXPECT_EQ(w.kit.RecordedMessages().Last()->text, u"Die eingegebene Zahl ist ungültig");
    EXPECT_EQ(w.F().Z2.Imaginary(), 0.0);
}

}  // namespace
}  // namespace quorvel::test
