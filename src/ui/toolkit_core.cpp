#include "ui/toolkit_core.h"

namespace quorvel::ui {

ToolkitCore::ToolkitCore() {
    const auto rows = Layout();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        if (IsMainWindow(rows[i])) mainRow_ = row;
        if (rows[i].kind == ControlKind::PaintBox) paintRow_ = row;
        if (rows[i].kind == ControlKind::Timer) timerRow_ = row;
    }
}

void ToolkitCore::Raise(int row, EventKind event, char16_t key) const {
    if (sink_ != nullptr) sink_->Raise(row, event, key);
}

void ToolkitCore::Guard(const std::function<void()>& work) const {
    if (sink_ != nullptr) {
        sink_->Guard(work);
        return;
    }
    try {
        work();
    } catch (...) {  // NOLINT(bugprone-empty-catch): before start nothing may escape either
    }
}

FieldMenu ToolkitCore::FieldMenuOf(int row) const { return sink_ != nullptr ? sink_->FieldMenuOf(row) : FieldMenu{}; }

bool ToolkitCore::RunFieldChord(int row, const KeyChord& chord) const {
    const int command = sink_ != nullptr ? sink_->FieldChordCommand(row, chord) : -1;
    if (command < 0) return false;
    sink_->FieldCommand(row, command);
    return true;
}

void ToolkitCore::FieldCommand(int row, int command) const {
    if (sink_ != nullptr) sink_->FieldCommand(row, command);
}

bool ToolkitCore::Tick(const UiTimer& timer) const {
    if (!timer.GetEnabled()) return false;
    Raise(timerRow_, EventKind::Timer);
    return true;
}

bool ToolkitCore::Appeared(bool seen) {
    const bool appeared = seen && !paintSeen_;
    paintSeen_ = seen;
    return appeared;
}

}  // namespace quorvel::ui
