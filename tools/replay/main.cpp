#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "app/application.h"
#include "runner.h"
#include "toolkits/registry.h"

// quorvel-replay [--toolkit NAME] SCRIPT   (SCRIPT "-" reads standard input)

namespace {

std::string ToolkitNames() {
    std::string names;
    for (const quorvel::toolkits::SessionMaker& s : quorvel::toolkits::Sessions()) {
        if (!names.empty()) names += '|';
        names += s.name;
    }
    return names;
}

int Usage() {
    std::cerr << "usage: quorvel-replay [--toolkit " << ToolkitNames() << "] SCRIPT\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // A transcript is bytes: "\n" must not become CR LF, as the text mode of the C
    // runtime would make it, nor a script's CR LF lose its CR.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::string toolkit = "headless";
    std::string path;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--toolkit") == 0 && i + 1 < argc) {
            toolkit = argv[++i];
        } else if (path.empty()) {
            path = argv[i];
        } else {
            return Usage();
        }
    }
    if (path.empty()) return Usage();
    const quorvel::toolkits::SessionMaker* maker = quorvel::toolkits::FindSession(toolkit);
    if (maker == nullptr) {
        std::cerr << "quorvel-replay: this build has no " << toolkit << " toolkit (it has " << ToolkitNames() << ")\n";
        return 2;
    }
    std::ifstream file;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file) {
            std::cerr << path << ": cannot open\n";
            return 2;
        }
    }
    std::istream& script = path == "-" ? std::cin : file;

    int toolkitArgc = 1;
    auto session = maker->make(toolkitArgc, argv);
    // The title of the default error box is the program's, not the runner's.
    quorvel::app::Application calculator(session->Kit(), u"quorvel");
    quorvel::replay::Runner runner(*session, calculator, std::cout);
    calculator.Start();
    session->Settle();
    return runner.Run(script, std::cerr);
}
