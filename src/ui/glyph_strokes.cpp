#include "ui/glyph_strokes.h"

#include <algorithm>
#include <array>

namespace quorvel::ui {

namespace {

using K = GlyphStroke::Kind;

constexpr GlyphStroke T(double x, double y, std::u16string_view text, double size, bool italic = false) {
    return {K::Text, x, y, 0, 0, size, 0, text, italic};
}
constexpr GlyphStroke L(double x1, double y1, double x2, double y2, double width = 1.2) {
    return {K::Line, x1, y1, x2, y2, 0, width, {}, false};
}
constexpr GlyphStroke D(double x, double y, double radius, double least) { return {K::Dot, x, y, 0, 0, radius, least, {}, false}; }

constexpr auto kReciprocal = std::to_array<GlyphStroke>({T(0.14, 0.55, u"1", 0.55), L(0.58, 0.12, 0.38, 0.9), T(0.6, 0.95, u"x", 0.6, true)});
constexpr auto kSquare = std::to_array<GlyphStroke>({T(0.22, 0.85, u"x", 0.75, true), T(0.6, 0.48, u"2", 0.5)});
constexpr auto kAbsSquare = std::to_array<GlyphStroke>(
    {L(0.12, 0.15, 0.12, 0.9), T(0.2, 0.8, u"x", 0.7, true), L(0.58, 0.15, 0.58, 0.9), T(0.66, 0.45, u"2", 0.45)});
constexpr auto kSquareRoot = std::to_array<GlyphStroke>({T(0.06, 0.45, u"2", 0.4), L(0.14, 0.6, 0.24, 0.52), L(0.24, 0.52, 0.36, 0.9),
                                                         L(0.36, 0.9, 0.5, 0.1), L(0.5, 0.1, 0.92, 0.1), T(0.55, 0.85, u"x", 0.65, true)});
constexpr auto kConjugate = std::to_array<GlyphStroke>({L(0.32, 0.18, 0.68, 0.18), T(0.33, 0.85, u"x", 0.75, true)});
constexpr auto kPowerOfTen = std::to_array<GlyphStroke>({T(0.08, 0.88, u"10", 0.65), T(0.66, 0.48, u"x", 0.5, true)});
constexpr auto kLogarithm = std::to_array<GlyphStroke>({T(0.02, 0.78, u"log", 0.55), T(0.7, 0.78, u"x", 0.55, true)});
constexpr auto kPlus = std::to_array<GlyphStroke>({L(0.3, 0.5, 0.7, 0.5, 2.0), L(0.5, 0.25, 0.5, 0.75, 2.0)});
constexpr auto kMinus = std::to_array<GlyphStroke>({L(0.3, 0.5, 0.7, 0.5, 2.0)});
constexpr auto kDot = std::to_array<GlyphStroke>({D(0.5, 0.5, 0.09, 1.5)});
constexpr auto kDivide = std::to_array<GlyphStroke>({L(0.3, 0.5, 0.7, 0.5, 2.0), D(0.5, 0.27, 0.07, 1.2), D(0.5, 0.73, 0.07, 1.2)});
constexpr auto kPi = std::to_array<GlyphStroke>({T(0.18, 0.8, u"\u03c0", 0.85)});
constexpr auto kEulerItalic = std::to_array<GlyphStroke>({T(0.22, 0.78, u"e", 0.9, true)});
constexpr auto kEpsilon0 = std::to_array<GlyphStroke>({T(0.1, 0.72, u"\u03b5", 0.8), T(0.58, 0.92, u"0", 0.45)});
constexpr auto kMu0 = std::to_array<GlyphStroke>({T(0.08, 0.72, u"\u00b5", 0.8), T(0.58, 0.92, u"0", 0.45)});
constexpr auto kCharge = std::to_array<GlyphStroke>({T(0.22, 0.78, u"e", 0.9)});
constexpr auto kLightSpeed = std::to_array<GlyphStroke>({T(0.22, 0.78, u"c", 0.9)});

}  // namespace

std::span<const GlyphStroke> GlyphStrokes(Glyph glyph) {
    switch (glyph) {
        case Glyph::None: break;
        case Glyph::Reciprocal: return kReciprocal;
        case Glyph::Square: return kSquare;
        case Glyph::AbsSquare: return kAbsSquare;
        case Glyph::SquareRoot: return kSquareRoot;
        case Glyph::Conjugate: return kConjugate;
        case Glyph::PowerOfTen: return kPowerOfTen;
        case Glyph::Logarithm: return kLogarithm;
        case Glyph::Plus: return kPlus;
        case Glyph::Minus: return kMinus;
        case Glyph::Dot: return kDot;
        case Glyph::Divide: return kDivide;
        case Glyph::Pi: return kPi;
        case Glyph::EulerItalic: return kEulerItalic;
        case Glyph::Epsilon0: return kEpsilon0;
        case Glyph::Mu0: return kMu0;
        case Glyph::Charge: return kCharge;
        case Glyph::LightSpeed: return kLightSpeed;
    }
    return {};
}

Rect FittedLabel(const ControlSpec& spec, int textWidth) {
    const Rect& p = spec.place;
    const int width = std::max(p.w, textWidth);
    const int x = spec.align == Align::Center ? p.x - (width - p.w) / 2 : spec.align == Align::Right ? p.x - (width - p.w) : p.x;
    return {x, p.y, width, p.h};
}

}  // namespace quorvel::ui
