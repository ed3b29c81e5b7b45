#include "ui/tab_order.h"

#include <algorithm>

namespace quorvel::ui {

namespace {

void Visit(std::string_view parent, std::vector<int>& chain) {
    const auto rows = Layout();
    std::vector<int> kids;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].parent == parent && rows[i].tabIndex >= 0) kids.push_back(static_cast<int>(i));
    }
    std::stable_sort(kids.begin(), kids.end(), [&](int a, int b) {
        return rows[static_cast<std::size_t>(a)].tabIndex < rows[static_cast<std::size_t>(b)].tabIndex;
    });
    for (const int i : kids) {
        const ControlSpec& s = rows[static_cast<std::size_t>(i)];
        if (s.kind == ControlKind::Panel || s.kind == ControlKind::GroupBox) {
            Visit(s.name, chain);
            continue;
        }
        if (!TakesFocus(s)) continue;
        if (s.kind != ControlKind::RadioButton) {
            chain.push_back(i);
            continue;
        }
        // The pair goes in together where its first tab stop stands.
        if (std::find(chain.begin(), chain.end(), i) != chain.end()) continue;
        chain.push_back(i);
        for (const int partner : RadioGroup(i)) {
            if (partner != i) chain.push_back(partner);
        }
    }
}

}  // namespace

std::vector<int> TabChain(std::string_view window) {
    std::vector<int> chain;
    Visit(window, chain);
    return chain;
}

std::vector<int> RadioGroup(int row) {
    const auto rows = Layout();
    const ControlSpec& s = rows[static_cast<std::size_t>(row)];
    std::vector<int> group;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].kind == ControlKind::RadioButton && rows[i].parent == s.parent) group.push_back(static_cast<int>(i));
    }
    return group;
}

bool TakesFocus(const ControlSpec& row) {
    switch (row.kind) {
        case ControlKind::Edit:
        case ControlKind::Button:
        case ControlKind::BitBtn:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: return true;
        default: return false;
    }
}

}  // namespace quorvel::ui
