#include "calc/form1.h"
#include "numbers/constants.h"
#include "numbers/notation.h"

// The reactance calculators of Z1 and Z2: an inductance or a capacitance at a
// frequency becomes +jXL or -jXC, written as text into the operand's imaginary field,
// whose change handling takes the number over.

namespace quorvel::calc {

namespace {

// A field the calculator can use holds a number other than 0. An unreadable text
// fails with the conversion error, which reaches the default box: nothing is marked.
bool Usable(const ui::UiControl& field) {
    const std::u16string text = field.GetText();
    return !text.empty() && Zahleneingabe(text) != 0;
}

}  // namespace

void Operand::ReactanceCheckClicked() { reactancePanel_.SetVisible(reactanceCheck_.GetChecked()); }

void Operand::Reject(ui::UiControl& field) {
    field.SetColor(ui::clRed);
    fields_.imaginary.SetText(u"");
    // A running timer keeps its period, so the mark lasts until its next tick.
    form_.Timer1.SetEnabled(true);
}

void Operand::Reactance(bool capacitive) {
    // The inductance or capacitance is tested first, so one click marks one field.
    if (!Usable(inductanceOrCapacitance_)) return Reject(inductanceOrCapacitance_);
    if (!Usable(frequency_)) return Reject(frequency_);
    const long double F = Zahleneingabe(frequency_.GetText());
    const long double value = Zahleneingabe(inductanceOrCapacitance_.GetText());
    const long double omega = 2 * kPi * F;
    const double X = static_cast<double>(capacitive ? -(1 / (omega * value)) : omega * value);
    // Both bounds belong to the exponent form; a capacitive reactance is judged by its
    // size, so every negative input (whose result has the other sign) takes it too.
    const long double size = capacitive ? -static_cast<long double>(X) : static_cast<long double>(X);
    const bool exponent = size >= 1000.0L || size <= 0.001L;
    fields_.imaginary.SetText(exponent ? FormatExponent(X, true) : FormatFixed(X));
}

void Operand::Inductance() { Reactance(false); }

void Operand::Capacitance() { Reactance(true); }

void Operand::ClearReactance() {
    // The frequency is emptied too; it does not return to its starting text.
    inductanceOrCapacitance_.SetText(u"");
    frequency_.SetText(u"");
}

void Operand::RestoreReactanceColours() {
    frequency_.SetColor(ui::clWindow);
    inductanceOrCapacitance_.SetColor(ui::clWindow);
}

void TForm1::Z1_CB_XClick() { op1_.ReactanceCheckClicked(); }
void TForm1::Z2_CB_XClick() { op2_.ReactanceCheckClicked(); }
void TForm1::Z1_XLClick() { op1_.Inductance(); }
void TForm1::Z1_XCClick() { op1_.Capacitance(); }
void TForm1::Z2_XLClick() { op2_.Inductance(); }
void TForm1::Z2_XCClick() { op2_.Capacitance(); }
void TForm1::Z1_B_CLRClick() { op1_.ClearReactance(); }
void TForm1::Z2_B_CLRClick() { op2_.ClearReactance(); }
// A click on the free area of the panel does nothing; the layout binds no event to it.
void TForm1::Z1_P_BlindwiderstandClick() {}

}  // namespace quorvel::calc
