#include <gtest/gtest.h>

#include "toolkits/win32/win32_adapters.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "toolkits/registry.h"
#include "ui/layout.h"
#include "toolkits/win32/win32_program.h"

// A window moved to a screen of another scale, as Windows tells it with WM_DPICHANGED
// under per-monitor awareness: laid out anew at the new scale, not stretched, the
// other window left as it was, and back on the first screen exactly as before. Wine
// never sends the message itself (all its screens have one scale), so the test sends
// it as Windows would, with the window rectangle Windows suggests.

namespace quorvel::test {
namespace {

using ui::win32::Win32Toolkit;

int gArgc = 1;
char gProgram[] = "dpi_change_test";
char* gArgv[] = {gProgram, nullptr};

int Scaled(int v, int dpi) { return MulDiv(v, dpi, 96); }

class DpiChange : public testing::Test {
protected:
    void SetUp() override {
        const toolkits::SessionMaker* maker = toolkits::FindSession("win32");
        ASSERT_NE(maker, nullptr);
        session_ = maker->make(gArgc, gArgv);
        kit_ = dynamic_cast<Win32Toolkit*>(&session_->Kit());
        ASSERT_NE(kit_, nullptr);
        app_ = std::make_unique<app::Application>(*kit_, u"quorvel");
        app_->Start();
        // A result, so the diagram shows phasors, and the focus on a button, whose
        // mark does not blink.
        session_->Driver().Type(ui::IndexOf("Z1_E_Real"), u"3");
        session_->Driver().Type(ui::IndexOf("Z1_E_Imaginaer"), u"4");
        session_->Driver().Click(ui::IndexOf("SB_Addition"));
        SetFocus(Node("B_Fertig").Hwnd());
        Settle();
        ASSERT_TRUE(ui::Showing(*kit_, ui::IndexOf("PB_Gauss")));
    }
    void TearDown() override {
        app_.reset();
        session_.reset();
    }

    void Settle() { session_->Settle(); }
    Win32Toolkit& Kit() { return *kit_; }
    ui::win32::Win32Node& Node(std::string_view name) { return kit_->Node(ui::IndexOf(name)); }
    HWND Main() { return Node("Form1").Hwnd(); }
    int MainDpi() { return kit_->WindowDpi(ui::IndexOf("Form1")); }

    // Another screen's scale: a quarter larger than the first, or where the first is
    // larger than 96 dpi, 96 (the window must fit on the Wine desktop, whose size is
    // that of the screen at the first scale).
    int OtherDpi() { return MainDpi() == 96 ? 120 : 96; }
    // What Windows suggests for the window on a screen of `dpi`: the same corner, and
    // the frame around a client area of the layout's size at that scale.
    RECT Suggested(int dpi) {
        RECT now;
        GetWindowRect(Main(), &now);
        const ui::Rect& place = ui::Layout()[static_cast<std::size_t>(ui::IndexOf("Form1"))].place;
        RECT outer{0, 0, Scaled(place.w, dpi), Scaled(place.h, dpi)};
        AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(Main(), GWL_STYLE)), FALSE,
                                 static_cast<DWORD>(GetWindowLongPtrW(Main(), GWL_EXSTYLE)), static_cast<UINT>(dpi));
        return RECT{now.left, now.top, now.left + outer.right - outer.left, now.top + outer.bottom - outer.top};
    }
    void MoveToScreen(int dpi, RECT suggested) {
        SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        Settle();
    }

    std::vector<std::string> Picture() { return kit_->Recording().Describe(); }

    // The window active, the focus on the button and the pointer away from every
    // control (a themed button under it is drawn lit), as a user leaves them between two
    // pictures, so that only the scale can have changed between them.
    void Steady() {
        SetCursorPos(GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1, GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1);
        SetForegroundWindow(Main());
        SetFocus(Node("B_Fertig").Hwnd());
        // The lit control learns late that the pointer has gone.
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 200) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            Settle();
        }
    }

    // The main window's tip breaks its lines at the width for `dpi`, and a windowless
    // row's tool lies where the row is drawn.
    void ExpectTipsAt(int dpi) {
        auto* tip = static_cast<HWND>(Kit().Tips(ui::IndexOf("Form1")));
        ASSERT_NE(tip, nullptr);
        EXPECT_EQ(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0), Scaled(400, dpi));
        const int row = ui::IndexOf("SB_Addition");
        const ui::win32::Win32Node& button = Kit().Node(row);
        ASSERT_EQ(button.Hwnd(), nullptr);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = button.Host();
        tool.uId = static_cast<UINT_PTR>(ui::win32::kIdBase) + static_cast<UINT_PTR>(row);
        ASSERT_TRUE(SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE);
        const RECT want = button.DeviceRect();
        EXPECT_TRUE(EqualRect(&tool.rect, &want) != FALSE);
        EXPECT_EQ(want.right - want.left, Scaled(button.Spec().place.x + button.Spec().place.w, dpi) - Scaled(button.Spec().place.x, dpi));
    }

private:
    std::unique_ptr<ui::Session> session_;
    Win32Toolkit* kit_ = nullptr;
    std::unique_ptr<app::Application> app_;
};

TEST_F(DpiChange, EveryRowOfTheWindowTakesTheNewScale) {
    const int dpi = OtherDpi();
    MoveToScreen(dpi, Suggested(dpi));
    ASSERT_EQ(MainDpi(), dpi);
    RECT client;
    GetClientRect(Main(), &client);
    const ui::Rect& form = ui::Layout()[static_cast<std::size_t>(ui::IndexOf("Form1"))].place;
    EXPECT_EQ(client.right, Scaled(form.w, dpi));
    EXPECT_EQ(client.bottom, Scaled(form.h, dpi));
    for (std::size_t i = 0; i < ui::Layout().size(); ++i) {
        const ui::ControlSpec& s = ui::Layout()[i];
        if (ui::WindowOf(s) != "Form1" || s.kind == ui::ControlKind::Form || s.kind == ui::ControlKind::Timer) continue;
        SCOPED_TRACE(std::string(s.name));
        const ui::win32::Win32Node& n = Kit().Node(static_cast<int>(i));
        const RECT want{Scaled(s.place.x, dpi), Scaled(s.place.y, dpi), Scaled(s.place.x + s.place.w, dpi), Scaled(s.place.y + s.place.h, dpi)};
        const RECT device = n.DeviceRect();
        EXPECT_TRUE(EqualRect(&device, &want) != FALSE);
        if (n.Hwnd() == nullptr) continue;
        RECT r;
        GetWindowRect(n.Hwnd(), &r);
        MapWindowPoints(HWND_DESKTOP, n.Host(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_TRUE(EqualRect(&r, &want) != FALSE) << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom;
        // The program reads the layout's geometry back, as before the move.
        const ui::Rect g = n.GetGeometry();
        EXPECT_EQ(g.x, s.place.x);
        EXPECT_EQ(g.w, s.place.w);
        EXPECT_EQ(g.y, s.place.y);
        EXPECT_EQ(g.h, s.place.h);
        // The font the control draws with: a system control's own, or the one the
        // toolkit draws a container's caption with.
        const bool system = s.kind != ui::ControlKind::Panel && s.kind != ui::ControlKind::GroupBox;
        LOGFONTW font{};
        // NOLINTNEXTLINE(performance-no-int-to-ptr): the font's handle is the message's result
        const auto own = reinterpret_cast<HFONT>(SendMessageW(n.Hwnd(), WM_GETFONT, 0, 0));
        GetObjectW(system ? own : n.Font(), sizeof(font), &font);
        EXPECT_EQ(font.lfHeight, -Scaled(s.font.pixelSize, dpi));
        if (s.kind == ui::ControlKind::Edit) {
            const auto margins = static_cast<DWORD>(SendMessageW(n.Hwnd(), EM_GETMARGINS, 0, 0));
            EXPECT_EQ(LOWORD(margins), Scaled(2, dpi));
        }
    }
}

TEST_F(DpiChange, ToolTipsMadeBeforeTheMoveFollowIt) {
    const int dpi = OtherDpi();
    Kit().EnsureTips(ui::IndexOf("Form1"));  // as the pointer's first move does
    MoveToScreen(dpi, Suggested(dpi));
    ExpectTipsAt(dpi);
}

TEST_F(DpiChange, ToolTipsMadeAfterTheMoveTakeTheNewScale) {
    ASSERT_EQ(Kit().Tips(ui::IndexOf("Form1")), nullptr) << "no tip is made before the pointer comes";
    const int dpi = OtherDpi();
    MoveToScreen(dpi, Suggested(dpi));
    Kit().EnsureTips(ui::IndexOf("Form1"));
    ExpectTipsAt(dpi);
}

TEST_F(DpiChange, TheDiagramIsDrawnAgainAtTheNewScale) {
    const std::vector<std::string> before = Picture();
    ASSERT_FALSE(before.empty());
    const int dpi = OtherDpi();
    const ui::win32::Win32Node& box = Node("PB_Gauss");
    MoveToScreen(dpi, Suggested(dpi));
    // The same picture, drawn by the program again into a bitmap of the new size.
    EXPECT_EQ(Picture(), before);
    const ui::win32::WindowPixels shown = ui::win32::CaptureWindow(Main());
    const RECT r = box.DeviceRect();
    // The diagram's black frame lies on the box's edges at the new scale: drawn there,
    // not a picture of the old size in its corner.
    auto pixel = [&](int x, int y) { return shown.At(x, y); };
    const int midY = (r.top + r.bottom) / 2;
    const int midX = (r.left + r.right) / 2;
    EXPECT_EQ(pixel(r.left, midY), 0U);
    EXPECT_EQ(pixel(midX, r.top), 0U);
    EXPECT_EQ(pixel(r.right - 1, midY), 0U) << "right edge";
    EXPECT_EQ(pixel(midX, r.bottom - 1), 0U) << "bottom edge";
}

TEST_F(DpiChange, TheOtherWindowKeepsItsScale) {
    const int other = ui::IndexOf("Form2");
    const int before = Kit().WindowDpi(other);
    RECT r0;
    GetClientRect(Kit().Node(other).Hwnd(), &r0);
    MoveToScreen(OtherDpi(), Suggested(OtherDpi()));
    EXPECT_EQ(Kit().WindowDpi(other), before);
    RECT r1;
    GetClientRect(Kit().Node(other).Hwnd(), &r1);
    EXPECT_TRUE(EqualRect(&r0, &r1) != FALSE);
}

TEST_F(DpiChange, BackOnTheFirstScreenEveryPixelIsAsBefore) {
    const int first = MainDpi();
    RECT window;
    GetWindowRect(Main(), &window);
    Steady();
    const ui::win32::WindowPixels before = ui::win32::CaptureWindow(Main());
    MoveToScreen(OtherDpi(), Suggested(OtherDpi()));
    ASSERT_NE(ui::win32::CaptureWindow(Main()).rgb.size(), before.rgb.size());
    MoveToScreen(first, window);
    EXPECT_EQ(MainDpi(), first);
    RECT again;
    GetWindowRect(Main(), &again);
    EXPECT_TRUE(EqualRect(&again, &window) != FALSE);
    Steady();
    const ui::win32::WindowPixels after = ui::win32::CaptureWindow(Main());
    ASSERT_EQ(after.rgb.size(), before.rgb.size());
    std::size_t differ = 0;
    RECT where{after.width, after.height, -1, -1};
    for (int y = 0; y < after.height; ++y) {
        for (int x = 0; x < after.width; ++x) {
            if (after.At(x, y) == before.At(x, y)) continue;
            ++differ;
            where = {std::min(where.left, static_cast<LONG>(x)), std::min(where.top, static_cast<LONG>(y)),
                     std::max(where.right, static_cast<LONG>(x)), std::max(where.bottom, static_cast<LONG>(y))};
        }
    }
    EXPECT_EQ(differ, 0U) << "within " << where.left << ',' << where.top << " .. " << where.right << ',' << where.bottom;
}

TEST_F(DpiChange, TheWindowReportsItsCornerAtTheNewScale) {
    const int dpi = OtherDpi();
    RECT suggested = Suggested(dpi);
    OffsetRect(&suggested, 30, 60);
    MoveToScreen(dpi, suggested);
    RECT r;
    GetWindowRect(Main(), &r);
    EXPECT_EQ(r.left, suggested.left);
    EXPECT_EQ(r.top, suggested.top);
    ui::UiWindow& w = Kit().Window(ui::IndexOf("Form1"));
    EXPECT_EQ(w.GetLeft(), MulDiv(r.left, 96, dpi));
    EXPECT_EQ(w.GetTop(), MulDiv(r.top, 96, dpi));
}

}  // namespace
}  // namespace quorvel::test
