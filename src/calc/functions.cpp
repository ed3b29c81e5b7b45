#include "calc/form1.h"

namespace quorvel::calc {

void TForm1::SB_Z1_ReziprokeClick() {}
void TForm1::SB_Z1_SQRClick() {}
void TForm1::SB_Z1_BSQRClick() {}
void TForm1::SB_Z1_SQRTClick() {}
void TForm1::SB_Z1_konjClick() {}
void TForm1::SB_Z1_PowerClick() {}
void TForm1::SB_Z1_LOGClick() {}
void TForm1::SB_Z2_ReziprokeClick() {}
void TForm1::SB_Z2_SQRClick() {}
void TForm1::SB_Z2_BSQRClick() {}
void TForm1::SB_Z2_SQRTClick() {}
void TForm1::SB_Z2_konjugiertClick() {}
void TForm1::SB_Z2_PowerClick() {}
void TForm1::SB_Z2_LOGClick() {}
void TForm1::SB_Z3_ReziprokeClick() {}
void TForm1::SB_Z3_SQRClick() {}
void TForm1::SB_Z3_BSQRClick() {}
void TForm1::SB_Z3_SQRTClick() {}
void TForm1::SB_Z3_konjungiertClick() {}
void TForm1::SB_Z3_PowerClick() {}
void TForm1::SB_Z3_LOGClick() {}

}  // namespace quorvel::calc
