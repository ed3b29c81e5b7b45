#pragma once

// The toolkits of this build, by name. The program, the scenario runner and the
// tests choose a toolkit here instead of naming a toolkit's own types, so adding a
// toolkit changes these lists and nothing that uses them.
//
// The two lists live in two libraries: the sessions carry each toolkit's user driver
// (on Qt the test library), which the program must not load; the program needs only
// the desktop toolkit's start.

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "ui/program.h"
#include "ui/session.h"

namespace quorvel::toolkits {

struct SessionMaker {
    // "headless", "qt" or "win32": the runner's --toolkit argument.
    std::string_view name;
    // The toolkit with its user driver, the timer ticking only on request. `argc` and
    // `argv` must outlive the session.
    std::unique_ptr<ui::Session> (*make)(int& argc, char** argv);
};

struct ProgramMaker {
    std::string_view name;
    // The program's start; nullptr, with the reason in `whyNot`, where the toolkit
    // cannot start here (no display). `argc` and `argv` must outlive the program.
    std::unique_ptr<ui::Program> (*make)(int& argc, char** argv, std::string& whyNot);
};

// Every toolkit of this build with a session, headless first (library
// quorvel_toolkit_sessions).
std::span<const SessionMaker> Sessions();

// The session maker of that name, or nullptr when this build has no such toolkit.
const SessionMaker* FindSession(std::string_view name);

// The toolkit the program uses on this platform's desktop: Qt on Linux, Win32 on
// Windows (library quorvel_toolkit_program, in builds that have either).
const ProgramMaker& DesktopProgram();

}  // namespace quorvel::toolkits
