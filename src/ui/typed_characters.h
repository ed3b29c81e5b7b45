#pragma once

// Which typed characters a single-line edit takes into its text, as the desktop's
// edit does. Both toolkits type by this rule: the headless edit decides by it, and
// the Qt edit, whose own rule it is, is tested against it.

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

}  // namespace quorvel::ui
