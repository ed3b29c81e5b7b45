#include "calc/form1.h"

// The operations that make Z3 from the operands, and the two conversions of the
// resistance-reactance pair in Z1. They read the values, never the entry texts.

namespace quorvel::calc {

namespace {

// The six two-operand operations compute only when some part of the operands is not
// zero; a NaN part counts as zero. Otherwise Z3 keeps its value and is shown again.
bool AnyPartNonZero(const ComplexValue& a, const ComplexValue& b) {
    return PartDiffers(a.Real(), 0) || PartDiffers(a.Imaginary(), 0) || PartDiffers(b.Real(), 0) ||
           PartDiffers(b.Imaginary(), 0);
}

}  // namespace

void TForm1::Arithmetic(ComplexValue (*op)(const ComplexValue&, const ComplexValue&), std::u16string_view formula) {
    // A failing division ends here: Z3, the label and the display stay as they were.
    if (AnyPartNonZero(Z1, Z2)) Z3 = op(Z1, Z2);
    Z3_L_Rechnung.SetText(formula);
    Z3_L_Rechnung.SetVisible(true);
    Ergebnis_Z3_anzeigen();
}

void TForm1::SB_AdditionClick() {
    Arithmetic([](const ComplexValue& a, const ComplexValue& b) { return a + b; }, u"Z3 = Z1 + Z2");
}

void TForm1::SB_SubtraktionClick() {
    Arithmetic([](const ComplexValue& a, const ComplexValue& b) { return a - b; }, u"Z3 = Z1 - Z2");
}

void TForm1::SB_MultiplikationClick() {
    Arithmetic([](const ComplexValue& a, const ComplexValue& b) { return a * b; }, u"Z3 = Z1 * Z2");
}

void TForm1::SB_DivisionClick() {
    Arithmetic([](const ComplexValue& a, const ComplexValue& b) { return a / b; }, u"Z3 = Z1 / Z2");
}

void TForm1::SB_Z1addZ2Click() {
    if (AnyPartNonZero(Z1, Z2)) Z3 = Z1 + Z2;
    Ergebnis_Z3_anzeigen();
}

void TForm1::SB_Z1parallelZ2Click() {
    if (AnyPartNonZero(Z1, Z2)) {
        ComplexValue P = Z1 * Z2;
        const ComplexValue S = Z1 + Z2;
        P = P / S;
        Z3 = P;
    }
    Ergebnis_Z3_anzeigen();
}

void TForm1::SB_Z1parZ2serClick() {
    // Rs = R X^2 / (R^2 + X^2) and Xs = X R^2 / (R^2 + X^2), in a form whose divisions
    // by zero give the limits: X = 0 or R = 0 makes Z3 zero.
    const long double R = Z1.Real();
    const long double X = Z1.Imaginary();
    if (PartEquals(Z1.Real(), 0) && PartEquals(Z1.Imaginary(), 0)) return;
    const long double t = R / X;
    Z3.SetReal(static_cast<double>(R / (t * t + 1)));
    const long double u = X / R;
    Z3.SetImaginary(static_cast<double>(X / (u * u + 1)));
    Ergebnis_Z3_anzeigen();
}

void TForm1::SB_Z1serZ2parClick() {
    // Rp = (R^2 + X^2) / R and Xp = (R^2 + X^2) / X; a zero part gives an infinity in
    // the other.
    const long double R = Z1.Real();
    const long double X = Z1.Imaginary();
    if (PartEquals(Z1.Real(), 0) && PartEquals(Z1.Imaginary(), 0)) return;
    Z3.SetReal(static_cast<double>(R + X * X / R));
    Z3.SetImaginary(static_cast<double>(X + R * R / X));
    Ergebnis_Z3_anzeigen();
}

}  // namespace quorvel::calc
