#pragma once

// The notation of numbers in the calculator's text fields: reading what the user
// types (4,7k, 1,5e3, 8,854187817E-12) and writing numbers back in the fixed, the
// exponent and the general form. The decimal separator is always the comma, and
// nothing here consults the process locale, so a German or an English desktop reads
// and writes the same texts.
//
// Every rounding of a written number goes half away from zero and is decided on the
// exact binary value of the double, so 0.0078125 is written 0,007813 in the fixed
// form while the double nearest to 5e-7 (slightly below it) is written 0,000000.

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

// The unit-prefix letters in the order of their indices 1 to 17 (Y ... y). Both "u"
// and the micro sign U+00B5 stand for micro; the Greek small mu U+03BC does not.
inline constexpr std::u16string_view kVorsatz = u"YZEPTGMkmu\u00B5npfazy";

// The strict reader of a plain decimal number: blanks (U+0020 only), an optional
// sign, digits with an optional comma and fraction, an optional exponent ("e" or
// "E", optional sign, digits taken until the exponent reaches 500), blanks, end.
// Failing that, the words NAN, INF, +INF and -INF (any case, after leading blanks).
// The result is the correctly rounded long double; a value that underflows reads
// as 0 (or a subnormal), one beyond the long double range is a failure.
// Throws CalcError with ConversionErrorMessage(s).
long double StrToFloat(std::u16string_view s);

// The strict reader for the callers that keep a double (the memories, the diagram, the
// component values): the same texts and failures as StrToFloat, but the double nearest
// to the decimal, rounded once. Rounding StrToFloat's long double to double would round
// twice and miss by one unit in the last place next to a midpoint (1e126, or
// 0,99999999999999994448884876874217297881841659545898437 just below the midpoint
// under 1). A value beyond the double range but within the long double range reads
// as an infinity, one below the smallest subnormal as a zero.
double StrToDouble(std::u16string_view s);

// The lenient reader of the entry fields: exponent form ("1E3", "1,5e-3"; an "e"
// not followed by a digit or a signed digit gives 0 without failure) or prefix form
// (only ",", "-" and digits are read; the last prefix letter anywhere in the text
// gives the factor, so "5 Ohm" is 5 milli). Throws CalcError.
double Zahleneingabe(std::u16string_view s);

// The factor of the prefix letter at index 1 to 17 of kVorsatz (the double nearest
// to the power of ten); 0 for any other index.
double Wertberechnung(std::int32_t index);

// A component value split for display: AnzeigeWert gives the mantissa, EinheitVorsatz
// the blank and prefix letter to append ("4,7 m" for 0.0047 before the unit). Values
// below 1e-24, zero, negative values and NaN come back unchanged with two blanks, so
// that the pair still states the value in the base unit.
double AnzeigeWert(double wert);
std::u16string EinheitVorsatz(double wert);

// "-123,456800": at most 7 significant digits and at most 6 decimals, whichever
// keeps fewer, always written with exactly 6 decimals.
std::u16string FormatFixed(double x);

// As FormatFixed, with at most and exactly 3 decimals.
std::u16string FormatFixed3(double x);

// "-1,234568E+02" (two-digit exponent) or "-1,234568E+2" (short exponent): 7
// significant digits.
std::u16string FormatExponent(double x, bool twoDigitExponent);

// The form of the memory registers: at most 15 significant digits, no trailing
// zeros, plain for 0,0001 up to below 1E15 and with an unsigned-if-positive exponent
// outside ("1E-5", "1E15"); zero is "0".
std::u16string FormatGeneral(double x);

// "'TEXT' ist kein gültiger Gleitkommawert", with the text inserted as it is.
std::u16string ConversionErrorMessage(std::u16string_view text);

}  // namespace quorvel
