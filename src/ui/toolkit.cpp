#include "ui/toolkit.h"

namespace quorvel::ui {

bool Showing(Toolkit& kit, int row) {
    for (const ControlSpec* r = &Layout()[static_cast<std::size_t>(row)]; r != nullptr; r = FindControl(r->parent)) {
        const int i = IndexOf(r->name);
        if (r->kind == ControlKind::Form) return kit.Window(i).IsVisible();
        if (!kit.Control(i).GetVisible()) return false;
    }
    return false;
}

bool EnabledWithContainers(Toolkit& kit, int row) {
    for (const ControlSpec* r = &Layout()[static_cast<std::size_t>(row)]; r != nullptr; r = FindControl(r->parent)) {
        if (r->kind == ControlKind::Form) return true;
        if (!kit.Control(IndexOf(r->name)).GetEnabled()) return false;
    }
    return true;
}

bool IsTabStop(Toolkit& kit, int row) {
    const bool unchecked = Layout()[static_cast<std::size_t>(row)].kind == ControlKind::RadioButton && !kit.Control(row).GetChecked();
    return !unchecked && Showing(kit, row) && EnabledWithContainers(kit, row);
}

bool HintShows(Toolkit& kit, int row) {
    if (row < 0) return true;
    const ControlSpec& s = Layout()[static_cast<std::size_t>(row)];
    return HintsAlwaysOn(s) || kit.Window(IndexOf(WindowOf(s))).GetShowHint();
}

}  // namespace quorvel::ui
