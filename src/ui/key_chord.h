#pragma once

// A key chord as a script names it ("Ctrl+Shift+C", "Alt+P", "F5", "Esc", "Ctrl+Plus")
// and what a chord does to an edit, decided once for every toolkit: the headless
// edit acts by these rules, the Qt and the Win32 edit are held to them by the
// contract suite.

#include <optional>
#include <string>
#include <string_view>

namespace quorvel::ui {

enum class KeyName {
    Character,  // a letter, a digit, or Plus, Minus, Asterisk, Slash: `character`
    Enter,
    Tab,
    Escape,
    Function,  // F1 ... F12: `function`
    Up,
    Down,
    Left,
    Right,
};

// Invariants: `character` is 'A'...'Z', '0'...'9', '+', '-', '*' or '/' exactly when
// key is Character, and 0 otherwise; `function` is 1...12 exactly when key is
// Function, and 0 otherwise.
struct KeyChord {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    KeyName key = KeyName::Character;
    char16_t character = 0;
    int function = 0;

    friend bool operator==(const KeyChord&, const KeyChord&) = default;
};

// Reads "Ctrl+Shift+C": modifiers Ctrl, Shift and Alt (each at most once, any order,
// before the key), then one key: a letter (either case) or digit, Plus, Minus,
// Asterisk, Slash, Enter, Tab, Esc, F1 ... F12, or Up, Down, Left, Right. Key and
// modifier names are matched without regard to case. Nothing for any other text.
[[nodiscard]] std::optional<KeyChord> ParseChord(std::string_view text);

// The chord's name in the form ParseChord reads: "Ctrl+Shift+C", "F5", "Esc".
[[nodiscard]] std::string ChordName(const KeyChord& chord);

// The code unit that the chord sends to the focused control as a typed character:
// a letter in lower case, in upper case with Shift; a digit or + - * / as it stands
// (Shift changes nothing there: which character Shift gives on a digit depends on the
// keyboard's layout, and a script must mean the same on every desktop); Enter 13;
// Esc 27. None (0) for Tab, the function and arrow keys, and whenever Ctrl or Alt is
// held: such a chord is a command, not typing.
[[nodiscard]] char16_t TypedBy(const KeyChord& chord);

// The arrow of a plain arrow key (no modifier held); nothing for any other chord.
enum class Arrow { Up, Down, Left, Right };
[[nodiscard]] std::optional<Arrow> ArrowOf(const KeyChord& chord);

// The commands of an edit's own chords. Every other chord with Ctrl or Alt leaves an
// edit alone, on every desktop alike.
enum class EditCommand { None, Undo, Cut, Copy, Paste, SelectAll };
[[nodiscard]] EditCommand EditCommandOf(const KeyChord& chord);

}  // namespace quorvel::ui
