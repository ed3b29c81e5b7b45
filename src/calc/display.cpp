#include <cmath>

#include "calc/display_rules.h"
#include "calc/form1.h"
#include "numbers/notation.h"

// The eight displays. Every quantity is read from the value right before its field is
// written: a write into a rectangular field of Z1 or Z2 changes the value through its
// change handling.

namespace quorvel::calc {

std::u16string FieldText(double x, FormRule rule, Exponent exponent, ZeroTest zero) {
    if (zero == ZeroTest::Exact && x == 0) return u"0";
    if (zero == ZeroTest::NanIsZero && PartEquals(x, 0)) return u"0";
    // The bounds are compared at extended precision, so the double read from "0,001"
    // lies inside the band.
    const long double v = x;
    bool fixed = false;
    switch (rule) {
        case FormRule::TwoSided: fixed = (v >= 0.001L && v <= 1000.0L) || (v <= -0.001L && v >= -1000.0L); break;
        case FormRule::OneSided: fixed = !(v > 1000.0L || v < 0.001L); break;
        case FormRule::AlwaysFixed: fixed = true; break;
    }
    // Both forms write non-finite numbers as INF, -INF and NAN.
    return fixed ? FormatFixed(x) : FormatExponent(x, exponent == Exponent::TwoDigit);
}

double RadToDeg(double radians) { return static_cast<double>(radians * 57.295779513082320877L); }

double DegToRad(double degrees) { return static_cast<double>(degrees * 0.017453292519943295769L); }

namespace {

constexpr auto kTwo = FormRule::TwoSided;
constexpr auto kOne = FormRule::OneSided;
constexpr auto k2 = Exponent::TwoDigit;
constexpr auto kShort = Exponent::Short;

// The angle fields share one zero test: a zero angle is "0" in both.
void WriteAngles(ui::UiControl& rad, ui::UiControl& deg, double angle, FormRule radRule, Exponent radExp) {
    if (angle == 0) {
        rad.SetText(u"0");
        deg.SetText(u"0");
        return;
    }
    rad.SetText(FieldText(angle, radRule, radExp, ZeroTest::None));
    deg.SetText(FieldText(RadToDeg(angle), radRule == FormRule::AlwaysFixed ? FormRule::AlwaysFixed : kOne, k2,
                          ZeroTest::None));
}

}  // namespace

void TForm1::Z1_Koordinaten_anzeigen() {
    Z1_E_Real.SetText(FieldText(Z1.Real(), kTwo, kShort, ZeroTest::NanIsZero));
    Z1_E_Imaginaer.SetText(FieldText(Z1.Imaginary(), kTwo, kShort, ZeroTest::NanIsZero));
}

void TForm1::Z2_Koordinaten_anzeigen() {
    Z2_E_Real.SetText(FieldText(Z2.Real(), kTwo, kShort, ZeroTest::NanIsZero));
    Z2_E_Imaginaer.SetText(FieldText(Z2.Imaginary(), kTwo, kShort, ZeroTest::NanIsZero));
}

void TForm1::Z1_Polar_anzeigen() {
    Z1_E_ABS.SetText(FieldText(Abs(Z1), kOne, k2, ZeroTest::Exact));
    WriteAngles(Z1_E_Phi_Rad, Z1_E_Phi_Deg, Angle(Z1), FormRule::AlwaysFixed, k2);
}

void TForm1::Z2_Polar_anzeigen() {
    Z2_E_ABS.SetText(FieldText(Abs(Z2), kOne, k2, ZeroTest::Exact));
    WriteAngles(Z2_E_Phi_Rad, Z2_E_Phi_Deg, Angle(Z2), FormRule::AlwaysFixed, k2);
}

void TForm1::Z1_Ergebnis_anzeigen() {
    Z1_E_Real.SetText(FieldText(Z1.Real(), kTwo, kShort, ZeroTest::Exact));
    Z1_E_Imaginaer.SetText(FieldText(Z1.Imaginary(), kTwo, kShort, ZeroTest::Exact));
    Z1_E_ABS.SetText(FieldText(Abs(Z1), kOne, k2, ZeroTest::Exact));
    WriteAngles(Z1_E_Phi_Rad, Z1_E_Phi_Deg, Angle(Z1), kOne, k2);
    EingabenFormatierungen();
}

void TForm1::Z2_Ergebnis_anzeigen() {
    Z2_E_Real.SetText(FieldText(Z2.Real(), kTwo, kShort, ZeroTest::Exact));
    Z2_E_Imaginaer.SetText(FieldText(Z2.Imaginary(), kTwo, kShort, ZeroTest::Exact));
    Z2_E_ABS.SetText(FieldText(Abs(Z2), kTwo, kShort, ZeroTest::Exact));
    WriteAngles(Z2_E_Phi_Rad, Z2_E_Phi_Deg, Angle(Z2), kOne, k2);
    EingabenFormatierungen();
}

void TForm1::Z3_Ergebnis_anzeigen() {
    Z3_E_Real.SetText(FieldText(Z3.Real(), kTwo, k2, ZeroTest::NanIsZero));
    Z3_E_Imaginaer.SetText(FieldText(Z3.Imaginary(), kTwo, k2, ZeroTest::NanIsZero));
    Z3_E_ABS.SetText(FieldText(Abs(Z3), kTwo, k2, ZeroTest::Exact));
    WriteAngles(Z3_E_Phi_Rad, Z3_E_Phi_Deg, Angle(Z3), kTwo, k2);
    EingabenFormatierungen();
}

void TForm1::Ergebnis_Z3_anzeigen() {
    Z3_E_Real.SetText(FieldText(Z3.Real(), kTwo, k2, ZeroTest::NanIsZero));
    Z3_E_Imaginaer.SetText(FieldText(Z3.Imaginary(), kTwo, k2, ZeroTest::NanIsZero));
    Z3_E_ABS.SetText(FieldText(Abs(Z3), kTwo, kShort, ZeroTest::Exact));
    WriteAngles(Z3_E_Phi_Rad, Z3_E_Phi_Deg, Angle(Z3), kTwo, kShort);
    // Also for a zero angle, so the component values and the diagram never show an
    // earlier result.
    EingabenFormatierungen();
    Z3_Bauteilwerte();
    Z3_CB_BE.SetEnabled(true);
    Zeigerdiagramm_malen();
}

}  // namespace quorvel::calc
