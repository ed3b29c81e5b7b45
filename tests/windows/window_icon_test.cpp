// The windows show the exe's own icon in their title bar and on the task bar: this
// test carries the program's icon as resource 1, as the program does, and plays the
// Win32 toolkit through its session.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "toolkits/registry.h"

namespace {

BOOL CALLBACK Collect(HWND hwnd, LPARAM lp) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (std::wstring(name) == L"QuorvelForm") reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

TEST(WindowIcon, BothWindowsShowTheExesIcon) {
    const auto* maker = quorvel::toolkits::FindSession("win32");
    ASSERT_NE(maker, nullptr);
    int argc = 1;
    char name[] = "window_icon_test";
    char* argv[] = {name, nullptr};
    auto session = maker->make(argc, argv);
    ASSERT_NE(session, nullptr);

    // The windows of this thread alone: other tests may show theirs on the same desktop.
    std::vector<HWND> forms;
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&forms));
    ASSERT_EQ(forms.size(), 2U) << "the main window and the constants window";

    // LoadIcon hands out one shared handle per resource and process.
    const HICON own = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    ASSERT_NE(own, nullptr);
    ASSERT_NE(own, LoadIconW(nullptr, IDI_APPLICATION));
    for (HWND form : forms) EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(form, GCLP_HICON)), own);
}

}  // namespace
