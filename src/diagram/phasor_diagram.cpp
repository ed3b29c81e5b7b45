#include "diagram/phasor_diagram.h"

#include <optional>

#include "diagram/phasor_geometry.h"
#include "numbers/notation.h"

namespace quorvel::diagram {

namespace {

// The look of the picture.
constexpr ui::Color kQuadrantInk = ui::Rgb(239, 239, 239);  // barely darker than the paper
constexpr int kQuadrantFontPoints = 16;
constexpr int kAxisFontPoints = 8;
constexpr int kArrowLength = 10;     // the axis arrows beyond the axes' ends
constexpr int kPhasorPenWidth = 2;   // also what marks a phasor among the lines drawn
constexpr int kTipRadius = 2;        // the small circle at a phasor's tip
constexpr int kOriginRadius = 3;     // the dot at the origin
// The axis labels stand at fixed places, whatever the box's size.
constexpr ui::Point kImLabel{97, 5};
constexpr ui::Point kReLabel{175, 106};

// The quadrant labels, relative to the circle's top-left corner.
struct QuadrantLabel {
    int dx;
    int dy;
    std::u16string_view text;
};
constexpr std::array<QuadrantLabel, 4> kQuadrants{{
    {20, 35, u"-Z+j"},
    {90, 35, u"+Z+j"},
    {25, 95, u"-Z-j"},
    {95, 95, u"+Z-j"},
}};

// A phasor's own colour, and the colour that shows it covers an earlier one.
constexpr std::array<ui::Color, 3> kOwnColour{ui::clRed, ui::clGreen, ui::clBlue};
constexpr std::array<ui::Color, 3> kCoveringColour{ui::clRed, ui::clFuchsia, ui::clYellow};

void Circle(ui::UiCanvas& canvas, ui::Point centre, int radius) {
    canvas.Ellipse(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);
}

}  // namespace

void DrawArrow(ui::UiCanvas& canvas, ui::Point tail, ui::Point tip) {
    canvas.SetBrushColor(ui::clBlack);
    canvas.SetPenStyle(ui::PenStyle::Solid);
    canvas.MoveTo(tail.x, tail.y);
    canvas.LineTo(tip.x, tip.y);
    const std::array<ui::Point, 3> head = ArrowHead(tail, tip);
    canvas.SetBrushColor(ui::clBlack);
    canvas.Polygon(head);
}

void DrawPicture(ui::UiCanvas& PB, const std::array<PhasorSource, 3>& phasors) {
    const ui::PictureScope picture(PB);
    const Geometry g = GeometryFor(PB.Width(), PB.Height());

    PB.SetPenWidth(1);
    PB.SetPenColor(ui::clBlack);
    PB.SetBrushColor(ui::clWhite);
    PB.FillRect({0, 0, PB.Width(), PB.Height()});
    PB.SetBrushColor(ui::clBlack);
    PB.FrameRect({0, 0, PB.Width(), PB.Height()});
    PB.SetBrushColor(ui::clWhite);

    PB.SetPenStyle(ui::PenStyle::Dot);
    PB.Ellipse(g.Offset_X, g.Offset_Y, g.Breite + g.Offset_X, g.Hoehe + g.Offset_Y);

    PB.SetPenStyle(ui::PenStyle::Solid);
    PB.MoveTo(g.Offset_X - g.Linienzugabe, g.Nullpunkt_Y);
    PB.LineTo(g.Breite + g.Offset_X + g.Linienzugabe, g.Nullpunkt_Y);
    PB.MoveTo(g.Nullpunkt_X, g.Offset_Y - g.Linienzugabe);
    PB.LineTo(g.Nullpunkt_X, g.Hoehe + g.Offset_Y + g.Linienzugabe);

    PB.SetFontColor(kQuadrantInk);
    PB.SetFontSize(kQuadrantFontPoints);
    for (const QuadrantLabel& q : kQuadrants) PB.TextOut(g.Offset_X + q.dx, g.Offset_Y + q.dy, q.text);

    const ui::Point realTail{g.Breite + g.Offset_X + g.Linienzugabe, g.Nullpunkt_Y};
    DrawArrow(PB, realTail, {realTail.x + kArrowLength, realTail.y});
    const ui::Point imagTip{(g.Breite + g.Offset_X) / 2 + g.Offset_X / 2, g.Offset_Y / 2 - g.Linienzugabe};
    DrawArrow(PB, {imagTip.x, imagTip.y + kArrowLength}, imagTip);

    PB.SetFontColor(ui::clBlack);
    PB.SetBrushColor(ui::clWhite);
    PB.SetFontSize(kAxisFontPoints);
    PB.TextOut(kImLabel.x, kImLabel.y, u"Im");
    PB.TextOut(kReLabel.x, kReLabel.y, u"Re");

    PB.SetPenWidth(kPhasorPenWidth);
    const ui::Point origin{g.Nullpunkt_X, g.Nullpunkt_Y};
    std::array<std::optional<ui::Point>, 3> drawn{};
    for (std::size_t i = 0; i < phasors.size(); ++i) {
        if (!phasors[i].draw || phasors[i].degrees.empty()) continue;
        // An unreadable text stops the picture here; the error goes to the default box.
        const std::optional<ui::Point> end = EndPosition(StrToDouble(phasors[i].degrees), g.Radius);
        if (!end) continue;  // a non-finite angle points nowhere
        // Only phasors drawn earlier in this picture can be covered.
        bool covers = false;
        for (std::size_t j = 0; j < i; ++j) covers = covers || drawn[j] == end;
        const ui::Point tip{origin.x + end->x, origin.y + end->y};
        PB.SetPenColor(covers ? kCoveringColour[i] : kOwnColour[i]);
        PB.MoveTo(origin.x, origin.y);
        PB.LineTo(tip.x, tip.y);
        Circle(PB, tip, kTipRadius);
        drawn[i] = end;
    }

    PB.SetPenColor(ui::clBlack);
    PB.SetBrushColor(ui::clBlack);
    Circle(PB, origin, kOriginRadius);
}

}  // namespace quorvel::diagram
