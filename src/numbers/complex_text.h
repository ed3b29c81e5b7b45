#pragma once

// A complex value as one line of text for the clipboard: the rectangular form that
// another copy of the calculator reads back exactly, the polar form for people, and
// the tab-separated row for a spreadsheet. The window's copy commands call these with
// the value of Z1, Z2 or Z3; nothing here touches the window or the clipboard.
//
// All three write the decimal comma and never consult the process locale. They cannot
// fail. Non-finite numbers are written as the displays write them, "INF", "-INF" and
// "NAN", so a copied overflow is plain to see; ReadComplex refuses these words with a
// message rather than pasting a value that no entry field can hold.

#include <string>

#include "numbers/complex_value.h"

namespace quorvel {

// The shortest text that reads back as exactly x: the fewest significant digits
// (at most 17) that the correctly rounding readers turn into x again, with the comma.
// Plain from 0,0001 up to below 1E15 ("3,5", "-0,0001", "123456789012345,67"), with
// an exponent outside ("1E-5", "1,7976931348623157E308", "5E-324"), like the memory
// registers' form but with every digit the double needs. Zero is "0" and negative
// zero "-0". Both Zahleneingabe and StrToDouble read every finite result back as
// exactly x, so the text may be written into an entry field as it is.
[[nodiscard]] std::u16string RoundTripText(double x);

// "3,5 + j4,2", "3,5 - j4,2", "-0 + j0": always both parts, the real part first and
// the imaginary part behind "j" with the sign of the imaginary part (its sign bit, so
// -0 gives "- j0"). One fixed shape, so that a reader on the other side needs no
// case for a missing part; a part of zero is written "0". The parts are taken as they
// are, unsnapped: ReadComplex gives back exactly (re, im) for all finite doubles,
// subnormals and both zeros included.
[[nodiscard]] std::u16string RectangularText(double re, double im);
[[nodiscard]] std::u16string RectangularText(const ComplexValue& z);

// "5 ∠ 53,130102354156°": the magnitude Abs(z) and the angle Angle(z) in degrees,
// converted as the displays convert, each to at most 15 significant digits without
// trailing zeros (the memory registers' form). For reading by people: pasted again it
// gives a value within a few units in the last place, not necessarily the same one.
[[nodiscard]] std::u16string PolarText(const ComplexValue& z);

// "3,5\t4,2\t5,4671747731346585\t50,1944289077348": real part, imaginary part,
// magnitude and angle in degrees, separated by tabs, each by RoundTripText so that a
// spreadsheet gets every digit. One row, no line end.
[[nodiscard]] std::u16string TableText(const ComplexValue& z);

}  // namespace quorvel
