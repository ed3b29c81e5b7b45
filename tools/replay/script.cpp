#include "script.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "ui/text.h"

namespace quorvel::replay {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::vector<Word>> SplitLine(std::string_view line) {
    std::size_t i = line.find_first_not_of(" \t\r");
    if (i == std::string_view::npos || line[i] == '#') return std::nullopt;
    std::vector<Word> words;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        Word w;
        if (line[i] != '"') {
            const std::size_t end = line.find_first_of(" \t\r", i);
            w.raw = std::string(line.substr(i, end == std::string_view::npos ? std::string_view::npos : end - i));
            if (w.raw.find('"') != std::string::npos) throw ScriptError("stray quote in " + w.raw);
            i = end == std::string_view::npos ? line.size() : end;
            words.push_back(std::move(w));
            continue;
        }
        w.quoted = true;
        ++i;
        std::string plain;  // UTF-8 run between escapes
        auto flush = [&] {
            w.text += ui::FromUtf8(plain);
            plain.clear();
        };
        bool closed = false;
        while (i < line.size()) {
            const char c = line[i++];
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\') {
                plain += c;
                continue;
            }
            if (i >= line.size()) throw ScriptError("unterminated escape");
            const char e = line[i++];
            flush();
            switch (e) {
                case '"': w.text += u'"'; break;
                case '\\': w.text += u'\\'; break;
                case 'n': w.text += u'\n'; break;
                case 'r': w.text += u'\r'; break;
                case 't': w.text += u'\t'; break;
                case 'u': {
                    if (i + 4 > line.size()) throw ScriptError("\\u needs four hex digits");
                    unsigned v = 0;
                    for (int k = 0; k < 4; ++k) {
                        const int d = HexDigit(line[i++]);
                        if (d < 0) throw ScriptError("\\u needs four hex digits");
                        v = v * 16 + static_cast<unsigned>(d);
                    }
                    w.text += static_cast<char16_t>(v);
                    break;
                }
                default: throw ScriptError(std::string("unknown escape \\") + e);
            }
        }
        if (!closed) throw ScriptError("unterminated string");
        flush();
        if (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
            throw ScriptError("text must be followed by a blank");
        }
        words.push_back(std::move(w));
    }
    return words;
}

double ParseNumber(const std::string& word) {
    if (word == "inf") return std::numeric_limits<double>::infinity();
    if (word == "-inf") return -std::numeric_limits<double>::infinity();
    if (word == "nan") return std::numeric_limits<double>::quiet_NaN();
    double v = 0;
    const char* first = word.data();
    const char* last = word.data() + word.size();
    // from_chars takes no "+", and neither does a plain C decimal here.
    const auto [ptr, ec] = std::from_chars(first, last, v);
    if (word.empty() || ec != std::errc() || ptr != last || word.find_first_of("xXpP") != std::string::npos ||
        word.find_first_of("iInN") != std::string::npos) {
        throw ScriptError("not a number: " + word);
    }
    return v;
}

int ParseInteger(const std::string& word) {
    int v = 0;
    const auto [ptr, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
    if (word.empty() || ec != std::errc() || ptr != word.data() + word.size()) throw ScriptError("not an integer: " + word);
    return v;
}

std::string FormatNumber(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    std::array<char, 64> buf{};
    const auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    (void)ec;  // 64 characters always hold the shortest form of a double
    return std::string(buf.data(), ptr);
}

}  // namespace quorvel::replay
