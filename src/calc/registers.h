#pragma once

// The memory registers as the buttons use them: a store reads a value's field texts
// strictly, a recall writes the general form into an operand's fields, and each
// button shows its register as its hint.

#include <string>

#include "numbers/complex_value.h"
#include "ui/ui_control.h"

namespace quorvel::calc {

// A register and its place: group 1 to 3 (the value it belongs to), slot 1 to 3.
struct RegisterRef {
    ComplexValue* value;
    int group;
    int slot;
};

// "M1.1: 3 j-4" for a register holding 3 - j4, "Memory M1.1" for an empty one
// (both parts 0).
[[nodiscard]] std::u16string RegisterHint(const RegisterRef& reg);

// Reads the real-part text, then the imaginary-part text, with StrToDouble (an empty
// text stands for 0). A part is stored as soon as it is read, so a failing imaginary
// text leaves the new real part stored. `boldOnStore`, where given, turns bold once a
// real part has been read from a non-empty text.
void StoreFields(const RegisterRef& reg, const ui::UiControl& real, const ui::UiControl& imaginary,
                 ui::UiControl* boldOnStore);

// Writes both parts in the general form into the two fields; their change handling
// takes the value over.
void RecallFields(const RegisterRef& reg, ui::UiControl& real, ui::UiControl& imaginary);

}  // namespace quorvel::calc
