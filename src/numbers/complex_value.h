#pragma once

// The complex number every operand, result and memory register of the calculator
// holds, with the arithmetic the handlers apply to it. Nothing here knows about the
// user interface; the only failure is the division error.
//
// All arithmetic runs with the floating-point exceptions masked, as the platform
// leaves them: overflow gives an infinity, an invalid operation a NaN, and neither is
// reported. Results that are not finite are kept and carried on by IEEE rules.

namespace quorvel {

// Invariants:
// - Each part is a double that is either +0, or of magnitude above 1e-12, or an
//   infinity, or a NaN: no part ever lies in [-1e-12, 0) or (0, 1e-12], and no part
//   is -0. Every way of storing a part (creation, setting a part, the result of an
//   operation) snaps a near-zero number to +0, so a value is zero exactly when both
//   parts compare equal to 0.
// - Values are independent copies; no operation changes its arguments.
class ComplexValue {
public:
    // The zero value (0, 0).
    ComplexValue() = default;

    // (re, im), each part snapped.
    [[nodiscard]] static ComplexValue Create(double re, double im) noexcept;

    // A plain number as a value: (x, 0), x snapped.
    [[nodiscard]] static ComplexValue FromNumber(double x) noexcept;

    // (r·cos theta, r·sin theta), theta in radians. Snapping turns the rounding
    // residue of a quarter turn into an exact 0: FromPolar(1, pi/2) is (0, 1).
    [[nodiscard]] static ComplexValue FromPolar(double r, double theta) noexcept;

    [[nodiscard]] double Real() const noexcept { return real_; }
    [[nodiscard]] double Imaginary() const noexcept { return imaginary_; }

    // Replace one part, snapped; the other part is kept.
    void SetReal(double re) noexcept;
    void SetImaginary(double im) noexcept;

    // (a+c, b+d), (a-c, b-d) and (ac-bd, ad+bc), each part snapped.
    friend ComplexValue operator+(const ComplexValue& z, const ComplexValue& w) noexcept;
    friend ComplexValue operator-(const ComplexValue& z, const ComplexValue& w) noexcept;
    friend ComplexValue operator*(const ComplexValue& z, const ComplexValue& w) noexcept;

    // z ÷ w with D = c² + d² rounded to double: ((ac+bd)/D, (bc-ad)/D), snapped.
    // Throws CalcError(u"Division durch Null") when D <= 1e-12, that is for every
    // divisor with |w| <= 1e-6, zero included; it never yields an infinity for a zero
    // divisor. A NaN or infinite D is not near zero and divides by IEEE rules.
    friend ComplexValue operator/(const ComplexValue& z, const ComplexValue& w);

private:
    ComplexValue(double re, double im) noexcept;

    double real_ = 0.0;
    double imaginary_ = 0.0;
};

// The magnitude sqrt(S) with S = a² + b² rounded to double. Where a² + b² leaves the
// double range (|z| above about 1.34e154) but the parts are finite, the root is taken
// of the sum at extended precision instead, so a finite value never has an infinite
// magnitude. Not snapped: it is a plain number, not a stored part.
[[nodiscard]] double Abs(const ComplexValue& z) noexcept;

// atan2(b, a) in radians, in (-pi, pi]. The zero value has the angle 0, and since no
// part is -0, the negative real axis has +pi, never -pi.
[[nodiscard]] double Angle(const ComplexValue& z) noexcept;

// z² = (a² - b², 2ab), snapped: Sqr(1e-6) is zero.
[[nodiscard]] ComplexValue Sqr(const ComplexValue& z) noexcept;

// The principal square root: the real part is never negative, and the imaginary part
// takes the sign of b, with b = 0 counting as positive, so Sqrt(-4) is (0, 2).
// Sqrt of the zero value is zero.
[[nodiscard]] ComplexValue Sqrt(const ComplexValue& z) noexcept;

// (a, -b); the imaginary part of a real value stays +0.
[[nodiscard]] ComplexValue Conjugate(const ComplexValue& z) noexcept;

// base raised to w, as exp(ln(base) × w) with every intermediate value snapped.
// For |base| <= 1e-6 the result is (1, 0) when |w| <= 1e-6 too and (0, 0) otherwise.
// Overflow is not an error: Power(10, 400) is (+inf, NaN), the NaN coming from
// inf·sin 0; an exponent whose result has parts of at most 1e-12, such as
// Power(10, -13), gives (0, 0).
[[nodiscard]] ComplexValue Power(const ComplexValue& base, const ComplexValue& w) noexcept;

// The common logarithm (ln|z| / ln 10, Angle(z) / ln 10), snapped, with the angle in
// (-pi, pi]. Log10 of the zero value is (-inf, 0). Never throws: the divisor ln 10 is
// far from zero.
[[nodiscard]] ComplexValue Log10(const ComplexValue& z) noexcept;

// The handlers' tests of a part against a number: a three-way comparison (-1 less,
// 0 equal, +1 greater) in which an unordered pair, one involving a NaN, counts as
// equal. So a NaN part equals 0, does not differ from it and is not greater.
[[nodiscard]] int ComparePart(double part, double value) noexcept;
[[nodiscard]] bool PartEquals(double part, double value) noexcept;
[[nodiscard]] bool PartDiffers(double part, double value) noexcept;
[[nodiscard]] bool PartGreater(double part, double value) noexcept;

// |x| <= 1e-12. Infinities and NaNs are never near zero.
[[nodiscard]] bool IsNearZero(double x) noexcept;

}  // namespace quorvel
