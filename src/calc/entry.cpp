#include "calc/form1.h"

namespace quorvel::calc {

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
