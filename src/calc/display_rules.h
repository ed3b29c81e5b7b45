#pragma once

// How a display writes one quantity: which text form a field takes for a number, and
// when a zero is written as a bare "0"; and, as data, which fields each display
// writes in which form.

#include <optional>
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

struct FieldForm {
    FormRule rule;
    Exponent exponent;
    ZeroTest zero;
};

// The text of `x` for a field; "INF", "-INF" and "NAN" for non-finite numbers
// whatever the rule chose.
std::u16string FieldText(double x, FormRule rule, Exponent exponent, ZeroTest zero);
std::u16string FieldText(double x, FieldForm form);

// Radians to degrees as the displays and the polar entry convert: the product with
// 180/pi at extended precision, stored as a double.
double RadToDeg(double radians);
// Degrees to radians likewise.
double DegToRad(double degrees);

// The two angle fields take one zero test together: an angle of exactly zero writes
// "0" into both, otherwise each field has its own form.
struct AngleForms {
    FieldForm radians;
    FieldForm degrees;
};

// What one display method writes, in the order real, imaginary, magnitude, angles;
// a field without a form is left alone.
struct DisplayForms {
    std::optional<FieldForm> real;
    std::optional<FieldForm> imaginary;
    std::optional<FieldForm> magnitude;
    std::optional<AngleForms> angles;
};

// The rows of the display table. The differences between the rows are the displays'
// own and intended: the operands' rectangular fields use the short exponent and count
// a NaN part as zero; Z3's fields use the two-digit exponent, except the magnitude and
// radians that a two-operand result writes with the short one.
namespace forms {
inline constexpr FieldForm kPart{FormRule::TwoSided, Exponent::Short, ZeroTest::NanIsZero};
inline constexpr FieldForm kZ3Part{FormRule::TwoSided, Exponent::TwoDigit, ZeroTest::NanIsZero};
inline constexpr FieldForm kOneSided2{FormRule::OneSided, Exponent::TwoDigit, ZeroTest::Exact};
inline constexpr FieldForm kTwoSidedShort{FormRule::TwoSided, Exponent::Short, ZeroTest::Exact};
inline constexpr FieldForm kTwoSided2{FormRule::TwoSided, Exponent::TwoDigit, ZeroTest::Exact};
inline constexpr FieldForm kFixed{FormRule::AlwaysFixed, Exponent::TwoDigit, ZeroTest::None};
inline constexpr FieldForm kAngleOneSided2{FormRule::OneSided, Exponent::TwoDigit, ZeroTest::None};
inline constexpr FieldForm kAngleTwoSided2{FormRule::TwoSided, Exponent::TwoDigit, ZeroTest::None};
inline constexpr FieldForm kAngleTwoSidedShort{FormRule::TwoSided, Exponent::Short, ZeroTest::None};
}  // namespace forms

// Z1_Koordinaten_anzeigen and its twin: the two rectangular fields.
inline constexpr DisplayForms kCoordinates{forms::kPart, forms::kPart, std::nullopt, std::nullopt};
// Z1_Polar_anzeigen and its twin: the magnitude and both angles, the angles fixed.
inline constexpr DisplayForms kPolar{std::nullopt, std::nullopt, forms::kOneSided2,
                                     AngleForms{forms::kFixed, forms::kFixed}};
// Z3_Ergebnis_anzeigen, after a function on Z3.
inline constexpr DisplayForms kZ3Function{forms::kZ3Part, forms::kZ3Part, forms::kTwoSided2,
                                          AngleForms{forms::kAngleTwoSided2, forms::kAngleOneSided2}};
// Ergebnis_Z3_anzeigen, after a two-operand operation.
inline constexpr DisplayForms kZ3Operation{forms::kZ3Part, forms::kZ3Part, forms::kTwoSidedShort,
                                           AngleForms{forms::kAngleTwoSidedShort, forms::kAngleOneSided2}};
// Z1_Ergebnis_anzeigen and Z2_Ergebnis_anzeigen after a function, given the
// magnitude's form, which is the one field in which the twins differ.
constexpr DisplayForms OperandResult(FieldForm magnitude) {
    return {forms::kTwoSidedShort, forms::kTwoSidedShort, magnitude,
            AngleForms{forms::kAngleOneSided2, forms::kAngleOneSided2}};
}

}  // namespace quorvel::calc
