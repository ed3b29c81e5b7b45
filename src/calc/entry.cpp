#include "calc/form1.h"

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

void TForm1::Z1_E_RealChange() {}
void TForm1::Z1_E_ImaginaerChange() {}
void TForm1::Z1_E_ImaginaerClick() {}
void TForm1::Z2_E_RealChange() {}
void TForm1::Z2_E_ImaginaerChange() {}
void TForm1::Z2_E_ImaginaerClick() {}
void TForm1::Z1_RB_Phi_DegClick() {}
void TForm1::Z1_RB_Phi_RadClick() {}
void TForm1::Z2_RB_Phi_DegClick() {}
void TForm1::Z2_RB_Phi_RadClick() {}
void TForm1::Z3_RB_Phi_DegClick() {}
void TForm1::Z3_RB_Phi_RadClick() {}
void TForm1::Z1_E_RealKeyPress(char16_t /*key*/) {}
void TForm1::Z1_E_ImaginaerKeyPress(char16_t /*key*/) {}
void TForm1::Z2_E_RealKeyPress(char16_t /*key*/) {}
void TForm1::Z2_E_ImaginaerKeyPress(char16_t /*key*/) {}
void TForm1::Z1_E_ABSKeyPress(char16_t /*key*/) {}
void TForm1::Z1_E_Phi_DegKeyPress(char16_t /*key*/) {}
void TForm1::Z1_E_Phi_RadKeyPress(char16_t /*key*/) {}
void TForm1::Z2_E_ABSKeyPress(char16_t /*key*/) {}
void TForm1::Z2_E_Phi_DegKeyPress(char16_t /*key*/) {}
void TForm1::Z2_E_Phi_RadKeyPress(char16_t /*key*/) {}

}  // namespace quorvel::calc
