#include "calc/functions.h"

#include "calc/form1.h"

// The single-operand functions: each applies to one value and puts the result back
// into it, then refreshes that value's display, Z3's fields and the diagram.

namespace quorvel::calc {

bool DomainAllows(Function f, const ComplexValue& v) noexcept {
    // Part tests count a NaN as 0: it neither differs from 0 nor is greater.
    if (f == Function::Logarithm) return PartGreater(v.Real(), 0) || PartGreater(v.Imaginary(), 0);
    return PartDiffers(v.Real(), 0) || PartDiffers(v.Imaginary(), 0);
}

ComplexValue Evaluate(Function f, const ComplexValue& v) {
    switch (f) {
        case Function::Reciprocal: return ComplexValue::FromNumber(1) / v;
        case Function::Square: return Sqr(v);
        case Function::AbsSquare:
            // A real value is squared as such; otherwise v times its conjugate, whose
            // imaginary part -ab + ba is exactly zero.
            if (PartEquals(v.Imaginary(), 0)) return Sqr(ComplexValue::Create(v.Real(), 0));
            return v * Conjugate(v);
        case Function::SquareRoot: return Sqrt(v);
        case Function::Conjugate: return Conjugate(v);
        case Function::PowerOfTen: return Power(ComplexValue::FromNumber(10), v);
        case Function::Logarithm: return Log10(v);
    }
    return v;
}

void Operand::Apply(Function f) {
    // A failing reciprocal ends the click here: the value and every field stay.
    if (DomainAllows(f, value_)) value_ = Evaluate(f, value_);
    ShowResult();
    form_.Z3_Ergebnis_loeschen();
    form_.Zeigerdiagramm_malen();
}

void Result::Apply(Function f) {
    if (DomainAllows(f, value_)) value_ = Evaluate(f, value_);
    ShowAfterFunction();
    ComponentValues();
    form_.Zeigerdiagramm_malen();
}

void TForm1::SB_Z1_ReziprokeClick() { op1_.Apply(Function::Reciprocal); }
void TForm1::SB_Z1_SQRClick() { op1_.Apply(Function::Square); }
void TForm1::SB_Z1_BSQRClick() { op1_.Apply(Function::AbsSquare); }
void TForm1::SB_Z1_SQRTClick() { op1_.Apply(Function::SquareRoot); }
void TForm1::SB_Z1_konjClick() { op1_.Apply(Function::Conjugate); }
void TForm1::SB_Z1_PowerClick() { op1_.Apply(Function::PowerOfTen); }
void TForm1::SB_Z1_LOGClick() { op1_.Apply(Function::Logarithm); }
void TForm1::SB_Z2_ReziprokeClick() { op2_.Apply(Function::Reciprocal); }
void TForm1::SB_Z2_SQRClick() { op2_.Apply(Function::Square); }
void TForm1::SB_Z2_BSQRClick() { op2_.Apply(Function::AbsSquare); }
void TForm1::SB_Z2_SQRTClick() { op2_.Apply(Function::SquareRoot); }
void TForm1::SB_Z2_konjugiertClick() { op2_.Apply(Function::Conjugate); }
void TForm1::SB_Z2_PowerClick() { op2_.Apply(Function::PowerOfTen); }
void TForm1::SB_Z2_LOGClick() { op2_.Apply(Function::Logarithm); }
void TForm1::SB_Z3_ReziprokeClick() { z3_.Apply(Function::Reciprocal); }
void TForm1::SB_Z3_SQRClick() { z3_.Apply(Function::Square); }
void TForm1::SB_Z3_BSQRClick() { z3_.Apply(Function::AbsSquare); }
void TForm1::SB_Z3_SQRTClick() { z3_.Apply(Function::SquareRoot); }
void TForm1::SB_Z3_konjungiertClick() { z3_.Apply(Function::Conjugate); }
void TForm1::SB_Z3_PowerClick() { z3_.Apply(Function::PowerOfTen); }
void TForm1::SB_Z3_LOGClick() { z3_.Apply(Function::Logarithm); }

}  // namespace quorvel::calc
