#pragma once

namespace quorvel::ui::qt {

// The program: creates the application object, both windows and the calculator,
// shows the main window and runs the event loop until the main window closes.
// Returns the process exit code.
int RunQuorvel(int argc, char** argv);

}  // namespace quorvel::ui::qt
