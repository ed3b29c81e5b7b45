#pragma once

// What the Windows start-up benchmark's tools take from the layout table: the main
// window's client size, background and fonts, as the Win32 toolkit makes them.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "ui/colors.h"
#include "ui/layout.h"

namespace quorvel::bench {

// The main window's row.
inline const ui::ControlSpec& MainWindowRow() { return *ui::FindControl(ui::kMainWindow); }

// A colour of the layout as the toolkit paints it (ToColorRef in win32_controls.cpp).
inline COLORREF PaintedColor(ui::Color color) {
    switch (color) {
        case ui::clWindow: return GetSysColor(COLOR_WINDOW);
        case ui::clBtnFace: return GetSysColor(COLOR_BTNFACE);
        case ui::clMenu: return GetSysColor(COLOR_MENU);
        default: break;
    }
    const ui::Color rgb = ui::Resolve(color);
    return RGB((rgb >> 16U) & 0xFFU, (rgb >> 8U) & 0xFFU, rgb & 0xFFU);
}

}  // namespace quorvel::bench
