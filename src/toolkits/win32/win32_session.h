#pragma once

#include <memory>

#include "ui/session.h"

namespace quorvel::ui {

// The Win32 session: the real windows with their driver, the timer ticking only on
// request, the main window at the screen's corner so that positions repeat.
std::unique_ptr<Session> MakeWin32Session(int& argc, char** argv);

}  // namespace quorvel::ui
