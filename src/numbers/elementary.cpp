#include "numbers/elementary.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace quorvel::elementary {

namespace {

using Wide = long double;
static_assert(std::numeric_limits<Wide>::digits >= 64, "the functions need the x87 extended format");

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// ln 2 in two parts: the first has 48 significant bits, so that k * kLn2Hi is exact for
// every |k| below 2^16; the second holds the next 64 bits.
constexpr Wide kLn2Hi = 0x1.62e42fefa39ep-1L;
constexpr Wide kLn2Lo = 0x1.e6af278ece600fccp-50L;
constexpr Wide kLog2e = 1.44269504088896340735992468100189214L;
// pi/2 in two parts of 64 bits each, and pi and pi/4.
constexpr Wide kPiOver2Hi = 0x1.921fb54442d1846ap0L;
constexpr Wide kPiOver2Lo = -0x1.d9cceba3f91f1976p-66L;
constexpr Wide kPi = 3.14159265358979323846264338327950288L;
constexpr Wide kPiOver4 = 0.785398163397448309615660845819875721L;
constexpr Wide kPiOver6 = 0.523598775598298873077107230546583814L;
constexpr Wide kSqrt3 = 1.73205080756887729352744634150587237L;
constexpr Wide kTanPiOver12 = 0.267949192431122706472553658494127633L;

// 2/pi to 1376 bits, most significant word first: 2/pi = 0.A2F9836E 4E441529 ...
constexpr std::array<std::uint32_t, 43> kTwoOverPi = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041,
    0xFE5163AB, 0xDEBBC561, 0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C,
    0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484, 0xE99C7026, 0xB45F7E41,
    0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D,
    0x7527BAC7, 0xEBE5F17B, 0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08,
    0x56033046, 0xFC7B6BAB, 0xF0CFBC20, 0x9AF4361D, 0xA9E39161, 0x5EE61B08,
    0x6599855F,
};

// 1/n! for the series of exp, sin and cos.
constexpr std::array<Wide, 28> MakeInverseFactorials() {
    std::array<Wide, 28> f{};
    Wide v = 1;
    for (std::size_t n = 0; n < f.size(); ++n) {
        if (n > 0) v /= static_cast<Wide>(n);
        f[n] = v;
    }
    return f;
}
constexpr std::array<Wide, 28> kInverseFactorial = MakeInverseFactorials();

// exp(r) for |r| <= ln2/2: the Taylor series to the term of degree 18, whose rest lies
// below 2^-80.
Wide ExpSeries(Wide r) {
    Wide sum = kInverseFactorial[18];
    for (int n = 17; n >= 0; --n) sum = sum * r + kInverseFactorial[static_cast<std::size_t>(n)];
    return sum;
}

// sin r and cos r for |r| <= pi/4 (and a little beyond, after reduction).
Wide SinSeries(Wide r) {
    const Wide r2 = r * r;
    Wide sum = 0;
    for (int n = 25; n >= 3; n -= 2) sum = (sum + (n % 4 == 1 ? 1 : -1) * kInverseFactorial[static_cast<std::size_t>(n)]) * r2;
    return r + r * sum;
}

Wide CosSeries(Wide r) {
    const Wide r2 = r * r;
    Wide sum = 0;
    for (int n = 26; n >= 2; n -= 2) sum = (sum + (n % 4 == 0 ? 1 : -1) * kInverseFactorial[static_cast<std::size_t>(n)]) * r2;
    return 1 + sum;
}

// atan t for |t| <= tan(pi/12): the series to the term of degree 41.
Wide AtanSeries(Wide t) {
    const Wide t2 = t * t;
    Wide sum = 0;
    for (int n = 41; n >= 3; n -= 2) sum = (sum + (n % 4 == 1 ? 1 : -1) / static_cast<Wide>(n)) * t2;
    return t + t * sum;
}

// atan t for 0 <= t <= 1.
Wide AtanUnit(Wide t) {
    if (t <= kTanPiOver12) return AtanSeries(t);
    // atan t = pi/6 + atan((t*sqrt3 - 1) / (t + sqrt3)); the argument then lies within
    // tan(pi/12) of zero.
    return kPiOver6 + AtanSeries((t * kSqrt3 - 1) / (t + kSqrt3));
}

// x = n * pi/2 + r with |r| <= pi/4 (as long double), n modulo 4. The product of x
// with 2/pi is formed exactly from the bits of 2/pi that can matter (Payne and
// Hanek): x = M * 2^e with an integer M of 53 bits, and the bits of M * (2/pi) * 2^e
// from two above the binary point to 192 below it.
Wide Reduce(double x, int& quadrant) {
    int exponent = 0;
    const double mantissa = std::frexp(std::fabs(x), &exponent);
    const auto m = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    const int e = exponent - 53;  // |x| = m * 2^e
    // The product m * W, W the table as one integer of 1376 bits: 45 words, least
    // significant first.
    constexpr std::size_t kWords = kTwoOverPi.size();
    std::array<std::uint32_t, kWords + 2> product{};
    const std::uint64_t mLow = m & 0xFFFFFFFFU;
    const std::uint64_t mHigh = m >> 32U;
    for (std::size_t i = 0; i < kWords; ++i) {
        const std::uint64_t w = kTwoOverPi[kWords - 1 - i];
        std::uint64_t carry = 0;
        std::uint64_t t = product[i] + w * mLow;
        product[i] = static_cast<std::uint32_t>(t);
        carry = t >> 32U;
        t = product[i + 1] + w * mHigh + carry;
        product[i + 1] = static_cast<std::uint32_t>(t);
        carry = t >> 32U;
        for (std::size_t k = i + 2; carry != 0 && k < product.size(); ++k) {
            t = product[k] + carry;
            product[k] = static_cast<std::uint32_t>(t);
            carry = t >> 32U;
        }
    }
    // |x| * 2/pi = product * 2^(e - 1376): the binary point lies above bit `point`.
    const int point = static_cast<int>(32 * kWords) - e;
    auto bit = [&](int k) -> std::uint64_t {
        if (k < 0 || k >= static_cast<int>(32 * product.size())) return 0;
        return (product[static_cast<std::size_t>(k) / 32] >> (static_cast<unsigned>(k) % 32U)) & 1U;
    };
    auto chunk = [&](int top) {  // the 64 bits from bit `top` down
        std::uint64_t v = 0;
        for (int k = top; k > top - 64; --k) v = (v << 1U) | bit(k);
        return v;
    };
    unsigned n = static_cast<unsigned>(bit(point + 1) << 1U | bit(point));
    std::array<std::uint64_t, 3> frac = {chunk(point - 1), chunk(point - 65), chunk(point - 129)};
    bool negative = false;
    if ((frac[0] >> 63U) != 0) {
        // Past one half: the nearer multiple is the next one, and the rest is 1 - frac.
        ++n;
        negative = true;
        bool borrow = true;
        for (std::size_t i = frac.size(); i-- > 0;) {
            frac[i] = ~frac[i] + (borrow ? 1U : 0U);
            borrow = borrow && frac[i] == 0;
        }
    }
    const Wide f = std::ldexp(static_cast<Wide>(frac[0]), -64) + std::ldexp(static_cast<Wide>(frac[1]), -128) +
                   std::ldexp(static_cast<Wide>(frac[2]), -192);
    Wide r = f * kPiOver2Hi + f * kPiOver2Lo;
    if (negative) r = -r;
    if (x < 0) {
        r = -r;
        n = 4U - (n & 3U);
    }
    quadrant = static_cast<int>(n & 3U);
    return r;
}

}  // namespace

double Exp(double x) noexcept {
    if (std::isnan(x)) return x;
    if (x > 709.8) return kInf;
    if (x < -745.2) return 0.0;
    const Wide k = std::nearbyint(static_cast<Wide>(x) * kLog2e);
    const Wide r = (static_cast<Wide>(x) - k * kLn2Hi) - k * kLn2Lo;
    return static_cast<double>(std::ldexp(ExpSeries(r), static_cast<int>(k)));
}

double Log(double x) noexcept {
    if (std::isnan(x) || x < 0) return std::isnan(x) ? x : kNaN;
    if (x == 0) return -kInf;
    if (std::isinf(x)) return x;
    int e = 0;
    Wide m = std::frexp(static_cast<Wide>(x), &e);
    if (m < 0.70710678118654752440084436210484903L) {
        m *= 2;
        --e;
    }
    // ln m = 2 atanh s with s = (m - 1)/(m + 1), |s| <= 0.1716: the series to s^35.
    const Wide s = (m - 1) / (m + 1);
    const Wide s2 = s * s;
    Wide sum = 0;
    for (int n = 35; n >= 3; n -= 2) sum = (sum + 1 / static_cast<Wide>(n)) * s2;
    const Wide lnm = 2 * s + 2 * s * sum;
    const Wide k = e;
    return static_cast<double>((k * kLn2Hi + lnm) + k * kLn2Lo);
}

double Sin(double x) noexcept {
    if (std::isnan(x) || std::isinf(x)) return std::isnan(x) ? x : kNaN;
    if (std::fabs(x) <= static_cast<double>(kPiOver4)) return static_cast<double>(SinSeries(x));
    int quadrant = 0;
    const Wide r = Reduce(x, quadrant);
    switch (quadrant) {
        case 0: return static_cast<double>(SinSeries(r));
        case 1: return static_cast<double>(CosSeries(r));
        case 2: return static_cast<double>(-SinSeries(r));
        default: return static_cast<double>(-CosSeries(r));
    }
}

double Cos(double x) noexcept {
    if (std::isnan(x) || std::isinf(x)) return std::isnan(x) ? x : kNaN;
    if (std::fabs(x) <= static_cast<double>(kPiOver4)) return static_cast<double>(CosSeries(x));
    int quadrant = 0;
    const Wide r = Reduce(x, quadrant);
    switch (quadrant) {
        case 0: return static_cast<double>(CosSeries(r));
        case 1: return static_cast<double>(-SinSeries(r));
        case 2: return static_cast<double>(-CosSeries(r));
        default: return static_cast<double>(SinSeries(r));
    }
}

double Atan2(double y, double x) noexcept {
    if (std::isnan(x) || std::isnan(y)) return x + y;
    const bool negativeY = std::signbit(y);
    const bool negativeX = std::signbit(x);
    Wide a = 0;
    if (y == 0) {
        // atan2(±0, +0 or x > 0) = ±0; atan2(±0, -0 or x < 0) = ±pi.
        a = negativeX ? kPi : 0;
    } else if (x == 0) {
        a = kPi / 2;
    } else if (std::isinf(x) || std::isinf(y)) {
        if (std::isinf(x) && std::isinf(y)) {
            a = negativeX ? 3 * kPiOver4 : kPiOver4;
        } else if (std::isinf(y)) {
            a = kPi / 2;
        } else {
            a = negativeX ? kPi : 0;
        }
    } else {
        const Wide ay = std::fabs(static_cast<Wide>(y));
        const Wide ax = std::fabs(static_cast<Wide>(x));
        a = ay <= ax ? AtanUnit(ay / ax) : (kPiOver2Hi - AtanUnit(ax / ay)) + kPiOver2Lo;
        if (negativeX) a = (2 * kPiOver2Hi - a) + 2 * kPiOver2Lo;
    }
    const double result = static_cast<double>(a);
    return negativeY ? -result : result;
}

}  // namespace quorvel::elementary
