#include "calc/form1.h"

// The clear buttons reset operands and blank Z3's fields, keeping the value Z3 and the
// registers; the transfer buttons copy Z3's shown texts into an operand.

namespace quorvel::calc {

void Operand::WriteZeros() {
    // Each write that changes a rectangular text runs its change handling: the part
    // becomes 0 and the formula label hides.
    for (ui::UiControl* field :
         {&fields_.real, &fields_.imaginary, &fields_.magnitude, &fields_.radians, &fields_.degrees}) {
        field->SetText(u"0");
    }
}

void Operand::ZeroValue() {
    // Also where the texts already read "0" and no change handling ran.
    value_.SetReal(0);
    value_.SetImaginary(0);
}

void Operand::EmptyDegrees() { fields_.degrees.SetText(u""); }

void Operand::TakeOver(const ValueFields& z3) {
    // Before the first result Z3's fields are empty and there is nothing to take.
    if (z3.real.GetText().empty() && z3.imaginary.GetText().empty()) return;
    fields_.real.SetText(z3.real.GetText());
    fields_.imaginary.SetText(z3.imaginary.GetText());
    fields_.magnitude.SetText(z3.magnitude.GetText());
    fields_.radians.SetText(z3.radians.GetText());
    fields_.degrees.SetText(z3.degrees.GetText());
}

void Result::BlankAll() {
    for (ui::UiControl* field :
         {&fields_.real, &fields_.imaginary, &fields_.magnitude, &fields_.radians, &fields_.degrees}) {
        field->SetText(u" ");
    }
    inductance_.SetText(u"");
    capacitance_.SetText(u"");
}

void Result::EmptyDegrees() { fields_.degrees.SetText(u""); }

void TForm1::RedrawWithout(bool z1, bool z2, bool z3) {
    Canvas.SetBrushColor(Form1.GetColor());
    Canvas.FillRect({0, 0, Canvas.Width(), Canvas.Height()});
    Memory.Z1_mahlen = !z1;
    Memory.Z2_mahlen = !z2;
    Memory.Z3_mahlen = !z3;
    // The flags are true again afterwards even when the picture stops at an unreadable
    // degree text; a flag left false would hide that phasor from every later picture.
    struct Restore {
        ProgramMemory& memory;
        ~Restore() { memory.Z1_mahlen = memory.Z2_mahlen = memory.Z3_mahlen = true; }
    } restore{Memory};
    Zeigerdiagramm_malen();
}

void TForm1::B_CLR_ALLClick() {
    op1_.WriteZeros();
    op2_.WriteZeros();
    z3_.BlankAll();
    op1_.ZeroValue();
    op2_.ZeroValue();
    op1_.EmptyDegrees();
    op2_.EmptyDegrees();
    z3_.EmptyDegrees();
    RedrawWithout(true, true, true);
}

void TForm1::ClearOperand(Operand& op) {
    op.WriteZeros();
    Z3_Ergebnis_loeschen();
    op.ZeroValue();
    op.EmptyDegrees();
    RedrawWithout(&op == &op1_, &op == &op2_, false);
}

void TForm1::B_CLR_Z1Click() { ClearOperand(op1_); }
void TForm1::B_CLR_Z2Click() { ClearOperand(op2_); }

void TForm1::B_Ergebnis_in_Z1Click() { op1_.TakeOver(z3_.Fields()); }
void TForm1::B_Ergebnis_in_Z2Click() { op2_.TakeOver(z3_.Fields()); }

}  // namespace quorvel::calc
