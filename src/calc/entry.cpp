#include <optional>

#include "calc/display_rules.h"
#include "calc/form1.h"
#include "numbers/notation.h"

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

}  // namespace

void TForm1::EingabenFormatierungen() {
    for (ui::UiControl* field : {&Z1_E_Real, &Z1_E_Imaginaer, &Z1_E_ABS, &Z1_E_Phi_Rad, &Z1_E_Phi_Deg, &Z1_E_XL_XC, &Z1_E_F,
                                 &Z2_E_Real, &Z2_E_Imaginaer, &Z2_E_ABS, &Z2_E_Phi_Rad, &Z2_E_Phi_Deg, &Z2_E_XL_XC, &Z2_E_F,
                                 &Z3_E_F}) {
        const std::u16string text = field->GetText();
        const std::u16string_view trimmed = Trimmed(text);
        // Writing the same text raises nothing, so untouched fields run no handling.
        if (trimmed.size() != text.size()) field->SetText(trimmed);
    }
}

namespace {

constexpr char16_t kEnter = 13;
constexpr std::u16string_view kInvalid = u"Die eingegebene Zahl ist ungültig";
constexpr std::u16string_view kInvalidStop = u"Die eingegebene Zahl ist ungültig.";

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

void TForm1::Z1_E_RealChange() {
    Z1.SetReal(TypedPart(Z1_E_Real.GetText()));
    Z3_L_Rechnung.SetVisible(false);
}

void TForm1::Z1_E_ImaginaerChange() {
    Z1.SetImaginary(TypedPart(Z1_E_Imaginaer.GetText()));
    Z3_L_Rechnung.SetVisible(false);
}

void TForm1::Z2_E_RealChange() {
    Z2.SetReal(TypedPart(Z2_E_Real.GetText()));
    Z3_L_Rechnung.SetVisible(false);
}

void TForm1::Z2_E_ImaginaerChange() {
    Z2.SetImaginary(TypedPart(Z2_E_Imaginaer.GetText()));
    Z3_L_Rechnung.SetVisible(false);
}

void TForm1::EnterRectangular(const Operand& op, std::u16string_view message) {
    try {
        op.value.SetReal(EnteredNumber(op.real));
        op.value.SetImaginary(EnteredNumber(op.imaginary));
    } catch (...) {
        MessageDlgPosHelp(message);
        op.real.Undo();
        op.imaginary.Undo();
        return;
    }
    EingabenFormatierungen();
    (this->*op.polar)();
    Zeigerdiagramm_malen();
}

void TForm1::Z1_E_RealKeyPress(char16_t key) {
    if (key == kEnter) EnterRectangular(Operand1(), kInvalidStop);
}

void TForm1::Z1_E_ImaginaerKeyPress(char16_t key) {
    if (key == kEnter) EnterRectangular(Operand1(), kInvalid);
}

void TForm1::Z2_E_RealKeyPress(char16_t key) {
    if (key == kEnter) EnterRectangular(Operand2(), kInvalid);
}

void TForm1::Z2_E_ImaginaerKeyPress(char16_t key) {
    if (key == kEnter) EnterRectangular(Operand2(), kInvalid);
}

void TForm1::Z1_E_ImaginaerClick() {
    // A lone "0" makes way for typing; 0,0 or 0,500000 stay.
    if (Z1_E_Imaginaer.GetText() == u"0") Z1_E_Imaginaer.SetText(u"");
}

void TForm1::Z2_E_ImaginaerClick() {
    if (Z2_E_Imaginaer.GetText() == u"0") Z2_E_Imaginaer.SetText(u"");
}

std::optional<TForm1::PolarInput> TForm1::ReadPolar(const Operand& op, ui::UiControl& angle, std::u16string_view message) {
    try {
        PolarInput in{};
        in.magnitude = EnteredNumber(op.abs);
        in.angle = EnteredNumber(angle);
        return in;
    } catch (...) {
        MessageDlgPosHelp(message);
        op.abs.Undo();
        op.rad.Undo();
        op.deg.Undo();
        return std::nullopt;
    }
}

TForm1::Operand TForm1::Operand1() {
    return {Z1, Z1_E_Real, Z1_E_Imaginaer, Z1_E_ABS, Z1_E_Phi_Rad, Z1_E_Phi_Deg, &TForm1::Z1_Koordinaten_anzeigen,
            &TForm1::Z1_Polar_anzeigen};
}

TForm1::Operand TForm1::Operand2() {
    return {Z2, Z2_E_Real, Z2_E_Imaginaer, Z2_E_ABS, Z2_E_Phi_Rad, Z2_E_Phi_Deg, &TForm1::Z2_Koordinaten_anzeigen,
            &TForm1::Z2_Polar_anzeigen};
}

void TForm1::EnterMagnitude(const Operand& op, std::u16string_view message) {
    // The angle comes from the radian field, whichever angle field is shown; the
    // degree field is not touched.
    const auto in = ReadPolar(op, op.rad, message);
    if (!in) return;
    EingabenFormatierungen();
    op.value = ComplexValue::FromPolar(in->magnitude, in->angle);
    (this->*op.koordinaten)();
    Zeigerdiagramm_malen();
}

void TForm1::EnterDegrees(const Operand& op, std::u16string_view message) {
    const auto in = ReadPolar(op, op.deg, message);
    if (!in) return;
    EingabenFormatierungen();
    const double phi = DegToRad(in->angle);
    // The converted angle gets no zero test: 0 is written 0,000000E+00.
    op.rad.SetText(FieldText(phi, FormRule::OneSided, Exponent::TwoDigit, ZeroTest::None));
    op.value = ComplexValue::FromPolar(in->magnitude, phi);
    (this->*op.koordinaten)();
    Zeigerdiagramm_malen();
}

void TForm1::EnterRadians(const Operand& op, std::u16string_view message) {
    const auto in = ReadPolar(op, op.rad, message);
    if (!in) return;
    EingabenFormatierungen();
    op.deg.SetText(FieldText(RadToDeg(in->angle), FormRule::OneSided, Exponent::TwoDigit, ZeroTest::None));
    // The value takes the angle as read, not the converted one.
    op.value = ComplexValue::FromPolar(in->magnitude, in->angle);
    (this->*op.koordinaten)();
    Zeigerdiagramm_malen();
}

void TForm1::Z1_E_ABSKeyPress(char16_t key) {
    if (key == kEnter) EnterMagnitude(Operand1(), kInvalid);
}

void TForm1::Z2_E_ABSKeyPress(char16_t key) {
    if (key == kEnter) EnterMagnitude(Operand2(), kInvalid);
}

void TForm1::Z1_E_Phi_DegKeyPress(char16_t key) {
    if (key == kEnter) EnterDegrees(Operand1(), kInvalidStop);
}

void TForm1::Z2_E_Phi_DegKeyPress(char16_t key) {
    if (key == kEnter) EnterDegrees(Operand2(), kInvalidStop);
}

void TForm1::Z1_E_Phi_RadKeyPress(char16_t key) {
    if (key == kEnter) EnterRadians(Operand1(), kInvalidStop);
}

void TForm1::Z2_E_Phi_RadKeyPress(char16_t key) {
    if (key == kEnter) EnterRadians(Operand2(), kInvalid);
}

// The angle unit buttons only choose which of the two current angle fields is seen.
void TForm1::Z1_RB_Phi_DegClick() {
    Z1_E_Phi_Rad.SetVisible(false);
    Z1_E_Phi_Deg.SetVisible(true);
}

void TForm1::Z1_RB_Phi_RadClick() {
    Z1_E_Phi_Deg.SetVisible(false);
    Z1_E_Phi_Rad.SetVisible(true);
}

void TForm1::Z2_RB_Phi_DegClick() {
    Z2_E_Phi_Rad.SetVisible(false);
    Z2_E_Phi_Deg.SetVisible(true);
}

void TForm1::Z2_RB_Phi_RadClick() {
    Z2_E_Phi_Deg.SetVisible(false);
    Z2_E_Phi_Rad.SetVisible(true);
}

void TForm1::Z3_RB_Phi_DegClick() {
    Z3_E_Phi_Rad.SetVisible(false);
    Z3_E_Phi_Deg.SetVisible(true);
}

void TForm1::Z3_RB_Phi_RadClick() {
    Z3_E_Phi_Deg.SetVisible(false);
    Z3_E_Phi_Rad.SetVisible(true);
}

}  // namespace quorvel::calc
