#pragma once

// Conversions between the UTF-16 texts of the calculator and the UTF-8 of scripts,
// transcripts and messages, and the transcript's forms of strings and colours.

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/colors.h"

namespace quorvel::ui {

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
// UTF-8 to UTF-16; a malformed byte becomes U+FFFD.
std::u16string FromUtf8(std::string_view text);

// The transcript's string form: in double quotes, with `"`, `\` and control
// characters escaped as in scripts (\n \r \t, else \uXXXX), all else as UTF-8.
std::string Quote(std::u16string_view text);

// `red` for clRed, `window` for the system window colour, otherwise `#rrggbb`.
std::string ColorName(Color color);

// A message as a box shows it: a quoted text (between the first and the last "'")
// longer than kBoxQuoteLimit characters is cut to its first ones and "…", so that a
// pasted mebibyte neither freezes the box's layout nor widens it past the screen.
// The message's own words stay as they are.
inline constexpr std::size_t kBoxQuoteLimit = 100;
std::u16string BoxText(std::u16string_view message);

}  // namespace quorvel::ui
