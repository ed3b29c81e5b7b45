#include "calc/form1.h"
#include "diagram/phasor_geometry.h"
#include "numbers/notation.h"

// The phasor diagram: the reference circle, the axes and one phasor per value whose
// degree field holds a number, all of the same length, drawn anew each time.

namespace quorvel::calc {

using ui::Point;

void TForm1::ZeichnePfeil(ui::UiCanvas& PB, Point P1, Point P2) {
    PB.SetBrushColor(ui::clBlack);
    PB.SetPenStyle(ui::PenStyle::Solid);
    PB.MoveTo(P1.x, P1.y);
    PB.LineTo(P2.x, P2.y);
    const std::array<Point, 3> Punkte = diagram::ArrowHead(P1, P2);
    PB.SetBrushColor(ui::clBlack);
    PB.Polygon(Punkte);
}

void TForm1::Zeigerdiagramm_malen() {
    ui::UiCanvas& PB = Canvas;
    const diagram::Geometry g = diagram::GeometryFor(PB.Width(), PB.Height());

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

    PB.SetFontColor(ui::Rgb(239, 239, 239));
    PB.SetFontSize(16);
    PB.TextOut(g.Offset_X + 20, g.Offset_Y + 35, u"-Z+j");
    PB.TextOut(g.Offset_X + 90, g.Offset_Y + 35, u"+Z+j");
    PB.TextOut(g.Offset_X + 25, g.Offset_Y + 95, u"-Z-j");
    PB.TextOut(g.Offset_X + 95, g.Offset_Y + 95, u"+Z-j");

    const Point realTail{g.Breite + g.Offset_X + g.Linienzugabe, g.Nullpunkt_Y};
    ZeichnePfeil(PB, realTail, {realTail.x + 10, realTail.y});
    const Point imagTip{(g.Breite + g.Offset_X) / 2 + g.Offset_X / 2, g.Offset_Y / 2 - g.Linienzugabe};
    ZeichnePfeil(PB, {imagTip.x, imagTip.y + 10}, imagTip);

    PB.SetFontColor(ui::clBlack);
    PB.SetBrushColor(ui::clWhite);
    PB.SetFontSize(8);
    PB.TextOut(97, 5, u"Im");
    PB.TextOut(175, 106, u"Re");

    PB.SetPenWidth(2);
    const Point origin{g.Nullpunkt_X, g.Nullpunkt_Y};
    struct Drawn {
        bool drawn = false;
        Point end{};
    };
    std::array<Drawn, 3> drawn{};
    const std::array<std::pair<bool, ui::UiControl*>, 3> phasors{
        {{Memory.Z1_mahlen, &Z1_E_Phi_Deg}, {Memory.Z2_mahlen, &Z2_E_Phi_Deg}, {Memory.Z3_mahlen, &Z3_E_Phi_Deg}}};
    for (std::size_t i = 0; i < phasors.size(); ++i) {
        const std::u16string text = phasors[i].second->GetText();
        if (!phasors[i].first || text.empty()) continue;
        // An unreadable text stops the picture here; the error goes to the default box.
        const std::optional<Point> end = diagram::EndPosition(StrToFloat(text), g.Radius);
        if (!end) continue;  // a non-finite angle points nowhere
        auto coincides = [&](std::size_t j) { return drawn[j].drawn && drawn[j].end == *end; };
        ui::Color color = i == 0 ? ui::clRed : i == 1 ? ui::clGreen : ui::clBlue;
        if (i == 1 && coincides(0)) color = ui::clFuchsia;
        if (i == 2 && (coincides(0) || coincides(1))) color = ui::clYellow;
        const Point tip{origin.x + end->x, origin.y + end->y};
        PB.SetPenColor(color);
        PB.MoveTo(origin.x, origin.y);
        PB.LineTo(tip.x, tip.y);
        PB.Ellipse(tip.x - 2, tip.y - 2, tip.x + 2, tip.y + 2);
        drawn[i] = {true, *end};
    }

    PB.SetPenColor(ui::clBlack);
    PB.SetBrushColor(ui::clBlack);
    PB.Ellipse(origin.x - 3, origin.y - 3, origin.x + 3, origin.y + 3);
}

void TForm1::PB_GaussPaint() { Zeigerdiagramm_malen(); }

void TForm1::CB_ZeigerdiagrammClick() {
    // Nothing is drawn here: a paint box that appears raises its own paint event.
    const bool show = CB_Zeigerdiagramm.GetChecked();
    PB_Gauss.SetVisible(show);
    P_Legende.SetVisible(show);
}

}  // namespace quorvel::calc
