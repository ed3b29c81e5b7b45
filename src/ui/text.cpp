#include "ui/text.h"

#include <array>
#include <cstdint>

namespace quorvel::ui {

namespace {

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr char32_t kReplacement = 0xFFFD;

}  // namespace

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            const char32_t cp = 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            AppendUtf8(out, cp);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            AppendUtf8(out, kReplacement);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

std::u16string FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        int len = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            len = 1;
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            len = 2;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            len = 4;
            cp = b & 0x07;
        }
        bool ok = len > 0 && i + static_cast<std::size_t>(len) <= text.size();
        for (int k = 1; ok && k < len; ++k) {
            const auto cb = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            ok = (cb & 0xC0) == 0x80;
            cp = (cp << 6) | (cb & 0x3F);
        }
        if (!ok || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out += static_cast<char16_t>(kReplacement);
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += static_cast<std::size_t>(len);
    }
    return out;
}

std::string Quote(std::u16string_view text) {
    std::u16string plain;
    std::string out = "\"";
    auto flush = [&] {
        out += ToUtf8(plain);
        plain.clear();
    };
    for (const char16_t c : text) {
        if (c == u'"' || c == u'\\') {
            flush();
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == u'\n') {
            flush();
            out += "\\n";
        } else if (c == u'\r') {
            flush();
            out += "\\r";
        } else if (c == u'\t') {
            flush();
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            flush();
            static constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                                       '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
            out += "\\u00";
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        } else {
            plain += c;
        }
    }
    flush();
    out += '"';
    return out;
}

std::string ColorName(Color color) {
    if (color == clRed) return "red";
    if (color == clWindow) return "window";
    const Color rgb = Resolve(color);
    static constexpr std::array<char, 16> kHex{'0', '1', '2', '3', '4', '5', '6', '7',
                                               '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    std::string out = "#";
    for (int shift = 20; shift >= 0; shift -= 4) out += kHex[(rgb >> static_cast<unsigned>(shift)) & 0xFU];
    return out;
}

std::u16string BoxText(std::u16string_view message) {
    const std::size_t open = message.find(u'\'');
    const std::size_t close = message.rfind(u'\'');
    if (open == std::u16string_view::npos || close <= open + 1 + kBoxQuoteLimit) return std::u16string(message);
    std::size_t keep = kBoxQuoteLimit - 1;
    // Never cut a character outside the Basic Multilingual Plane in half.
    const char16_t last = message[open + keep];
    if (last >= 0xD800 && last <= 0xDBFF) --keep;
    std::u16string shown(message.substr(0, open + 1 + keep));
    shown += u'\u2026';
    shown += message.substr(close);
    return shown;
}

}  // namespace quorvel::ui
