#pragma once

// The keyboard order of a window as the layout gives it, and the radio pairs. Every
// toolkit builds its focus chain and its radio groups from these, so the order is
// decided once.

#include <functional>
#include <string_view>
#include <vector>

#include "ui/key_chord.h"
#include "ui/layout.h"

namespace quorvel::ui {

// The rows of `window` that take the keyboard focus, in tab order: depth first
// through the containers, a container's own stops where the container stands among
// its siblings. The two buttons of a radio pair stand side by side (the one the
// layout orders first, then its partner), so the pair keeps its place whichever is
// checked; of a pair only the checked button is a tab stop at any time, which the
// toolkit decides as the check moves. Containers, labels, shapes, the paint box and
// the speed buttons never take the focus and are not in the chain.
[[nodiscard]] std::vector<int> TabChain(std::string_view window);

// The radio buttons that form one group with the radio button of `row`: those of the
// same container, `row` included, in layout order. Clicking one checks it and
// unchecks the others before its Click is raised.
[[nodiscard]] std::vector<int> RadioGroup(int row);

// Where Tab (forward) or Shift+Tab moves the focus from `row`: the next row of its
// window's TabChain, going round, for which `isStop` is true (the toolkit asks: the
// control shows, is enabled with its containers, and a radio button is checked).
// `row` itself when no other row is a stop; -1 when `row` is not in a chain.
[[nodiscard]] int NextTabStop(int row, bool forward, const std::function<bool(int)>& isStop);

// Where an arrow key moves the focus (and the check) from the radio button `row`: the
// button of its RadioGroup whose centre lies in the arrow's direction, nearest along
// that direction, where `available` is true; -1 where none lies that way (the pair
// does not go round: Down from the lower button does nothing).
[[nodiscard]] int RadioArrowTarget(int row, Arrow arrow, const std::function<bool(int)>& available);

// Whether a row's control can take the keyboard focus at all: edits (read-only ones
// too), buttons, bit buttons, check boxes and radio buttons. Speed buttons never do,
// so a click on one leaves the focus (and an edit run) where it was.
[[nodiscard]] bool TakesFocus(const ControlSpec& row);

}  // namespace quorvel::ui
