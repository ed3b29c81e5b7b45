#include "ui/edit_undo.h"

namespace quorvel::ui {

void EditUndo::BeforeUserEdit(const std::u16string& current) {
    if (!runOpen_) {
        pending_ = current;
        runOpen_ = true;
    }
}

void EditUndo::ProgramWrite() {
    pending_.reset();
    runOpen_ = false;
}

std::optional<std::u16string> EditUndo::Take() {
    std::optional<std::u16string> out;
    out.swap(pending_);
    runOpen_ = false;
    return out;
}

}  // namespace quorvel::ui
