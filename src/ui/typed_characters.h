#pragma once

// Which typed characters a single-line edit takes into its text, as the desktop's
// edit does, and how typed text falls into keys. Every toolkit types by these rules:
// the headless and the Win32 edit decide by them, and the Qt edit, whose own rule it
// is, is tested against them.

#include <string_view>
#include <vector>

namespace quorvel::ui {

// A key that types the code unit `c` alone inserts it, unless it is a control
// character, half of a surrogate pair, or a code point Unicode leaves unassigned
// (the noncharacters U+FFFE and U+FFFF among them). Format characters such as U+FEFF
// and private-use characters are taken. A character outside the Basic Multilingual
// Plane is typed as one key with both halves of its pair, and is always taken.
[[nodiscard]] bool EditTakesCharacter(char16_t c);

// Whether the two code units form a surrogate pair: one character typed by one key.
[[nodiscard]] constexpr bool IsSurrogatePair(char16_t high, char16_t low) {
    return high >= 0xD800 && high <= 0xDBFF && low >= 0xDC00 && low <= 0xDFFF;
}

// The keys that type `text`, in order: one code unit a key, except that both halves
// of a surrogate pair are one key. Every user driver types text by these keys.
[[nodiscard]] std::vector<std::u16string_view> SplitKeys(std::u16string_view text);

// The keys of an edit that move the cursor or the selection without typing.
enum class EditKey { Home, End, Left, Right, Up, Down, SelectAll, Other };

// Whether a key press ends the edit's current run (EditUndo::EndRun): one that left
// the text as it was and moved the cursor or the selection, or was a cursor key at
// all (a cursor key ends the run even where the cursor cannot move any further).
[[nodiscard]] constexpr bool EndsEditRun(EditKey key, bool textChanged, bool selectionMoved) {
    return !textChanged && (selectionMoved || key != EditKey::Other);
}

}  // namespace quorvel::ui
