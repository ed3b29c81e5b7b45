#include <cmath>
#include <numbers>

#include "calc/form1.h"
#include "numbers/notation.h"

// The component that has Z3's reactance at the frequency of Z3_E_F: an inductance for
// a positive imaginary part, a capacitance for a negative one. The reactance is read
// from the shown text of Z3's imaginary part, not from Z3 itself.

namespace quorvel::calc {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

}  // namespace

void TForm1::Z3_Bauteilwerte() {
    if (Z3_E_F.GetText().empty()) return;
    Z3_F = Zahleneingabe(Z3_E_F.GetText());
    const double X = static_cast<double>(StrToFloat(Z3_E_Imaginaer.GetText()));
    if (X == 0) {
        Z3_E_L.SetText(u"0");
        Z3_E_C.SetText(u"0");
        return;
    }
    if (Z3_F <= 0) return;
    if (X > 0) {
        const double L = static_cast<double>(static_cast<long double>(X) / (2 * kPi * Z3_F));
        const double Temp = AnzeigeWert(L);
        Z3_E_L_Einheit.SetText(u"H");
        Z3_E_L.SetText(FormatFixed3(Temp) + EinheitVorsatz(L));
        Z3_E_C.SetText(u"");
        Z3_E_C_Einheit.SetText(u"");
    } else {
        // X < 0, or not a number.
        const double C = static_cast<double>(1 / (std::fabs(static_cast<long double>(X)) * 2 * kPi * Z3_F));
        const double Temp = AnzeigeWert(C);
        Z3_E_C_Einheit.SetText(u"F");
        Z3_E_C.SetText(FormatFixed3(Temp) + EinheitVorsatz(C));
        Z3_E_L_Einheit.SetText(u"");
        Z3_E_L.SetText(u"");
    }
}

void TForm1::Z3_CB_BEClick() {
    Z3_P_BE.SetVisible(Z3_CB_BE.GetChecked());
    // The check box computes nothing; it only points at a frequency it cannot use.
    const std::u16string f = Z3_E_F.GetText();
    if (f.empty() || Zahleneingabe(f) == 0) {
        Z3_E_F.SetColor(ui::clRed);
        Timer1.SetEnabled(true);
    }
}

void TForm1::Z3_E_FKeyPress(char16_t key) {
    if (key != 13) return;
    try {
        const std::u16string f = Z3_E_F.GetText();
        if (f.empty()) return;
        Z3_F = Zahleneingabe(f);
    } catch (...) {
        MessageDlgPosHelp(u"Die eingegebene Frequenz ist ungültig");
        return;
    }
    if (Z3_F <= 0) {
        MessageDlgPosHelp(u"Die eingegebene Frequenz muß größer als 0 Hz sein");
        return;
    }
    Z3_Bauteilwerte();
}

void TForm1::Z3_E_FChange() {
    if (Z3_E_F.GetText().empty()) Z3_F = 0;
    Z3_E_L.SetText(u"");
    Z3_E_C.SetText(u"");
}

void TForm1::Z3_Ergebnis_loeschen() {
    // A blank rather than nothing in the magnitude keeps its grey placeholder hidden.
    Z3_E_Real.SetText(u" ");
    Z3_E_Imaginaer.SetText(u" ");
    Z3_E_ABS.SetText(u" ");
    Z3_E_Phi_Rad.SetText(u"");
    Z3_E_Phi_Deg.SetText(u"");
    Z3_E_L.SetText(u"");
    Z3_E_C.SetText(u"");
}

}  // namespace quorvel::calc
