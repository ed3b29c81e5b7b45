#pragma once

// The program's own start on a desktop toolkit: the application object of the
// window system, both windows built from the layout, a real timer, and the event
// loop. The main routine sees only this, so it names no toolkit.

#include "ui/toolkit.h"

namespace quorvel::ui {

class Program {
public:
    virtual ~Program() = default;

    // The controls of both windows, built when the program object was made.
    [[nodiscard]] virtual Toolkit& Kit() = 0;

    // Runs the event loop until the main window closes and returns the exit code.
    // Who calls: the main routine, once, after the application has been started
    // (Application::Start showed the main window). Returns at once when the main
    // window is already closed.
    virtual int Run() = 0;
};

}  // namespace quorvel::ui
