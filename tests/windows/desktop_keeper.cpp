// Keeps a Wine session's desktop open while tests come and go.
//
// Wine closes a desktop, and ends the program that draws it, about a second after
// the last program that used it ends; the next program then starts a new one. A
// program that starts just as the old desktop closes can lose its windows with it:
// they vanish under it, and every later click or keystroke meets no window. Between
// two tests under a busy ctest such a gap is common. The keeper uses the desktop for
// as long as the session lasts (scripts/wine-run starts it with the server;
// `wineserver -k` ends it), so it never closes between tests, and each test starts
// without waiting for a new desktop.
//
//   wine-desktop-keeper          starts the keeper and returns once it holds the
//                                desktop (exit 1 if it does not within 30 s)
//   wine-desktop-keeper --hold EVENT
//                                the keeper itself; sets the named EVENT when it
//                                holds the desktop
//
// The desktop's own program is started by whoever first needs the desktop, and keeps
// that program's files open as long as it lives. Started by the keeper, which holds
// no file of its caller, it keeps none of a test's output open.
//
// The keeper's one window is message-only: it is never shown, takes no focus and is
// not among the desktop's windows that tests enumerate.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cwchar>
#include <string>

namespace {

int Hold(const wchar_t* eventName, HINSTANCE instance) {
    // The desktop window starts the desktop's program and waits until it is up; any
    // window then makes this thread a user of the desktop.
    if (GetDesktopWindow() == nullptr) return 1;
    if (CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr) == nullptr) return 1;
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName);
    if (ready == nullptr) return 1;
    SetEvent(ready);
    CloseHandle(ready);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}

int Start() {
    const std::wstring eventName = L"Local\\quorvel-desktop-keeper-" + std::to_wstring(GetCurrentProcessId());
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
    if (ready == nullptr) return 1;
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(exe) + L"\" --hold " + eventName;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi) == FALSE) return 1;
    HANDLE waitFor[] = {ready, pi.hProcess};
    const DWORD which = WaitForMultipleObjects(2, waitFor, FALSE, 30000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(ready);
    return which == WAIT_OBJECT_0 ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR command, int /*show*/) {
    const wchar_t* hold = L"--hold ";
    if (std::wcsncmp(command, hold, std::wcslen(hold)) == 0) return Hold(command + std::wcslen(hold), instance);
    return Start();
}
