// Writing a complex value for the clipboard.
//
// The digits of a part come from std::to_chars in its shortest scientific form: the
// fewest digits from which a correctly rounding reader gets the same double back. It
// is independent of the locale, and the program's own readers round correctly, so the
// text round-trips through them as it does through the standard library's.

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>

#include "numbers/complex_text.h"
#include "numbers/constants.h"
#include "numbers/notation.h"

namespace quorvel {
namespace {

// The same words the displays write for non-finite numbers.
std::u16string NonFinite(double x) {
    if (std::isnan(x)) return u"NAN";
    return x < 0 ? u"-INF" : u"INF";
}

void AppendAscii(std::u16string& out, const char* first, const char* last) {
    for (const char* p = first; p != last; ++p) out += static_cast<char16_t>(*p);
}

// As the displays convert: the product at extended precision, stored as a double.
double Degrees(const ComplexValue& z) { return static_cast<double>(Angle(z) * kDegreesPerRadian); }

}  // namespace

std::u16string RoundTripText(double x) {
    if (!std::isfinite(x)) return NonFinite(x);
    if (x == 0.0) return std::signbit(x) ? u"-0" : u"0";

    // "-d.ddde-XX": at most 17 digits, a sign and an exponent of up to 3 digits.
    std::array<char, 40> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::scientific);
    const char* end = res.ptr;
    const char* e = end;
    while (*(e - 1) != 'e') --e;
    int exponent = 0;
    std::from_chars(*e == '+' ? e + 1 : e, end, exponent);

    const char* first = buf.data();
    const bool negative = *first == '-';
    if (negative) ++first;
    std::array<char, 20> digits{};
    int count = 0;
    for (const char* p = first; p != e - 1; ++p) {
        if (*p != '.') digits[static_cast<std::size_t>(count++)] = *p;
    }

    std::u16string out;
    if (negative) out += u'-';
    // Plain from 0,0001 up to below 1E15, as the memory registers write, so that a
    // value of everyday size needs no exponent to be read.
    if (exponent >= -4 && exponent <= 14) {
        const auto digitAt = [&](int place) {
            const int index = exponent - place;
            return index >= 0 && index < count ? static_cast<char16_t>(digits[static_cast<std::size_t>(index)]) : u'0';
        };
        for (int place = exponent > 0 ? exponent : 0; place >= 0; --place) out += digitAt(place);
        const int lastPlace = exponent - count + 1;
        if (lastPlace < 0) {
            out += u',';
            for (int place = -1; place >= lastPlace; --place) out += digitAt(place);
        }
        return out;
    }
    out += static_cast<char16_t>(digits[0]);
    if (count > 1) {
        out += u',';
        AppendAscii(out, digits.data() + 1, digits.data() + count);
    }
    out += u'E';
    // An "E" directly followed by a digit or a signed digit is an exponent to every
    // reader of the program, never the prefix exa.
    std::array<char, 8> exp{};
    const auto expRes = std::to_chars(exp.data(), exp.data() + exp.size(), exponent);
    AppendAscii(out, exp.data(), expRes.ptr);
    return out;
}

std::u16string RectangularText(double re, double im) {
    std::u16string out = RoundTripText(re);
    // NaN carries no sign worth showing; every other imaginary part, -0 included, is
    // written with the sign of its sign bit, so that the text gives back that bit.
    const bool minus = !std::isnan(im) && std::signbit(im);
    out += minus ? u" - j" : u" + j";
    out += RoundTripText(std::isnan(im) ? im : std::fabs(im));
    return out;
}

std::u16string RectangularText(const ComplexValue& z) { return RectangularText(z.Real(), z.Imaginary()); }

std::u16string PolarText(const ComplexValue& z) {
    std::u16string out = FormatGeneral(Abs(z));
    out += u" \u2220 ";
    out += FormatGeneral(Degrees(z));
    out += u'\u00B0';
    return out;
}

std::u16string TableText(const ComplexValue& z) {
    std::u16string out = RoundTripText(z.Real());
    for (const double x : {z.Imaginary(), Abs(z), Degrees(z)}) {
        out += u'\t';
        out += RoundTripText(x);
    }
    return out;
}

}  // namespace quorvel
