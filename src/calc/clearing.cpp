#include "calc/form1.h"

namespace quorvel::calc {

void TForm1::B_CLR_ALLClick() {}
void TForm1::B_CLR_Z1Click() {}
void TForm1::B_CLR_Z2Click() {}
void TForm1::B_Ergebnis_in_Z1Click() {}
void TForm1::B_Ergebnis_in_Z2Click() {}

}  // namespace quorvel::calc
