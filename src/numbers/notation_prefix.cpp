// The unit prefixes: the factor of a prefix letter for reading, and the split of a
// component value into mantissa and prefix for display.

#include <array>
#include <cstdint>
#include <string>

#include "numbers/notation.h"

namespace quorvel {
namespace {

// The factors in the order of kVorsatz; both micro letters share 1e-6.
constexpr std::array<double, 17> kFactors = {1e24, 1e21, 1e18, 1e15, 1e12, 1e9,  1e6,   1e3,  1e-3,
                                             1e-6, 1e-6, 1e-9, 1e-12, 1e-15, 1e-18, 1e-21, 1e-24};

// Invariants: the bands are ordered by falling lower bound; a band at or above 1e3
// divides by its bound, a band below 1 multiplies by the inverse power rather than
// dividing by its bound, which no double holds exactly; letter 0 marks the band
// without a letter.
struct Band {
    double lower;
    double scale;
    bool divide;
    char16_t letter;
};

constexpr std::array<Band, 17> kBands = {{
    {1e24, 1e24, true, u'Y'},   {1e21, 1e21, true, u'Z'},  {1e18, 1e18, true, u'E'},
    {1e15, 1e15, true, u'P'},   {1e12, 1e12, true, u'T'},  {1e9, 1e9, true, u'G'},
    {1e6, 1e6, true, u'M'},     {1e3, 1e3, true, u'k'},    {1.0, 1.0, true, 0},
    {1e-3, 1e3, false, u'm'},   {1e-6, 1e6, false, u'\u00B5'}, {1e-9, 1e9, false, u'n'},
    {1e-12, 1e12, false, u'p'}, {1e-15, 1e15, false, u'f'}, {1e-18, 1e18, false, u'a'},
    {1e-21, 1e21, false, u'z'}, {1e-24, 1e24, false, u'y'},
}};

// The band of a value; nullptr below 1e-24, for zero, negative values and NaN.
const Band* BandOf(double wert) {
    for (const Band& band : kBands) {
        if (wert >= band.lower) return &band;
    }
    return nullptr;
}

}  // namespace

double Wertberechnung(std::int32_t index) {
    if (index < 1 || index > static_cast<std::int32_t>(kFactors.size())) return 0.0;
    return kFactors[static_cast<std::size_t>(index - 1)];
}

double AnzeigeWert(double wert) {
    const Band* band = BandOf(wert);
    if (band == nullptr) return wert;
    return band->divide ? wert / band->scale : wert * band->scale;
}

std::u16string EinheitVorsatz(double wert) {
    const Band* band = BandOf(wert);
    if (band == nullptr) return u"  ";
    if (band->letter == 0) return u" ";
    return std::u16string{u' ', band->letter};
}

}  // namespace quorvel
