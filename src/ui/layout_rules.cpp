#include "ui/layout.h"

namespace quorvel::ui {

Color InitialColor(const ControlSpec& row) {
    const ControlSpec* r = &row;
    while (r != nullptr && r->color == kParentColor) r = FindControl(r->parent);
    return r != nullptr ? r->color : clBtnFace;
}

bool HintsAlwaysOn(const ControlSpec& row) {
    for (const ControlSpec* r = &row; r != nullptr; r = FindControl(r->parent)) {
        if (r->Has(kHintsAlwaysOn)) return true;
    }
    return false;
}

}  // namespace quorvel::ui
