#include "calc/form1.h"
#include "diagram/phasor_diagram.h"

// The phasor diagram of the three values, drawn from their degree texts.

namespace quorvel::calc {

void TForm1::ZeichnePfeil(ui::UiCanvas& PB, ui::Point P1, ui::Point P2) { diagram::DrawArrow(PB, P1, P2); }

void TForm1::Zeigerdiagramm_malen() {
    diagram::DrawPicture(Canvas, {{{Memory.Z1_mahlen, op1_.Fields().degrees.GetText()},
                                   {Memory.Z2_mahlen, op2_.Fields().degrees.GetText()},
                                   {Memory.Z3_mahlen, z3_.Fields().degrees.GetText()}}});
}

void TForm1::PB_GaussPaint() { Zeigerdiagramm_malen(); }

void TForm1::CB_ZeigerdiagrammClick() {
    // Nothing is drawn here: a paint box that appears raises its own paint event.
    const bool show = CB_Zeigerdiagramm.GetChecked();
    PB_Gauss.SetVisible(show);
    P_Legende.SetVisible(show);
}

}  // namespace quorvel::calc
