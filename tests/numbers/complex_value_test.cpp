#include "numbers/complex_value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

#include "numbers/calc_error.h"

namespace quorvel {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kPi = std::numbers::pi;
constexpr double kLn10 = std::numbers::ln10;
constexpr double kRounding = 1e-15;  // relative, for rows that hold "up to rounding"

ComplexValue C(double re, double im) { return ComplexValue::Create(re, im); }
ComplexValue N(double x) { return ComplexValue::FromNumber(x); }

// Expected NaN means "is a NaN"; tol 0 means bit-for-bit equal (so +0 is required
// where 0 is expected). Every stored part must also be snapped: no -0, no dust.
void ExpectPart(const char* which, double actual, double expected, double tol) {
    SCOPED_TRACE(which);
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << actual;
        return;
    }
    if (tol == 0.0) {
        EXPECT_EQ(actual, expected);
    } else {
        EXPECT_NEAR(actual, expected, tol * std::max(1.0, std::fabs(expected)));
    }
    EXPECT_FALSE(actual == 0.0 && std::signbit(actual)) << "-0 stored";
    EXPECT_FALSE(actual != 0.0 && std::fabs(actual) <= 1e-12) << "unsnapped " << actual;
}

struct ValueRow {
    const char* input;
    ComplexValue (*compute)();
    double re;
    double im;
    double tol = 0.0;
};

void CheckRows(std::initializer_list<ValueRow> rows) {
    for (const ValueRow& row : rows) {
        SCOPED_TRACE(row.input);
        const ComplexValue z = row.compute();
        ExpectPart("real", z.Real(), row.re, row.tol);
        ExpectPart("imaginary", z.Imaginary(), row.im, row.tol);
    }
}

TEST(ComplexValueStore, SnapsNearZeroPartsToPositiveZero) {
    CheckRows({
        {"Create(1e-13, 5)", [] { return C(1e-13, 5); }, 0, 5},
        {"Create(-1e-12, 1)", [] { return C(-1e-12, 1); }, 0, 1},
        {"Create(2e-12, 0)", [] { return C(2e-12, 0); }, 2e-12, 0},
        {"Create(-2e-12, -0)", [] { return C(-2e-12, -0.0); }, -2e-12, 0},
        {"Create(inf, NaN)", [] { return C(kInf, kNaN); }, kInf, kNaN},
        {"Create(next above 1e-12, -inf)", [] { return C(std::nextafter(1e-12, 1.0), -kInf); },
         std::nextafter(1e-12, 1.0), -kInf},
        {"FromNumber(-1e-13)", [] { return N(-1e-13); }, 0, 0},
        {"(3+j4).SetReal(5e-13)", [] { auto z = C(3, 4); z.SetReal(5e-13); return z; }, 0, 4},
        {"(3+j4).SetReal(1e-12)", [] { auto z = C(3, 4); z.SetReal(1e-12); return z; }, 0, 4},
        {"(3+j4).SetImaginary(2e-12)", [] { auto z = C(3, 4); z.SetImaginary(2e-12); return z; }, 3, 2e-12},
        {"(3+j4).SetImaginary(-0)", [] { auto z = C(3, 4); z.SetImaginary(-0.0); return z; }, 3, 0},
        {"FromPolar(1, pi/2)", [] { return ComplexValue::FromPolar(1, kPi / 2); }, 0, 1},
        {"FromPolar(2, pi)", [] { return ComplexValue::FromPolar(2, kPi); }, -2, 0},
        {"FromPolar(2, -pi/2)", [] { return ComplexValue::FromPolar(2, -kPi / 2); }, 0, -2},
        {"FromPolar(sqrt2, pi/4)", [] { return ComplexValue::FromPolar(std::numbers::sqrt2, kPi / 4); }, 1, 1,
         kRounding},
    });
}

TEST(ComplexValueArithmetic, ComputesAndSnapsEachPart) {
    CheckRows({
        {"(1+j2) + (3-j1)", [] { return C(1, 2) + C(3, -1); }, 4, 1},
        {"(1+j2e-12) - (1+j1.5e-12)", [] { return C(1, 2e-12) - C(1, 1.5e-12); }, 0, 0},
        {"(1+j3e-12) - (1+j1.5e-12)", [] { return C(1, 3e-12) - C(1, 1.5e-12); }, 0, 1.5e-12, kRounding},
        {"(1+j2) * (3-j1)", [] { return C(1, 2) * C(3, -1); }, 5, 5},
        {"(1e-6) * (1e-6)", [] { return N(1e-6) * N(1e-6); }, 0, 0},
        // The products are carried beyond the double range, so ad + bc cancels to 0
        // instead of inf - inf.
        {"(1e200+j1e200) * (1e200-j1e200)", [] { return C(1e200, 1e200) * C(1e200, -1e200); }, kInf, 0},
        {"(1+j1) / (1+j1)", [] { return C(1, 1) / C(1, 1); }, 1, 0},
        {"(1+j1) / (0+j1.1e-6)", [] { return C(1, 1) / C(0, 1.1e-6); }, 1 / 1.1e-6, -1 / 1.1e-6, kRounding},
        {"1 / (0-j2)", [] { return N(1) / C(0, -2); }, 0, 0.5},
        // D = c² + d² is rounded to double, overflows, and swallows the quotient.
        {"1e200 / 1e200", [] { return N(1e200) / N(1e200); }, 0, 0},
        {"1 / NaN", [] { return N(1) / N(kNaN); }, kNaN, kNaN},
    });
}

TEST(ComplexValueDivision, FailsForDivisorOfAtMostOneMicro) {
    const struct {
        const char* divisor;
        ComplexValue w;
    } rows[] = {{"0+j0", C(0, 0)}, {"0+j1e-6", C(0, 1e-6)}, {"-1e-6+j0", C(-1e-6, 0)}, {"7e-7-j7e-7", C(7e-7, -7e-7)}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.divisor);
        for (const ComplexValue& z : {C(1, 1), N(1)}) {
            try {
                (void)(z / row.w);
                ADD_FAILURE() << "no division error";
            } catch (const CalcError& error) {
                EXPECT_TRUE(error.Message() == u"Division durch Null");
            }
        }
    }
}

TEST(ComplexValueMagnitude, AbsAndAngle) {
    const struct {
        const char* input;
        ComplexValue z;
        double abs;
        double angle;
    } rows[] = {
        {"3+j4", C(3, 4), 5, 0.9272952180016122},
        {"-1+j0", C(-1, 0), 1, kPi},
        {"Conjugate(-1+j0)", Conjugate(C(-1, 0)), 1, kPi},
        {"-1-j1e-13", C(-1, -1e-13), 1, kPi},
        {"0-j1", C(0, -1), 1, -kPi / 2},
        {"0+j0", C(0, 0), 0, 0},
        {"1e200+j0", C(1e200, 0), 1e200, 0},
        {"-1e300+j0", C(-1e300, 0), 1e300, kPi},
        {"largest+j0", C(1.7976931348623157e308, 0), 1.7976931348623157e308, 0},
        {"inf+j0", C(kInf, 0), kInf, 0},
        {"inf+jinf", C(kInf, kInf), kInf, kPi / 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.input);
        EXPECT_EQ(Abs(row.z), row.abs);
        EXPECT_DOUBLE_EQ(Angle(row.z), row.angle);
    }
}

// Where the sum of squares leaves the double range the magnitude is still finite;
// below that the rounded sum decides, bit for bit.
TEST(AbsBeyondTheSquares, FiniteValuesHaveFiniteMagnitudes) {
    const struct {
        const char* input;
        ComplexValue z;
        double abs;
    } rows[] = {
        {"1e154+j1e154", C(1e154, 1e154), 1.4142135623730951e154},
        {"1e300+j1e300", C(1e300, 1e300), 1.4142135623730951e300},
        {"3e200+j4e200", C(3e200, 4e200), 5e200},
        {"largest+jlargest", C(1.7976931348623157e308, 1.7976931348623157e308), kInf},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.input);
        if (std::isinf(row.abs)) {
            EXPECT_EQ(Abs(row.z), row.abs) << "beyond the double range itself";
        } else {
            EXPECT_NEAR(Abs(row.z), row.abs, row.abs * 1e-15);
        }
    }
    EXPECT_EQ(Abs(C(1e153, 1e153)), std::sqrt(2e306)) << "a finite sum keeps the rounded formula";
    EXPECT_TRUE(std::isnan(Abs(C(kNaN, 1))));
    const ComplexValue root = Sqrt(C(1e200, 0));
    EXPECT_NEAR(root.Real(), 1e100, 1e85) << "the square root inherits the magnitude";
}

TEST(ComplexValueUnary, SqrSqrtConjugate) {
    CheckRows({
        {"Sqr(1+j2)", [] { return Sqr(C(1, 2)); }, -3, 4},
        {"Sqr(1e-6)", [] { return Sqr(N(1e-6)); }, 0, 0},
        {"Sqr(1e200)", [] { return Sqr(N(1e200)); }, kInf, 0},
        {"Sqrt(0)", [] { return Sqrt(N(0)); }, 0, 0},
        {"Sqrt(-4)", [] { return Sqrt(N(-4)); }, 0, 2},
        {"Sqrt(3+j4)", [] { return Sqrt(C(3, 4)); }, 2, 1},
        {"Sqrt(3-j4)", [] { return Sqrt(C(3, -4)); }, 2, -1},
        {"Sqrt(-3+j4)", [] { return Sqrt(C(-3, 4)); }, 1, 2},
        {"Sqrt(-3-j4)", [] { return Sqrt(C(-3, -4)); }, 1, -2},
        {"Sqrt(0-j2)", [] { return Sqrt(C(0, -2)); }, 1, -1},
        {"Sqrt(1e10+j2e-12)", [] { return Sqrt(C(1e10, 2e-12)); }, 1e5, 0},
        {"Conjugate(3+j4)", [] { return Conjugate(C(3, 4)); }, 3, -4},
        {"Conjugate(-1+j0)", [] { return Conjugate(N(-1)); }, -1, 0},
    });
}

TEST(ComplexValueUnary, SqrtIsThePrincipalRootEverywhere) {
    const double parts[] = {-1e6, -5, -0.5, 0, 2e-12, 0.5, 5, 1e6};
    for (double a : parts) {
        for (double b : parts) {
            const ComplexValue z = C(a, b);
            SCOPED_TRACE(testing::Message() << "Sqrt(" << a << " + j" << b << ")");
            const ComplexValue root = Sqrt(z);
            const std::complex<double> expected = std::sqrt(std::complex<double>(z.Real(), z.Imaginary()));
            ExpectPart("real", root.Real(), IsNearZero(expected.real()) ? 0.0 : expected.real(), 4e-16);
            ExpectPart("imaginary", root.Imaginary(), IsNearZero(expected.imag()) ? 0.0 : expected.imag(), 4e-16);
        }
    }
}

TEST(ComplexValuePower, RaisesToComplexExponents) {
    CheckRows({
        {"Power(10, 2)", [] { return Power(N(10), N(2)); }, 100, 0, kRounding},
        {"Power(10, 0)", [] { return Power(N(10), N(0)); }, 1, 0},
        {"Power(10, -11)", [] { return Power(N(10), N(-11)); }, 1e-11, 0, kRounding},
        {"Power(10, -13)", [] { return Power(N(10), N(-13)); }, 0, 0},
        {"Power(10, -400)", [] { return Power(N(10), N(-400)); }, 0, 0},
        {"Power(10, 308)", [] { return Power(N(10), N(308)); }, 1e308, 0, 1e-13},
        {"Power(10, 400)", [] { return Power(N(10), N(400)); }, kInf, kNaN},
        {"Power(10, j pi/ln10)", [] { return Power(N(10), C(0, kPi / kLn10)); }, -1, 0, kRounding},
        {"Power(10, 1+j pi/(2 ln10))", [] { return Power(N(10), C(1, kPi / 2 / kLn10)); }, 0, 10, kRounding},
        {"Power(-1, 0.5)", [] { return Power(N(-1), N(0.5)); }, 0, 1, kRounding},
        {"Power(1.1e-6, 1)", [] { return Power(N(1.1e-6), N(1)); }, 1.1e-6, 0, kRounding},
        {"Power(1e-6, 3)", [] { return Power(N(1e-6), N(3)); }, 0, 0},
        {"Power(0, -1)", [] { return Power(N(0), N(-1)); }, 0, 0},
        {"Power(0, 1e-6)", [] { return Power(N(0), N(1e-6)); }, 1, 0},
    });
}

TEST(ComplexValueLog10, CommonLogarithm) {
    CheckRows({
        {"Log10(0)", [] { return Log10(N(0)); }, -kInf, 0},
        {"Log10(100)", [] { return Log10(N(100)); }, 2, 0},
        {"Log10(0.001)", [] { return Log10(N(0.001)); }, -3, 0, kRounding},
        {"Log10(-1)", [] { return Log10(N(-1)); }, 0, 1.3643763538418412, kRounding},
        {"Log10(0+j1)", [] { return Log10(C(0, 1)); }, 0, kPi / 2 / kLn10, kRounding},
        // The sum of squares overflows a double but not the extended intermediate.
        {"Log10(1e200+j1e200)", [] { return Log10(C(1e200, 1e200)); }, 200.15051499783199, kPi / 4 / kLn10,
         kRounding},
        {"Log10(1+j2e-12)", [] { return Log10(C(1, 2e-12)); }, 0, 0},
    });
}

TEST(ComplexValuePartTests, NaNCountsAsEqual) {
    const struct {
        const char* input;
        double part;
        double value;
        int compare;
    } rows[] = {
        {"NaN vs 0", C(kNaN, 0).Real(), 0, 0}, {"0 vs NaN", 0, kNaN, 0}, {"1 vs 0", 1, 0, 1},
        {"-1 vs 0", -1, 0, -1},                {"-0 vs 0", -0.0, 0, 0},  {"inf vs 0", kInf, 0, 1},
        {"-inf vs 0", -kInf, 0, -1},           {"0 vs 0", 0, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.input);
        EXPECT_EQ(ComparePart(row.part, row.value), row.compare);
        EXPECT_EQ(PartEquals(row.part, row.value), row.compare == 0);
        EXPECT_EQ(PartDiffers(row.part, row.value), row.compare != 0);
        EXPECT_EQ(PartGreater(row.part, row.value), row.compare == 1);
    }
}

}  // namespace
}  // namespace quorvel
