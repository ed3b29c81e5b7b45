#include "calc/form1.h"
#include "calc/registers.h"
#include "numbers/notation.h"

// The nine memory registers: three per value, stored from a value's shown texts,
// recalled into an operand's fields, and shown as the hint of every button that
// works them.

namespace quorvel::calc {

namespace {

std::u16string Digit(int d) { return std::u16string(1, static_cast<char16_t>(u'0' + d)); }

// A text the strict reader takes, or 0 for the empty text.
double StoredPart(const std::u16string& text) { return text.empty() ? 0.0 : StrToDouble(text); }

}  // namespace

std::u16string RegisterHint(const RegisterRef& reg) {
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) of a literal put in
    // front of a temporary string.
    std::u16string name(u"M");
    name += Digit(reg.group);
    name += u'.';
    name += Digit(reg.slot);
    const ComplexValue& v = *reg.value;
    // The part tests count a NaN as 0, so a register of NaN parts reads as empty.
    if (!PartDiffers(v.Real(), 0) && !PartDiffers(v.Imaginary(), 0)) return u"Memory " + name;
    return name + u": " + FormatGeneral(v.Real()) + u" j" + FormatGeneral(v.Imaginary());
}

void StoreFields(const RegisterRef& reg, const ui::UiControl& real, const ui::UiControl& imaginary,
                 ui::UiControl* boldOnStore) {
    // Each part is stored as soon as it is read: a failing imaginary text leaves the
    // new real part in the register.
    const std::u16string re = real.GetText();
    reg.value->SetReal(StoredPart(re));
    if (boldOnStore != nullptr && !re.empty()) boldOnStore->SetBold(true);
    reg.value->SetImaginary(StoredPart(imaginary.GetText()));
}

void RecallFields(const RegisterRef& reg, ui::UiControl& real, ui::UiControl& imaginary) {
    real.SetText(FormatGeneral(reg.value->Real()));
    imaginary.SetText(FormatGeneral(reg.value->Imaginary()));
}

void Operand::Store(int slot) { StoreFields(Register(slot), fields_.real, fields_.imaginary, nullptr); }

void Operand::Recall(int slot) { RecallFields(Register(slot), fields_.real, fields_.imaginary); }

void Operand::StoreHint(int slot) { storeButtons_.at(static_cast<std::size_t>(slot))->SetHint(RegisterHint(Register(slot))); }

void Operand::RecallHint(int slot) {
    recallButtons_.at(static_cast<std::size_t>(slot))->SetHint(RegisterHint(Register(slot)));
}

void Result::Store(int slot) {
    // Z3's store buttons turn bold once they have stored a shown real part.
    StoreFields(Register(slot), fields_.real, fields_.imaginary, storeButtons_.at(static_cast<std::size_t>(slot)));
}

void Result::StoreHint(int slot) { storeButtons_.at(static_cast<std::size_t>(slot))->SetHint(RegisterHint(Register(slot))); }

void Result::RecallInto(int slot, Operand& target) {
    RecallFields(Register(slot), target.Fields().real, target.Fields().imaginary);
}

void Result::RecallHint(int slot, const Operand& target) {
    const auto& buttons = recallButtons_.at(static_cast<std::size_t>(target.Group() - 1));
    buttons.at(static_cast<std::size_t>(slot))->SetHint(RegisterHint(Register(slot)));
}

void TForm1::B_Z1_M1Click() { op1_.Store(0); }
void TForm1::B_Z1_M1MouseEnter() { op1_.StoreHint(0); }
void TForm1::B_Z1_M2Click() { op1_.Store(1); }
void TForm1::B_Z1_M2MouseEnter() { op1_.StoreHint(1); }
void TForm1::B_Z1_M3Click() { op1_.Store(2); }
void TForm1::B_Z1_M3MouseEnter() { op1_.StoreHint(2); }
void TForm1::B_M1_Z1Click() { op1_.Recall(0); }
void TForm1::B_M1_Z1MouseEnter() { op1_.RecallHint(0); }
void TForm1::B_M2_Z1Click() { op1_.Recall(1); }
void TForm1::B_M2_Z1MouseEnter() { op1_.RecallHint(1); }
void TForm1::B_M3_Z1Click() { op1_.Recall(2); }
void TForm1::B_M3_Z1MouseEnter() { op1_.RecallHint(2); }
void TForm1::B_Z2_M1Click() { op2_.Store(0); }
void TForm1::B_Z2_M1MouseEnter() { op2_.StoreHint(0); }
void TForm1::B_Z2_M2Click() { op2_.Store(1); }
void TForm1::B_Z2_M2MouseEnter() { op2_.StoreHint(1); }
void TForm1::B_Z2_M3Click() { op2_.Store(2); }
void TForm1::B_Z2_M3MouseEnter() { op2_.StoreHint(2); }
void TForm1::B_M1_Z2Click() { op2_.Recall(0); }
void TForm1::B_M1_Z2MouseEnter() { op2_.RecallHint(0); }
void TForm1::B_M2_Z2Click() { op2_.Recall(1); }
void TForm1::B_M2_Z2MouseEnter() { op2_.RecallHint(1); }
void TForm1::B_M3_Z2Click() { op2_.Recall(2); }
void TForm1::B_M3_Z2MouseEnter() { op2_.RecallHint(2); }
void TForm1::B_Z3_M4Click() { z3_.Store(0); }
void TForm1::B_Z3_M4MouseEnter() { z3_.StoreHint(0); }
void TForm1::B_Z3_M5Click() { z3_.Store(1); }
void TForm1::B_Z3_M5MouseEnter() { z3_.StoreHint(1); }
void TForm1::B_Z3_M6Click() { z3_.Store(2); }
void TForm1::B_Z3_M6MouseEnter() { z3_.StoreHint(2); }
void TForm1::B_M4_Z1Click() { z3_.RecallInto(0, op1_); }
void TForm1::B_M4_Z1MouseEnter() { z3_.RecallHint(0, op1_); }
void TForm1::B_M5_Z1Click() { z3_.RecallInto(1, op1_); }
void TForm1::B_M5_Z1MouseEnter() { z3_.RecallHint(1, op1_); }
void TForm1::B_M6_Z1Click() { z3_.RecallInto(2, op1_); }
void TForm1::B_M6_Z1MouseEnter() { z3_.RecallHint(2, op1_); }
void TForm1::B_M4_Z2Click() { z3_.RecallInto(0, op2_); }
void TForm1::B_M4_Z2MouseEnter() { z3_.RecallHint(0, op2_); }
void TForm1::B_M5_Z2Click() { z3_.RecallInto(1, op2_); }
void TForm1::B_M5_Z2MouseEnter() { z3_.RecallHint(1, op2_); }
void TForm1::B_M6_Z2Click() { z3_.RecallInto(2, op2_); }
void TForm1::B_M6_Z2MouseEnter() { z3_.RecallHint(2, op2_); }

}  // namespace quorvel::calc
