#pragma once

// The single-step undo of an edit, kept by both toolkits so that a toolkit's own
// multi-level undo plays no part. An edit remembers the text it had before the user's
// latest edit run: consecutive user edits that begin after the field gains the focus,
// after the cursor moves or the selection changes, after a program write, or after an
// undo.

#include <optional>
#include <string>

namespace quorvel::ui {

// Invariants: `pending_` holds a value only while there is something to take back;
// `runOpen_` implies `pending_` holds a value.
class EditUndo {
public:
    // The user is about to change the text; `current` is the text before the change.
    // Opens a run if none is open.
    void BeforeUserEdit(const std::u16string& current);

    // Focus gained, cursor moved or selection changed: the next edit opens a new run.
    void EndRun() { runOpen_ = false; }

    // The program wrote the text: nothing is left to take back.
    void ProgramWrite();

    // The text to put back, or nothing. Taking it leaves nothing to take back.
    std::optional<std::u16string> Take();

    [[nodiscard]] bool CanUndo() const { return pending_.has_value(); }

private:
    std::optional<std::u16string> pending_;
    bool runOpen_ = false;
};

}  // namespace quorvel::ui
