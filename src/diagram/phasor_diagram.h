#pragma once

// The phasor diagram as one picture over the canvas: the reference circle, the axes
// with their arrows and labels, and a phasor for each value whose degree text holds a
// number, all of the same length. It knows the values only by these texts.

#include <array>
#include <string>

#include "ui/ui_canvas.h"

namespace quorvel::diagram {

// What the diagram needs of one value: whether its phasor may be drawn, and the text
// of its degree field (an empty text draws nothing).
struct PhasorSource {
    bool draw = false;
    std::u16string degrees;
};

// Draws the whole picture anew, Z1, Z2 and Z3 in this order, as one picture of the
// canvas (BeginPicture to EndPicture). A degree text that StrToFloat cannot read
// throws the conversion error: the picture stops at that phasor, and what is drawn
// stays.
void DrawPicture(ui::UiCanvas& canvas, const std::array<PhasorSource, 3>& phasors);

// A line from `tail` to `tip` with a filled head at `tip`, in black, one pixel.
void DrawArrow(ui::UiCanvas& canvas, ui::Point tail, ui::Point tip);

}  // namespace quorvel::diagram
