#include "toolkits/win32/win32_driver.h"

#include <algorithm>

#include "toolkits/win32/win32_adapters.h"
#include "ui/key_chord.h"
#include "ui/typed_characters.h"

namespace quorvel::ui::win32 {

namespace {

Win32Driver* g_driver = nullptr;

LRESULT CALLBACK BoxHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE && g_driver != nullptr) {
        auto* box = reinterpret_cast<HWND>(wp);
        wchar_t cls[32] = {};
        GetClassNameW(box, cls, 32);
        if (std::wstring_view(cls) == L"#32770") g_driver->Answer(box);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

POINT Centre(const Win32Node& n) {
    if (n.Hwnd() != nullptr) {
        RECT r;
        GetClientRect(n.Hwnd(), &r);
        return {r.right / 2, r.bottom / 2};
    }
    const RECT r = n.DeviceRect();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The window that gets the mouse at a control: its own, or its host's.
HWND MouseWindow(const Win32Node& n) { return n.Hwnd() != nullptr ? n.Hwnd() : n.Host(); }

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

// How long a hover waits at most for the tip to ask for its text: far beyond any
// window system's response, only so that a tip that never asks cannot hang a run.
constexpr DWORD kTipPatienceMs = 5000;
// How long one resting of the pointer waits before it is put on the control again.
constexpr DWORD kTipAttemptMs = 500;

std::wstring TextOf(HWND w) {
    const int n = GetWindowTextLengthW(w);
    std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
    s.resize(static_cast<std::size_t>(GetWindowTextW(w, s.data(), n + 1)));
    return s;
}

}  // namespace

Win32Driver::Win32Driver(Win32Toolkit& kit) : kit_(&kit) {
    g_driver = this;
    hook_ = SetWindowsHookExW(WH_CBT, BoxHook, nullptr, GetCurrentThreadId());
    // A session starts with an empty clipboard, as on the other toolkits: the system's
    // clipboard outlives the programs of a Windows session, and would hand this one
    // what an earlier run left there.
    if (OpenClipboard(kit.Node(kit.Core().MainRow()).Hwnd()) != FALSE) {
        EmptyClipboard();
        CloseClipboard();
    }
}

Win32Driver::~Win32Driver() {
    if (hook_ != nullptr) UnhookWindowsHookEx(static_cast<HHOOK>(hook_));
    if (g_driver == this) g_driver = nullptr;
}

void Win32Driver::Answer(void* handle) {
    auto* box = static_cast<HWND>(handle);
    if (observer_) {
        const std::wstring title = TextOf(box);
        // The box's text is the static control of id 0xFFFF.
        HWND label = GetDlgItem(box, 0xFFFF);
        const std::wstring text = label != nullptr ? TextOf(label) : std::wstring();
        const auto& messages = static_cast<Win32Messages&>(kit_->Messages());
        observer_(BoxSeen{U(title.data(), title.size()), U(text.data(), text.size()), messages.AskedIcon()});
    }
    // Pressed once the box's own loop runs, as a user's click would be.
    HWND ok = GetDlgItem(box, IDOK);
    if (ok == nullptr) ok = GetDlgItem(box, IDCANCEL);
    if (ok != nullptr) PostMessageW(ok, BM_CLICK, 0, 0);
}

void Win32Driver::Settle() {
    MSG msg;
    // Several passes: a message may post others (a click posts the button's own).
    for (int pass = 0; pass < 4; ++pass) {
        bool any = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            any = true;
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return;
            }
            if (kit_->NavigateByKeyboard(&msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (!any) break;
    }
}

void Win32Driver::Focus(int row) {
    HWND w = kit_->Node(row).Hwnd();
    HWND top = GetAncestor(w, GA_ROOT);
    if (GetForegroundWindow() != top) SetForegroundWindow(top);
    if (GetActiveWindow() != top) SetActiveWindow(top);
    if (GetFocus() != w) SetFocus(w);
    Settle();
}

void Win32Driver::Key(int row, unsigned vk, bool ctrl, bool shift, bool alt) {
    HWND w = kit_->Node(row).Hwnd();
    // The keyboard state the chord's keys leave while they are held.
    BYTE state[256];
    GetKeyboardState(state);
    BYTE held[256];
    std::copy(std::begin(state), std::end(state), std::begin(held));
    if (ctrl) held[VK_CONTROL] = held[VK_LCONTROL] = 0x80;
    if (shift) held[VK_SHIFT] = held[VK_LSHIFT] = 0x80;
    if (alt) held[VK_MENU] = held[VK_LMENU] = 0x80;
    SetKeyboardState(held);
    const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    const LPARAM context = alt ? (1U << 29U) : 0;  // the Alt key is down
    PostMessageW(w, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, static_cast<LPARAM>(1U | (scan << 16U)) | context);
    Settle();
    PostMessageW(w, alt ? WM_SYSKEYUP : WM_KEYUP, vk, static_cast<LPARAM>(1U | (scan << 16U) | (3U << 30U)) | context);
    Settle();
    SetKeyboardState(state);
}

void Win32Driver::Char(int row, std::u16string_view units) {
    HWND w = kit_->Node(row).Hwnd();
    const char16_t c = units.front();
    if (c == u'\t') {
        // Tab is the window's key, not the edit's: the loop moves the focus on.
        Key(row, VK_TAB);
        return;
    }
    if (c == u'\r' || c == 8) {
        const unsigned vk = c == 8 ? VK_BACK : VK_RETURN;
        const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
        PostMessageW(w, WM_KEYDOWN, vk, static_cast<LPARAM>(1U | (scan << 16U)));  // the loop translates it
        PostMessageW(w, WM_KEYUP, vk, static_cast<LPARAM>(1U | (scan << 16U) | (3U << 30U)));
        Settle();
        return;
    }
    // A character key as the keyboard's translation delivers it: one WM_CHAR for each
    // code unit, two for a character beyond the Basic Multilingual Plane.
    for (const char16_t unit : units) PostMessageW(w, WM_CHAR, unit, 1);
    Settle();
}

void Win32Driver::Type(int row, std::u16string_view text) {
    Focus(row);
    Key(row, 'A', true);  // select the whole text
    for (const std::u16string_view key : SplitKeys(text)) Char(row, key);
}

void Win32Driver::Append(int row, std::u16string_view text) {
    Focus(row);
    Key(row, VK_END);
    for (const std::u16string_view key : SplitKeys(text)) Char(row, key);
}

void Win32Driver::Enter(int row) {
    Focus(row);
    Char(row, u"\r");
}

void Win32Driver::Backspace(int row, int count) {
    Focus(row);
    Key(row, VK_END);
    for (int i = 0; i < count; ++i) Char(row, u"\b");
}

void Win32Driver::Erase(int row) {
    Focus(row);
    Key(row, 'A', true);
    Key(row, VK_DELETE);
}

void Win32Driver::UndoKey(int row) {
    Focus(row);
    Key(row, 'Z', true);
}

void Win32Driver::Click(int row) {
    const Win32Node& n = kit_->Node(row);
    HWND w = MouseWindow(n);
    // The press and release alone, where the pointer already is: a click is no
    // mouse entry.
    const POINT p = Centre(n);
    PostMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(p));
    PostMessageW(w, WM_LBUTTONUP, 0, At(p));
    Settle();
}

std::optional<std::u16string> Win32Driver::Hover(int row) {
    const Win32Node& n = kit_->Node(row);
    HWND w = MouseWindow(n);
    HWND top = GetAncestor(w, GA_ROOT);
    auto* tip = static_cast<HWND>(kit_->EnsureTips(RowOfWindow(top)));
    // A tip still up from before goes, and the tip starts afresh: it shows as soon as
    // the pointer rests (its delay is nought for the driver).
    if (tip != nullptr) {
        SendMessageW(tip, TTM_POP, 0, 0);
        SendMessageW(tip, TTM_ACTIVATE, FALSE, 0);
        SendMessageW(tip, TTM_ACTIVATE, TRUE, 0);
        SendMessageW(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 0);
    }
    // A user reaches a control that the other window covers, or that lies off the
    // screen, by bringing its window to the front or onto the screen first; so does
    // the driver (without activating it), and puts the window back after.
    RECT frame;
    GetWindowRect(top, &frame);
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    const int screenH = GetSystemMetrics(SM_CYSCREEN);
    const int dx = frame.left < 0 ? -frame.left : frame.right > screenW ? std::max(-static_cast<int>(frame.left), screenW - static_cast<int>(frame.right)) : 0;
    const int dy = frame.top < 0 ? -frame.top : frame.bottom > screenH ? std::max(-static_cast<int>(frame.top), screenH - static_cast<int>(frame.bottom)) : 0;
    const bool moved = dx != 0 || dy != 0;
    SetWindowPos(top, HWND_TOP, frame.left + dx, frame.top + dy, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | (moved ? 0U : SWP_NOMOVE));
    // A control that a sibling covers (an angle edit under its twin) comes above it for
    // the hover, and goes back under it after.
    HWND above = n.Hwnd() != nullptr ? GetWindow(n.Hwnd(), GW_HWNDPREV) : nullptr;
    if (above != nullptr) SetWindowPos(n.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The pointer comes from the window's corner, so that it enters the control anew.
    PostMessageW(top, WM_MOUSEMOVE, kDriverMove, MAKELPARAM(0, 0));
    Settle();
    const POINT p = Centre(n);
    POINT screen = p;
    ClientToScreen(w, &screen);
    std::optional<std::u16string> shown;
    // The tip asks the toolkit for this control's text when it is about to show; an
    // empty text shows no tip. The pointer rests on the control until the tip has
    // asked, however long the window system takes; where the system lost the
    // pointer's place on the way (a late event of an earlier move), it is put there
    // again.
    const DWORD start = GetTickCount();
    const int before = kit_->LastTip().count;
    auto asked = [&] { return kit_->LastTip().count != before && kit_->LastTip().row == row; };
    while (!asked() && GetTickCount() - start < kTipPatienceMs) {
        SetCursorPos(screen.x, screen.y);
        PostMessageW(w, WM_MOUSEMOVE, kDriverMove, At(p));
        Settle();
        const DWORD attempt = GetTickCount();
        while (tip != nullptr && !asked() && GetTickCount() - attempt < kTipAttemptMs) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            Settle();
        }
        if (tip == nullptr) break;
    }
    if (tip != nullptr) {
        if (asked() && IsWindowVisible(tip) != FALSE && !kit_->LastTip().text.empty()) shown = kit_->LastTip().text;
        SendMessageW(tip, TTM_POP, 0, 0);
    }
    Park();
    if (above != nullptr) SetWindowPos(n.Hwnd(), above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (moved) SetWindowPos(top, nullptr, frame.left, frame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    return shown;
}

void Win32Driver::Park() {
    // The pointer leaves the program's windows, so that a window shown or hidden later
    // under it raises no mouse entry of its own.
    SetCursorPos(GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1, GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1);
    Settle();
    kit_->PointerLeft();
}

bool Win32Driver::Tick() {
    const bool ran = kit_->Core().Tick(kit_->Timer());
    Settle();
    return ran;
}

void Win32Driver::Move(int row, int x, int y) {
    // As the window manager moves a window the user drags: by its outer corner.
    kit_->Window(row).SetLeft(x);
    kit_->Window(row).SetTop(y);
    Settle();
}

void Win32Driver::Press(int row, const KeyChord& chord) {
    if (FocusedRow() != row) {
        Focus(row);
        if (kit_->Node(row).Spec().kind == ControlKind::Edit) {
            const WPARAM end = static_cast<WPARAM>(GetWindowTextLengthW(kit_->Node(row).Hwnd()));
            SendMessageW(kit_->Node(row).Hwnd(), EM_SETSEL, end, static_cast<LPARAM>(end));
        }
    }
    const int at = FocusedRow() >= 0 ? FocusedRow() : row;
    // A character as the keyboard's translation delivers it: the character a script
    // means, whatever keyboard layout the system has.
    if (const char16_t typed = TypedBy(chord); typed != 0) {
        Char(at, std::u16string_view(&typed, 1));
        return;
    }
    unsigned vk = 0;
    switch (chord.key) {
        case KeyName::Character: {
            static constexpr std::u16string_view kSymbols = u"+-*/";
            static constexpr unsigned kSymbolKeys[] = {VK_ADD, VK_SUBTRACT, VK_MULTIPLY, VK_DIVIDE};
            const std::size_t symbol = kSymbols.find(chord.character);
            vk = symbol != std::u16string_view::npos ? kSymbolKeys[symbol] : chord.character;  // 'A'...'Z', '0'...'9'
            break;
        }
        case KeyName::Enter: vk = VK_RETURN; break;
        case KeyName::Tab: vk = VK_TAB; break;
        case KeyName::Escape: vk = VK_ESCAPE; break;
        case KeyName::Function: vk = VK_F1 + static_cast<unsigned>(chord.function - 1); break;
        case KeyName::Up: vk = VK_UP; break;
        case KeyName::Down: vk = VK_DOWN; break;
        case KeyName::Left: vk = VK_LEFT; break;
        case KeyName::Right: vk = VK_RIGHT; break;
    }
    Key(at, vk, chord.ctrl, chord.shift, chord.alt);
}

void Win32Driver::SetClipboard(std::u16string_view text) {
    kit_->Platform().SetClipboardText(text);
    Settle();
}

std::optional<std::u16string> Win32Driver::Clipboard() { return kit_->Platform().ClipboardText(); }

void Win32Driver::ChooseStayOnTop() {
    PostMessageW(kit_->Node(kit_->Core().MainRow()).Hwnd(), WM_SYSCOMMAND, kStayOnTopCommand, 0);
    Settle();
}

bool Win32Driver::StaysOnTop() {
    return (GetWindowLongW(kit_->Node(kit_->Core().MainRow()).Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

int Win32Driver::FocusedRow() {
    HWND focus = GetFocus();
    return focus != nullptr ? RowOfWindow(focus) : -1;
}

void Win32Driver::CloseWindow(int row) {
    PostMessageW(kit_->Node(row).Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Settle();
}

}  // namespace quorvel::ui::win32
