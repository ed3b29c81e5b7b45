#include <cmath>

#include "calc/form1.h"
#include "numbers/constants.h"
#include "numbers/notation.h"

// The component that has Z3's reactance at the frequency of Z3_E_F: an inductance for
// a positive imaginary part, a capacitance for a negative one. The reactance is read
// from the shown text of Z3's imaginary part, not from Z3 itself.

namespace quorvel::calc {

void Result::ComponentValues() {
    if (frequency_.GetText().empty()) return;
    frequencyValue_ = Zahleneingabe(frequency_.GetText());
    // The shown reactance is kept as a double, as the strict reader's callers keep
    // their values; the component values are then computed at extended precision.
    const long double X = StrToDouble(fields_.imaginary.GetText());
    if (X == 0) {
        inductance_.SetText(u"0");
        capacitance_.SetText(u"0");
        return;
    }
    const double F = frequencyValue_;
    if (F <= 0) return;
    if (X > 0) {
        const double L = static_cast<double>(X / (2 * kPi * F));
        const double Temp = AnzeigeWert(L);
        inductanceUnit_.SetText(u"H");
        inductance_.SetText(FormatFixed3(Temp) + EinheitVorsatz(L));
        capacitance_.SetText(u"");
        capacitanceUnit_.SetText(u"");
    } else {
        // X < 0, or not a number.
        const double C = static_cast<double>(1 / (std::fabs(X) * 2 * kPi * F));
        const double Temp = AnzeigeWert(C);
        capacitanceUnit_.SetText(u"F");
        capacitance_.SetText(FormatFixed3(Temp) + EinheitVorsatz(C));
        inductanceUnit_.SetText(u"");
        inductance_.SetText(u"");
    }
}

void Result::ComponentCheckClicked() {
    componentPanel_.SetVisible(componentCheck_.GetChecked());
    // The check box computes nothing; it only points at a frequency it cannot use.
    const std::u16string f = frequency_.GetText();
    if (f.empty() || Zahleneingabe(f) == 0) {
        frequency_.SetColor(ui::clRed);
        form_.Timer1.SetEnabled(true);
    }
}

void Result::RestoreFrequencyColour() { frequency_.SetColor(ui::clWindow); }

void Result::FrequencyKey(char16_t key) {
    if (key != ui::kEnterKey) return;
    try {
        const std::u16string f = frequency_.GetText();
        if (f.empty()) return;
        frequencyValue_ = Zahleneingabe(f);
    } catch (...) {
        form_.MessageDlgPosHelp(u"Die eingegebene Frequenz ist ungültig");
        return;
    }
    if (frequencyValue_ <= 0) {
        form_.MessageDlgPosHelp(u"Die eingegebene Frequenz muß größer als 0 Hz sein");
        return;
    }
    ComponentValues();
}

void Result::FrequencyChanged() {
    if (frequency_.GetText().empty()) frequencyValue_ = 0;
    inductance_.SetText(u"");
    capacitance_.SetText(u"");
}

void Result::Blank() {
    // A blank rather than nothing in the magnitude keeps its grey placeholder hidden.
    fields_.real.SetText(u" ");
    fields_.imaginary.SetText(u" ");
    fields_.magnitude.SetText(u" ");
    fields_.radians.SetText(u"");
    fields_.degrees.SetText(u"");
    inductance_.SetText(u"");
    capacitance_.SetText(u"");
}

void TForm1::Z3_Bauteilwerte() { z3_.ComponentValues(); }
void TForm1::Z3_CB_BEClick() { z3_.ComponentCheckClicked(); }
void TForm1::Z3_E_FKeyPress(char16_t key) { z3_.FrequencyKey(key); }
void TForm1::Z3_E_FChange() { z3_.FrequencyChanged(); }
void TForm1::Z3_Ergebnis_loeschen() { z3_.Blank(); }

}  // namespace quorvel::calc
