#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "numbers/elementary.h"

// The program's own elementary functions. The expected values are the doubles
// nearest to the exact results, worked out with exact rational arithmetic and pi to
// 3000 bits; the hard rows are those a platform library gets wrong: huge arguments of
// sine and cosine, and the double that lies nearest to a multiple of pi/2.

namespace quorvel::test {
namespace {

using namespace elementary;

constexpr double kInf = std::numeric_limits<double>::infinity();

std::int64_t UnitsApart(double a, double b) {
    if (a == b) return 0;
    const auto ia = std::bit_cast<std::int64_t>(a);
    const auto ib = std::bit_cast<std::int64_t>(b);
    if ((ia < 0) != (ib < 0)) return std::numeric_limits<std::int64_t>::max();
    return ia > ib ? ia - ib : ib - ia;
}

struct TrigRow {
    const char* name;
    double x;
    double sin;
    double cos;
};

TEST(Elementary, SineAndCosineOfHardArguments) {
    const TrigRow rows[] = {
        {"nearest to a multiple of pi/2", 6381956970095103 * 0x1p797, 1.0, -4.687165924254628e-19},
        {"1e22", 1e22, -0.8522008497671888, 0.523214785395139},
        {"1e300", 1e300, -0.8178819121159085, -0.5753861119575491},
        {"2^1023", 0x1p1023, 0.563127779850884, -0.826369834614148},
        {"3", 3.0, 0.1411200080598672, -0.9899924966004454},
        {"1e-300", 1e-300, 1e-300, 1.0},
        {"pi/2", 1.5707963267948966, 1.0, 6.123233995736766e-17},
        {"pi", 3.141592653589793, 1.2246467991473532e-16, -1.0},
        {"710", 710.0, 6.0288706691585265e-05, 0.999999998182636},
    };
    for (const TrigRow& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(Sin(r.x), r.sin);
        EXPECT_EQ(Cos(r.x), r.cos);
        EXPECT_EQ(Sin(-r.x), -r.sin) << "sine is odd";
        EXPECT_EQ(Cos(-r.x), r.cos) << "cosine is even";
    }
}

struct ValueRow {
    const char* name;
    double (*f)(double);
    double x;
    double expected;
};

TEST(Elementary, ExpAndLogOfKnownValues) {
    const ValueRow rows[] = {
        {"exp 1", Exp, 1.0, 2.718281828459045},
        {"exp 0", Exp, 0.0, 1.0},
        {"exp -1", Exp, -1.0, 0.36787944117144233},
        {"exp 700", Exp, 700.0, 1.0142320547350045e+304},
        {"exp -700", Exp, -700.0, 9.85967654375977e-305},
        {"exp 710 overflows", Exp, 710.0, kInf},
        {"exp -746 underflows", Exp, -746.0, 0.0},
        {"exp -inf", Exp, -kInf, 0.0},
        {"log 1", Log, 1.0, 0.0},
        {"log 2", Log, 2.0, 0.6931471805599453},
        {"log 10", Log, 10.0, 2.302585092994046},
        {"log e", Log, 2.718281828459045, 1.0},
        {"log of the largest double", Log, std::numeric_limits<double>::max(), 709.782712893384},
        {"log of the least subnormal", Log, std::numeric_limits<double>::denorm_min(), -744.4400719213812},
        {"log 0", Log, 0.0, -kInf},
        {"log inf", Log, kInf, kInf},
    };
    for (const ValueRow& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.f(r.x), r.expected);
    }
    EXPECT_TRUE(std::isnan(Log(-1.0)));
    EXPECT_TRUE(std::isnan(Exp(std::numeric_limits<double>::quiet_NaN())));
}

struct AngleRow {
    const char* name;
    double y;
    double x;
    double expected;
};

TEST(Elementary, Atan2InEveryQuadrantAndOnTheAxes) {
    constexpr double pi = 3.141592653589793;
    const AngleRow rows[] = {
        {"first quadrant", 1.0, 1.0, 0.7853981633974483},
        {"second quadrant", 1.0, -1.0, 2.356194490192345},
        {"third quadrant", -1.0, -1.0, -2.356194490192345},
        {"fourth quadrant", -1.0, 1.0, -0.7853981633974483},
        {"steep", 3.0, 4.0, 0.6435011087932844},
        {"negative real axis", 0.0, -1.0, pi},
        {"negative real axis from below", -0.0, -1.0, -pi},
        {"positive imaginary axis", 1.0, 0.0, 1.5707963267948966},
        {"origin", 0.0, 0.0, 0.0},
        {"origin from the left", 0.0, -0.0, pi},
        {"both infinite", kInf, -kInf, 2.356194490192345},
        {"tiny over huge", 1e-300, 1e300, 0.0},
    };
    for (const AngleRow& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(Atan2(r.y, r.x), r.expected);
    }
    EXPECT_TRUE(std::signbit(Atan2(-0.0, 1.0)));
}

// Identities that hold on every platform, within a few units in the last place: a
// fault of the reduction or of a series breaks them by far more.
TEST(Elementary, IdentitiesHoldOnModerateArguments) {
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> wide(-1e5, 1e5);
    std::uniform_real_distribution<double> angle(-3.0, 3.0);
    for (int i = 0; i < 20000; ++i) {
        const double x = wide(random);
        const double s = Sin(x);
        const double c = Cos(x);
        ASSERT_NEAR(s * s + c * c, 1.0, 4e-16) << x;
        const double y = std::fabs(x) + 1e-3;
        ASSERT_LE(UnitsApart(Exp(Log(y)), y), 16) << y;  // log's last place, magnified by exp
        const double a = angle(random);
        ASSERT_LE(UnitsApart(Atan2(Sin(a), Cos(a)), a), 4) << a;
    }
}

#ifdef __GLIBC__
// Against GNU libc, whose functions are accurate to within a unit in the last place:
// the two differ at most in the last place. (The Windows runtime's sine is off by
// several units already at 7e4, so it is no reference.)
TEST(Elementary, WithinOneUnitOfGnuLibcOnModerateArguments) {
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> wide(-1e5, 1e5);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (int i = 0; i < 20000; ++i) {
        const double x = i % 2 == 0 ? wide(random) : unit(random);
        const double y = wide(random);
        ASSERT_LE(UnitsApart(Sin(x), std::sin(x)), 1) << x;
        ASSERT_LE(UnitsApart(Cos(x), std::cos(x)), 1) << x;
        ASSERT_LE(UnitsApart(Exp(x / 200), std::exp(x / 200)), 1) << x;
        ASSERT_LE(UnitsApart(Log(std::fabs(x)), std::log(std::fabs(x))), 1) << x;
        ASSERT_LE(UnitsApart(Atan2(y, x), std::atan2(y, x)), 1) << y << ", " << x;
    }
}
#endif

}  // namespace
}  // namespace quorvel::test
