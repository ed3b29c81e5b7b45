#pragma once

// What a screen reader announces for each control a user can focus or click: one
// German name per control, unique within its window, kept here as one table keyed
// by the control's layout name. The control's hint from the layout is its
// description; a toolkit applies both.

#include <span>
#include <string>
#include <string_view>

#include "ui/layout.h"

namespace quorvel::ui {

struct AccessibleName {
    std::string_view control;  // the row's name in Layout()
    std::u16string_view name;  // what a screen reader says the control is
};

// Every entry, the main window's controls first, then the constants window's.
std::span<const AccessibleName> AccessibleNames();

// The name of a control, or the empty text when the table has none for it.
std::u16string_view AccessibleNameOf(std::string_view control);

// What a screen reader reads out after the name: the control's hint from the layout,
// and the keyboard shortcut that clicks it, if any ("Tastenkürzel: Strg++").
std::u16string AccessibleDescriptionOf(const ControlSpec& row);

// True for the kinds of control a user can focus or click: edits (read-only ones
// too, they take the focus), buttons of every kind, check boxes and radio buttons.
bool TakesUserInput(const ControlSpec& row);

}  // namespace quorvel::ui
