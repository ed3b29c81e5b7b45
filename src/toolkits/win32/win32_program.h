#pragma once

// The program on Windows: both windows built from the layout, a real timer, and the
// message loop with the keyboard navigation of a dialog.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/program.h"

namespace quorvel::ui::win32 {

// Never fails on Windows; `whyNot` stays empty.
std::unique_ptr<Program> MakeWin32Program(int& argc, char** argv, std::string& whyNot);

// The client area of a window as it shows, brought to the front and drawn anew with
// all its children first: 0xRRGGBB pixels, the top row first. Empty when the window
// has no client area.
struct WindowPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> rgb;
    [[nodiscard]] std::uint32_t At(int x, int y) const {
        return rgb.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x));
    }
};
WindowPixels CaptureWindow(void* hwnd);

// Saves the client area of a window as PNG; false when it cannot be written.
bool SaveWindowPng(void* hwnd, const std::string& path);

}  // namespace quorvel::ui::win32
