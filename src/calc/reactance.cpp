#include "calc/form1.h"

namespace quorvel::calc {

void Operand::RestoreReactanceColours() {
    frequency_.SetColor(ui::clWindow);
    inductanceOrCapacitance_.SetColor(ui::clWindow);
}

void TForm1::Z1_CB_XClick() {}
void TForm1::Z2_CB_XClick() {}
void TForm1::Z1_XLClick() {}
void TForm1::Z1_XCClick() {}
void TForm1::Z2_XLClick() {}
void TForm1::Z2_XCClick() {}
void TForm1::Z1_B_CLRClick() {}
void TForm1::Z2_B_CLRClick() {}
void TForm1::Z1_P_BlindwiderstandClick() {}

}  // namespace quorvel::calc
