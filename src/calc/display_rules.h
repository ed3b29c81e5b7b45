#pragma once

// How a display writes one quantity: which text form a field takes for a number, and
// when a zero is written as a bare "0".

#include <string>

namespace quorvel::calc {

enum class FormRule {
    TwoSided,     // fixed for 0.001 <= |x| <= 1000, exponent form otherwise
    OneSided,     // exponent form for x > 1000 or x < 0.001 (every negative number)
    AlwaysFixed,  // fixed whatever the size
};

enum class Exponent { TwoDigit, Short };

enum class ZeroTest {
    None,         // no "0": even an exact zero goes through the rule
    Exact,        // an exact zero is written "0"; a NaN is not zero
    NanIsZero,    // as Exact, and a NaN also counts as zero (the part test of values)
};

// The text of `x` for a field; "INF", "-INF" and "NAN" for non-finite numbers
// whatever the rule chose.
std::u16string FieldText(double x, FormRule rule, Exponent exponent, ZeroTest zero);

// Radians to degrees as the displays and the polar entry convert: the product with
// 180/pi at extended precision, stored as a double.
double RadToDeg(double radians);
// Degrees to radians likewise.
double DegToRad(double degrees);

}  // namespace quorvel::calc
