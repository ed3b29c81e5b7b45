
#include <cwchar>
#include <map>
#include <tuple>

#include "toolkits/win32/win32_accessible.h"
#include "toolkits/win32/win32_adapters.h"
#include "ui/accessible_names.h"
#include "ui/glyph_strokes.h"
#include "ui/screen_coordinates.h"
#include "ui/tab_order.h"
#include "ui/text.h"

namespace quorvel::ui::win32 {

std::wstring W(std::u16string_view s) { return {s.begin(), s.end()}; }

std::u16string U(const wchar_t* s, std::size_t n) { return {s, s + n}; }

COLORREF ToColorRef(Color color) {
    switch (color) {
        case clWindow: return GetSysColor(COLOR_WINDOW);
        case clBtnFace: return GetSysColor(COLOR_BTNFACE);
        case clMenu: return GetSysColor(COLOR_MENU);
        default: break;
    }
    const Color rgb = Resolve(color);
    return RGB((rgb >> 16U) & 0xFFU, (rgb >> 8U) & 0xFFU, rgb & 0xFFU);
}

HFONT FontFor(const FontSpec& spec, bool bold, int dpi) {
    static std::map<std::tuple<std::u16string, int, bool, bool>, HFONT> fonts;
    const auto key = std::make_tuple(std::u16string(spec.family), MulDiv(spec.pixelSize, dpi, 96), bold, spec.italic);
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    const std::wstring family = W(spec.family);
    HFONT f = CreateFontW(-std::get<1>(key), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, spec.italic ? TRUE : FALSE, FALSE, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, family.c_str());
    fonts.emplace(key, f);
    return f;
}

HBRUSH BrushFor(Color color) {
    static std::map<COLORREF, HBRUSH> brushes;
    const COLORREF c = ToColorRef(color);
    auto it = brushes.find(c);
    if (it != brushes.end()) return it->second;
    HBRUSH b = CreateSolidBrush(c);
    brushes.emplace(c, b);
    return b;
}

namespace {

// Whether a row is a window of its own: a container, or a control that takes the
// focus; the others are drawn by their container.
bool HasWindow(const ControlSpec& row) {
    const ControlKind k = row.kind;
    return k == ControlKind::Form || k == ControlKind::Panel || k == ControlKind::GroupBox || TakesFocus(row);
}

// Whether the row's place meets that of an earlier row with a window of its own and
// the same parent.
bool OverlapsEarlierSibling(int row) {
    const auto rows = Layout();
    const ControlSpec& me = rows[static_cast<std::size_t>(row)];
    for (int i = 0; i < row; ++i) {
        const ControlSpec& other = rows[static_cast<std::size_t>(i)];
        if (other.parent != me.parent || !HasWindow(other)) continue;
        const Rect& a = me.place;
        const Rect& b = other.place;
        if (a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h) return true;
    }
    return false;
}

DWORD EditAlign(Align a) {
    switch (a) {
        case Align::Center: return ES_CENTER;
        case Align::Right: return ES_RIGHT;
        case Align::Left: break;
    }
    return ES_LEFT;
}

}  // namespace

Win32Node::Win32Node(Win32Toolkit& kit, int row)
    : kit_(&kit),
      spec_(&Layout()[static_cast<std::size_t>(row)]),
      row_(row),
      windowRow_(IndexOf(WindowOf(*spec_))),
      text_(spec_->text),
      hint_(spec_->hint),
      lastText_(spec_->text),
      color_(InitialColor(*spec_)),
      // The timer has no window presence: its row is never seen.
      visible_(!spec_->Has(kHidden) && spec_->kind != ControlKind::Timer && spec_->kind != ControlKind::Form),
      enabled_(!spec_->Has(kDisabled)),
      checked_(spec_->Has(kChecked)),
      bold_(spec_->font.bold) {}

void Win32Node::Create(HWND host) {
    host_ = host;
    const Rect& p = spec_->place;
    device_ = {Scale(p.x), Scale(p.y), Scale(p.x + p.w), Scale(p.y + p.h)};
    HINSTANCE inst = GetModuleHandleW(nullptr);
    const std::wstring text = W(spec_->text);
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdBase + row_));
    const DWORD child = WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0U) | (enabled_ ? 0U : WS_DISABLED) |
                        (TakesFocus(*spec_) && spec_->tabIndex >= 0 ? WS_TABSTOP : 0U);
    const int x = device_.left;
    const int y = device_.top;
    const int w = device_.right - device_.left;
    const int h = device_.bottom - device_.top;
    switch (spec_->kind) {
        case ControlKind::Form: {
            const bool fixed = spec_->Has(kFixedSize);
            const DWORD style = fixed ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN
                                      : WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
            RECT outer{0, 0, w, h};
            AdjustWindowRectExForDpi(&outer, style, FALSE, WS_EX_CONTROLPARENT, static_cast<UINT>(Dpi()));
            const bool main = IsMainWindow(*spec_);
            const int left = main && !kit_->Options().placeAtOrigin ? CW_USEDEFAULT : 0;
            hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, L"QuorvelForm", text.c_str(), style, left, 0,
                                    outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, inst, this);
            // The system's scale was a guess: the window has the scale of the screen it
            // was put on. Its rows, made after it, take that one.
            const auto own = static_cast<int>(GetDpiForWindow(hwnd_));
            if (own > 0 && own != Dpi()) kit_->ChangeDpi(row_, own, nullptr);
            if (main) {
                // Kept above other windows while checked; not saved.
                HMENU system = GetSystemMenu(hwnd_, FALSE);
                const std::wstring entry = W(kStayOnTopEntry);
                AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
                AppendMenuW(system, MF_STRING, kStayOnTopCommand, entry.c_str());
            }
            break;
        }
        case ControlKind::Panel:
        case ControlKind::GroupBox:
            hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, L"QuorvelContainer", nullptr, child | WS_CLIPCHILDREN, x, y, w, h, host,
                                    id, inst, this);
            break;
        case ControlKind::Edit: {
            const DWORD style = child | ES_AUTOHSCROLL | EditAlign(spec_->align) | (spec_->Has(kReadOnly) ? ES_READONLY : 0U);
            hwnd_ = CreateWindowExW(0, L"EDIT", text.c_str(), style, x, y, w, h, host, id, inst, nullptr);
            // A pasted text of any size must arrive whole; the reader copes with it.
            SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
            break;
        }
        case ControlKind::Button:
            hwnd_ = CreateWindowExW(0, L"BUTTON", text.c_str(), child | BS_PUSHBUTTON, x, y, w, h, host, id, inst, nullptr);
            break;
        case ControlKind::BitBtn:
            hwnd_ = CreateWindowExW(0, L"BUTTON", text.c_str(), child | BS_OWNERDRAW, x, y, w, h, host, id, inst, nullptr);
            break;
        case ControlKind::CheckBox:
            hwnd_ = CreateWindowExW(0, L"BUTTON", text.c_str(), child | BS_AUTOCHECKBOX, x, y, w, h, host, id, inst, nullptr);
            break;
        case ControlKind::RadioButton:
            // Not an automatic radio button: the group's check moves when the toolkit
            // says, so that a click on the checked one raises nothing.
            hwnd_ = CreateWindowExW(0, L"BUTTON", text.c_str(), child | BS_RADIOBUTTON, x, y, w, h, host, id, inst, nullptr);
            break;
        default: break;  // windowless: drawn and hit-tested by the host
    }
    if (hwnd_ == nullptr) return;
    if (spec_->kind != ControlKind::Form && spec_->kind != ControlKind::Panel && spec_->kind != ControlKind::GroupBox) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        // The window procedure itself is replaced, not chained with SetWindowSubclass:
        // that one looks its chain up in a window property for every message the
        // control gets, which under Wine is a round trip to the server (some 10 ms
        // of the start there).
        systemProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChildProc)));
    }
    // A later row lies above an earlier sibling. The system puts a new child below its
    // siblings; only one that overlaps an earlier one is raised, as a move in the
    // stacking order costs start-up time and matters nowhere else.
    if (host != nullptr && OverlapsEarlierSibling(row_)) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ApplyFont(false);
    if (checked_) SendMessageW(hwnd_, BM_SETCHECK, BST_CHECKED, 0);
}

void Win32Node::ApplyFont(bool redraw) const {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), redraw ? TRUE : FALSE);
    // A font sets an edit's margins to its own; they are the layout's, at the scale.
    if (spec_->kind == ControlKind::Edit) {
        SendMessageW(hwnd_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(Scale(2), Scale(2)));
    }
}

void Win32Node::Rescale() {
    const Rect& p = spec_->place;
    device_ = {Scale(p.x), Scale(p.y), Scale(p.x + p.w), Scale(p.y + p.h)};
    if (hwnd_ == nullptr || spec_->kind == ControlKind::Form) return;
    SetWindowPos(hwnd_, nullptr, device_.left, device_.top, device_.right - device_.left, device_.bottom - device_.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyFont(false);
}

HFONT Win32Node::Font() const { return FontFor(spec_->font, bold_, Dpi()); }

std::u16string Win32Node::WindowText() const {
    const int n = GetWindowTextLengthW(hwnd_);
    std::wstring buf(static_cast<std::size_t>(n) + 1, L'\0');
    const int got = GetWindowTextW(hwnd_, buf.data(), n + 1);
    return U(buf.data(), static_cast<std::size_t>(got));
}

std::u16string Win32Node::GetText() const {
    if (hwnd_ != nullptr && spec_->kind == ControlKind::Edit) return WindowText();
    return text_;
}

void Win32Node::SetText(std::u16string_view text) {
    if (spec_->kind == ControlKind::Edit) {
        undo_.ProgramWrite();
        if (WindowText() == text) return;
        const std::wstring w = W(text);
        SetWindowTextW(hwnd_, w.c_str());  // Change runs inside, through EN_CHANGE
        // A text written by the program shows its beginning, as a desktop edit does;
        // where the user types, the cursor stays after the text.
        const bool focused = GetFocus() == hwnd_;
        const auto at = focused ? static_cast<WPARAM>(w.size()) : 0;
        SendMessageW(hwnd_, EM_SETSEL, at, static_cast<LPARAM>(at));
        if (spec_->Has(kReadOnly)) AnnounceValueChange(hwnd_);  // a result for the screen reader
        return;
    }
    text_ = text;
    if (hwnd_ != nullptr) {
        const std::wstring w = W(text);
        SetWindowTextW(hwnd_, w.c_str());
        if (spec_->kind == ControlKind::GroupBox) InvalidateRect(hwnd_, nullptr, FALSE);
    } else {
        Invalidate();
    }
}

void Win32Node::OnEditChanged() {
    std::u16string now = WindowText();
    // EDIT also reports a keystroke that puts back the text it replaced ("0" typed
    // over a selected "0"); that is no change, and opens no run to take back.
    if (now == lastText_) return;
    if (userEditing) undo_.BeforeUserEdit(lastText_);
    lastText_ = std::move(now);
    kit_->Core().Raise(row_, EventKind::Change);
}

bool Win32Node::GetVisible() const {
    return spec_->kind == ControlKind::Form ? IsWindowVisible(hwnd_) != FALSE : visible_;
}

void Win32Node::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    if (hwnd_ != nullptr && spec_->kind != ControlKind::Form) {
        ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    } else {
        Invalidate();
    }
    kit_->PaintIfAppeared();
}

// The timer's row stands for the timer itself: enabled means running.
bool Win32Node::GetEnabled() const { return spec_->kind == ControlKind::Timer ? kit_->Timer().GetEnabled() : enabled_; }

void Win32Node::SetEnabled(bool enabled) {
    if (spec_->kind == ControlKind::Timer) {
        kit_->Timer().SetEnabled(enabled);
        return;
    }
    enabled_ = enabled;
    if (hwnd_ != nullptr) {
        EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    } else {
        Invalidate();
    }
}

void Win32Node::SetColor(Color color) {
    color_ = color;
    if (hwnd_ != nullptr) {
        InvalidateRect(hwnd_, nullptr, TRUE);
    } else {
        Invalidate();
    }
}

bool Win32Node::GetChecked() const {
    if (hwnd_ != nullptr && (spec_->kind == ControlKind::CheckBox || spec_->kind == ControlKind::RadioButton)) {
        return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    return checked_;
}

void Win32Node::SetChecked(bool checked) {
    checked_ = checked;
    if (hwnd_ == nullptr) return;
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (spec_->kind == ControlKind::RadioButton) {
        // Of a pair only the checked button is a tab stop; the stop moves with the check.
        const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
        SetWindowLongPtrW(hwnd_, GWL_STYLE, checked ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
    }
}

void Win32Node::SetBold(bool bold) {
    bold_ = bold;
    if (hwnd_ != nullptr) {
        ApplyFont(true);
    } else {
        Invalidate();
    }
}

void Win32Node::Undo() {
    if (spec_->kind != ControlKind::Edit) return;
    std::optional<std::u16string> back = undo_.Take();
    if (!back || WindowText() == *back) return;
    const std::wstring w = W(*back);
    SetWindowTextW(hwnd_, w.c_str());
    SendMessageW(hwnd_, EM_SETSEL, w.size(), static_cast<LPARAM>(w.size()));
}

Rect Win32Node::GetGeometry() const {
    // Labels report the layout's place; the drawn one may be wider to fit the text.
    if (hwnd_ == nullptr || spec_->kind == ControlKind::Label) return spec_->place;
    RECT r;
    GetWindowRect(hwnd_, &r);
    if (spec_->kind == ControlKind::Form) {
        GetClientRect(hwnd_, &r);
        return {0, 0, Unscale(r.right), Unscale(r.bottom)};
    }
    MapWindowPoints(HWND_DESKTOP, host_, reinterpret_cast<POINT*>(&r), 2);
    // Edges, not sizes, go back to the layout: each was scaled and rounded alone.
    const int left = Unscale(r.left);
    const int top = Unscale(r.top);
    return {left, top, Unscale(r.right) - left, Unscale(r.bottom) - top};
}

void Win32Node::SetPressed(bool pressed) {
    if (pressed_ == pressed) return;
    pressed_ = pressed;
    Invalidate();
}

void Win32Node::SetHovered(bool hovered) {
    if (hovered_ == hovered) return;
    hovered_ = hovered;
    // A flat speed button shows its border under the pointer.
    if (spec_->kind == ControlKind::SpeedButton && spec_->Has(kFlat)) Invalidate();
}

void Win32Node::Invalidate() const {
    if (hwnd_ != nullptr) {
        InvalidateRect(hwnd_, nullptr, FALSE);
        return;
    }
    if (host_ == nullptr) return;
    RECT r = device_;
    // A label may have grown to fit its caption on either side.
    if (spec_->kind == ControlKind::Label) {
        r.left = 0;
        RECT client;
        GetClientRect(host_, &client);
        r.right = client.right;
    }
    InvalidateRect(host_, &r, FALSE);
}

HWND Win32Window::Hwnd() const { return kit_->Node(row_).Hwnd(); }

POINT Win32Window::Corner() const {
    RECT r;
    GetWindowRect(Hwnd(), &r);
    if (placement_ && placement_->given.x == r.left && placement_->given.y == r.top) return placement_->asked;
    const Win32Node& self = kit_->Node(row_);
    return {self.Unscale(r.left), self.Unscale(r.top)};
}

int Win32Window::GetLeft() const { return Corner().x; }
int Win32Window::GetTop() const { return Corner().y; }

void Win32Window::MoveTo(int left, int top) {
    const Win32Node& self = kit_->Node(row_);
    SetWindowPos(Hwnd(), nullptr, self.Scale(left), self.Scale(top), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r;
    GetWindowRect(Hwnd(), &r);
    placement_ = Placement{{left, top}, {r.left, r.top}};
}

void Win32Window::SetLeft(int left) { MoveTo(ClampScreenCoordinate(left), GetTop()); }
void Win32Window::SetTop(int top) { MoveTo(GetLeft(), ClampScreenCoordinate(top)); }

bool Win32Window::IsVisible() const { return IsWindowVisible(Hwnd()) != FALSE; }

void Win32Window::Show() {
    HWND hwnd = Hwnd();
    if (IsWindowVisible(hwnd) == FALSE) {
        // The Show handler places the window before it appears.
        kit_->Core().Raise(row_, EventKind::Show);
        ShowWindow(hwnd, SW_SHOW);
        UpdateWindow(hwnd);
        kit_->PaintIfAppeared();
    }
    SetForegroundWindow(hwnd);
    BringWindowToTop(hwnd);
}

void Win32Window::Close() {
    ShowWindow(Hwnd(), SW_HIDE);
    kit_->PaintIfAppeared();
    if (row_ == kit_->Core().MainRow()) kit_->MarkClosed();
}

void Win32Timer::SetEnabled(bool enabled) {
    // SetTimer on a running timer restarts its period; the red marks need it kept.
    if (enabled && !enabled_ && !manual_) SetTimer(kit_->Node(kit_->Core().MainRow()).Hwnd(), 1, kTimerPeriodMs, nullptr);
    if (!enabled && enabled_ && !manual_) KillTimer(kit_->Node(kit_->Core().MainRow()).Hwnd(), 1);
    enabled_ = enabled;
}

void Win32Messages::ShowError(std::u16string_view title, std::u16string_view text) {
    // MessageBoxW disables its owner alone; the box is modal for the whole program, so
    // the other window is disabled with it. Timer ticks and repaints go on in the box's
    // own message loop.
    HWND owner = kit_->Node(kit_->Core().MainRow()).Hwnd();
    std::vector<HWND> disabled;
    for (int row = 0; row < static_cast<int>(Layout().size()); ++row) {
        HWND top = kit_->Node(row).Hwnd();
        if (Layout()[static_cast<std::size_t>(row)].kind != ControlKind::Form || top == owner) continue;
        if (IsWindowEnabled(top) != FALSE) {
            EnableWindow(top, FALSE);
            disabled.push_back(top);
        }
    }
    const std::wstring caption = W(title);
    const std::wstring body = W(BoxText(text));
    const char* before = asked_;
    asked_ = "error";
    MessageBoxW(IsWindowVisible(owner) != FALSE ? owner : nullptr, body.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
    asked_ = before;
    for (HWND top : disabled) EnableWindow(top, TRUE);
}

HWND Win32Platform::Owner() const { return kit_->Node(kit_->Core().MainRow()).Hwnd(); }

std::optional<std::u16string> Win32Platform::ClipboardText() {
    std::optional<std::u16string> text;
    if (OpenClipboard(Owner()) == FALSE) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data)); p != nullptr) {
            text = U(p, std::wcslen(p));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void Win32Platform::SetClipboardText(std::u16string_view text) {
    if (OpenClipboard(Owner()) == FALSE) return;
    EmptyClipboard();
    if (HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)); data != nullptr) {
        if (auto* p = static_cast<wchar_t*>(GlobalLock(data)); p != nullptr) {
            std::copy(text.begin(), text.end(), p);
            p[text.size()] = 0;
            GlobalUnlock(data);
            // The clipboard owns the memory once it has taken it.
            if (SetClipboardData(CF_UNICODETEXT, data) == nullptr) GlobalFree(data);
        } else {
            GlobalFree(data);
        }
    }
    CloseClipboard();
}

void Win32Platform::SwitchWarningBeepOff() {
    // Off for this session only: not written to the profile, not broadcast.
    SystemParametersInfoW(SPI_SETBEEP, 0, nullptr, 0);
}

}  // namespace quorvel::ui::win32
