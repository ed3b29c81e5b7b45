#include "calc/form1.h"

namespace quorvel::calc {

void TForm1::Zeigerdiagramm_malen() {}
void TForm1::PB_GaussPaint() {}
void TForm1::CB_ZeigerdiagrammClick() {}

}  // namespace quorvel::calc
