// The baselines for the Windows start-up benchmark: the least a Win32 program does to
// put a window of the calculator's main window on screen, so that what Quorvel adds can
// be told apart from what the system (here Wine) costs.
//
//   win32-bare-window [--child CLASS[:STYLE]=SHOWN/HIDDEN]... [--top CLASS[:STYLE]=SHOWN/HIDDEN]...
//
// Always: a window of the main window's client size, frame and background (from the
// layout table, scaled to the system's dots per inch as the toolkit scales it) that
// paints two captions, one in each of the layout's font families (the main window's
// font, Arial 13 px, and the check boxes' Tahoma 12 px), made as the Win32 toolkit
// makes its fonts; it shows and paints itself (ShowWindow, UpdateWindow) before its
// message loop, as the program does.
//
// --child makes SHOWN visible and HIDDEN hidden child windows of CLASS in it, with the
// class's own style bits STYLE (a number in C notation: BS_AUTOCHECKBOX makes a
// Button a check box): system classes such as Edit and Button with a short caption
// and the main window's font, any other class as a plain window that paints its
// background; --top makes top-level windows of CLASS owned by it (tool tips, or a
// second window that shows later). The start-up probe prints these arguments for the
// windows a program made.
//
// The exe carries the program's manifest, so the controls are the same (common
// controls 6) at the same DPI awareness.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "win32_main_window.h"

namespace {

using quorvel::ui::ControlSpec;
using quorvel::ui::FindControl;
using quorvel::ui::FontSpec;

struct Windows {
    std::wstring cls;
    DWORD style = 0;  // the class's own style bits
    bool top = false;
    int shown = 0;
    int hidden = 0;
};

struct Bare {
    int dpi = 96;
    COLORREF background = RGB(192, 192, 192);
    HFONT captionFont = nullptr;
    HFONT checkFont = nullptr;
    std::wstring captionText;
    std::wstring checkText;
};

Bare g_bare;

int Scale(int v) { return MulDiv(v, g_bare.dpi, 96); }

// As the toolkit's FontFor makes a font of the layout (win32_controls.cpp).
HFONT MakeFont(const FontSpec& spec) {
    const std::wstring family(spec.family.begin(), spec.family.end());
    return CreateFontW(-Scale(spec.pixelSize), 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, spec.italic ? TRUE : FALSE, FALSE,
                       FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH,
                       family.c_str());
}

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND: return 1;  // WM_PAINT covers every pixel
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            HBRUSH back = CreateSolidBrush(g_bare.background);
            FillRect(dc, &client, back);
            DeleteObject(back);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            HGDIOBJ old = SelectObject(dc, g_bare.captionFont);
            TextOutW(dc, Scale(8), Scale(8), g_bare.captionText.c_str(), static_cast<int>(g_bare.captionText.size()));
            SelectObject(dc, g_bare.checkFont);
            TextOutW(dc, Scale(8), Scale(30), g_bare.checkText.c_str(), static_cast<int>(g_bare.checkText.size()));
            SelectObject(dc, old);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_DRAWITEM: {
            // An owner-drawn button: a plain face with its caption.
            // NOLINTNEXTLINE(performance-no-int-to-ptr): the Win32 API passes pointers and handles as integers
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
            RECT face = item.rcItem;
            DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
            wchar_t caption[64] = {};
            const int n = GetWindowTextW(item.hwndItem, caption, 64);
            SetBkMode(item.hDC, TRANSPARENT);
            DrawTextW(item.hDC, caption, n, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            return TRUE;
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// CLASS[:STYLE]=SHOWN/HIDDEN, STYLE the class's own style bits in C notation.
bool ParseWindows(const wchar_t* spec, bool top, std::vector<Windows>& out) {
    const wchar_t* eq = std::wcschr(spec, L'=');
    if (eq == nullptr || eq == spec) return false;
    const wchar_t* colon = std::wcschr(spec, L':');
    if (colon != nullptr && colon > eq) colon = nullptr;
    wchar_t* end = nullptr;
    unsigned long style = 0;
    if (colon != nullptr) {
        style = std::wcstoul(colon + 1, &end, 0);
        if (end == colon + 1 || end != eq || style > 0xFFFF) return false;
    }
    const long shown = std::wcstol(eq + 1, &end, 10);
    if (end == eq + 1 || *end != L'/') return false;
    const wchar_t* hiddenAt = end + 1;
    const long hidden = std::wcstol(hiddenAt, &end, 10);
    if (end == hiddenAt || *end != 0 || shown < 0 || hidden < 0) return false;
    out.push_back({std::wstring(spec, colon != nullptr ? colon : eq), static_cast<DWORD>(style), top, static_cast<int>(shown),
                   static_cast<int>(hidden)});
    return true;
}

// A class the system does not have is made here as a plain window that paints its
// background, as the toolkit's containers and windows do before their contents.
void EnsureClass(const std::wstring& cls, HINSTANCE instance) {
    WNDCLASSEXW known{};
    known.cbSize = sizeof known;
    if (GetClassInfoExW(nullptr, cls.c_str(), &known) != FALSE || GetClassInfoExW(instance, cls.c_str(), &known) != FALSE) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the Win32 API passes pointers and handles as integers
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = cls.c_str();
    RegisterClassExW(&wc);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*command*/, int /*show*/) {
    std::vector<Windows> extra;
    for (int i = 1; i < __argc; ++i) {
        const std::wstring a = __wargv[i];
        const bool top = a == L"--top";
        // A window program has no console to write a usage to: it ends at once, which
        // the probe reports.
        if ((a != L"--child" && !top) || i + 1 >= __argc || !ParseWindows(__wargv[++i], top, extra)) return 2;
    }

    const ControlSpec* form = &quorvel::bench::MainWindowRow();
    // The layout's second family: the check boxes' font.
    const ControlSpec* check = FindControl("CB_Hilfe");
    if (check == nullptr) return 1;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    g_bare.dpi = SystemDpi();
    g_bare.background = quorvel::bench::PaintedColor(form->color);
    g_bare.captionFont = MakeFont(form->font);
    g_bare.checkFont = MakeFont(check->font);
    g_bare.captionText = L"Zeigerdiagramm";
    g_bare.checkText.assign(check->text.begin(), check->text.end());

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MainProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.lpszClassName = L"QuorvelBareWindow";
    RegisterClassExW(&wc);

    // The main window's frame: fixed size, no maximise.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT outer{0, 0, Scale(form->place.w), Scale(form->place.h)};
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_CONTROLPARENT);
    HWND main = CreateWindowExW(WS_EX_CONTROLPARENT, wc.lpszClassName, L"Leeres Fenster", style, CW_USEDEFAULT, 0,
                                outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    if (main == nullptr) return 1;

    // The shown children in a grid over the client area below the captions, each the
    // size of a button.
    const int cellW = Scale(80);
    const int cellH = Scale(24);
    const int gridTop = Scale(52);
    const int columns = std::max(1, Scale(form->place.w) / cellW);
    int cell = 0;
    int id = 100;
    for (const Windows& w : extra) {
        EnsureClass(w.cls, instance);
        for (int k = 0; k < w.shown + w.hidden; ++k) {
            const bool visible = k < w.shown;
            if (w.top) {
                HWND popup = CreateWindowExW(WS_EX_TOPMOST, w.cls.c_str(), nullptr, WS_POPUP | w.style | (visible ? WS_VISIBLE : 0U),
                                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, main, nullptr, instance,
                                             nullptr);
                if (popup == nullptr) return 1;
                continue;
            }
            const int x = visible ? (cell % columns) * cellW : 0;
            const int y = visible ? gridTop + (cell / columns) * cellH : 0;
            if (visible) ++cell;
            HWND child = CreateWindowExW(0, w.cls.c_str(), L"Taste", WS_CHILD | WS_CLIPSIBLINGS | w.style | (visible ? WS_VISIBLE : 0U), x, y,
                                         cellW - Scale(4), cellH - Scale(4), main,
                                         // NOLINTNEXTLINE(performance-no-int-to-ptr): the Win32 API passes pointers and handles as integers
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
            if (child == nullptr) return 1;
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(g_bare.captionFont), FALSE);
        }
    }

    ShowWindow(main, SW_SHOW);
    UpdateWindow(main);
    SetForegroundWindow(main);
    BringWindowToTop(main);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
