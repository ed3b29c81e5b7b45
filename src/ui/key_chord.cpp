#include "ui/key_chord.h"

#include <array>
#include <cctype>

namespace quorvel::ui {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    }
    return true;
}

struct NamedKey {
    std::string_view name;
    KeyName key;
    char16_t character;
};

constexpr std::array<NamedKey, 11> kNamedKeys = {{
    {"Plus", KeyName::Character, u'+'},
    {"Minus", KeyName::Character, u'-'},
    {"Asterisk", KeyName::Character, u'*'},
    {"Slash", KeyName::Character, u'/'},
    {"Enter", KeyName::Enter, 0},
    {"Tab", KeyName::Tab, 0},
    {"Esc", KeyName::Escape, 0},
    {"Up", KeyName::Up, 0},
    {"Down", KeyName::Down, 0},
    {"Left", KeyName::Left, 0},
    {"Right", KeyName::Right, 0},
}};

std::optional<KeyChord> ParseKey(std::string_view name, KeyChord chord) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])) != 0) {
        chord.key = KeyName::Character;
        chord.character = static_cast<char16_t>(std::toupper(static_cast<unsigned char>(name[0])));
        return chord;
    }
    for (const NamedKey& k : kNamedKeys) {
        if (SameName(name, k.name)) {
            chord.key = k.key;
            chord.character = k.character;
            return chord;
        }
    }
    if (name.size() >= 2 && name.size() <= 3 && (name[0] == 'F' || name[0] == 'f') && name[1] >= '1' && name[1] <= '9') {
        int n = name[1] - '0';
        if (name.size() == 3) {
            if (name[2] < '0' || name[2] > '9') return std::nullopt;
            n = n * 10 + (name[2] - '0');
        }
        if (n > 12) return std::nullopt;
        chord.key = KeyName::Function;
        chord.function = n;
        return chord;
    }
    return std::nullopt;
}

}  // namespace

std::optional<KeyChord> ParseChord(std::string_view text) {
    KeyChord chord;
    for (;;) {
        const std::size_t plus = text.find('+', 1);  // a lone "+" is no separator
        if (plus == std::string_view::npos) return ParseKey(text, chord);
        const std::string_view modifier = text.substr(0, plus);
        bool* flag = SameName(modifier, "Ctrl") ? &chord.ctrl : SameName(modifier, "Shift") ? &chord.shift : SameName(modifier, "Alt") ? &chord.alt : nullptr;
        if (flag == nullptr || *flag) return std::nullopt;
        *flag = true;
        text.remove_prefix(plus + 1);
    }
}

std::string ChordName(const KeyChord& chord) {
    std::string name;
    if (chord.ctrl) name += "Ctrl+";
    if (chord.shift) name += "Shift+";
    if (chord.alt) name += "Alt+";
    switch (chord.key) {
        case KeyName::Character:
            for (const NamedKey& k : kNamedKeys) {
                if (k.character == chord.character) return name + std::string(k.name);
            }
            return name + static_cast<char>(chord.character);
        case KeyName::Function: return name + "F" + std::to_string(chord.function);
        default: break;
    }
    for (const NamedKey& k : kNamedKeys) {
        if (k.key == chord.key) return name + std::string(k.name);
    }
    return name;
}

char16_t TypedBy(const KeyChord& chord) {
    if (chord.ctrl || chord.alt) return 0;
    switch (chord.key) {
        case KeyName::Character:
            if (chord.character >= u'A' && chord.character <= u'Z' && !chord.shift) return static_cast<char16_t>(chord.character - u'A' + u'a');
            return chord.character;
        case KeyName::Enter: return 13;
        case KeyName::Escape: return 27;
        default: return 0;
    }
}

std::optional<Arrow> ArrowOf(const KeyChord& chord) {
    if (chord.ctrl || chord.shift || chord.alt) return std::nullopt;
    switch (chord.key) {
        case KeyName::Up: return Arrow::Up;
        case KeyName::Down: return Arrow::Down;
        case KeyName::Left: return Arrow::Left;
        case KeyName::Right: return Arrow::Right;
        default: return std::nullopt;
    }
}

EditCommand EditCommandOf(const KeyChord& chord) {
    if (!chord.ctrl || chord.shift || chord.alt || chord.key != KeyName::Character) return EditCommand::None;
    switch (chord.character) {
        case u'Z': return EditCommand::Undo;
        case u'X': return EditCommand::Cut;
        case u'C': return EditCommand::Copy;
        case u'V': return EditCommand::Paste;
        case u'A': return EditCommand::SelectAll;
        default: return EditCommand::None;
    }
}

}  // namespace quorvel::ui
