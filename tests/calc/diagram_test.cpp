#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

#include "diagram/phasor_diagram.h"
#include "diagram/phasor_geometry.h"
#include "numbers/calc_error.h"
#include "ui/canvas_record.h"
#include "test_world.h"

namespace quorvel::test {
namespace {

using ui::Point;

struct TipCase {
    long double degrees;
    Point tip;  // in the 190 x 190 box
};

TEST(PhasorTip, WorkedValues) {
    const TipCase cases[] = {
        {0, {169, 100}},   {30, {159, 60}},   {45, {146, 44}},    {90, {90, 21}},    {180, {11, 100}},
        {-30, {159, 139}}, {-45, {146, 156}}, {-90, {90, 180}},   {0.5L, {169, 100}}, {-0.5L, {169, 100}},
        {10.2L, {168, 87}}, {10.9L, {168, 87}}, {400, {151, 49}}, {-359.9L, {169, 99}},
    };
    const diagram::Geometry g = diagram::GeometryFor(190, 190);
    for (const TipCase& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<double>(c.degrees)));
        const auto end = diagram::EndPosition(c.degrees, g.Radius);
        ASSERT_TRUE(end.has_value());
        EXPECT_EQ((Point{g.Nullpunkt_X + end->x, g.Nullpunkt_Y + end->y}), c.tip);
    }
}

TEST(PhasorTip, AnglesBeyondTheIntegerRangeKeepTheirDirection) {
    // 3600000000 degrees are 10000000 full turns.
    const auto far = diagram::EndPosition(3600000000.0L + 30, 80);
    const auto near = diagram::EndPosition(30, 80);
    ASSERT_TRUE(far && near);
    EXPECT_EQ(*far, *near);
    EXPECT_EQ(*diagram::EndPosition(-3600000000.0L - 45, 80), *diagram::EndPosition(-45, 80));
    EXPECT_EQ(*diagram::EndPosition(1e300L, 80), *diagram::EndPosition(std::fmod(1e300L, 360.0L), 80));
    EXPECT_TRUE(diagram::EndPosition(2147483557.0L, 80).has_value()) << "the largest angle without reduction";
}

TEST(PhasorTip, NonFiniteAnglesHaveNoTip) {
    EXPECT_FALSE(diagram::EndPosition(std::numeric_limits<long double>::infinity(), 80));
    EXPECT_FALSE(diagram::EndPosition(-std::numeric_limits<long double>::infinity(), 80));
    EXPECT_FALSE(diagram::EndPosition(std::numeric_limits<long double>::quiet_NaN(), 80));
}

struct HeadCase {
    const char* name;
    Point from;
    Point to;
    std::array<Point, 3> head;
};

TEST(ArrowHead, EveryDirectionCase) {
    const HeadCase cases[] = {
        {"real axis", {175, 100}, {185, 100}, {{{185, 100}, {175, 97}, {175, 103}}}},
        {"imaginary axis", {90, 15}, {90, 5}, {{{90, 5}, {87, 15}, {93, 15}}}},
        {"left", {20, 50}, {10, 50}, {{{10, 50}, {20, 53}, {20, 47}}}},
        {"down", {50, 10}, {50, 20}, {{{50, 20}, {53, 10}, {47, 10}}}},
        {"up right", {0, 10}, {10, 0}, {{{10, 0}, {1, 5}, {5, 9}}}},
        {"down right", {0, 0}, {10, 10}, {{{10, 10}, {5, 1}, {1, 5}}}},
        {"up left", {10, 10}, {0, 0}, {{{0, 0}, {5, 9}, {9, 5}}}},
        {"down left", {10, 0}, {0, 10}, {{{0, 10}, {9, 5}, {5, 1}}}},
        {"no length", {7, 7}, {7, 7}, {{{7, 7}, {-3, 4}, {-3, 10}}}},
    };
    for (const HeadCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(diagram::ArrowHead(c.from, c.to), c.head);
    }
}

TEST(ArrowHead, ConversionsAreNamedAfterWhatTheyTake) {
    EXPECT_NEAR(static_cast<double>(diagram::GetDEG(180)), 3.14159265358979, 1e-14);
    EXPECT_NEAR(static_cast<double>(diagram::GetRAD(std::numbers::pi_v<long double> / 2)), 90.0, 1e-13);
}

// A picture drawn with these degree texts.
std::vector<ui::DrawnPhasor> Draw(World& w, std::u16string_view d1, std::u16string_view d2, std::u16string_view d3) {
    w.C("Z1_E_Phi_Deg").SetText(d1);
    w.C("Z2_E_Phi_Deg").SetText(d2);
    w.C("Z3_E_Phi_Deg").SetText(d3);
    w.F().Zeigerdiagramm_malen();
    return w.kit.Recording().Phasors({90, 100});
}

TEST(Picture, ColoursOfCoincidingPhasors) {
    World w;
    struct Case {
        std::u16string_view d1, d2, d3;
        std::vector<ui::Color> colors;
    };
    const Case cases[] = {
        {u"30", u"-45", u"90", {ui::clRed, ui::clGreen, ui::clBlue}},
        {u"30", u"30", u"90", {ui::clRed, ui::clFuchsia, ui::clBlue}},
        {u"30", u"30", u"30", {ui::clRed, ui::clFuchsia, ui::clYellow}},
        {u"10,2", u"10,9", u"", {ui::clRed, ui::clFuchsia}},
        {u"", u"0", u"0,5", {ui::clGreen, ui::clYellow}},
        {u"", u"", u"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.d1.begin(), c.d1.end()) + "/" + std::string(c.d2.begin(), c.d2.end()) + "/" +
                     std::string(c.d3.begin(), c.d3.end()));
        std::vector<ui::Color> colors;
        for (const ui::DrawnPhasor& p : Draw(w, c.d1, c.d2, c.d3)) colors.push_back(p.color);
        EXPECT_EQ(colors, c.colors);
    }
}

TEST(Picture, DrawFlagsLeaveTheirPhasorOut) {
    World w;
    w.app.Memory().Z2_mahlen = false;
    const auto drawn = Draw(w, u"0", u"90", u"180");
    ASSERT_EQ(drawn.size(), 2U);
    EXPECT_EQ(drawn[0].to, (Point{169, 100}));
    EXPECT_EQ(drawn[1].to, (Point{11, 100}));
    EXPECT_EQ(drawn[1].color, ui::clBlue) << "Z3 compares only with phasors drawn";
}

TEST(Picture, UnreadableDegreeTextStopsThePictureThere) {
    World w;
    w.C("Z1_E_Phi_Deg").SetText(u"30");
    w.C("Z2_E_Phi_Deg").SetText(u"4k");
    w.C("Z3_E_Phi_Deg").SetText(u"90");
    // As a paint event would: through the dispatch wrapper.
    w.app.Raise(World::Row("PB_Gauss"), ui::EventKind::Paint, 0);
    const auto& messages = w.kit.RecordedMessages();
    ASSERT_EQ(messages.Count(), 1U);
    EXPECT_EQ(messages.Last()->text, u"'4k' ist kein gültiger Gleitkommawert.");
    const auto drawn = w.kit.Recording().Phasors({90, 100});
    ASSERT_EQ(drawn.size(), 1U) << "Z1 stays, Z3 is not drawn";
    EXPECT_NE(w.kit.Recording().Describe().back(), "Ellipse 87, 97, 93, 103") << "nor is the origin dot";
}

TEST(Picture, NonFiniteDegreeTextsAreLeftOut) {
    World w;
    const auto drawn = Draw(w, u"INF", u"NAN", u"-45");
    ASSERT_EQ(drawn.size(), 1U);
    EXPECT_EQ(drawn[0].color, ui::clBlue);
    EXPECT_EQ(w.kit.RecordedMessages().Count(), 0U);
    EXPECT_EQ(Draw(w, u"1e12", u"", u"").size(), 1U) << "a huge angle is still a direction";
}

TEST(Picture, FrameAxesAndDotAtStart) {
    World w;  // the first paint has run
    std::vector<std::string> ops = w.kit.Recording().Describe();
    auto has = [&](const std::string& line) { return std::find(ops.begin(), ops.end(), line) != ops.end(); };
    EXPECT_EQ(ops.front(), "FillRect 0, 0, 190, 190");
    EXPECT_TRUE(has("FrameRect 0, 0, 190, 190"));
    EXPECT_TRUE(has("Ellipse 10, 20, 170, 180"));
    EXPECT_TRUE(has("Polygon 185, 100, 175, 97, 175, 103"));
    EXPECT_TRUE(has("Polygon 90, 5, 87, 15, 93, 15"));
    EXPECT_TRUE(has("TextOut 97, 5 \"Im\""));
    EXPECT_TRUE(has("TextOut 175, 106 \"Re\""));
    EXPECT_EQ(ops.back(), "Ellipse 87, 97, 93, 103");
    EXPECT_TRUE(w.kit.Recording().Phasors({90, 100}).empty());
}

TEST(Picture, CheckBoxHidesAndShowsTheBoxAndTheLegend) {
    World w;
    const int before = static_cast<int>(w.kit.RecordedMessages().Count());
    w.kit.Click(World::Row("CB_Zeigerdiagramm"));
    EXPECT_FALSE(w.C("PB_Gauss").GetVisible());
    EXPECT_FALSE(w.C("P_Legende").GetVisible());
    w.C("Z1_E_Phi_Deg").SetText(u"45");
    w.kit.Click(World::Row("CB_Zeigerdiagramm"));
    EXPECT_TRUE(w.C("PB_Gauss").GetVisible());
    const auto drawn = w.kit.Recording().Phasors({90, 100});
    ASSERT_EQ(drawn.size(), 1U) << "shown again, it paints the current picture";
    EXPECT_EQ(drawn[0].to, (Point{146, 44}));
    EXPECT_EQ(static_cast<int>(w.kit.RecordedMessages().Count()), before);
}

// A surface that counts the operations drawn inside and outside its pictures.
class BracketCheck final : public ui::UiCanvas {
public:
    [[nodiscard]] int Width() const override { return 190; }
    [[nodiscard]] int Height() const override { return 190; }
    void SetPenWidth(int /*width*/) override {}
    void SetPenColor(ui::Color /*color*/) override {}
    void SetPenStyle(ui::PenStyle /*style*/) override {}
    void SetBrushColor(ui::Color /*color*/) override {}
    void SetFontColor(ui::Color /*color*/) override {}
    void SetFontSize(int /*points*/) override {}
    void FillRect(const ui::Rect& /*r*/) override { Drawn(); }
    void FrameRect(const ui::Rect& /*r*/) override { Drawn(); }
    void Ellipse(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) override { Drawn(); }
    void MoveTo(int /*x*/, int /*y*/) override {}
    void LineTo(int /*x*/, int /*y*/) override { Drawn(); }
    void Polygon(std::span<const Point> /*points*/) override { Drawn(); }
    void TextOut(int /*x*/, int /*y*/, std::u16string_view /*text*/) override { Drawn(); }
    void BeginPicture() override {
        ++begun;
        ++depth;
    }
    void EndPicture() override { --depth; }

    int begun = 0;
    int depth = 0;
    int inside = 0;
    int outside = 0;

private:
    void Drawn() { ++(depth > 0 ? inside : outside); }
};

TEST(Picture, EachPictureIsOneBracketClosedAlsoWhereItStops) {
    BracketCheck surface;
    ui::RecordingCanvas canvas(190, 190, &surface);
    diagram::DrawPicture(canvas, {{{true, u"30"}, {true, u"-45"}, {true, u"90"}}});
    EXPECT_EQ(surface.begun, 1);
    EXPECT_EQ(surface.depth, 0);
    EXPECT_EQ(surface.outside, 0) << "every operation of the picture lies inside its bracket";
    using Kind = ui::CanvasOp::Kind;
    const auto drawing = std::count_if(canvas.Operations().begin(), canvas.Operations().end(), [](const ui::CanvasOp& op) {
        return op.kind >= Kind::FillRect && op.kind != Kind::MoveTo;
    });
    EXPECT_EQ(surface.inside, drawing) << "every drawing operation reaches the surface";
    EXPECT_THROW(diagram::DrawPicture(canvas, {{{true, u"30"}, {true, u"4k"}, {true, u"90"}}}), CalcError);
    EXPECT_EQ(surface.begun, 2);
    EXPECT_EQ(surface.depth, 0) << "the bracket closes when the picture stops at an unreadable text";
    EXPECT_EQ(canvas.Describe().front(), "FillRect 0, 0, 190, 190") << "the bracket is no recorded operation";
}

}  // namespace
}  // namespace quorvel::test
