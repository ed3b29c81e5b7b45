#pragma once

// The five text fields of a value and the display that writes a value into them.

#include "calc/display_rules.h"
#include "numbers/complex_value.h"
#include "ui/toolkit.h"

namespace quorvel::calc {

struct ValueFields {
    ui::UiControl& real;
    ui::UiControl& imaginary;
    ui::UiControl& magnitude;
    ui::UiControl& radians;
    ui::UiControl& degrees;
};

// Writes the fields that `forms` names, in the order real, imaginary, magnitude,
// angles. Each quantity is read from `value` right before its field is written: a
// write into a rectangular field of an operand changes the value through the field's
// change handling, and the later fields show the value as changed.
void ShowValue(const ValueFields& fields, const ComplexValue& value, const DisplayForms& forms);

// Hides one angle field and shows the other: the degree field when `degrees` is set.
void ShowAngleField(const ValueFields& fields, bool degrees);

// The control of a layout row by name; the layout must have it.
ui::UiControl& Bind(ui::Toolkit& kit, std::string_view name);

}  // namespace quorvel::calc
