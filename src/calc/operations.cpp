#include "calc/form1.h"

namespace quorvel::calc {

void TForm1::SB_AdditionClick() {}
void TForm1::SB_SubtraktionClick() {}
void TForm1::SB_MultiplikationClick() {}
void TForm1::SB_DivisionClick() {}
void TForm1::SB_Z1addZ2Click() {}
void TForm1::SB_Z1parallelZ2Click() {}
void TForm1::SB_Z1parZ2serClick() {}
void TForm1::SB_Z1serZ2parClick() {}

}  // namespace quorvel::calc
