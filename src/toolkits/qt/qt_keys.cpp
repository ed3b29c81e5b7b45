#include "toolkits/qt/qt_keys.h"

namespace quorvel::ui::qt {

namespace {

struct SymbolKey {
    char16_t character;
    Qt::Key key;
};

constexpr SymbolKey kSymbols[] = {{u'+', Qt::Key_Plus}, {u'-', Qt::Key_Minus}, {u'*', Qt::Key_Asterisk}, {u'/', Qt::Key_Slash}};

}  // namespace

Qt::Key QtKeyOf(const KeyChord& chord) {
    switch (chord.key) {
        case KeyName::Character:
            if (chord.character >= u'A' && chord.character <= u'Z') return static_cast<Qt::Key>(Qt::Key_A + (chord.character - u'A'));
            if (chord.character >= u'0' && chord.character <= u'9') return static_cast<Qt::Key>(Qt::Key_0 + (chord.character - u'0'));
            for (const SymbolKey& s : kSymbols) {
                if (s.character == chord.character) return s.key;
            }
            return Qt::Key_unknown;
        case KeyName::Enter: return Qt::Key_Return;
        case KeyName::Tab: return chord.shift ? Qt::Key_Backtab : Qt::Key_Tab;
        case KeyName::Escape: return Qt::Key_Escape;
        case KeyName::Function: return static_cast<Qt::Key>(Qt::Key_F1 + (chord.function - 1));
        case KeyName::Up: return Qt::Key_Up;
        case KeyName::Down: return Qt::Key_Down;
        case KeyName::Left: return Qt::Key_Left;
        case KeyName::Right: return Qt::Key_Right;
    }
    return Qt::Key_unknown;
}

Qt::KeyboardModifiers QtModifiersOf(const KeyChord& chord) {
    Qt::KeyboardModifiers mods;
    if (chord.ctrl) mods |= Qt::ControlModifier;
    if (chord.shift) mods |= Qt::ShiftModifier;
    if (chord.alt) mods |= Qt::AltModifier;
    return mods;
}

std::optional<KeyChord> ChordOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    KeyChord chord{.ctrl = (mods & Qt::ControlModifier) != 0, .shift = (mods & Qt::ShiftModifier) != 0, .alt = (mods & Qt::AltModifier) != 0};
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        chord.character = static_cast<char16_t>(u'A' + (key - Qt::Key_A));
        return chord;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        chord.character = static_cast<char16_t>(u'0' + (key - Qt::Key_0));
        return chord;
    }
    for (const SymbolKey& s : kSymbols) {
        if (s.key == key) {
            chord.character = s.character;
            return chord;
        }
    }
    return std::nullopt;
}

}  // namespace quorvel::ui::qt
