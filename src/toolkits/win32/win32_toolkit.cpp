#include "toolkits/win32/win32_adapters.h"


#include <algorithm>

#include "toolkits/win32/win32_accessible.h"

#include "ui/shortcuts.h"
#include "ui/tab_order.h"
#include "ui/text.h"

namespace quorvel::ui::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"QuorvelForm";
constexpr wchar_t kContainerClass[] = L"QuorvelContainer";
// The widest a tool tip grows before it breaks its text into lines, at 96 dpi.
constexpr int kTipWidth = 400;

Win32Node* NodeOf(HWND hwnd) { return reinterpret_cast<Win32Node*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

bool IsContainer(ControlKind k) { return k == ControlKind::Form || k == ControlKind::Panel || k == ControlKind::GroupBox; }

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// Where the containers paint before their pixels go to the screen: one bitmap for
// all, grown to the largest container, instead of one made and freed for each paint
// (eleven at the first frame). A paint inside a paint, which nothing here does, would
// get a bitmap of its own.
class Offscreen {
public:
    HDC Take(HDC like, LONG width, LONG height) {
        width = std::max(1L, width);
        height = std::max(1L, height);
        if (busy_) return Fresh(like, width, height);
        busy_ = true;
        if (dc_ == nullptr) dc_ = CreateCompatibleDC(like);
        if (width > width_ || height > height_) {
            width_ = std::max(width, width_);
            height_ = std::max(height, height_);
            HBITMAP bigger = CreateCompatibleBitmap(like, width_, height_);
            SelectObject(dc_, bigger);
            if (bitmap_ != nullptr) DeleteObject(bitmap_);
            bitmap_ = bigger;
        }
        return dc_;
    }
    void Give(HDC dc) {
        if (dc == dc_) {
            busy_ = false;
            return;
        }
        HGDIOBJ bmp = SelectObject(dc, extraOld_);
        DeleteObject(bmp);
        DeleteDC(dc);
    }

private:
    HDC Fresh(HDC like, LONG width, LONG height) {
        HDC dc = CreateCompatibleDC(like);
        extraOld_ = SelectObject(dc, CreateCompatibleBitmap(like, width, height));
        return dc;
    }

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ extraOld_ = nullptr;
    LONG width_ = 0;
    LONG height_ = 0;
    bool busy_ = false;
};
Offscreen g_offscreen;

// The row under the pointer now; -1 outside every window of the program.
int RowUnderPointer(Win32Toolkit& kit, HWND hwnd, LPARAM lp) {
    const Win32Node* node = NodeOf(hwnd);
    if (node == nullptr) return -1;
    if (!IsContainer(node->Spec().kind)) return node->Row();
    return HitTest(kit, hwnd, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
}

// Whether a pointer move is the user's: every move, or the driver's alone.
bool FromUser(const Win32Toolkit& kit, WPARAM wp) { return !kit.Options().driverPointer || (wp & kDriverMove) != 0; }

// The row the pointer is over, so that entering another raises its MouseEnter once.
int g_hovered = -1;

void PointerAt(Win32Toolkit& kit, int row) {
    if (row == g_hovered) return;
    const int before = g_hovered;
    g_hovered = row;
    if (before >= 0) kit.Node(before).SetHovered(false);
    if (row < 0) return;
    kit.Node(row).SetHovered(true);
    kit.Core().Raise(row, EventKind::MouseEnter);
}

// The chord of a key with the modifiers held, for the window's shortcuts: letters and
// digits by their key, the four signs by the number pad's keys or by the character
// the main keyboard's key gives in the system's layout.
std::optional<KeyChord> ChordOfKey(unsigned vk, bool ctrl, bool shift, bool alt) {
    KeyChord chord{.ctrl = ctrl, .shift = shift, .alt = alt};
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) {
        chord.character = static_cast<char16_t>(vk);
        return chord;
    }
    switch (vk) {
        case VK_ADD: chord.character = u'+'; return chord;
        case VK_SUBTRACT: chord.character = u'-'; return chord;
        case VK_MULTIPLY: chord.character = u'*'; return chord;
        case VK_DIVIDE: chord.character = u'/'; return chord;
        default: break;
    }
    const auto c = static_cast<char16_t>(MapVirtualKeyW(vk, MAPVK_VK_TO_CHAR) & 0xFFFFU);
    if (c == u'+' || c == u'-' || c == u'*' || c == u'/') {
        chord.character = c;
        return chord;
    }
    return std::nullopt;
}

void OnButtonClicked(Win32Toolkit& kit, Win32Node& node) {
    const ControlSpec& s = node.Spec();
    if (s.kind == ControlKind::RadioButton) {
        // A click on the checked button is no Click; otherwise the group's check moves
        // to it before its handler runs.
        if (node.GetChecked()) return;
        for (const int other : RadioGroup(node.Row())) kit.Node(other).SetChecked(other == node.Row());
    }
    kit.Core().Raise(node.Row(), EventKind::Click);
}

// The tool tips of a window are made when the pointer first moves over it (the
// driver's pointer, where only the driver moves it), not before its first frame: a hundred and more tools cost start-up time that a user
// who never points at the window need not wait for. The move that made them is
// passed on to the new tip, which sees every later one itself.
void TipsFromFirstMove(Win32Toolkit& kit, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    HWND top = GetAncestor(hwnd, GA_ROOT);
    const int form = RowOfWindow(top);
    if (form < 0 || kit.Tips(form) != nullptr) return;
    auto* tip = static_cast<HWND>(kit.EnsureTips(form));
    MSG move{hwnd, msg, wp, lp, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&move.pt);
    SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

// The tool of row `row` in its window's tool tip: a windowed control by its window,
// a windowless row by its id and the rectangle it is drawn in.
TTTOOLINFOW ToolOf(const Win32Node& n, std::size_t row) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = n.Host();
    if (n.Hwnd() != nullptr) {
        tool.uFlags = TTF_IDISHWND;
        tool.uId = reinterpret_cast<UINT_PTR>(n.Hwnd());
    } else {
        tool.uId = static_cast<UINT_PTR>(kIdBase) + row;
        tool.rect = n.DeviceRect();
    }
    return tool;
}

LRESULT TipText(Win32Toolkit& kit, NMTTDISPINFOW& info) {
    static std::wstring shown;
    const int row = (info.uFlags & TTF_IDISHWND) != 0 ? RowOfWindow(reinterpret_cast<HWND>(info.hdr.idFrom))
                                                      : static_cast<int>(info.hdr.idFrom) - kIdBase;
    std::u16string text;
    if (row >= 0 && Showing(kit, row) && HintShows(kit, row)) text = kit.Node(row).GetHint();
    kit.TipAsked(row, text);
    shown = W(text);
    info.lpszText = shown.data();
    info.hinst = nullptr;
    return 0;
}

}  // namespace

int RowOfWindow(HWND hwnd) {
    const Win32Node* node = hwnd != nullptr ? NodeOf(hwnd) : nullptr;
    return node != nullptr ? node->Row() : -1;
}

Win32Toolkit* KitOfWindow(HWND hwnd) {
    const Win32Node* node = hwnd != nullptr ? NodeOf(hwnd) : nullptr;
    return node != nullptr ? &node->Kit() : nullptr;
}

LRESULT CALLBACK ContainerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    Win32Node* node = NodeOf(hwnd);
    if (node == nullptr) return DefWindowProcW(hwnd, msg, wp, lp);
    Win32Toolkit& kit = node->Kit();
    if (LRESULT answer = 0; ContainerAccessibility(*node, hwnd, msg, wp, lp, answer)) return answer;
    switch (msg) {
        case WM_ERASEBKGND: return 1;  // WM_PAINT covers every pixel, off screen first
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            HDC mem = g_offscreen.Take(dc, client.right, client.bottom);
            PaintContainer(kit, node->Row(), mem, client);
            BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left, ps.rcPaint.bottom - ps.rcPaint.top,
                   mem, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
            g_offscreen.Give(mem);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_COMMAND: {
            HWND child = reinterpret_cast<HWND>(lp);
            Win32Node* from = child != nullptr ? NodeOf(child) : nullptr;
            if (from == nullptr) break;
            if (HIWORD(wp) == BN_CLICKED && from->Spec().kind != ControlKind::Edit) {
                kit.Core().Guard([&] { OnButtonClicked(kit, *from); });
            } else if (HIWORD(wp) == EN_CHANGE) {
                kit.Core().Guard([from] { from->OnEditChanged(); });
            }
            return 0;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            Win32Node* from = NodeOf(reinterpret_cast<HWND>(lp));
            if (from == nullptr) break;
            HDC dc = reinterpret_cast<HDC>(wp);
            // An edit has its own background; the captions of check boxes and radio
            // buttons stand on their container's.
            const Color back = from->Spec().kind == ControlKind::Edit ? from->GetColor() : node->GetColor();
            SetBkColor(dc, ToColorRef(back));
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(BrushFor(back));
        }
        case WM_DRAWITEM: DrawBitButton(kit, *reinterpret_cast<const DRAWITEMSTRUCT*>(lp)); return TRUE;
        case WM_MOUSEMOVE: {
            if (!FromUser(kit, wp)) return 0;
            TipsFromFirstMove(kit, hwnd, msg, wp, lp);
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
            TrackMouseEvent(&track);
            kit.Core().Guard([&] { PointerAt(kit, RowUnderPointer(kit, hwnd, lp)); });
            return 0;
        }
        case WM_MOUSELEAVE:
            if (!kit.Options().driverPointer && g_hovered >= 0 && kit.Node(g_hovered).Host() == hwnd && kit.Node(g_hovered).Hwnd() == nullptr) {
                kit.Core().Guard([&] { PointerAt(kit, -1); });
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const int row = HitTest(kit, hwnd, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
            if (row < 0 || row == node->Row()) return 0;
            Win32Node& target = kit.Node(row);
            if (target.Spec().kind != ControlKind::SpeedButton || !EnabledWithContainers(kit, row)) return 0;
            // A speed button presses without taking the focus, so an edit's run goes on.
            SetCapture(hwnd);
            target.SetPressed(true);
            return 0;
        }
        case WM_LBUTTONUP: {
            if (GetCapture() == hwnd) ReleaseCapture();
            for (int row = 0; row < static_cast<int>(Layout().size()); ++row) {
                Win32Node& target = kit.Node(row);
                if (!target.Pressed() || target.Host() != hwnd) continue;
                target.SetPressed(false);
                const POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
                const RECT r = target.DeviceRect();
                if (PtInRect(&r, pt) != FALSE) kit.Core().Raise(row, EventKind::Click);
            }
            return 0;
        }
        case WM_SETCURSOR: {
            HWND over = reinterpret_cast<HWND>(wp);
            int row = RowOfWindow(over);
            if (over == hwnd) {
                POINT pt;
                GetCursorPos(&pt);
                ScreenToClient(hwnd, &pt);
                row = HitTest(kit, hwnd, pt.x, pt.y);
            }
            if (LOWORD(lp) == HTCLIENT && row >= 0) {
                const Cursor c = Layout()[static_cast<std::size_t>(row)].cursor;
                if (c != Cursor::Default) {
                    SetCursor(LoadCursorW(nullptr, c == Cursor::Hand ? IDC_HAND : c == Cursor::IBeam ? IDC_IBEAM : IDC_ARROW));
                    return TRUE;
                }
            }
            break;
        }
        case WM_NOTIFY: {
            auto* hdr = reinterpret_cast<NMHDR*>(lp);
            if (hdr->code == TTN_GETDISPINFOW) return TipText(kit, *reinterpret_cast<NMTTDISPINFOW*>(lp));
            break;
        }
        case WM_TIMER: kit.Core().Raise(kit.Core().TimerRow(), EventKind::Timer); return 0;
        case WM_DPICHANGED:
            // Moved to a screen of another scale (per-monitor awareness, from the
            // manifest): the window is laid out anew there, not stretched.
            if (node->Spec().kind != ControlKind::Form) break;
            kit.Core().Guard([&] { kit.ChangeDpi(node->Row(), LOWORD(wp), reinterpret_cast<const RECT*>(lp)); });
            return 0;
        case WM_CLOSE: kit.Window(node->Row()).Close(); return 0;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0U) == kStayOnTopCommand) {
                HMENU menu = GetSystemMenu(hwnd, FALSE);
                const bool on = (GetMenuState(menu, kStayOnTopCommand, MF_BYCOMMAND) & MF_CHECKED) == 0;
                CheckMenuItem(menu, kStayOnTopCommand, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
                SetWindowPos(hwnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                return 0;
            }
            break;
        default: break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Win32Node* node = NodeOf(hwnd);
    Win32Toolkit& kit = node->Kit();
    if (LRESULT answer = 0; ControlAccessibility(*node, hwnd, msg, wp, lp, answer)) return answer;
    if (msg == WM_MOUSEMOVE && FromUser(kit, wp)) {
        TipsFromFirstMove(kit, hwnd, msg, wp, lp);
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        kit.Core().Guard([&] { PointerAt(kit, node->Row()); });
    } else if (msg == WM_MOUSELEAVE && !kit.Options().driverPointer && g_hovered == node->Row()) {
        kit.Core().Guard([&] { PointerAt(kit, -1); });
    }
    if (node->Spec().kind == ControlKind::Edit) {
        bool handled = false;
        const LRESULT result = EditMessage(*node, kit, hwnd, msg, wp, lp, handled);
        if (handled) return result;
    }
    return node->CallSystem(hwnd, msg, wp, lp);
}

Win32Toolkit::Win32Toolkit(Win32Options options)
    : options_(options), windowDpi_(Layout().size(), SystemDpi()), tips_(Layout().size(), nullptr) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterClasses();
    Build();
}

Win32Toolkit::~Win32Toolkit() {
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (Layout()[i].kind == ControlKind::Form && nodes_[i]->Hwnd() != nullptr) DestroyWindow(nodes_[i]->Hwnd());
    }
    g_hovered = -1;
}


void Win32Toolkit::RegisterClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = ContainerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // The exe's own icon (resource 1, which the program carries), else Windows' plain one.
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    if (wc.hIcon == nullptr) wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.lpszClassName = kFormClass;
    RegisterClassExW(&wc);
    wc.hIcon = nullptr;
    wc.style = CS_DBLCLKS;
    wc.lpszClassName = kContainerClass;
    RegisterClassExW(&wc);
}

void Win32Toolkit::Build() {
    const auto rows = Layout();
    nodes_.reserve(rows.size());
    windows_.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        nodes_.push_back(std::make_unique<Win32Node>(*this, row));
        const ControlSpec& s = rows[i];
        HWND host = s.parent.empty() ? nullptr : Node(IndexOf(s.parent)).Hwnd();
        nodes_.back()->Create(host);
        if (s.kind == ControlKind::Form) windows_[i] = std::make_unique<Win32Window>(*this, row);
        if (s.kind == ControlKind::PaintBox) {
            surface_ = std::make_unique<Win32Canvas>(*this, row);
            recording_ = std::make_unique<RecordingCanvas>(s.place.w, s.place.h, surface_.get());
        }
    }
    timer_ = std::make_unique<Win32Timer>(*this, options_.manualTimer);
    messages_ = std::make_unique<Win32Messages>(*this);
    platform_ = std::make_unique<Win32Platform>(*this);
}

void* Win32Toolkit::EnsureTips(int formRow) {
    if (void* made = Tips(formRow)) return made;
    HWND top = Node(formRow).Hwnd();
    // One tool tip per window, asking for each text when it is about to show it, so a
    // hint written on mouse entry is the one shown. TTS_ALWAYSTIP: the memory buttons
    // show theirs while the constants window is the active one.
    HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, top, nullptr, GetModuleHandleW(nullptr), nullptr);
    tips_.at(static_cast<std::size_t>(formRow)) = tip;
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, Node(formRow).Scale(kTipWidth));
    const auto rows = Layout();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlSpec& s = rows[i];
        if (WindowOf(s) != rows[static_cast<std::size_t>(formRow)].name || s.kind == ControlKind::Form || s.kind == ControlKind::Timer) continue;
        TTTOOLINFOW tool = ToolOf(*nodes_[i], i);
        tool.uFlags |= TTF_SUBCLASS;
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return tip;
}

UiControl& Win32Toolkit::Control(int row) { return Node(row); }
UiWindow& Win32Toolkit::Window(int row) { return *windows_.at(static_cast<std::size_t>(row)); }
UiTimer& Win32Toolkit::Timer() { return *timer_; }
UiCanvas& Win32Toolkit::Canvas() { return *recording_; }
UiMessages& Win32Toolkit::Messages() { return *messages_; }
UiPlatform& Win32Toolkit::Platform() { return *platform_; }

void Win32Toolkit::ShowMainWindow() { Window(core_.MainRow()).Show(); }

void Win32Toolkit::PaintIfAppeared() {
    const int box = core_.PaintRow();
    if (box >= 0 && core_.Appeared(Showing(*this, box))) core_.Raise(box, EventKind::Paint);
}

void Win32Toolkit::ChangeDpi(int formRow, int dpi, const void* suggestedOuter) {
    Win32Node& form = Node(formRow);
    HWND top = form.Hwnd();
    if (dpi <= 0 || top == nullptr) return;
    // The client area keeps its size in layout pixels, also after the user resized it.
    RECT client;
    GetClientRect(top, &client);
    const int width = form.Unscale(client.right);
    const int height = form.Unscale(client.bottom);
    windowDpi_.at(static_cast<std::size_t>(formRow)) = dpi;
    const std::string_view name = Layout()[static_cast<std::size_t>(formRow)].name;
    // While the form is being made (its scale corrected before its rows exist), only
    // the rows made so far are there.
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
        if (static_cast<int>(i) != formRow && WindowOf(Layout()[i]) == name) nodes_[i]->Rescale();
    }
    if (suggestedOuter != nullptr) {
        const RECT& r = *static_cast<const RECT*>(suggestedOuter);
        SetWindowPos(top, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The suggestion frames the client area with the new screen's window frame; where
    // the frame is another (Wine keeps the system's), or no suggestion came, the size
    // is corrected so that the client area has its size at the new scale.
    RECT outer;
    GetWindowRect(top, &outer);
    GetClientRect(top, &client);
    const int dx = form.Scale(width) - client.right;
    const int dy = form.Scale(height) - client.bottom;
    if (dx != 0 || dy != 0) {
        SetWindowPos(top, nullptr, 0, 0, outer.right - outer.left + dx, outer.bottom - outer.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (windows_.at(static_cast<std::size_t>(formRow))) windows_[static_cast<std::size_t>(formRow)]->ForgetPlacement();
    if (auto* tip = static_cast<HWND>(Tips(formRow))) {
        SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, form.Scale(kTipWidth));
        for (std::size_t i = 0; i < nodes_.size(); ++i) {
            const Win32Node& n = *nodes_[i];
            if (n.Hwnd() != nullptr || n.Host() == nullptr || WindowOf(Layout()[i]) != name) continue;
            TTTOOLINFOW tool = ToolOf(n, i);
            SendMessageW(tip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    const int box = core_.PaintRow();
    if (surface_ && box >= 0 && WindowOf(Layout()[static_cast<std::size_t>(box)]) == name) {
        surface_->Rescale();
        // The picture is drawn anew at the new scale, by the program, as after any
        // loss of what the box showed.
        if (Showing(*this, box)) core_.Raise(box, EventKind::Paint);
    }
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Toolkit::PointerLeft() { PointerAt(*this, -1); }

void Win32Toolkit::MarkClosed() {
    core_.MarkClosed();
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (windows_[i] && static_cast<int>(i) != core_.MainRow()) ShowWindow(Node(static_cast<int>(i)).Hwnd(), SW_HIDE);
    }
    PostQuitMessage(0);
}

bool Win32Toolkit::NavigateByKeyboard(const void* message) {
    const MSG& msg = *static_cast<const MSG*>(message);
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    const int at = RowOfWindow(msg.hwnd);
    if (at < 0) return false;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (const std::optional<KeyChord> chord = ChordOfKey(static_cast<unsigned>(msg.wParam), ctrl, shift, GetKeyState(VK_MENU) < 0)) {
        bool taken = false;
        Core().Guard([&] { taken = RunShortcut(*this, Core(), at, *chord); });
        if (taken) return true;
        if (Layout()[static_cast<std::size_t>(at)].kind == ControlKind::Edit && Core().RunFieldChord(at, *chord)) return true;
        // Alt with a letter or digit that is no shortcut would look for a mnemonic of
        // a menu bar the window does not have; the system would only beep (and Wine
        // enters its menu mode for a moment, holding the mouse). Alt+Space and Alt+F4
        // go on to the system.
        if (msg.message == WM_SYSKEYDOWN) return true;
    }
    if (msg.message != WM_KEYDOWN) return false;
    const ControlSpec& s = Layout()[static_cast<std::size_t>(at)];
    if (msg.wParam == VK_TAB && !ctrl && GetKeyState(VK_MENU) >= 0) {
        const int next = NextTabStop(at, !shift, [this](int row) { return IsTabStop(*this, row); });
        if (next < 0) return false;
        if (next == at) return true;
        SendMessageW(GetAncestor(Node(next).Hwnd(), GA_ROOT), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        if (Layout()[static_cast<std::size_t>(next)].kind == ControlKind::Edit) SendMessageW(Node(next).Hwnd(), EM_SETSEL, 0, -1);
        SetFocus(Node(next).Hwnd());
        return true;
    }
    if (s.kind == ControlKind::RadioButton) {
        std::optional<Arrow> arrow;
        if (!ctrl && !shift && GetKeyState(VK_MENU) >= 0) {
            switch (msg.wParam) {
                case VK_UP: arrow = Arrow::Up; break;
                case VK_DOWN: arrow = Arrow::Down; break;
                case VK_LEFT: arrow = Arrow::Left; break;
                case VK_RIGHT: arrow = Arrow::Right; break;
                default: break;
            }
        }
        if (!arrow) return false;
        // The button that lies the arrow's way, not the dialog's round trip through the
        // group: the same button on every desktop.
        const int target = RadioArrowTarget(at, *arrow, [this](int row) { return Showing(*this, row) && EnabledWithContainers(*this, row); });
        if (target >= 0) {
            SetFocus(Node(target).Hwnd());
            Core().Guard([&] { OnButtonClicked(*this, Node(target)); });
        }
        return true;
    }
    return false;
}

}  // namespace quorvel::ui::win32
