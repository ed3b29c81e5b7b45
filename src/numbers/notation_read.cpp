// Reading numbers: the strict StrToFloat and the lenient Zahleneingabe.
//
// The text is scanned once into its significant digits and a decimal exponent. The
// binary value is then made by the C library's correctly rounding reader on a plain
// ASCII copy of the form DIGITS "e" EXPONENT: no decimal point, no grouping, no sign
// of the mantissa and no word, so nothing of it is anything the process locale could
// change, and the same call serves glibc and the Windows runtime alike. To keep
// reading linear in the length of the text, only as many digits are kept as any
// rounding decision of the target format can depend on; a nonzero digit beyond them
// is stood for by a single "1", which lies on the same side of every rounding
// boundary as the dropped digits did.

#include "numbers/notation.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

#include "numbers/calc_error.h"

namespace quorvel {
namespace {

// The most significant digits that a rounding boundary (the midpoint between two
// neighbours, or half the smallest subnormal) of a binary format can have: its odd
// numerator has at most digits+1 bits, and each halving below 1 adds a factor 5. For
// the x87 extended format this is about 11,520 digits, for double about 770. Big
// integers near the top of the range need at most max_exponent10 + 1 digits.
template <class T>
constexpr std::size_t BoundaryDigits() {
    using L = std::numeric_limits<T>;
    const std::int64_t halvings = L::digits + 1 - L::min_exponent;
    const std::int64_t small = (halvings * 69898 + (L::digits + 1) * 30103) / 100000 + 4;
    const std::int64_t big = L::max_exponent10 + 4;
    return static_cast<std::size_t>(small > big ? small : big);
}

constexpr std::size_t kLongDoubleDigits = BoundaryDigits<long double>();
constexpr std::size_t kDoubleDigits = BoundaryDigits<double>();

// Decimal exponents far beyond any format; clamping to them keeps the exponent that
// is handed to the C library small without changing the result.
constexpr std::int64_t kHugeExponent = 100000;

constexpr bool IsDigit(int c) { return c >= u'0' && c <= u'9'; }

// Invariants: digits holds '0'..'9' without leading or trailing zeros (empty for a
// zero value); the value is digits × 10^exponent, plus less than one unit of the last
// digit when inexact (then some dropped digit was nonzero).
struct Decimal {
    bool negative = false;
    std::string digits;
    bool inexact = false;
    std::int64_t exponent = 0;

    // The decimal exponent of the leading digit: value in [10^e, 10^(e+1)).
    [[nodiscard]] std::int64_t Magnitude() const {
        return exponent + static_cast<std::int64_t>(digits.size()) - 1;
    }
};

// Walks a text code unit by code unit; -1 stands for the end, since the text
// itself may hold U+0000.
class TextCursor {
public:
    explicit TextCursor(std::u16string_view text) : text_(text) {}
    [[nodiscard]] int Peek() const { return pos_ < text_.size() ? text_[pos_] : -1; }
    void Advance() { ++pos_; }

private:
    std::u16string_view text_;
    std::size_t pos_ = 0;
};

constexpr bool KeptByFilter(char16_t c) { return c == u',' || c == u'-' || IsDigit(c); }

// The prefix form's filtered text, walked without building it: only ",", "-" and
// digits are seen.
class FilterCursor {
public:
    explicit FilterCursor(std::u16string_view text) : text_(text) { Skip(); }
    [[nodiscard]] int Peek() const { return pos_ < text_.size() ? text_[pos_] : -1; }
    void Advance() {
        ++pos_;
        Skip();
    }

private:
    void Skip() {
        while (pos_ < text_.size() && !KeptByFilter(text_[pos_])) ++pos_;
    }
    std::u16string_view text_;
    std::size_t pos_ = 0;
};

// Collects the mantissa digits, keeping at most kLongDoubleDigits significant ones.
class DigitCollector {
public:
    explicit DigitCollector(Decimal& out) : out_(out) {}

    void Take(int c, bool fraction) {
        if (fraction) ++fractionDigits_;
        if (c == u'0' && out_.digits.empty()) return;  // leading zero
        if (out_.digits.size() < kLongDoubleDigits) {
            out_.digits.push_back(static_cast<char>(c));
        } else {
            ++dropped_;
            if (c != u'0') out_.inexact = true;
        }
    }

    void Finish(std::int64_t exponent) {
        std::int64_t scale = exponent - fractionDigits_ + dropped_;
        while (!out_.digits.empty() && out_.digits.back() == '0') {
            out_.digits.pop_back();
            ++scale;
        }
        out_.exponent = scale;
    }

private:
    Decimal& out_;
    std::int64_t fractionDigits_ = 0;
    std::int64_t dropped_ = 0;
};

// The strict form: blanks, sign, digits, comma and fraction, exponent whose digits
// stop once it reaches 500, blanks, end.
template <class Cursor>
bool ParseDecimal(Cursor cursor, Decimal& out) {
    while (cursor.Peek() == u' ') cursor.Advance();
    if (cursor.Peek() == u'+' || cursor.Peek() == u'-') {
        out.negative = cursor.Peek() == u'-';
        cursor.Advance();
    }
    DigitCollector collector(out);
    bool anyDigit = false;
    for (; IsDigit(cursor.Peek()); cursor.Advance()) {
        collector.Take(cursor.Peek(), false);
        anyDigit = true;
    }
    if (cursor.Peek() == u',') {
        cursor.Advance();
        for (; IsDigit(cursor.Peek()); cursor.Advance()) {
            collector.Take(cursor.Peek(), true);
            anyDigit = true;
        }
    }
    if (!anyDigit) return false;

    std::int64_t exponent = 0;
    if (cursor.Peek() == u'e' || cursor.Peek() == u'E') {
        cursor.Advance();
        bool negativeExponent = false;
        if (cursor.Peek() == u'+' || cursor.Peek() == u'-') {
            negativeExponent = cursor.Peek() == u'-';
            cursor.Advance();
        }
        if (!IsDigit(cursor.Peek())) return false;
        for (; IsDigit(cursor.Peek()) && exponent < 500; cursor.Advance()) {
            exponent = exponent * 10 + (cursor.Peek() - u'0');
        }
        if (negativeExponent) exponent = -exponent;
    }
    while (cursor.Peek() == u' ') cursor.Advance();
    if (cursor.Peek() != -1) return false;
    collector.Finish(exponent);
    return true;
}

// "DIGITS" + "1" if inexact + "e" + exponent, with at most maxDigits digits taken;
// the callers have already settled the magnitudes beyond any format.
std::string PlainText(const Decimal& d, std::size_t maxDigits) {
    const std::size_t kept = d.digits.size() < maxDigits ? d.digits.size() : maxDigits;
    const bool sticky = d.inexact || kept < d.digits.size();
    std::string text;
    text.reserve(kept + 12);
    text.append(d.digits, 0, kept);
    std::int64_t exponent = d.exponent + static_cast<std::int64_t>(d.digits.size() - kept);
    if (sticky) {
        text.push_back('1');
        --exponent;
    }
    text.push_back('e');
    std::array<char, 24> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), exponent);
    text.append(buf.data(), res.ptr);
    return text;
}

// The correctly rounded long double; false when it lies beyond the long double range.
bool ToLongDouble(const Decimal& d, long double& value) {
    const long double sign = d.negative ? -1.0L : 1.0L;
    if (d.digits.empty() || d.Magnitude() < -kHugeExponent) {
        value = sign * 0.0L;
        return true;
    }
    if (d.Magnitude() > kHugeExponent) return false;
    const std::string text = PlainText(d, kLongDoubleDigits);
    value = sign * std::strtold(text.c_str(), nullptr);
    return !std::isinf(value);
}

// The correctly rounded double, rounded once from the decimal; false when the value
// lies beyond the long double range (the limit of the strict reader).
bool ToDouble(const Decimal& d, double& value) {
    const double sign = d.negative ? -1.0 : 1.0;
    if (d.digits.empty() || d.Magnitude() < -kHugeExponent) {
        value = sign * 0.0;
        return true;
    }
    if (d.Magnitude() >= std::numeric_limits<long double>::max_exponent10 - 1) {
        long double wide = 0;
        if (!ToLongDouble(d, wide)) return false;
        value = static_cast<double>(wide);
        return true;
    }
    const std::string text = PlainText(d, kDoubleDigits);
    double magnitude = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (res.ec == std::errc::result_out_of_range) {
        magnitude = d.Magnitude() > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    value = sign * magnitude;
    return true;
}

char16_t AsciiUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }

bool EqualsIgnoringCase(std::u16string_view text, std::u16string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (AsciiUpper(text[i]) != word[i]) return false;
    }
    return true;
}

bool ReadSpecialWord(std::u16string_view s, long double& value) {
    const std::size_t start = s.find_first_not_of(u' ');
    const std::u16string_view rest = start == std::u16string_view::npos ? std::u16string_view() : s.substr(start);
    if (EqualsIgnoringCase(rest, u"NAN")) {
        value = std::numeric_limits<long double>::quiet_NaN();
    } else if (EqualsIgnoringCase(rest, u"INF") || EqualsIgnoringCase(rest, u"+INF")) {
        value = std::numeric_limits<long double>::infinity();
    } else if (EqualsIgnoringCase(rest, u"-INF")) {
        value = -std::numeric_limits<long double>::infinity();
    } else {
        return false;
    }
    return true;
}

// Index 1 to 17 of a prefix letter in kVorsatz, 0 for any other code unit. All the
// letters lie below U+0100, so a small table answers for every character of a long
// pasted text in constant time.
constexpr std::array<std::uint8_t, 256> MakePrefixIndex() {
    std::array<std::uint8_t, 256> index{};
    for (std::size_t i = 0; i < kVorsatz.size(); ++i) index[kVorsatz[i]] = static_cast<std::uint8_t>(i + 1);
    return index;
}
constexpr std::array<std::uint8_t, 256> kPrefixIndex = MakePrefixIndex();

int PrefixIndex(char16_t c) { return c < kPrefixIndex.size() ? kPrefixIndex[c] : 0; }

std::u16string Filtered(std::u16string_view s) {
    std::u16string out;
    for (const char16_t c : s) {
        if (KeptByFilter(c)) out.push_back(c);
    }
    return out;
}

bool IsExponentStart(std::u16string_view s, std::size_t pos) {
    if (pos >= s.size()) return false;
    if (IsDigit(s[pos])) return true;
    return (s[pos] == u'+' || s[pos] == u'-') && pos + 1 < s.size() && IsDigit(s[pos + 1]);
}

}  // namespace

std::u16string ConversionErrorMessage(std::u16string_view text) {
    std::u16string message;
    message.reserve(text.size() + 40);
    message += u'\'';
    message += text;
    message += u"' ist kein g\u00FCltiger Gleitkommawert";
    return message;
}

long double StrToFloat(std::u16string_view s) {
    Decimal d;
    long double value = 0;
    if (ParseDecimal(TextCursor(s), d)) {
        if (ToLongDouble(d, value)) return value;
    } else if (ReadSpecialWord(s, value)) {
        return value;
    }
    throw CalcError(ConversionErrorMessage(s));
}

double StrToDouble(std::u16string_view s) {
    Decimal d;
    double value = 0;
    if (ParseDecimal(TextCursor(s), d)) {
        if (ToDouble(d, value)) return value;
    } else if (long double special = 0; ReadSpecialWord(s, special)) {
        return static_cast<double>(special);
    }
    throw CalcError(ConversionErrorMessage(s));
}

double Zahleneingabe(std::u16string_view s) {
    // An "E" that starts an exponent counts as "e"; any other "E" is the prefix exa.
    const std::size_t bigE = s.find(u'E');
    const bool bigEIsExponent = bigE != std::u16string_view::npos && bigE + 1 < s.size() &&
                                (IsDigit(s[bigE + 1]) || s[bigE + 1] == u'+' || s[bigE + 1] == u'-');
    std::size_t smallE = s.find(u'e');
    if (bigEIsExponent && bigE < smallE) smallE = bigE;

    if (smallE != std::u16string_view::npos) {
        // A dangling exponent ("5e", "5e-") is taken for unfinished typing: 0, no error.
        if (!IsExponentStart(s, smallE + 1)) return 0.0;
        Decimal d;
        double value = 0;
        if (ParseDecimal(TextCursor(s), d) && ToDouble(d, value)) return value;
        std::u16string lowered(s);
        if (bigEIsExponent) lowered[bigE] = u'e';
        throw CalcError(ConversionErrorMessage(lowered));
    }

    int prefix = 0;
    for (const char16_t c : s) {
        if (const int index = PrefixIndex(c); index != 0) prefix = index;
    }
    Decimal d;
    if (ParseDecimal(FilterCursor(s), d)) {
        double value = 0;
        if (prefix == 0 && ToDouble(d, value)) return value;
        long double mantissa = 0;
        if (prefix != 0 && ToLongDouble(d, mantissa)) {
            return static_cast<double>(mantissa * static_cast<long double>(Wertberechnung(prefix)));
        }
    }
    throw CalcError(ConversionErrorMessage(Filtered(s)));
}

}  // namespace quorvel
