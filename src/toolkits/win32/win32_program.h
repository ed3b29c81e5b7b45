#pragma once

// The program on Windows: both windows built from the layout, a real timer, and the
// message loop with the keyboard navigation of a dialog.

#include <memory>
#include <string>

#include "ui/program.h"

namespace quorvel::ui::win32 {

// Never fails on Windows; `whyNot` stays empty.
std::unique_ptr<Program> MakeWin32Program(int& argc, char** argv, std::string& whyNot);

// Saves the client area of a window as PNG; false when it cannot be written.
bool SaveWindowPng(void* hwnd, const std::string& path);

}  // namespace quorvel::ui::win32
