#include "calc/form1.h"

namespace quorvel::calc {

void TForm1::B_Z1_M1Click() {}
void TForm1::B_Z1_M1MouseEnter() {}
void TForm1::B_Z1_M2Click() {}
void TForm1::B_Z1_M2MouseEnter() {}
void TForm1::B_Z1_M3Click() {}
void TForm1::B_Z1_M3MouseEnter() {}
void TForm1::B_M1_Z1Click() {}
void TForm1::B_M1_Z1MouseEnter() {}
void TForm1::B_M2_Z1Click() {}
void TForm1::B_M2_Z1MouseEnter() {}
void TForm1::B_M3_Z1Click() {}
void TForm1::B_M3_Z1MouseEnter() {}
void TForm1::B_Z2_M1Click() {}
void TForm1::B_Z2_M1MouseEnter() {}
void TForm1::B_Z2_M2Click() {}
void TForm1::B_Z2_M2MouseEnter() {}
void TForm1::B_Z2_M3Click() {}
void TForm1::B_Z2_M3MouseEnter() {}
void TForm1::B_M1_Z2Click() {}
void TForm1::B_M1_Z2MouseEnter() {}
void TForm1::B_M2_Z2Click() {}
void TForm1::B_M2_Z2MouseEnter() {}
void TForm1::B_M3_Z2Click() {}
void TForm1::B_M3_Z2MouseEnter() {}
void TForm1::B_Z3_M4Click() {}
void TForm1::B_Z3_M4MouseEnter() {}
void TForm1::B_Z3_M5Click() {}
void TForm1::B_Z3_M5MouseEnter() {}
void TForm1::B_Z3_M6Click() {}
void TForm1::B_Z3_M6MouseEnter() {}
void TForm1::B_M4_Z1Click() {}
void TForm1::B_M4_Z1MouseEnter() {}
void TForm1::B_M5_Z1Click() {}
void TForm1::B_M5_Z1MouseEnter() {}
void TForm1::B_M6_Z1Click() {}
void TForm1::B_M6_Z1MouseEnter() {}
void TForm1::B_M4_Z2Click() {}
void TForm1::B_M4_Z2MouseEnter() {}
void TForm1::B_M5_Z2Click() {}
void TForm1::B_M5_Z2MouseEnter() {}
void TForm1::B_M6_Z2Click() {}
void TForm1::B_M6_Z2MouseEnter() {}

}  // namespace quorvel::calc
