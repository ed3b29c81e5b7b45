// The manifest takes effect in every exe that links the Win32 toolkit (this test is
// one): Windows reads it when it starts the exe, so the process gets the controls of
// version 6 of the common controls, is per-monitor DPI aware (v2), and takes UTF-8 as
// its ANSI code page. A manifest of the wrong resource number or type would be
// ignored silently; these read what the process got.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

bool UnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// A button of version 6 knows the size its caption needs (BCM_GETIDEALSIZE); the
// button of user32 that a process without the manifest gets does not answer. Wine
// keeps the two apart as Windows does, and so does DllGetVersion not: Wine's
// comctl32 reports 5.81 with the manifest too.
TEST(Manifest, ButtonsAreThoseOfCommonControlsSix) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES};
    ASSERT_NE(InitCommonControlsEx(&icc), FALSE);
    HWND button = CreateWindowExW(0, WC_BUTTONW, L"Übernehmen", WS_POPUP | BS_PUSHBUTTON, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(button, nullptr);
    SIZE ideal{};
    const LRESULT answered = SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
    DestroyWindow(button);
    EXPECT_NE(answered, 0);
    EXPECT_GT(ideal.cx, 0);
}

TEST(Manifest, PerMonitorDpiAwareV2) {
    const DPI_AWARENESS_CONTEXT context = GetThreadDpiAwarenessContext();
    if (UnderWine()) {
        // Wine 8 makes every process per-monitor aware (v1), with or without a
        // manifest, and has no v2: only Windows can show the manifest's awareness.
        EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(context), DPI_AWARENESS_PER_MONITOR_AWARE);
        return;
    }
    EXPECT_NE(AreDpiAwarenessContextsEqual(context, DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2), FALSE);
}

TEST(Manifest, Utf8IsTheAnsiCodePage) { EXPECT_EQ(GetACP(), static_cast<UINT>(CP_UTF8)); }

}  // namespace
