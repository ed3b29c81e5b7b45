#include <cstdio>

#include "app/application.h"
#include "app/dispatch.h"
#include "ui/qt/qt_program.h"

// The program: the application object, both windows and the calculator, the main
// window shown, and the event loop until the main window closes.
int main(int argc, char** argv) {
    if (!quorvel::ui::qt::QtProgram::DisplayAvailable()) {
        std::fputs("quorvel: no display found; start it on a desktop, or without one as: xvfb-run -a build/quorvel\n", stderr);
        return 1;
    }
    quorvel::ui::qt::QtProgram program(argc, argv);
    quorvel::app::Application calculator(program.Kit(), quorvel::app::ApplicationTitle(argc > 0 ? argv[0] : "quorvel"));
    calculator.Start();
    return program.Run();
}
