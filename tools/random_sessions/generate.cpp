// quorvel-random-script SEED ACTIONS [--endless]
//
// Writes a random session of ACTIONS user actions and requests over every control of
// the layout, as a scenario script, to standard output. The same seed gives the same
// script. The texts typed come from a mix meant to reach every path of the number
// entry and of the two toolkits' edits: numbers with commas and exponents, all prefix
// letters, signs, blanks, letters and unit words, control characters, characters
// outside ASCII and outside the Basic Multilingual Plane, lone surrogate halves,
// long digit runs, INF and NAN; key chords and the clipboard. An endless session never
// ends the program.

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "ui/layout.h"

namespace {

using quorvel::ui::ControlKind;
using quorvel::ui::ControlSpec;

class Generator {
public:
    Generator(std::uint64_t seed, bool endless) : random_(seed), endless_(endless) {
        for (const ControlSpec& row : quorvel::ui::Layout()) {
            all_.emplace_back(row.name);
            switch (row.kind) {
                case ControlKind::Edit:
                    edits_.emplace_back(row.name);
                    focusable_.emplace_back(row.name);
                    break;
                case ControlKind::SpeedButton: clickable_.emplace_back(row.name); break;
                case ControlKind::RadioButton: radios_.emplace_back(row.name); [[fallthrough]];
                case ControlKind::Button:
                case ControlKind::BitBtn:
                case ControlKind::CheckBox:
                    clickable_.emplace_back(row.name);
                    focusable_.emplace_back(row.name);
                    break;
                case ControlKind::Form: windows_.emplace_back(row.name); break;
                default: break;
            }
        }
    }

    std::string Action() {
        const int roll = Below(100);
        if (roll < 22) return "type " + Pick(edits_) + ' ' + Quoted(Text());
        if (roll < 28) return "append " + Pick(edits_) + ' ' + Quoted(Text());
        if (roll < 38) return "enter " + Pick(edits_);
        if (roll < 41) return "backspace " + Pick(edits_) + ' ' + std::to_string(Below(4));
        if (roll < 44) return "erase " + Pick(edits_);
        if (roll < 48) return "undo " + Pick(edits_);
        if (roll < 72) return "click " + Clickable();
        if (roll < 78) return "hover " + Pick(all_);
        if (roll < 81) return "tick";
        if (roll < 83) return "move " + Pick(windows_) + ' ' + std::to_string(Below(1400) - 100) + ' ' +
                              std::to_string(Below(1000) - 100);
        if (roll < 84) return "close Form2";
        if (roll < 89) return Press();
        if (roll < 90) return "clipboard " + Quoted(Text());
        return Request();
    }

private:
    int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }
    const std::string& Pick(const std::vector<std::string>& from) { return from[static_cast<std::size_t>(Below(static_cast<int>(from.size())))]; }

    // The button that ends the program comes up rarely, so that sessions run long,
    // and never in an endless session.
    std::string Clickable() {
        for (;;) {
            const std::string& name = Pick(clickable_);
            if (name != "B_Fertig" || (!endless_ && Below(200) == 0)) return name;
        }
    }

    // A key chord on a control that takes the focus: typing, the edits' own chords,
    // chords that must leave an edit alone, Tab, and the arrows of a radio pair.
    std::string Press() {
        static constexpr std::array<const char*, 21> kChords{"Tab",    "Shift+Tab", "Tab",    "Ctrl+A", "Ctrl+C",       "Ctrl+X", "Ctrl+V",
                                                             "Ctrl+V", "Ctrl+Z",    "Enter",  "Esc",    "Alt+1",        "Ctrl+J", "Ctrl+P",
                                                             "a",      "Shift+k",   "7",      "Minus",  "Ctrl+Shift+C", "Ctrl+Shift+V", "Ctrl+Shift+V"};
        if (Below(5) == 0) return "press " + Pick(radios_) + (Below(2) == 0 ? " Up" : " Down");
        return "press " + Pick(focusable_) + ' ' + kChords[static_cast<std::size_t>(Below(kChords.size()))];
    }

    std::string Request() {
        static constexpr std::array<const char*, 8> kProps{"text", "visible", "enabled", "checked", "color", "hint", "bold", "geometry"};
        static constexpr std::array<const char*, 13> kValues{"Z1", "Z2", "Z3", "Z3_F", "_M11", "_M12", "_M13", "_M21", "_M22", "_M23", "_M31", "_M32", "_M33"};
        const int roll = Below(100);
        if (roll < 40) return "print " + Pick(all_);
        if (roll < 70) {
            std::string name = Pick(all_);
            const bool window = name == "Form1" || name == "Form2";
            if (window) return "print " + name + (Below(2) == 0 ? ".left" : ".top");
            return "print " + name + '.' + kProps[static_cast<std::size_t>(Below(kProps.size()))];
        }
        if (roll < 92) return std::string("print ") + kValues[static_cast<std::size_t>(Below(kValues.size()))];
        if (roll < 97) return "print diagram";
        if (roll < 98) return "print canvas";
        if (roll < 99) return "print clipboard";
        return "dump";
    }

    // One piece of text; a typed text is one to three pieces.
    std::u16string Piece() {
        static const std::vector<std::u16string> kWords{
            u"4,7k", u"100M", u"2,2\u00b5", u"2,2u", u"2,2\u03bc", u"4k7", u"1.000,5", u"1.5", u"2mk", u"5 Hz", u"5 Ohm",
            u"5 V", u"1E3", u"1E-3", u"1,5e3", u"1E", u"8,854187817E-12", u"1e3k", u"5e", u"5e-", u"5e+x", u"-", u"+5",
            u"\u22125", u"1p", u"INF", u"-INF", u"NAN", u"inf", u"nan", u"0", u"0,0", u"-0", u",", u"1,2,3", u" ", u"  12 ",
            u"abc", u"Henry", u"Farad", u"1e400", u"1e-400", u"1e5001", u"2,5E+308", u"-1e-13", u"1e200",
            u"\t", u"\r", u"\n", u"\u0001", u"\u007f", u"\u00a0", u"\u00e4\u00f6\u00fc\u00df", u"\u0966\u0967\u0968",
            u"\ufeff", u"\ufffe", u"\ufeff3", u"\U0001F600", u"\U0001D7D9", u"\xd800", u"\xdc00", u"\u200b", u"\u2028",
            u"\ue000", u"\u0301", u"\u00b5\u00b5", u"3+4j", u"3 - j4", u"-2i", u"j", u"5\u222053,13\u00b0", u"2 \u2220 0,5 rad",
            u"1,5 + j2,5E3", u"\u22124,7k"};
        const int roll = Below(100);
        if (roll < 45) return kWords[static_cast<std::size_t>(Below(static_cast<int>(kWords.size())))];
        if (roll < 75) return Number();
        if (roll < 80) return std::u16string(1, u"YZEPTGMkmu\u00b5npfazy"[Below(17)]);
        if (roll < 85) return std::u16string(static_cast<std::size_t>(1 + Below(300)), static_cast<char16_t>(u'0' + Below(10)));
        return std::u16string(1, static_cast<char16_t>(0x20 + Below(0x5f)));  // any printable ASCII
    }

    std::u16string Number() {
        std::u16string s;
        if (Below(4) == 0) s += u'-';
        s += Digits(1 + Below(6));
        if (Below(2) == 0) {
            s += u',';
            s += Digits(1 + Below(8));
        }
        if (Below(4) == 0) {
            s += Below(2) == 0 ? u'e' : u'E';
            if (Below(2) == 0) s += u'-';
            s += Digits(1 + Below(3));
        }
        return s;
    }

    std::u16string Digits(int n) {
        std::u16string s;
        for (int i = 0; i < n; ++i) s += static_cast<char16_t>(u'0' + Below(10));
        return s;
    }

    std::u16string Text() {
        std::u16string t;
        for (int i = 0, n = 1 + Below(3); i < n; ++i) t += Piece();
        return t;
    }

    // The script's TEXT form: printable ASCII as it is, everything else escaped.
    static std::string Quoted(const std::u16string& text) {
        std::string out = "\"";
        for (const char16_t c : text) {
            if (c == u'"' || c == u'\\') {
                out += '\\';
                out += static_cast<char>(c);
            } else if (c >= 0x20 && c < 0x7f) {
                out += static_cast<char>(c);
            } else {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                out += buf;
            }
        }
        return out + '"';
    }

    std::mt19937_64 random_;
    bool endless_;
    std::vector<std::string> all_, edits_, clickable_, focusable_, radios_, windows_;
};

}  // namespace

int main(int argc, char** argv) {
    const bool endless = argc == 4 && std::string_view(argv[3]) == "--endless";
    if (argc != 3 && !endless) {
        std::fputs("usage: quorvel-random-script SEED ACTIONS [--endless]\n", stderr);
        return 2;
    }
    Generator g(std::strtoull(argv[1], nullptr, 10), endless);
    const long actions = std::strtol(argv[2], nullptr, 10);
    std::printf("# random session, seed %s\n", argv[1]);
    for (long i = 0; i < actions; ++i) std::printf("%s\n", g.Action().c_str());
    return 0;
}
