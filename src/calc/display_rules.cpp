#include "calc/display_rules.h"

#include "numbers/complex_value.h"
#include "numbers/notation.h"

namespace quorvel::calc {

std::u16string FieldText(double x, FieldForm form) { return FieldText(x, form.rule, form.exponent, form.zero); }

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

}  // namespace quorvel::calc
