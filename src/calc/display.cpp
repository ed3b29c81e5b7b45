#include <cmath>

#include "calc/display_rules.h"
#include "calc/form1.h"

// The eight displays, each a row of the display table written by one procedure.

namespace quorvel::calc {

void ShowValue(const ValueFields& fields, const ComplexValue& value, const DisplayForms& forms) {
    if (forms.real) fields.real.SetText(FieldText(value.Real(), *forms.real));
    if (forms.imaginary) fields.imaginary.SetText(FieldText(value.Imaginary(), *forms.imaginary));
    if (forms.magnitude) fields.magnitude.SetText(FieldText(Abs(value), *forms.magnitude));
    if (!forms.angles) return;
    const double angle = Angle(value);
    if (angle == 0) {
        fields.radians.SetText(u"0");
        fields.degrees.SetText(u"0");
        return;
    }
    fields.radians.SetText(FieldText(angle, forms.angles->radians));
    fields.degrees.SetText(FieldText(RadToDeg(angle), forms.angles->degrees));
}

void Operand::ShowCoordinates() {
    ShowValue(fields_, value_, kCoordinates);
    // This display writes "0" for a NaN part, and the part must then be 0: the change
    // handling sees to that, except where the field already read "0" and nothing
    // changed. A NaN left there would hide behind the "0" and reach every later result.
    if (std::isnan(value_.Real())) value_.SetReal(0);
    if (std::isnan(value_.Imaginary())) value_.SetImaginary(0);
}

void Operand::ShowPolar() { ShowValue(fields_, value_, kPolar); }

void Operand::ShowResult() {
    ShowValue(fields_, value_, OperandResult(row_.resultMagnitude));
    form_.EingabenFormatierungen();
}

void Result::ShowAfterFunction() {
    ShowValue(fields_, value_, kZ3Function);
    form_.EingabenFormatierungen();
}

void Result::ShowAfterOperation() {
    ShowValue(fields_, value_, kZ3Operation);
    // Also for a zero angle, so the component values and the diagram never show an
    // earlier result.
    form_.EingabenFormatierungen();
    ComponentValues();
    componentCheck_.SetEnabled(true);
    form_.Zeigerdiagramm_malen();
}

void TForm1::Z1_Koordinaten_anzeigen() { op1_.ShowCoordinates(); }
void TForm1::Z2_Koordinaten_anzeigen() { op2_.ShowCoordinates(); }
void TForm1::Z1_Polar_anzeigen() { op1_.ShowPolar(); }
void TForm1::Z2_Polar_anzeigen() { op2_.ShowPolar(); }
void TForm1::Z1_Ergebnis_anzeigen() { op1_.ShowResult(); }
void TForm1::Z2_Ergebnis_anzeigen() { op2_.ShowResult(); }
void TForm1::Z3_Ergebnis_anzeigen() { z3_.ShowAfterFunction(); }
void TForm1::Ergebnis_Z3_anzeigen() { z3_.ShowAfterOperation(); }

}  // namespace quorvel::calc
