#include "ui/shortcuts.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/layout.h"

namespace quorvel::ui {

namespace {

// The operations take Ctrl with their sign, the network operations Ctrl with the
// letter of parallel and series ("Z1 + Z2" is the series connection), the two
// conversions the same letters with Shift, the transfers of Z3 Ctrl with the digit
// of their target, the clear buttons Alt with it (Ctrl+L as a terminal clears
// all), and the constants Ctrl+K.
constexpr std::array<Shortcut, 14> kShortcuts{{
    {"Ctrl+Plus", "SB_Addition"},
    {"Ctrl+Minus", "SB_Subtraktion"},
    {"Ctrl+Asterisk", "SB_Multiplikation"},
    {"Ctrl+Slash", "SB_Division"},
    {"Ctrl+P", "SB_Z1parallelZ2"},
    {"Ctrl+S", "SB_Z1addZ2"},
    {"Ctrl+Shift+P", "SB_Z1parZ2ser"},
    {"Ctrl+Shift+S", "SB_Z1serZ2par"},
    {"Ctrl+1", "B_Ergebnis_in_Z1"},
    {"Ctrl+2", "B_Ergebnis_in_Z2"},
    {"Ctrl+L", "B_CLR_ALL"},
    {"Alt+1", "B_CLR_Z1"},
    {"Alt+2", "B_CLR_Z2"},
    {"Ctrl+K", "B_Konstanten"},
}};

}  // namespace

std::span<const Shortcut> Shortcuts() {
    static const std::vector<Shortcut> inLayoutOrder = [] {
        std::vector<Shortcut> v(kShortcuts.begin(), kShortcuts.end());
        std::stable_sort(v.begin(), v.end(), [](const Shortcut& a, const Shortcut& b) { return IndexOf(a.control) < IndexOf(b.control); });
        return v;
    }();
    return inLayoutOrder;
}

int ShortcutTarget(std::string_view window, const KeyChord& chord) {
    for (const Shortcut& s : kShortcuts) {
        if (ParseChord(s.chord) != chord) continue;
        const int row = IndexOf(s.control);
        if (row >= 0 && WindowOf(Layout()[static_cast<std::size_t>(row)]) == window) return row;
    }
    return -1;
}

std::u16string ChordLabel(std::string_view chord) {
    const std::optional<KeyChord> c = ParseChord(chord);
    if (!c) return {};
    std::u16string label;
    if (c->ctrl) label += u"Strg+";
    if (c->shift) label += u"Umschalt+";
    if (c->alt) label += u"Alt+";
    // The four signs as the keys show them ("Strg++"), the rest by name.
    if (c->key == KeyName::Character) return label + c->character;
    const std::string name = ChordName(KeyChord{.key = c->key, .function = c->function});
    for (const char ch : name) label += static_cast<char16_t>(ch);
    return label;
}

bool RunShortcut(Toolkit& kit, const ToolkitCore& core, int focused, const KeyChord& chord) {
    if (focused < 0) return false;
    const int target = ShortcutTarget(WindowOf(Layout()[static_cast<std::size_t>(focused)]), chord);
    if (target < 0) return false;
    if (Showing(kit, target) && EnabledWithContainers(kit, target)) core.Raise(target, EventKind::Click);
    return true;
}

std::string_view ShortcutOf(std::string_view control) {
    for (const Shortcut& s : kShortcuts) {
        if (s.control == control) return s.chord;
    }
    return {};
}

}  // namespace quorvel::ui
