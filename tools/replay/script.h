#pragma once

// Reading one line of a scenario script into its words.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::replay {

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A word of a line: a bare word, or a double-quoted TEXT already unescaped.
struct Word {
    std::string raw;       // as written (for bare words and numbers)
    std::u16string text;   // the unescaped TEXT for quoted words
    bool quoted = false;
};

// Splits a line into words. Returns nothing for blank and comment lines. Throws
// ScriptError for an unterminated string or an unknown escape.
std::optional<std::vector<Word>> SplitLine(std::string_view line);

// A NUMBER: plain C-locale decimal, inf, -inf or nan. Throws ScriptError.
double ParseNumber(const std::string& word);
// A decimal integer within int's range. Throws ScriptError.
int ParseInteger(const std::string& word);

// The shortest decimal that reads back as the same double, or inf, -inf, nan.
std::string FormatNumber(double value);

}  // namespace quorvel::replay
