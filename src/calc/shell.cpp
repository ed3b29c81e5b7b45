#include "calc/form1.h"

// The shell's own handlers: the first showing of the main window, the timer that takes
// back the red marks, the help switch, and the two buttons that end the program and
// open the constants window.

namespace quorvel::calc {

void TForm1::FormShow() {
    for (ComplexValue* v : {&Memory.M11, &Memory.M12, &Memory.M13, &Memory.M21, &Memory.M22, &Memory.M23, &Memory.M31,
                            &Memory.M32, &Memory.M33, &Z1, &Z2, &Z3}) {
        *v = ComplexValue::Create(0, 0);
    }
    SB_Z1parZ2ser.SetText(u"Z1 parallel -> Z3 seriell");
    SB_Z1serZ2par.SetText(u"Z1 seriell -> Z3 parallel");
    Memory.Z1_mahlen = true;
    Memory.Z2_mahlen = true;
    Memory.Z3_mahlen = true;
    platform_.SwitchWarningBeepOff();
}

void TForm1::Timer1Timer() {
    // Every tick restores all five fields, red or not: a mark lasts until the next tick
    // of the running timer, which is never restarted.
    op1_.RestoreReactanceColours();
    op2_.RestoreReactanceColours();
    z3_.RestoreFrequencyColour();
}

void TForm1::CB_HilfeClick() { Form1.SetShowHint(CB_Hilfe.GetChecked()); }

void TForm1::B_FertigClick() { Form1.Close(); }

void TForm1::B_KonstantenClick() { Form2.Show(); }

}  // namespace quorvel::calc
