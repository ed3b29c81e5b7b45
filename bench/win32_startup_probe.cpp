// Measures, from outside the process, how long a Windows program takes from its start
// to its first painted window, and how much memory it has taken by then; and counts
// the native windows it made, per class, in the form the bare window takes them.
//
//   win32-startup-probe [-t TIMEOUT_MS] [--watch] -- PROGRAM [ARGS...]
//
// PROGRAM is started with CreateProcess and the time runs until WaitForInputIdle
// returns: the program has made its windows, shown and painted the main one (ShowWindow
// and UpdateWindow paint before the message loop starts) and waits for its first input
// in an empty queue. Then the probe
// - checks that the program shows a window (an idle program without one has not
//   started as it should, and the run fails);
// - reads the program's peak working set (GetProcessMemoryInfo);
// - counts its windows: every child window by class and class style, shown and
//   hidden, and every top-level window besides the shown main one, such as tool tips
//   and windows that show later;
// - asks the main window to close (WM_CLOSE) and waits for the program to end.
//
// It prints one line:
//
//   first_paint_ms=… peak_working_set_kib=… child_windows=N top_windows=M windows=ARGS
//
// where ARGS are the bare window's arguments that make the same windows
// ("--child Edit:0x80=12/0 --top tooltips_class32:0x3=0/1 …", "-" for none): per
// class and class style, how many are shown and how many hidden.
//
// --watch checks the measurement itself: a second thread waits for the idle program
// while this one copies the main window's client area from the screen every
// millisecond or so, until a second after the program went idle. The line gains
// window_seen_ms (a visible window of the program exists), painted_seen_ms (the pixel
// at (2, 2) of the client area has the main window's background colour of the layout
// table on the screen) and changes_ms (every time the picture on the screen changed):
// the last change should come with first_paint_ms, not after it. The copying costs
// time of its own: watched runs are for checking, not for the figures.
//
// Exit status 0 when the line was printed; 1 with a message on standard error when
// the program did not start, show a window, go idle or end in time.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After <windows.h>, which it needs.
#include <psapi.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "win32_main_window.h"

namespace {

double Now() {
    static const double perMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / perMs;
}

std::string Utf8(const std::wstring& s) {
    if (s.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// A command line that gives the program back its arguments as they were given here.
std::wstring Quoted(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    std::size_t slashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++slashes;
            continue;
        }
        out.append(c == L'"' ? 2 * slashes + 1 : slashes, L'\\');
        slashes = 0;
        out += c;
    }
    out.append(2 * slashes, L'\\');
    return out + L"\"";
}

struct Shown {
    unsigned shown = 0;
    unsigned hidden = 0;
};

struct Census {
    DWORD pid = 0;
    HWND main = nullptr;                  // the visible top-level window without owner
    std::vector<HWND> tops;               // every top-level window of the program
    std::map<std::wstring, Shown> children;  // by kind (KindOf)
    std::map<std::wstring, Shown> others;    // top-level windows besides the main one
    unsigned childCount = 0;
    unsigned otherCount = 0;
};

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    const int n = GetClassNameW(hwnd, name, 256);
    return {name, static_cast<std::size_t>(n > 0 ? n : 0)};
}

// A window's kind as the bare window makes it again: its class and its class's own
// style bits (the low word), which tell a check box from a push button and a
// read-only edit from another: they draw differently.
std::wstring KindOf(HWND hwnd) {
    wchar_t style[16] = {};
    std::swprintf(style, 16, L":0x%lx", static_cast<unsigned long>(GetWindowLongPtrW(hwnd, GWL_STYLE) & 0xFFFF));
    return ClassOf(hwnd) + style;
}

// The system gives every thread with windows an input-method window of its own; the
// bare window has one too, so it is none of the program's.
bool SystemMade(const std::wstring& cls) { return cls == L"IME"; }

BOOL CALLBACK CountChild(HWND hwnd, LPARAM lp) {
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the Win32 API passes pointers and handles as integers
    auto* c = reinterpret_cast<Census*>(lp);
    if (SystemMade(ClassOf(hwnd))) return TRUE;
    Shown& s = c->children[KindOf(hwnd)];
    ++(IsWindowVisible(hwnd) != FALSE ? s.shown : s.hidden);
    ++c->childCount;
    return TRUE;
}

BOOL CALLBACK FindTops(HWND hwnd, LPARAM lp) {
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the Win32 API passes pointers and handles as integers
    auto* c = reinterpret_cast<Census*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != c->pid) return TRUE;
    c->tops.push_back(hwnd);
    if (c->main == nullptr && IsWindowVisible(hwnd) != FALSE && GetWindow(hwnd, GW_OWNER) == nullptr) c->main = hwnd;
    return TRUE;
}

// The program's top-level windows, the shown main one among them.
Census FindWindows(DWORD pid) {
    Census c;
    c.pid = pid;
    EnumWindows(FindTops, reinterpret_cast<LPARAM>(&c));
    return c;
}

// Every window of the program, counted by class (EnumChildWindows walks all
// descendants, not only the direct children).
Census Count(DWORD pid) {
    Census c = FindWindows(pid);
    for (HWND top : c.tops) {
        EnumChildWindows(top, CountChild, reinterpret_cast<LPARAM>(&c));
        if (top == c.main) continue;
        if (SystemMade(ClassOf(top))) continue;
        Shown& s = c.others[KindOf(top)];
        ++(IsWindowVisible(top) != FALSE ? s.shown : s.hidden);
        ++c.otherCount;
    }
    return c;
}

std::string WindowArgs(const Census& c) {
    std::string out;
    const auto add = [&out](const char* option, const std::map<std::wstring, Shown>& counts) {
        for (const auto& [cls, n] : counts) {
            if (!out.empty()) out += ' ';
            out += option;
            out += ' ';
            out += Utf8(cls) + '=' + std::to_string(n.shown) + '/' + std::to_string(n.hidden);
        }
    };
    add("--child", c.children);
    add("--top", c.others);
    return out.empty() ? "-" : out;
}

struct Watch {
    double windowSeen = -1;
    double paintedSeen = -1;
    std::vector<double> changes;  // when the window's pixels on the screen changed
};

// Looks at the screen until the idle thread has finished and a second has passed:
// when a visible window of the program first exists, when the pixel at (2, 2) of its
// client area first has the main window's background colour, and every time the
// client area's pixels change.
Watch WatchScreen(DWORD pid, COLORREF background, double start, const std::atomic<bool>& idleDone, double timeoutMs) {
    Watch w;
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    HBITMAP bitmap = nullptr;
    const std::uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::uint64_t last = 0;
    double idleAt = -1;
    while (Now() - start < timeoutMs) {
        const Census c = FindWindows(pid);
        if (c.main != nullptr) {
            if (w.windowSeen < 0) w.windowSeen = Now() - start;
            RECT client;
            GetClientRect(c.main, &client);
            if (bitmap == nullptr && client.right > 2 && client.bottom > 2) {
                width = client.right;
                height = client.bottom;
                BITMAPINFO info{};
                info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
                void* p = nullptr;
                bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &p, nullptr, 0);
                bits = static_cast<const std::uint32_t*>(p);
                SelectObject(copy, bitmap);
            }
            if (bitmap != nullptr) {
                POINT at{0, 0};
                ClientToScreen(c.main, &at);
                BitBlt(copy, 0, 0, width, height, screen, at.x, at.y, SRCCOPY);
                GdiFlush();
                const double now = Now() - start;
                // FNV-1a over the pixels: any change of the picture changes it.
                std::uint64_t hash = 14695981039346656037ULL;
                for (std::size_t i = 0; i < static_cast<std::size_t>(width) * static_cast<std::size_t>(height); ++i) {
                    hash = (hash ^ (bits[i] & 0xFFFFFFU)) * 1099511628211ULL;
                }
                if (hash != last) w.changes.push_back(now);
                last = hash;
                const std::uint32_t corner = bits[2 * static_cast<std::size_t>(width) + 2] & 0xFFFFFFU;
                const COLORREF seen = RGB((corner >> 16U) & 0xFFU, (corner >> 8U) & 0xFFU, corner & 0xFFU);
                if (w.paintedSeen < 0 && seen == background) w.paintedSeen = now;
            }
        }
        if (idleDone.load()) {
            if (idleAt < 0) idleAt = Now();
            if (Now() - idleAt > 1000) break;
        }
        Sleep(1);
    }
    DeleteDC(copy);
    if (bitmap != nullptr) DeleteObject(bitmap);
    ReleaseDC(nullptr, screen);
    return w;
}

int Fail(const char* what) {
    std::fprintf(stderr, "win32-startup-probe: %s\n", what);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    DWORD timeoutMs = 30000;
    bool watch = false;
    int at = 1;
    for (; at < argc; ++at) {
        const std::wstring a = argv[at];
        if (a == L"--") {
            ++at;
            break;
        }
        if (a == L"--watch") {
            watch = true;
        } else if (a == L"-t" && at + 1 < argc) {
            timeoutMs = static_cast<DWORD>(std::wcstoul(argv[++at], nullptr, 10));
        } else {
            at = argc;
        }
    }
    if (at >= argc) {
        std::fputs("usage: win32-startup-probe [-t TIMEOUT_MS] [--watch] -- PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    std::wstring command;
    for (int i = at; i < argc; ++i) command += (i > at ? L" " : L"") + Quoted(argv[i]);

    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const double start = Now();
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi) == FALSE) {
        return Fail("cannot start the program");
    }
    CloseHandle(pi.hThread);

    double idleMs = -1;
    DWORD idle = WAIT_FAILED;
    Watch seen;
    if (watch) {
        std::atomic<bool> idleDone{false};
        std::thread waiter([&] {
            idle = WaitForInputIdle(pi.hProcess, timeoutMs);
            idleMs = Now() - start;
            idleDone = true;
        });
        const COLORREF background = quorvel::bench::PaintedColor(quorvel::bench::MainWindowRow().color);
        seen = WatchScreen(pi.dwProcessId, background, start, idleDone, timeoutMs);
        waiter.join();
    } else {
        idle = WaitForInputIdle(pi.hProcess, timeoutMs);
        idleMs = Now() - start;
    }

    int status = 0;
    const Census census = Count(pi.dwProcessId);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const bool measured = GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory) != FALSE;
    if (idle != 0) {
        status = Fail("the program did not go idle");
    } else if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) {
        status = Fail("the program ended before it went idle");
    } else if (census.main == nullptr) {
        status = Fail("the program went idle without a visible window");
    } else if (!measured) {
        status = Fail("cannot read the program's working set");
    } else {
        std::printf("first_paint_ms=%.1f peak_working_set_kib=%llu child_windows=%u top_windows=%u", idleMs,
                    static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024), census.childCount, census.otherCount);
        if (watch) {
            std::printf(" window_seen_ms=%.1f painted_seen_ms=%.1f changes_ms=", seen.windowSeen, seen.paintedSeen);
            for (std::size_t i = 0; i < seen.changes.size(); ++i) std::printf("%s%.1f", i > 0 ? "," : "", seen.changes[i]);
        }
        std::printf(" windows=%s\n", WindowArgs(census).c_str());
        std::fflush(stdout);
    }

    if (census.main != nullptr) PostMessageW(census.main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 5000);
        status = Fail("the program did not end when its window was closed");
    } else if (DWORD code = 0; GetExitCodeProcess(pi.hProcess, &code) != FALSE && code != 0 && status == 0) {
        status = Fail("the program ended with an error status");
    }
    CloseHandle(pi.hProcess);
    return status;
}
