#pragma once

// Key chords in Qt's terms, both ways: what key and modifiers a chord sends, and which
// chord a key event is, for the shortcuts, the edits' own chords and the driver.

#include <QKeyEvent>
#include <optional>

#include "ui/key_chord.h"

namespace quorvel::ui::qt {

// The key a keyboard sends for the chord (Shift+Tab as Backtab).
Qt::Key QtKeyOf(const KeyChord& chord);
Qt::KeyboardModifiers QtModifiersOf(const KeyChord& chord);

// The chord of a key event whose key is a letter, a digit, +, -, * or /, with the
// modifiers held; nothing for any other key.
std::optional<KeyChord> ChordOf(const QKeyEvent& event);

}  // namespace quorvel::ui::qt
