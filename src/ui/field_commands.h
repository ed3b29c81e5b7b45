#pragma once

// What the program adds to its edits beyond an edit's own commands: the values on the
// clipboard and the standard values. The toolkits show these entries below the edit's
// own in its context menu and pass the chords of them to the program ahead of the
// edit; what each does is the program's (EventSink::FieldCommand).

#include <string>
#include <vector>

namespace quorvel::ui {

// Invariants: `command` >= 0; `text` is not empty.
struct FieldMenuEntry {
    std::u16string text;  // as the menu shows it, with the chord after a tab if any
    int command = 0;
    bool enabled = true;
};

// The entries of one edit's menu, in order; a separator stands before the first.
using FieldMenu = std::vector<FieldMenuEntry>;

}  // namespace quorvel::ui
