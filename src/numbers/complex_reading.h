#pragma once

// Reading a complex number from pasted text: "3+4j" from a simulator, "5∠53,13°" from
// a datasheet, "3,5 + j4,2" from another copy of the calculator. The window's paste
// command calls ReadComplex with the clipboard's text and, on success, writes the two
// part texts into the operand's rectangular fields, so that the change handling runs
// as if the user had typed them; on failure it shows the message in the error box and
// leaves the operand alone. Nothing here touches the window, and the process locale
// plays no part.
//
// Whatever is not certainly one number is refused with a message that quotes the
// piece not understood; nothing is guessed. The accepted text, around optional blanks
// (space, tab, no-break spaces) and line ends at either end:
//
//   rectangular   a | a ± jb | a ± bj | jb | bj   (i in place of j, both small
//                 letters; "j" alone is 1; blanks allowed between the pieces, but
//                 not inside a number and not between a j and a sign after it)
//   polar         r ∠ φ° | r ∠ φ rad               (blanks optional, "rad" any case)
//   number        sign? mantissa (exponent | prefix)?
//   mantissa      digits with the decimal comma; a point only as below
//   exponent      e or E, an optional sign, digits: "1e3", "1,5E-3"; an e, or an E
//                 with a sign, that has no digits ("5e", "5E+") is refused
//   prefix        one letter of kVorsatz after the digits, a blank between allowed:
//                 "4,7k", "2,2 µ", "100M"; an E is exa unless a digit or sign follows
//   sign          "+", "-" or the minus sign U+2212
//
// The point, which the entry fields skip as a thousands separator ("1.000,5"), is read
// only where no other reading exists: as thousands separators before the comma or
// between groups of three ("1.000,5", "1.000.000"), and as the decimal point where it
// cannot be a thousands separator ("1.5", "0.125", "1234.567", "3.14159"). A single
// point after one to three digits not led by 0 and before exactly three digits
// ("1.000", "12.345", "1.500e3") could be either and is refused.
//
// The angle needs its unit: "5∠30" is refused, because degrees and radians are both
// common and a wrong guess would be silent. Degrees are converted as the polar entry
// converts them, and the parts are r·cos φ and r·sin φ as FromPolar computes them.
// A prefix works there too ("20 mrad"). The words INF and NAN, which the displays
// write, and numbers beyond the double range are refused: no entry field can hold them.

#include <string>
#include <string_view>

#include "numbers/complex_value.h"

namespace quorvel {

// Invariants: either Ok() with two finite parts and an empty message, or not Ok()
// with a nonempty German message and both parts 0. Only ReadComplex makes one.
class ComplexReading {
public:
    [[nodiscard]] bool Ok() const noexcept { return message_.empty(); }

    // The parts exactly as read, unsnapped: a text written by RectangularText gives
    // back its two doubles bit for bit, -0 and subnormals included. 0 when refused.
    [[nodiscard]] double Real() const noexcept { return real_; }
    [[nodiscard]] double Imaginary() const noexcept { return imaginary_; }

    // The parts as an operand holds them, snapped as every stored part is.
    [[nodiscard]] ComplexValue Value() const noexcept { return ComplexValue::Create(real_, imaginary_); }

    // The texts for the rectangular entry fields (RoundTripText): Zahleneingabe reads
    // each back as exactly that part, so writing them sets the operand to Value().
    [[nodiscard]] std::u16string RealText() const;
    [[nodiscard]] std::u16string ImaginaryText() const;

    // The whole message, full stop included, for the error box ("Fehler", OK alone)
    // as it is: "'x' wurde nicht verstanden. ..." Raised as a CalcError to the default
    // error box it would get a second full stop.
    [[nodiscard]] const std::u16string& Message() const noexcept { return message_; }

private:
    friend ComplexReading ReadComplex(std::u16string_view text);
    ComplexReading(double real, double imaginary, std::u16string message);

    double real_ = 0.0;
    double imaginary_ = 0.0;
    std::u16string message_;
};

// Reads the whole text as one complex number by the grammar above. Never throws for
// any text (arbitrary length, unpaired surrogates, U+0000 included); a refusal is a
// result, not an exception. Linear in the length of the text.
[[nodiscard]] ComplexReading ReadComplex(std::u16string_view text);

}  // namespace quorvel
