#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "app/application.h"
#include "runner.h"
#include "sessions.h"

// quorvel-replay [--toolkit headless|qt] SCRIPT   (SCRIPT "-" reads standard input)

int main(int argc, char** argv) {
    std::string toolkit = "headless";
    std::string path;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--toolkit") == 0 && i + 1 < argc) {
            toolkit = argv[++i];
        } else if (path.empty()) {
            path = argv[i];
        } else {
            std::cerr << "usage: quorvel-replay [--toolkit headless|qt] SCRIPT\n";
            return 2;
        }
    }
    if (path.empty() || (toolkit != "headless" && toolkit != "qt")) {
        std::cerr << "usage: quorvel-replay [--toolkit headless|qt] SCRIPT\n";
        return 2;
    }
    std::ifstream file;
    if (path != "-") {
        file.open(path);
        if (!file) {
            std::cerr << path << ": cannot open\n";
            return 2;
        }
    }
    std::istream& script = path == "-" ? std::cin : file;

    int qtArgc = 1;
    auto session = quorvel::replay::MakeSession(toolkit, qtArgc, argv);
    if (!session) {
        std::cerr << "quorvel-replay: this build has no " << toolkit << " toolkit (it was built without Qt)\n";
        return 2;
    }
    // The title of the default error box is the program's, not the runner's.
    quorvel::app::Application calculator(session->Kit(), u"quorvel");
    quorvel::replay::Runner runner(*session, calculator, std::cout);
    calculator.Start();
    session->Settle();
    return runner.Run(script, std::cerr);
}
