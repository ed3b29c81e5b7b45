#include "numbers/complex_value.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "numbers/calc_error.h"
#include "numbers/elementary.h"

namespace quorvel {

namespace {

constexpr double kNearZero = 1e-12;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Stored parts never hold dust below 1e-12: it is rounding residue (cos(pi/2), a
// product of two micro-values), and the displays and the handlers' zero tests must
// see a clean 0. The comparison is false for NaN, so NaN and infinities pass through;
// -0 compares as near zero and becomes +0.
double Snap(double x) noexcept { return IsNearZero(x) ? 0.0 : x; }

// Intermediates are carried in long double (64-bit mantissa on x86-64) so that a
// formula rounds once, when its result is stored. The named intermediates (D, S, t,
// rho, phi, E) are rounded to double on purpose: the overflow and near-zero
// behaviour at the range limits depends on it.
using Wide = long double;

// The near-zero test of a squared magnitude. The sum stays in extended precision like
// any other intermediate; at |z| = 1e-6 it decides as the division guard does.
bool SquaredMagnitudeNearZero(const ComplexValue& z) noexcept {
    const Wide a = z.Real();
    const Wide b = z.Imaginary();
    return a * a + b * b <= static_cast<Wide>(kNearZero);
}

bool IsZero(const ComplexValue& z) noexcept { return z.Real() == 0.0 && z.Imaginary() == 0.0; }

// ln u = (ln rho, phi). rho comes from an unrounded sum of squares, so values far
// beyond 1e154 still have a finite logarithm (unlike Abs, whose S is rounded).
ComplexValue Ln(const ComplexValue& u) noexcept {
    if (IsZero(u)) {
        return ComplexValue::Create(-kInfinity, 0.0);
    }
    const Wide p = u.Real();
    const Wide q = u.Imaginary();
    const double rho = static_cast<double>(std::sqrt(p * p + q * q));
    double phi = elementary::Atan2(u.Imaginary(), u.Real());
    // atan2 already lies in [-pi, pi]; only a -0 imaginary part could give -pi, and
    // snapping rules that out. Kept so the branch cut holds whatever atan2 returns.
    while (phi > std::numbers::pi) {
        phi -= 2.0 * std::numbers::pi;
    }
    while (phi <= -std::numbers::pi) {
        phi += 2.0 * std::numbers::pi;
    }
    return ComplexValue::Create(elementary::Log(rho), phi);
}

// exp(x + jy) = (E·cos y, E·sin y). With E = +inf a factor of exactly 0 gives a NaN
// part, which is how 10^400 becomes (+inf, NaN).
ComplexValue Exp(const ComplexValue& v) noexcept {
    const double e = elementary::Exp(v.Real());
    return ComplexValue::Create(e * elementary::Cos(v.Imaginary()), e * elementary::Sin(v.Imaginary()));
}

}  // namespace

ComplexValue::ComplexValue(double re, double im) noexcept : real_(Snap(re)), imaginary_(Snap(im)) {}

ComplexValue ComplexValue::Create(double re, double im) noexcept { return {re, im}; }

ComplexValue ComplexValue::FromNumber(double x) noexcept { return {x, 0.0}; }

ComplexValue ComplexValue::FromPolar(double r, double theta) noexcept {
    return {r * elementary::Cos(theta), r * elementary::Sin(theta)};
}

void ComplexValue::SetReal(double re) noexcept { real_ = Snap(re); }

void ComplexValue::SetImaginary(double im) noexcept { imaginary_ = Snap(im); }

ComplexValue operator+(const ComplexValue& z, const ComplexValue& w) noexcept {
    return {z.real_ + w.real_, z.imaginary_ + w.imaginary_};
}

ComplexValue operator-(const ComplexValue& z, const ComplexValue& w) noexcept {
    return {z.real_ - w.real_, z.imaginary_ - w.imaginary_};
}

ComplexValue operator*(const ComplexValue& z, const ComplexValue& w) noexcept {
    const Wide a = z.real_;
    const Wide b = z.imaginary_;
    const Wide c = w.real_;
    const Wide d = w.imaginary_;
    return {static_cast<double>(a * c - b * d), static_cast<double>(a * d + b * c)};
}

ComplexValue operator/(const ComplexValue& z, const ComplexValue& w) {
    const Wide a = z.real_;
    const Wide b = z.imaginary_;
    const Wide c = w.real_;
    const Wide d = w.imaginary_;
    const double denominator = static_cast<double>(c * c + d * d);
    if (IsNearZero(denominator)) {
        throw CalcError(u"Division durch Null");
    }
    return {static_cast<double>((a * c + b * d) / denominator),
            static_cast<double>((b * c - a * d) / denominator)};
}

double Abs(const ComplexValue& z) noexcept {
    const Wide a = z.Real();
    const Wide b = z.Imaginary();
    const Wide sum = a * a + b * b;
    const double s = static_cast<double>(sum);
    // A finite value above about 1.34e154 has a magnitude within the double range
    // although its sum of squares is not: only there the root is taken of the wide
    // sum. Everywhere else the sum is rounded to double first, as it always was.
    if (std::isinf(s) && std::isfinite(sum)) return static_cast<double>(std::sqrt(sum));
    return std::sqrt(s);
}

double Angle(const ComplexValue& z) noexcept { return elementary::Atan2(z.Imaginary(), z.Real()); }

ComplexValue Sqr(const ComplexValue& z) noexcept {
    const Wide a = z.Real();
    const Wide b = z.Imaginary();
    return ComplexValue::Create(static_cast<double>(a * a - b * b), static_cast<double>(a * b + b * a));
}

// The two branches keep the subtraction m - a away from cancellation: for a > 0 the
// real part comes from m + a, for a <= 0 the imaginary part comes from m - a, and the
// other part is obtained by dividing b by a root of the same t.
ComplexValue Sqrt(const ComplexValue& z) noexcept {
    if (IsZero(z)) {
        return {};
    }
    const double a = z.Real();
    const double b = z.Imaginary();
    const double m = Abs(z);
    if (a > 0.0) {
        const double t = m + a;
        return ComplexValue::Create(std::sqrt(t / 2.0),
                                    static_cast<double>(b / std::sqrt(static_cast<Wide>(2) * t)));
    }
    const double t = m - a;
    const double root = std::sqrt(t / 2.0);
    return ComplexValue::Create(static_cast<double>(std::fabs(b) / std::sqrt(static_cast<Wide>(2) * t)),
                                b < 0.0 ? -root : root);
}

ComplexValue Conjugate(const ComplexValue& z) noexcept { return ComplexValue::Create(z.Real(), -z.Imaginary()); }

ComplexValue Power(const ComplexValue& base, const ComplexValue& w) noexcept {
    // 0^0 is taken as 1, and 0 to any other power as 0, even where the exponent has a
    // negative real part: the calculator shows a number rather than a pole.
    if (SquaredMagnitudeNearZero(base)) {
        return SquaredMagnitudeNearZero(w) ? ComplexValue::FromNumber(1.0) : ComplexValue{};
    }
    return Exp(Ln(base) * w);
}

// Dividing ln z by the real value ln 10 reduces to dividing each part by ln 10. Doing
// that directly rather than through (ln z · ln 10) / (ln 10)², with the square rounded
// to double, keeps exact powers of ten exact: Log10(100) is 2, not 2 - 2^-52.
// Ln of zero is (-inf, 0), which this keeps.
ComplexValue Log10(const ComplexValue& z) noexcept {
    const ComplexValue ln = Ln(z);
    return ComplexValue::Create(ln.Real() / std::numbers::ln10, ln.Imaginary() / std::numbers::ln10);
}

int ComparePart(double part, double value) noexcept {
    if (part < value) {
        return -1;
    }
    if (part > value) {
        return 1;
    }
    return 0;
}

bool PartEquals(double part, double value) noexcept { return ComparePart(part, value) == 0; }

bool PartDiffers(double part, double value) noexcept { return ComparePart(part, value) != 0; }

bool PartGreater(double part, double value) noexcept { return ComparePart(part, value) > 0; }

bool IsNearZero(double x) noexcept { return std::fabs(x) <= kNearZero; }

}  // namespace quorvel
