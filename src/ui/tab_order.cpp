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

int NextTabStop(int row, bool forward, const std::function<bool(int)>& isStop) {
    const std::vector<int> chain = TabChain(WindowOf(Layout()[static_cast<std::size_t>(row)]));
    const auto at = std::find(chain.begin(), chain.end(), row);
    if (at == chain.end()) return -1;
    const auto n = static_cast<std::ptrdiff_t>(chain.size());
    std::ptrdiff_t i = at - chain.begin();
    for (std::ptrdiff_t step = 1; step < n; ++step) {
        i = (i + (forward ? 1 : n - 1)) % n;
        const int next = chain[static_cast<std::size_t>(i)];
        if (isStop(next)) return next;
    }
    return row;
}

int RadioArrowTarget(int row, Arrow arrow, const std::function<bool(int)>& available) {
    const auto centre = [](int r) {
        const Rect& p = Layout()[static_cast<std::size_t>(r)].place;
        return std::pair{2 * p.x + p.w, 2 * p.y + p.h};  // doubled, to stay in integers
    };
    const auto [x0, y0] = centre(row);
    int best = -1;
    long long bestDistance = 0;
    for (const int other : RadioGroup(row)) {
        if (other == row || !available(other)) continue;
        const auto [x, y] = centre(other);
        long long along = 0;
        switch (arrow) {
            case Arrow::Up: along = y0 - y; break;
            case Arrow::Down: along = y - y0; break;
            case Arrow::Left: along = x0 - x; break;
            case Arrow::Right: along = x - x0; break;
        }
        if (along <= 0) continue;
        const long long across = arrow == Arrow::Up || arrow == Arrow::Down ? x - x0 : y - y0;
        const long long distance = along * along + across * across;
        if (best < 0 || distance < bestDistance) {
            best = other;
            bestDistance = distance;
        }
    }
    return best;
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
