// Another program on the same Windows session, for the tests of the real program:
// it reads the system's warning-beep setting, waits for a window, and closes it, as
// a user or another tool would.
//
//   probe beep                 prints "on" or "off" (SPI_GETBEEP)
//   probe wait TITLE-PREFIX    waits up to 20 s for a visible top-level window whose
//                              title starts so; exit 1 if none comes
//   probe close TITLE-PREFIX   asks that window to close (WM_CLOSE)
//   probe exe TITLE-PREFIX     prints the full path of the exe that shows that window
//   probe quit TITLE-PREFIX    closes that window and waits up to 20 s for its program
//                              to end; exit 1 if it does not (for a program started
//                              through a shortcut, whose process no caller holds)

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* prefix;
    HWND found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    wchar_t title[256] = {};
    GetWindowTextW(hwnd, title, 256);
    if (IsWindowVisible(hwnd) != FALSE && std::wcsncmp(title, s->prefix, std::wcslen(s->prefix)) == 0) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND Find(const wchar_t* prefix) {
    Search s{prefix, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], L"beep") == 0) {
        BOOL on = FALSE;
        if (SystemParametersInfoW(SPI_GETBEEP, 0, &on, 0) == FALSE) return 2;
        std::puts(on != FALSE ? "on" : "off");
        return 0;
    }
    if (argc == 3 && std::wcscmp(argv[1], L"wait") == 0) {
        for (int i = 0; i < 200; ++i) {
            if (Find(argv[2]) != nullptr) return 0;
            Sleep(100);
        }
        return 1;
    }
    if (argc == 3 && std::wcscmp(argv[1], L"close") == 0) {
        HWND w = Find(argv[2]);
        if (w == nullptr) return 1;
        PostMessageW(w, WM_CLOSE, 0, 0);
        return 0;
    }
    if (argc == 3 && std::wcscmp(argv[1], L"exe") == 0) {
        HWND w = Find(argv[2]);
        if (w == nullptr) return 1;
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
        if (process == nullptr) return 1;
        wchar_t path[MAX_PATH] = {};
        DWORD size = MAX_PATH;
        const BOOL named = QueryFullProcessImageNameW(process, 0, path, &size);
        CloseHandle(process);
        if (named == FALSE) return 1;
        // UTF-8, as the shell scripts that call the probe read it.
        char utf8[4 * MAX_PATH] = {};
        WideCharToMultiByte(CP_UTF8, 0, path, -1, utf8, sizeof utf8, nullptr, nullptr);
        std::puts(utf8);
        return 0;
    }
    if (argc == 3 && std::wcscmp(argv[1], L"quit") == 0) {
        HWND w = Find(argv[2]);
        if (w == nullptr) return 1;
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
        if (process == nullptr) return 1;
        PostMessageW(w, WM_CLOSE, 0, 0);
        const DWORD waited = WaitForSingleObject(process, 20000);
        CloseHandle(process);
        return waited == WAIT_OBJECT_0 ? 0 : 1;
    }
    std::fputs("usage: probe beep | wait TITLE | close TITLE | exe TITLE | quit TITLE\n", stderr);
    return 2;
}
