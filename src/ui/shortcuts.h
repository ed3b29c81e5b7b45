#pragma once

// The main window's keyboard shortcuts: a chord that performs the click of a control,
// from whichever control of the window has the focus. Every toolkit takes them from
// this one table, before the focused control sees the key, so that no edit takes a
// shortcut's key for itself and no key handler sees it.
//
// The chords leave alone every key an edit needs (Ctrl+Z, X, C, V, A, Tab, Enter,
// Backspace, Delete, Home, End, the arrows) and the value chords Ctrl+Shift+C and
// Ctrl+Shift+V. The functions of the three values have none: 21 buttons in three
// copies have no chords one could remember.

#include <span>
#include <string>
#include <string_view>

#include "ui/key_chord.h"
#include "ui/toolkit.h"
#include "ui/toolkit_core.h"

namespace quorvel::ui {

// Invariants: `chord` reads by ParseChord, `control` is a button or speed button of
// the layout; no chord stands twice.
struct Shortcut {
    std::string_view chord;
    std::string_view control;
};

// The shortcuts in layout order of their controls.
[[nodiscard]] std::span<const Shortcut> Shortcuts();

// The row whose click `chord` performs in the window `window` ("Form1"); -1 when the
// chord is no shortcut there.
[[nodiscard]] int ShortcutTarget(std::string_view window, const KeyChord& chord);

// The chord of the control's shortcut in the form ParseChord reads ("Ctrl+Plus");
// empty when it has none.
[[nodiscard]] std::string_view ShortcutOf(std::string_view control);

// The chord as a German keyboard labels it, for people: "Strg+Umschalt+P", "Strg++",
// "Alt+1".
[[nodiscard]] std::u16string ChordLabel(std::string_view chord);

// A key chord pressed while the control of `focused` (or its window's own row) has the
// focus. Where the chord is a shortcut of that control's window, raises the Click of
// the shortcut's control if it shows and is enabled (the focus stays where it is), and
// returns true: the chord is taken, whether the control could be clicked or not, and
// the focused control must not see it. False for any other chord.
// Who calls: each toolkit, on the UI thread, before the focused control handles a key.
bool RunShortcut(Toolkit& kit, const ToolkitCore& core, int focused, const KeyChord& chord);

}  // namespace quorvel::ui
