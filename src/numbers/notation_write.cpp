// Writing numbers: the fixed form, the exponent form and the general form.
//
// All three round half away from zero on the exact binary value of the double. The
// digits come from std::to_chars, which is independent of the locale and rounds to
// nearest on the exact value: with 40 digits beyond the first, the digits after the
// rounding position already decide the direction unless they read exactly 5000...;
// only then (a tie, or a value agreeing with one for 40 digits) is the exact
// expansion of the double written out, which never has more than 767 significant
// digits.

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "numbers/notation.h"

namespace quorvel {
namespace {

constexpr int kQuickDigits = 41;
constexpr int kExactDigits = 780;
constexpr int kNoDecimalLimit = 1 << 20;

// Invariants: digits[0..count) are '0'..'9', the first nonzero and the last nonzero;
// count == 0 is the value zero. The value is d0.d1d2... × 10^exponent.
struct Rounded {
    bool negative = false;
    std::array<char, 24> digits{};
    int count = 0;
    int exponent = 0;

    // The digit in the 10^place position, '0' outside the significant digits.
    [[nodiscard]] char DigitAt(int place) const {
        const int index = exponent - place;
        return index >= 0 && index < count ? digits[static_cast<std::size_t>(index)] : '0';
    }
};

// The digits of a positive finite value in scientific notation, rounded to nearest
// at the given count; returns the decimal exponent.
template <std::size_t N>
int Expand(double magnitude, std::array<char, N>& buf, int significant, int& length) {
    const auto res =
        std::to_chars(buf.data(), buf.data() + buf.size(), magnitude, std::chars_format::scientific, significant - 1);
    // "d.ddd...e±xx": drop the point, then read the exponent.
    const char* end = res.ptr;
    const char* e = end;
    while (*(e - 1) != 'e') --e;
    int exponent = 0;
    std::from_chars(*e == '+' ? e + 1 : e, end, exponent);
    length = 0;
    for (const char* p = buf.data(); p != e - 1; ++p) {
        if (*p != '.') buf[static_cast<std::size_t>(length++)] = *p;
    }
    return exponent;
}

// Compares the digits from position keep on with a 5 followed by zeros.
int CompareTailWithHalf(const char* digits, int length, int keep) {
    if (keep >= length) return -1;
    if (digits[keep] != '5') return digits[keep] < '5' ? -1 : 1;
    for (int i = keep + 1; i < length; ++i) {
        if (digits[i] != '0') return 1;
    }
    return 0;
}

int KeptDigits(int exponent, int maxSignificant, int maxDecimals) {
    const int byDecimals = exponent + 1 + maxDecimals;
    return byDecimals < maxSignificant ? byDecimals : maxSignificant;
}

// x rounded half away from zero (or toward zero when truncate is set) to at most
// maxSignificant digits and at most maxDecimals digits after the separator; x is
// finite.
Rounded Round(double x, int maxSignificant, int maxDecimals, bool truncate = false) {
    Rounded r;
    r.negative = std::signbit(x);
    const double magnitude = std::fabs(x);
    if (magnitude == 0.0) return r;

    std::array<char, kQuickDigits + 16> quick{};
    int length = 0;
    int exponent = Expand(magnitude, quick, kQuickDigits, length);
    int keep = KeptDigits(exponent, maxSignificant, maxDecimals);
    if (keep < 0) return r;
    int tail = truncate ? -1 : CompareTailWithHalf(quick.data(), length, keep);
    const char* digits = quick.data();

    std::array<char, kExactDigits + 16> exact{};
    if (tail == 0) {
        exponent = Expand(magnitude, exact, kExactDigits, length);
        keep = KeptDigits(exponent, maxSignificant, maxDecimals);
        if (keep < 0) return r;
        tail = CompareTailWithHalf(exact.data(), length, keep);
        digits = exact.data();
        if (tail == 0) tail = 1;  // an exact tie goes away from zero
    }

    for (int i = 0; i < keep; ++i) r.digits[static_cast<std::size_t>(i)] = digits[i];
    r.count = keep;
    r.exponent = exponent;
    if (tail > 0) {
        int i = keep - 1;
        while (i >= 0 && r.digits[static_cast<std::size_t>(i)] == '9') r.digits[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) {
            ++r.digits[static_cast<std::size_t>(i)];
        } else {
            // 9.99 -> 10.0, or a value below the last kept place rounding up to it.
            r.digits[0] = '1';
            r.count = keep > 0 ? keep : 1;
            ++r.exponent;
        }
    }
    while (r.count > 0 && r.digits[static_cast<std::size_t>(r.count - 1)] == '0') --r.count;
    return r;
}

// Whether the rounded value reads back as infinity: beyond the midpoint between the
// largest double and 2^1024, whose leading digits these are. A text of at most 17
// digits cannot end on it, so comparing the digits as text decides.
bool BeyondDoubleRange(const Rounded& r) {
    constexpr std::string_view kMidpoint = "17976931348623158079372897";
    if (r.exponent != 308) return r.exponent > 308;
    return std::string_view(r.digits.data(), static_cast<std::size_t>(r.count)).compare(kMidpoint) > 0;
}

std::u16string NonFinite(double x) {
    if (std::isnan(x)) return u"NAN";
    return x < 0 ? u"-INF" : u"INF";
}

void AppendUnsigned(std::u16string& out, int value, int minDigits) {
    std::array<char, 16> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    for (int pad = minDigits - static_cast<int>(res.ptr - buf.data()); pad > 0; --pad) out += u'0';
    for (const char* p = buf.data(); p != res.ptr; ++p) out += static_cast<char16_t>(*p);
}

std::u16string FixedWithDecimals(double x, int decimals) {
    if (!std::isfinite(x)) return NonFinite(x);
    const Rounded r = Round(x, 7, decimals);
    std::u16string out;
    if (r.count > 0 && r.negative) out += u'-';
    if (r.count == 0 || r.exponent < 0) {
        out += u'0';
    } else {
        out.reserve(static_cast<std::size_t>(r.exponent) + 10);
        for (int place = r.exponent; place >= 0; --place) out += static_cast<char16_t>(r.DigitAt(place));
    }
    out += u',';
    for (int place = -1; place >= -decimals; --place) out += static_cast<char16_t>(r.DigitAt(place));
    return out;
}

}  // namespace

std::u16string FormatFixed(double x) { return FixedWithDecimals(x, 6); }

std::u16string FormatFixed3(double x) { return FixedWithDecimals(x, 3); }

std::u16string FormatExponent(double x, bool twoDigitExponent) {
    if (!std::isfinite(x)) return NonFinite(x);
    const Rounded r = Round(x, 7, kNoDecimalLimit);
    std::u16string out;
    if (r.count > 0 && r.negative) out += u'-';
    out += static_cast<char16_t>(r.DigitAt(r.exponent));
    out += u',';
    for (int place = r.exponent - 1; place >= r.exponent - 6; --place) out += static_cast<char16_t>(r.DigitAt(place));
    out += u'E';
    out += r.exponent < 0 ? u'-' : u'+';
    AppendUnsigned(out, std::abs(r.exponent), twoDigitExponent ? 2 : 1);
    return out;
}

std::u16string FormatGeneral(double x) {
    if (!std::isfinite(x)) return NonFinite(x);
    Rounded r = Round(x, 15, kNoDecimalLimit);
    // The few doubles just below the top of the range would round up to 15 digits
    // beyond it, and the text would read back as infinity: cut them instead.
    if (BeyondDoubleRange(r)) r = Round(x, 15, kNoDecimalLimit, true);
    if (r.count == 0) return u"0";
    std::u16string out;
    if (r.negative) out += u'-';
    // Plain from 0,0001 up to below 1E15, that is for exponents -4 to 14.
    if (r.exponent >= -4 && r.exponent <= 14) {
        const int lastPlace = r.exponent - r.count + 1;
        for (int place = r.exponent > 0 ? r.exponent : 0; place >= 0; --place) {
            out += static_cast<char16_t>(r.DigitAt(place));
        }
        if (lastPlace < 0) {
            out += u',';
            for (int place = -1; place >= lastPlace; --place) out += static_cast<char16_t>(r.DigitAt(place));
        }
        return out;
    }
    out += static_cast<char16_t>(r.digits[0]);
    if (r.count > 1) {
        out += u',';
        for (int i = 1; i < r.count; ++i) out += static_cast<char16_t>(r.digits[static_cast<std::size_t>(i)]);
    }
    out += u'E';
    if (r.exponent < 0) out += u'-';
    AppendUnsigned(out, std::abs(r.exponent), 1);
    return out;
}

}  // namespace quorvel
