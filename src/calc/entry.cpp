#include "calc/display_rules.h"
#include "calc/form1.h"
#include "numbers/notation.h"

// The entry of Z1 and Z2: the rectangular fields, read at every change and confirmed
// with Enter; the polar fields, read only at Enter; the angle unit buttons; and the
// trimming of all entry fields that every confirmed entry ends with.

namespace quorvel::calc {

namespace {

// Blanks and control characters at either end go; those inside stay.
std::u16string_view Trimmed(std::u16string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] <= u' ') ++first;
    while (last > first && text[last - 1] <= u' ') --last;
    return text.substr(first, last - first);
}

void Trim(ui::UiControl& field) {
    const std::u16string text = field.GetText();
    const std::u16string_view trimmed = Trimmed(text);
    // Writing the same text raises nothing, so untouched fields run no handling.
    if (trimmed.size() != text.size()) field.SetText(trimmed);
}

// The part a rectangular text stands for while it is typed: empty and a lone "-"
// stand for 0, so a negative number can be typed from its sign on.
double TypedPart(const std::u16string& text) {
    if (text.empty() || text == u"-") return 0;
    return Zahleneingabe(text);
}

// An entry field at Enter: an empty field becomes "0", anything else is read.
double EnteredNumber(ui::UiControl& field) {
    const std::u16string text = field.GetText();
    if (!text.empty()) return Zahleneingabe(text);
    field.SetText(u"0");
    return 0;
}

}  // namespace

void Operand::TrimFields() {
    for (ui::UiControl* field : {&fields_.real, &fields_.imaginary, &fields_.magnitude, &fields_.radians,
                                 &fields_.degrees, &inductanceOrCapacitance_, &frequency_}) {
        Trim(*field);
    }
}

void Result::TrimFrequency() { Trim(frequency_); }

void TForm1::EingabenFormatierungen() {
    op1_.TrimFields();
    op2_.TrimFields();
    z3_.TrimFrequency();
}

void Operand::RealChanged() {
    value_.SetReal(TypedPart(fields_.real.GetText()));
    form_.Z3_L_Rechnung.SetVisible(false);
}

void Operand::ImaginaryChanged() {
    value_.SetImaginary(TypedPart(fields_.imaginary.GetText()));
    form_.Z3_L_Rechnung.SetVisible(false);
}

void Operand::EnterRectangular(std::u16string_view message) {
    try {
        value_.SetReal(EnteredNumber(fields_.real));
        value_.SetImaginary(EnteredNumber(fields_.imaginary));
    } catch (...) {
        form_.MessageDlgPosHelp(message);
        fields_.real.Undo();
        fields_.imaginary.Undo();
        return;
    }
    form_.EingabenFormatierungen();
    ShowPolar();
    form_.Zeigerdiagramm_malen();
}

void Operand::Paste(std::u16string_view real, std::u16string_view imaginary) {
    fields_.real.SetText(real);
    fields_.imaginary.SetText(imaginary);
    RealKey(ui::kEnterKey);
}

void Operand::RealKey(char16_t key) {
    if (key == ui::kEnterKey) EnterRectangular(row_.messages.real);
}

void Operand::ImaginaryKey(char16_t key) {
    if (key == ui::kEnterKey) EnterRectangular(row_.messages.imaginary);
}

void Operand::ImaginaryClicked() {
    // A lone "0" makes way for typing; 0,0 or 0,500000 stay.
    if (fields_.imaginary.GetText() == u"0") fields_.imaginary.SetText(u"");
}

bool Operand::ReadPolar(ui::UiControl& angle, std::u16string_view message, PolarInput& in) {
    try {
        in.magnitude = EnteredNumber(fields_.magnitude);
        in.angle = EnteredNumber(angle);
        return true;
    } catch (...) {
        form_.MessageDlgPosHelp(message);
        fields_.magnitude.Undo();
        fields_.radians.Undo();
        fields_.degrees.Undo();
        return false;
    }
}

void Operand::FinishPolar(double magnitude, double angle) {
    value_ = ComplexValue::FromPolar(magnitude, angle);
    ShowCoordinates();
    form_.Zeigerdiagramm_malen();
}

void Operand::MagnitudeKey(char16_t key) {
    if (key != ui::kEnterKey) return;
    // The angle comes from the radian field, whichever angle field is shown; the
    // degree field is not touched.
    PolarInput in{};
    if (!ReadPolar(fields_.radians, row_.messages.magnitude, in)) return;
    form_.EingabenFormatierungen();
    FinishPolar(in.magnitude, in.angle);
}

void Operand::DegreesKey(char16_t key) {
    if (key != ui::kEnterKey) return;
    PolarInput in{};
    if (!ReadPolar(fields_.degrees, row_.messages.degrees, in)) return;
    form_.EingabenFormatierungen();
    const double phi = DegToRad(in.angle);
    // The converted angle gets no zero test: 0 is written 0,000000E+00.
    fields_.radians.SetText(FieldText(phi, forms::kAngleOneSided2));
    FinishPolar(in.magnitude, phi);
}

void Operand::RadiansKey(char16_t key) {
    if (key != ui::kEnterKey) return;
    PolarInput in{};
    if (!ReadPolar(fields_.radians, row_.messages.radians, in)) return;
    form_.EingabenFormatierungen();
    fields_.degrees.SetText(FieldText(RadToDeg(in.angle), forms::kAngleOneSided2));
    // The value takes the angle as read, not the converted one.
    FinishPolar(in.magnitude, in.angle);
}

// The angle unit buttons only choose which of the two current angle fields is seen.
void ShowAngleField(const ValueFields& fields, bool degrees) {
    (degrees ? fields.radians : fields.degrees).SetVisible(false);
    (degrees ? fields.degrees : fields.radians).SetVisible(true);
}

void TForm1::Z1_E_RealChange() { op1_.RealChanged(); }
void TForm1::Z1_E_ImaginaerChange() { op1_.ImaginaryChanged(); }
void TForm1::Z1_E_RealKeyPress(char16_t key) { op1_.RealKey(key); }
void TForm1::Z1_E_ImaginaerKeyPress(char16_t key) { op1_.ImaginaryKey(key); }
void TForm1::Z1_E_ImaginaerClick() { op1_.ImaginaryClicked(); }
void TForm1::Z2_E_RealChange() { op2_.RealChanged(); }
void TForm1::Z2_E_ImaginaerChange() { op2_.ImaginaryChanged(); }
void TForm1::Z2_E_RealKeyPress(char16_t key) { op2_.RealKey(key); }
void TForm1::Z2_E_ImaginaerKeyPress(char16_t key) { op2_.ImaginaryKey(key); }
void TForm1::Z2_E_ImaginaerClick() { op2_.ImaginaryClicked(); }

void TForm1::Z1_E_ABSKeyPress(char16_t key) { op1_.MagnitudeKey(key); }
void TForm1::Z1_E_Phi_DegKeyPress(char16_t key) { op1_.DegreesKey(key); }
void TForm1::Z1_E_Phi_RadKeyPress(char16_t key) { op1_.RadiansKey(key); }
void TForm1::Z2_E_ABSKeyPress(char16_t key) { op2_.MagnitudeKey(key); }
void TForm1::Z2_E_Phi_DegKeyPress(char16_t key) { op2_.DegreesKey(key); }
void TForm1::Z2_E_Phi_RadKeyPress(char16_t key) { op2_.RadiansKey(key); }

void TForm1::Z1_RB_Phi_DegClick() { ShowAngleField(op1_.Fields(), true); }
void TForm1::Z1_RB_Phi_RadClick() { ShowAngleField(op1_.Fields(), false); }
void TForm1::Z2_RB_Phi_DegClick() { ShowAngleField(op2_.Fields(), true); }
void TForm1::Z2_RB_Phi_RadClick() { ShowAngleField(op2_.Fields(), false); }
void TForm1::Z3_RB_Phi_DegClick() { ShowAngleField(z3_.Fields(), true); }
void TForm1::Z3_RB_Phi_RadClick() { ShowAngleField(z3_.Fields(), false); }

}  // namespace quorvel::calc
