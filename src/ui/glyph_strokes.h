#pragma once

// The symbols of the speed buttons and of the constant buttons as strokes: text in
// an outline font, straight lines and round dots, each placed in fractions of the
// face it is drawn on. Every toolkit draws a glyph from this one table with its own
// painter, at whatever size the face has, so a symbol is designed once and stays
// sharp at any scale.

#include <span>
#include <string_view>

#include "ui/layout.h"

namespace quorvel::ui {

// Invariants: coordinates are fractions of the face (0 left or top, 1 right or
// bottom); `size` of a text and of a dot is a fraction of the face's height.
struct GlyphStroke {
    enum class Kind : std::uint8_t { Text, Line, Dot };
    Kind kind = Kind::Text;
    double x = 0;   // Text: start of the baseline; Line: one end; Dot: centre
    double y = 0;
    double x2 = 0;  // Line: the other end
    double y2 = 0;
    // Text: the font's pixel height; Dot: the radius; Line: unused.
    double size = 0;
    // Line: the pen width in pixels of the face at 96 dpi; Dot: the least radius in
    // those pixels; Text: unused.
    double pixels = 0;
    std::u16string_view text;  // Text only, drawn in Arial
    bool italic = false;
};

// The strokes of `glyph` in drawing order; none for Glyph::None.
[[nodiscard]] std::span<const GlyphStroke> GlyphStrokes(Glyph glyph);

// The side of the square a constant button's glyph is drawn in, in pixels at 96 dpi.
[[nodiscard]] constexpr int ConstantGlyphSide(Glyph glyph) { return glyph == Glyph::EulerItalic ? 24 : 20; }

// The place a label built from `spec` takes for a caption `textWidth` pixels wide: its
// layout place, widened where the caption needs more (labels size themselves to their
// caption, and where a screen's font draws a pixel wider than the design, the label
// grows rather than clip its last letter), kept aligned as the layout says.
[[nodiscard]] Rect FittedLabel(const ControlSpec& spec, int textWidth);

}  // namespace quorvel::ui
