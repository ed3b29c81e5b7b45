#pragma once

// Test rows named by their input text: letters and digits stay, the rest is spelt out,
// so that a failing row of a table says which text it was.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace quorvel::test {

inline std::string TextRowName(std::u16string_view text) {
    std::string name;
    for (const char16_t c : text) {
        if ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) {
            name += static_cast<char>(c);
            continue;
        }
        switch (c) {
            case u',': name += '_'; break;
            case u'.': name += "_dot_"; break;
            case u' ': name += "_blank_"; break;
            case u'+': name += "plus"; break;
            case u'-': name += "minus"; break;
            case u'\u2212': name += "minussign"; break;
            case u'\u2220': name += "_angle_"; break;
            case u'\u00B0': name += "deg"; break;
            case u'\u00B5': name += "micro"; break;
            default: {
                const char* hex = "0123456789ABCDEF";
                name += "_U";
                for (int shift = 12; shift >= 0; shift -= 4) name += hex[(c >> shift) & 0xF];
                name += '_';
            }
        }
    }
    return name.empty() ? "empty" : name;
}

// The name of a parameterised row whose member `text` is its input.
template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return TextRowName(info.param.text);
}

}  // namespace quorvel::test
