// Reading a pasted complex number.
//
// A small recursive-descent reader over the trimmed text. Each number is first
// checked for its shape here, with its points and commas settled, and only then
// turned into a double by the program's own readers on a canonical text of digits and
// comma, so that a pasted number gets the very double that typing it would give:
// StrToDouble for a plain number or one with an exponent, Zahleneingabe for one with a
// prefix letter (whose factor it applies at extended precision). Any doubt is a
// refusal, thrown inside the reader as a Refusal and returned as a result.

#include "numbers/complex_reading.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "numbers/calc_error.h"
#include "numbers/complex_text.h"
#include "numbers/constants.h"
#include "numbers/elementary.h"
#include "numbers/notation.h"

namespace quorvel {
namespace {

constexpr char16_t kAngleSign = u'\u2220';
constexpr char16_t kDegreeSign = u'\u00B0';
constexpr char16_t kMinusSign = u'\u2212';
constexpr char16_t kInfinitySign = u'\u221E';

// A quoted piece is cut after this many code units, so that a pasted page does not
// fill the error box.
constexpr std::size_t kQuoteLength = 24;

// Beyond these leading-digit exponents a number is certainly above the double range
// or certainly rounds to zero (the smallest subnormal is about 4.9e-324).
constexpr std::int64_t kAboveRange = 308;
constexpr std::int64_t kBelowRange = -400;
// Exponent digits beyond this are counted no further; the number is then far outside
// the range either way.
constexpr std::int64_t kExponentCap = 1000000000;

constexpr bool IsDigit(int c) { return c >= u'0' && c <= u'9'; }
constexpr bool IsAsciiLetter(int c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
// Blanks that separate the tokens: the space, the tab of a spreadsheet cell, and the
// no-break spaces that mail and word processors put before units and signs.
constexpr bool IsBlank(int c) { return c == u' ' || c == u'\t' || c == u'\u00A0' || c == u'\u202F'; }
constexpr bool IsLineEnd(int c) { return c == u'\r' || c == u'\n'; }
constexpr bool IsSign(int c) { return c == u'+' || c == u'-' || c == kMinusSign; }
constexpr bool IsNegativeSign(int c) { return c == u'-' || c == kMinusSign; }
constexpr bool IsImaginaryUnit(int c) { return c == u'j' || c == u'i'; }
constexpr bool StartsMantissa(int c) { return IsDigit(c) || c == u',' || c == u'.'; }
bool IsPrefixLetter(int c) { return c > 0 && kVorsatz.find(static_cast<char16_t>(c)) != std::u16string_view::npos; }

// The messages. Each names the piece it did not take, in the quotes the program's
// other messages use.
std::u16string Quote(std::u16string_view piece) {
    std::size_t length = piece.size();
    bool cut = false;
    if (length > kQuoteLength) {
        length = kQuoteLength;
        // Never end on the first half of a surrogate pair.
        if (piece[length - 1] >= 0xD800 && piece[length - 1] <= 0xDBFF) --length;
        cut = true;
    }
    std::u16string out(u"'");
    for (std::size_t i = 0; i < length; ++i) {
        // A control character would break the box's line or show as nothing.
        out += piece[i] < 0x20 ? u'\uFFFD' : piece[i];
    }
    if (cut) out += u'\u2026';
    out += u'\'';
    return out;
}

std::u16string Compose(std::u16string_view before, std::u16string_view piece, std::u16string_view after) {
    std::u16string out(before);
    out += Quote(piece);
    out += after;
    return out;
}

constexpr std::u16string_view kEmpty = u"Es gibt nichts einzuf\u00FCgen: Der Text ist leer.";
constexpr std::u16string_view kSeveralLines =
    u"Der Text hat mehr als eine Zeile. Eingef\u00FCgt wird ein einzelner Wert wie 3,5 + j4,2.";
constexpr std::u16string_view kTwoAngleSigns = u"Das Winkelzeichen '\u2220' darf nur einmal vorkommen.";
constexpr std::u16string_view kMissingMagnitude = u"Vor '\u2220' fehlt der Betrag.";
constexpr std::u16string_view kMissingAngle = u"Nach '\u2220' fehlt der Winkel.";

std::u16string NotUnderstood(std::u16string_view piece) {
    return Compose(u"", piece,
                   u" wurde nicht verstanden. Eingef\u00FCgt wird ein Wert wie 3,5 + j4,2 oder "
                   u"5 \u2220 53,13\u00B0.");
}
std::u16string MissingNumber(std::u16string_view sign) { return Compose(u"Nach ", sign, u" fehlt eine Zahl."); }
std::u16string TwoSigns(std::u16string_view piece) { return Compose(u"Zwei Vorzeichen hintereinander: ", piece, u"."); }
std::u16string MissingSign(std::u16string_view piece) {
    return Compose(u"Vor dem Imagin\u00E4rteil ", piece, u" fehlt '+' oder '-'.");
}
std::u16string MissingUnit(std::u16string_view piece) {
    return Compose(u"Dem zweiten Teil ", piece, u" fehlt das j oder i des Imagin\u00E4rteils.");
}
std::u16string SignAfterUnit(std::u16string_view piece) {
    return Compose(u"", piece, u": Das Vorzeichen geh\u00F6rt vor das j oder i, wie in 3 - j4.");
}
std::u16string ExponentWithoutDigits(std::u16string_view piece) {
    return Compose(u"", piece, u": Dem Exponenten fehlen die Ziffern.");
}
std::u16string PrefixAfterExponent(std::u16string_view piece) {
    return Compose(u"", piece, u": Nach einem Exponenten ist kein Vorsatz erlaubt.");
}
std::u16string AmbiguousPoint(std::u16string_view piece) {
    return Compose(u"", piece,
                   u" ist mehrdeutig: Der Punkt kann Dezimalpunkt oder Tausendertrennzeichen sein. "
                   u"Bitte mit Dezimalkomma schreiben.");
}
std::u16string PointAfterComma(std::u16string_view piece) {
    return Compose(u"", piece, u" wurde nicht verstanden: Nach dem Dezimalkomma darf kein Punkt stehen.");
}
std::u16string BadGrouping(std::u16string_view piece) {
    return Compose(u"", piece,
                   u" wurde nicht verstanden: Ein Punkt trennt nur Dreiergruppen von Ziffern vor dem Komma, "
                   u"wie in 1.000,5.");
}
std::u16string TwoCommas(std::u16string_view piece) { return Compose(u"", piece, u" hat mehr als ein Komma."); }
std::u16string TooLarge(std::u16string_view piece) {
    return Compose(u"", piece, u" ist zu gro\u00DF: Eine Zahl kann h\u00F6chstens etwa 1,8E308 sein.");
}
std::u16string NotFinite(std::u16string_view piece) {
    return Compose(u"", piece, u" ist keine endliche Zahl und kann nicht eingef\u00FCgt werden.");
}
std::u16string MissingAngleUnit(std::u16string_view piece) {
    return Compose(u"Beim Winkel ", piece, u" fehlt die Einheit: \u00B0 oder rad.");
}

struct Refusal {
    std::u16string message;
};

[[noreturn]] void Refuse(std::u16string message) { throw Refusal{std::move(message)}; }

// The digits of a number whose points and commas have been settled.
// Invariants: both hold '0'..'9' only; together at least one digit.
struct Digits {
    std::u16string integer;
    std::u16string fraction;
};

std::u16string WithoutPoints(std::u16string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (const char16_t c : s) {
        if (c != u'.') out += c;
    }
    return out;
}

// Digits separated by points into thousands groups: one to three digits, not led by a
// zero, then groups of exactly three. Only such a run can be meant as grouping.
bool IsGrouped(std::u16string_view s) {
    const std::size_t first = s.find(u'.');
    if (first == std::u16string_view::npos || first == 0 || first > 3 || s[0] == u'0') return false;
    std::size_t groupStart = first + 1;
    for (;;) {
        const std::size_t next = s.find(u'.', groupStart);
        const std::size_t groupEnd = next == std::u16string_view::npos ? s.size() : next;
        if (groupEnd - groupStart != 3) return false;
        if (next == std::u16string_view::npos) return true;
        groupStart = next + 1;
    }
}

// Settles what the commas and points of a mantissa ("1.000,5", "3.14", "1.000") mean.
Digits SettleMantissa(std::u16string_view m) {
    std::size_t commas = 0;
    std::size_t points = 0;
    for (const char16_t c : m) {
        commas += c == u',';
        points += c == u'.';
    }
    if (commas > 1) Refuse(TwoCommas(m));
    if (commas == 1) {
        // The comma is the decimal separator; points may only group the integer part.
        const std::size_t comma = m.find(u',');
        if (m.find(u'.', comma) != std::u16string_view::npos) Refuse(PointAfterComma(m));
        const std::u16string_view integer = m.substr(0, comma);
        if (points > 0 && !IsGrouped(integer)) Refuse(BadGrouping(m));
        return {WithoutPoints(integer), std::u16string(m.substr(comma + 1))};
    }
    if (points == 0) return {std::u16string(m), {}};
    if (points == 1) {
        // Grouping needs three digits after the point; without them the point can
        // only be a decimal point. With them it could be either.
        if (IsGrouped(m)) Refuse(AmbiguousPoint(m));
        const std::size_t point = m.find(u'.');
        return {std::u16string(m.substr(0, point)), std::u16string(m.substr(point + 1))};
    }
    // Two points or more cannot be decimal points: grouping or nothing.
    if (!IsGrouped(m)) Refuse(BadGrouping(m));
    return {WithoutPoints(m), {}};
}

// The double nearest to integer,fraction × 10^exponent, by the strict reader on a
// normalized text whose exponent is small; false when beyond the double range.
bool ScaledValue(const Digits& d, std::int64_t exponent, double& value) {
    const std::u16string all = d.integer + d.fraction;
    const std::size_t first = all.find_first_not_of(u'0');
    if (first == std::u16string::npos) {
        value = 0.0;
        return true;
    }
    const std::size_t last = all.find_last_not_of(u'0');
    const std::int64_t magnitude =
        static_cast<std::int64_t>(d.integer.size()) - 1 - static_cast<std::int64_t>(first) + exponent;
    if (magnitude > kAboveRange) return false;
    if (magnitude < kBelowRange) {
        value = 0.0;
        return true;
    }
    std::u16string text(1, all[first]);
    if (last > first) {
        text += u',';
        text.append(all, first + 1, last - first);
    }
    text += u'e';
    for (const char c : std::to_string(magnitude)) text += static_cast<char16_t>(c);
    value = StrToDouble(text);
    return std::isfinite(value);
}

// Invariants: imaginary tells whether the term carried j or i; value is finite and
// already has the term's own sign.
struct Term {
    double value = 0.0;
    bool imaginary = false;
};

// Invariants: both finite.
struct Parts {
    double real = 0.0;
    double imaginary = 0.0;
};

class Reader {
public:
    Reader(std::u16string_view text, std::size_t begin, std::size_t end)
        : text_(text), pos_(begin), begin_(begin), end_(end) {}

    Parts Rectangular();
    Parts Polar();

private:
    [[nodiscard]] int Peek(std::size_t ahead = 0) const {
        return pos_ + ahead < end_ ? text_[pos_ + ahead] : -1;
    }
    [[nodiscard]] bool AtEnd() const { return pos_ >= end_; }
    void SkipBlanks() {
        while (IsBlank(Peek())) ++pos_;
    }
    [[nodiscard]] std::u16string_view Span(std::size_t from, std::size_t to) const {
        return text_.substr(from, to - from);
    }
    [[nodiscard]] std::u16string_view Rest() const { return Span(pos_, end_); }

    [[noreturn]] void RefuseRest() const;
    bool TakeSign();
    void RefuseNonFiniteWord() const;
    double Number();
    std::int64_t Exponent();
    Term ParseTerm();
    bool LooksImaginary();

    std::u16string_view text_;
    std::size_t pos_;
    std::size_t begin_;
    std::size_t end_;
};

// The rest of the text from here, reaching back over the letters of a word that was
// partly taken ("Ohm" of "5 mOhm" is quoted as "mOhm").
void Reader::RefuseRest() const {
    std::size_t from = pos_;
    if (IsAsciiLetter(Peek())) {
        while (from > begin_ && (IsAsciiLetter(text_[from - 1]) || text_[from - 1] == u'\u00B5')) --from;
    }
    Refuse(NotUnderstood(Span(from, end_)));
}

// An optional sign with the blanks after it; true for a minus. A second sign, or
// nothing after the sign, is refused.
bool Reader::TakeSign() {
    if (!IsSign(Peek())) return false;
    const std::size_t sign = pos_;
    const bool negative = IsNegativeSign(Peek());
    ++pos_;
    SkipBlanks();
    if (IsSign(Peek())) Refuse(TwoSigns(Span(sign, pos_ + 1)));
    if (AtEnd()) Refuse(MissingNumber(Span(sign, sign + 1)));
    return negative;
}

// INF and NAN as the displays write them (any case, also "infinity" and "∞", and
// "infj" as some programs write an infinite imaginary part) stand where a number
// would: refused by name rather than as letters not understood.
void Reader::RefuseNonFiniteWord() const {
    if (Peek() == kInfinitySign) Refuse(NotFinite(Span(pos_, pos_ + 1)));
    const auto wordAt = [&](std::u16string_view word) {
        for (std::size_t i = 0; i < word.size(); ++i) {
            const int c = Peek(i);
            if (c < 0 || (c | 0x20) != word[i]) return false;
        }
        const int next = Peek(word.size());
        return !IsAsciiLetter(next) || IsImaginaryUnit(next);
    };
    for (const std::u16string_view word : {u"infinity", u"inf", u"nan"}) {
        if (wordAt(word)) Refuse(NotFinite(Span(pos_, pos_ + word.size())));
    }
}

// The digits of an exponent after "e" and its sign, counted up to a cap.
std::int64_t Reader::Exponent() {
    std::int64_t exponent = 0;
    for (; IsDigit(Peek()); ++pos_) {
        if (exponent < kExponentCap) exponent = exponent * 10 + (Peek() - u'0');
    }
    return exponent;
}

// An unsigned number at a mantissa start: mantissa, then an exponent or a prefix.
double Reader::Number() {
    const std::size_t start = pos_;
    bool anyDigit = false;
    for (; StartsMantissa(Peek()); ++pos_) anyDigit = anyDigit || IsDigit(Peek());
    if (!anyDigit) {
        pos_ = start;
        RefuseRest();
    }
    const Digits digits = SettleMantissa(Span(start, pos_));

    // "e" always opens an exponent; "E" only before a digit or a signed digit, and is
    // otherwise the prefix exa, as in the entry fields. A sign without digits is an
    // unfinished exponent, which the entry fields read as 0: here it is refused.
    const int c = Peek();
    const bool exponentDigitNext = IsDigit(Peek(1)) || (IsSign(Peek(1)) && IsDigit(Peek(2)));
    if (c == u'e' || (c == u'E' && (exponentDigitNext || IsSign(Peek(1))))) {
        if (!exponentDigitNext) Refuse(ExponentWithoutDigits(Span(start, pos_ + (IsSign(Peek(1)) ? 2 : 1))));
        ++pos_;
        const bool negative = IsNegativeSign(Peek());
        if (IsSign(Peek())) ++pos_;
        const std::int64_t magnitude = Exponent();
        if (IsPrefixLetter(Peek())) Refuse(PrefixAfterExponent(Span(start, pos_ + 1)));
        double value = 0;
        if (!ScaledValue(digits, negative ? -magnitude : magnitude, value)) {
            Refuse(TooLarge(Span(start, pos_)));
        }
        return value;
    }

    // A prefix letter, after the digits or a blank ("4,7k", "4,7 k").
    const std::size_t afterDigits = pos_;
    SkipBlanks();
    const int letter = Peek();
    const bool exponentLike = letter == u'E' && (IsDigit(Peek(1)) || IsSign(Peek(1)));
    if (!IsPrefixLetter(letter) || exponentLike) {
        pos_ = afterDigits;
        double value = 0;
        if (!ScaledValue(digits, 0, value)) Refuse(TooLarge(Span(start, pos_)));
        return value;
    }
    ++pos_;
    // The entry fields' own reader applies the factor, so the double is the one that
    // typing the number gives.
    std::u16string typed = digits.integer;
    if (!digits.fraction.empty()) typed += u',' + digits.fraction;
    typed += static_cast<char16_t>(letter);
    double value = 0;
    try {
        value = Zahleneingabe(typed);
    } catch (const CalcError&) {
        value = HUGE_VAL;  // only a mantissa beyond the extended range fails here
    }
    if (!std::isfinite(value)) Refuse(TooLarge(Span(start, pos_)));
    return value;
}

// One part of the rectangular form, with its own sign: "-3", "j4", "4,2j", "-i", "j".
Term Reader::ParseTerm() {
    const bool negative = TakeSign();
    RefuseNonFiniteWord();
    Term term;
    if (IsImaginaryUnit(Peek())) {
        const std::size_t unit = pos_;
        ++pos_;
        const std::size_t afterUnit = pos_;
        // "j-4": the sign of the part written after the j instead of before it.
        if (IsSign(Peek())) Refuse(SignAfterUnit(Span(unit, end_)));
        SkipBlanks();
        RefuseNonFiniteWord();
        term.imaginary = true;
        if (StartsMantissa(Peek())) {
            term.value = Number();
        } else {
            // "j" alone is the imaginary unit itself, as in 1 - j.
            pos_ = afterUnit;
            term.value = 1.0;
        }
    } else if (StartsMantissa(Peek())) {
        term.value = Number();
        const std::size_t afterNumber = pos_;
        SkipBlanks();
        // A j with digits after it opens the next part ("3 j4"), not this one.
        if (IsImaginaryUnit(Peek()) && !StartsMantissa(Peek(1))) {
            ++pos_;
            term.imaginary = true;
        } else {
            pos_ = afterNumber;
        }
    } else {
        RefuseRest();
    }
    if (negative) term.value = -term.value;
    return term;
}

// Whether an imaginary part without its sign stands here, up to the end; the
// position is left as it was.
bool Reader::LooksImaginary() {
    const std::size_t start = pos_;
    bool imaginary = false;
    if (!IsSign(Peek())) {
        try {
            imaginary = ParseTerm().imaginary;
            SkipBlanks();
            imaginary = imaginary && AtEnd();
        } catch (const Refusal&) {
            imaginary = false;
        }
    }
    pos_ = start;
    return imaginary;
}

Parts Reader::Rectangular() {
    const Term first = ParseTerm();
    SkipBlanks();
    if (AtEnd()) {
        return first.imaginary ? Parts{0.0, first.value} : Parts{first.value, 0.0};
    }
    // The imaginary part comes second: "j4 + 3" is not taken.
    if (first.imaginary) RefuseRest();
    if (!IsSign(Peek())) {
        // "3 j4" or "3 4j" lacks only the sign; anything else ("3 4", "1 000") is not
        // understood as a whole.
        if (LooksImaginary()) Refuse(MissingSign(Rest()));
        RefuseRest();
    }
    const std::size_t secondStart = pos_;
    const Term second = ParseTerm();
    const std::size_t secondEnd = pos_;
    SkipBlanks();
    // What follows is named first: in "3+4x" it is the "x" that was not understood.
    if (!AtEnd()) RefuseRest();
    if (!second.imaginary) Refuse(MissingUnit(Span(secondStart, secondEnd)));
    return {first.value, second.value};
}

Parts Reader::Polar() {
    if (Peek() == kAngleSign) Refuse(std::u16string(kMissingMagnitude));
    const bool negative = TakeSign();
    RefuseNonFiniteWord();
    if (!StartsMantissa(Peek())) RefuseRest();
    const double magnitude = negative ? -Number() : Number();
    SkipBlanks();
    if (Peek() != kAngleSign) RefuseRest();
    ++pos_;
    SkipBlanks();
    if (AtEnd() || Peek() == kDegreeSign) Refuse(std::u16string(kMissingAngle));

    const std::size_t angleStart = pos_;
    const bool negativeAngle = TakeSign();
    RefuseNonFiniteWord();
    if (!StartsMantissa(Peek())) RefuseRest();
    const double number = Number();
    const double angle = negativeAngle ? -number : number;
    const std::size_t angleEnd = pos_;
    SkipBlanks();

    double theta = 0;
    const auto radAt = [&] {
        return (Peek(0) | 0x20) == u'r' && (Peek(1) | 0x20) == u'a' && (Peek(2) | 0x20) == u'd' &&
               !IsAsciiLetter(Peek(3));
    };
    if (Peek() == kDegreeSign) {
        ++pos_;
        theta = static_cast<double>(angle * kRadiansPerDegree);
    } else if (radAt()) {
        pos_ += 3;
        theta = angle;
    } else if (AtEnd()) {
        Refuse(MissingAngleUnit(Span(angleStart, angleEnd)));
    } else {
        RefuseRest();
    }
    SkipBlanks();
    if (!AtEnd()) RefuseRest();
    // FromPolar's products, unsnapped; Value() snaps them as FromPolar would.
    return {magnitude * elementary::Cos(theta), magnitude * elementary::Sin(theta)};
}

}  // namespace

ComplexReading::ComplexReading(double real, double imaginary, std::u16string message)
    : real_(real), imaginary_(imaginary), message_(std::move(message)) {}

std::u16string ComplexReading::RealText() const { return RoundTripText(real_); }

std::u16string ComplexReading::ImaginaryText() const { return RoundTripText(imaginary_); }

ComplexReading ReadComplex(std::u16string_view text) {
    const auto refused = [](std::u16string_view message) { return ComplexReading(0.0, 0.0, std::u16string(message)); };
    const auto isSpace = [](char16_t c) { return IsBlank(c) || IsLineEnd(c); };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isSpace(text[begin])) ++begin;
    while (end > begin && isSpace(text[end - 1])) --end;
    if (begin == end) return refused(kEmpty);

    std::size_t angleSigns = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (IsLineEnd(text[i])) return refused(kSeveralLines);
        angleSigns += text[i] == kAngleSign;
    }
    if (angleSigns > 1) return refused(kTwoAngleSigns);

    Reader reader(text, begin, end);
    try {
        const Parts parts = angleSigns == 1 ? reader.Polar() : reader.Rectangular();
        return {parts.real, parts.imaginary, {}};
    } catch (const Refusal& refusal) {
        return refused(refusal.message);
    }
}

}  // namespace quorvel
