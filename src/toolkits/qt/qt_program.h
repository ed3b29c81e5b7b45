#pragma once

// The Qt side of the program's start: the application object, the real widgets and
// the event loop, behind a header free of Qt so that the main routine needs none.

#include <memory>
#include <string>

#include "ui/program.h"

namespace quorvel::ui::qt {

class QtToolkit;

class QtProgram final : public Program {
public:
    // True when there is a display to show windows on (or a platform was chosen).
    [[nodiscard]] static bool DisplayAvailable();

    // Creates the application object and builds both windows from the layout.
    // `argc` and `argv` must outlive the program object, as Qt requires.
    QtProgram(int& argc, char** argv);
    ~QtProgram() override;

    QtProgram(const QtProgram&) = delete;
    QtProgram& operator=(const QtProgram&) = delete;

    [[nodiscard]] Toolkit& Kit() override;

    // Runs the event loop until the main window closes; returns the exit code. Returns
    // at once when the main window has already been closed.
    int Run() override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The program on Qt; nullptr with the reason in `whyNot` where there is no display.
std::unique_ptr<Program> MakeQtProgram(int& argc, char** argv, std::string& whyNot);

}  // namespace quorvel::ui::qt
