// Feeds arbitrary texts to the readers and arbitrary doubles to the writers.
//
// The input bytes are read as UTF-8 (a byte that starts no valid sequence becomes
// the code unit of the same value), so that the corpus stays readable and the micro
// sign, the Greek mu and the minus sign U+2212 are reachable. Its first eight bytes
// are also taken as the bits of a double for the writers.
//
// Checked: only CalcError leaves the readers; what the strict reader accepts equals
// the correctly rounded value of the standard library's reader; every written text
// reads back to the double nearest to it, and the general form is written again
// the same from what it reads back as. The complex reader of pasted text refuses with
// a message or gives finite parts, and the clipboard's rectangular text and part
// texts read back as exactly the doubles they were written from.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#include "numbers/calc_error.h"
#include "numbers/complex_reading.h"
#include "numbers/complex_text.h"
#include "numbers/notation.h"

namespace {

using quorvel::CalcError;

[[noreturn]] void Fail(const char* what, double x) {
    std::fprintf(stderr, "notation property broken: %s (%a)\n", what, x);
    std::abort();
}

std::u16string FromUtf8(const std::uint8_t* data, std::size_t size) {
    std::u16string out;
    for (std::size_t i = 0; i < size;) {
        const std::uint8_t b = data[i];
        std::size_t length = b >= 0xF0 && b < 0xF5 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b < 0xE0 ? 2 : 1;
        char32_t cp = length == 4 ? b & 0x07u : length == 3 ? b & 0x0Fu : length == 2 ? b & 0x1Fu : b;
        bool valid = b < 0x80 || length > 1;
        if (i + length > size) valid = false;
        for (std::size_t k = 1; valid && k < length; ++k) {
            if ((data[i + k] & 0xC0) != 0x80) valid = false;
            cp = (cp << 6) | (data[i + k] & 0x3Fu);
        }
        if (!valid || cp > 0x10FFFF) {
            out += static_cast<char16_t>(b);
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += length;
    }
    return out;
}

// The standard library's correctly rounded double for a text of this notation; false
// where it cannot tell (beyond the double range, or not a plain number).
bool NearestDouble(std::u16string_view text, double& value) {
    // A leading "0" lets the reader take ",5" as well.
    std::string ascii = "0";
    bool negative = false;
    bool inMantissa = false;
    for (const char16_t c : text) {
        if (c == u' ' || c == u'+') continue;
        if (c > 0x7F) return false;
        if (c == u'-' && !inMantissa) {
            negative = true;
            continue;
        }
        inMantissa = true;
        ascii += c == u',' ? '.' : static_cast<char>(c);
    }
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size()) return false;
    if (negative) value = -value;
    return true;
}

double ReadsBackAs(const std::u16string& text, double x) {
    double back = 0;
    try {
        back = quorvel::Zahleneingabe(text);
    } catch (const CalcError&) {
        Fail("a written text does not read back", x);
    }
    double nearest = 0;
    if (!NearestDouble(text, nearest) || back != nearest) Fail("a written text reads back to another double", x);
    return back;
}

// The clipboard's texts of finite parts come back bit for bit: the whole value through
// the paste, each part through the entry fields' reader.
void CheckClipboardText(double re, double im) {
    const quorvel::ComplexReading r = quorvel::ReadComplex(quorvel::RectangularText(re, im));
    if (!r.Ok()) Fail("a copied value is refused by the paste", re);
    double back[2] = {r.Real(), r.Imaginary()};
    const double parts[2] = {re, im};
    if (std::memcmp(back, parts, sizeof parts) != 0) Fail("a copied value pastes as another", re);
    back[0] = quorvel::Zahleneingabe(r.RealText());
    back[1] = quorvel::Zahleneingabe(r.ImaginaryText());
    if (std::memcmp(back, parts, sizeof parts) != 0) Fail("a part text types as another number", re);
}

void CheckComplexReading(const std::u16string& text) {
    const quorvel::ComplexReading r = quorvel::ReadComplex(text);
    if (!r.Ok()) {
        if (r.Message().empty()) Fail("a refusal without a message", 0);
        return;
    }
    if (!std::isfinite(r.Real()) || !std::isfinite(r.Imaginary())) Fail("a pasted part is not finite", r.Real());
    CheckClipboardText(r.Real(), r.Imaginary());
}

void CheckWriting(double x) {
    if (std::isfinite(x)) CheckClipboardText(x, -x);
    if (!std::isfinite(x)) {
        const std::u16string text = quorvel::FormatGeneral(x);
        const long double back = quorvel::StrToFloat(text);
        if (std::isnan(x) != std::isnan(back) || (!std::isnan(x) && back != x)) Fail("special word", x);
        return;
    }
    const std::u16string general = quorvel::FormatGeneral(x);
    const double back = ReadsBackAs(general, x);
    if (quorvel::FormatGeneral(back) != general) Fail("general form not stable", x);
    ReadsBackAs(quorvel::FormatExponent(x, true), x);
    ReadsBackAs(quorvel::FormatExponent(x, false), x);
    if (std::fabs(x) < 1e20) {
        ReadsBackAs(quorvel::FormatFixed(x), x);
        ReadsBackAs(quorvel::FormatFixed3(x), x);
    }
    quorvel::EinheitVorsatz(x);
    quorvel::AnzeigeWert(x);
}

void CheckReading(const std::u16string& text) {
    try {
        const double value = quorvel::Zahleneingabe(text);
        CheckWriting(value);
    } catch (const CalcError&) {
    }
    long double strict = 0;
    try {
        strict = quorvel::StrToFloat(text);
    } catch (const CalcError&) {
        return;
    }
    CheckWriting(static_cast<double>(strict));
    // The lenient reader sees an accepted plain number as it is (the filter only
    // drops blanks and "+"), so it must give the correctly rounded double.
    double nearest = 0;
    if (std::isfinite(strict) && NearestDouble(text, nearest) && std::isfinite(nearest)) {
        if (quorvel::Zahleneingabe(text) != nearest) Fail("accepted number not correctly rounded", nearest);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = FromUtf8(data, size);
    CheckReading(text);
    CheckComplexReading(text);
    if (size >= sizeof(double)) {
        double x = 0;
        std::memcpy(&x, data, sizeof x);
        CheckWriting(x);
    }
    return 0;
}
