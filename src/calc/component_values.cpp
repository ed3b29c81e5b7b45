#include "calc/form1.h"

namespace quorvel::calc {

void TForm1::Z3_CB_BEClick() {}
void TForm1::Z3_E_FKeyPress(char16_t /*key*/) {}
void TForm1::Z3_E_FChange() {}
void TForm1::Z3_Bauteilwerte() {}
void TForm1::Z3_Ergebnis_loeschen() {}

}  // namespace quorvel::calc
