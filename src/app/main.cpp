#include <cstdio>
#include <string>

#include "app/application.h"
#include "app/dispatch.h"
#include "toolkits/registry.h"

// The program: the application object, both windows and the calculator, the main
// window shown, and the event loop until the main window closes.
int main(int argc, char** argv) {
    std::string whyNot;
    auto program = quorvel::toolkits::DesktopProgram().make(argc, argv, whyNot);
    if (!program) {
        std::fprintf(stderr, "quorvel: %s\n", whyNot.c_str());
        return 1;
    }
    quorvel::app::Application calculator(program->Kit(), quorvel::app::ApplicationTitle(argc > 0 ? argv[0] : "quorvel"));
    calculator.Start();
    return program->Run();
}
