#include "toolkits/qt/qt_program.h"

#include <QApplication>
#include <cstdlib>
#include <thread>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#ifdef QUORVEL_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include "toolkits/qt/qt_desktop.h"
#include "toolkits/qt/qt_toolkit.h"

namespace quorvel::ui::qt {

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Reads fontconfig's configuration and font cache on a thread of its own, while the
// application object connects to the display: the first font Qt looks up would
// otherwise do it on the main thread, after the connection. Joined before the toolkit
// builds the windows, whose first font finds it done (FcInit is thread-safe: had Qt
// needed fontconfig earlier, it would have read it too, and one copy been dropped).
class FontconfigStart {
public:
#ifdef QUORVEL_FONTCONFIG
    FontconfigStart() : thread_([] { FcInit(); }) {}
    ~FontconfigStart() {
        if (thread_.joinable()) thread_.join();
    }
    FontconfigStart(const FontconfigStart&) = delete;
    FontconfigStart& operator=(const FontconfigStart&) = delete;
    void Join() { thread_.join(); }

private:
    std::thread thread_;
#else
    void Join() {}
#endif
};

}  // namespace

struct QtProgram::Impl {
    Impl(int& argc, char** argv) : app(argc, argv) {
        fontconfig.Join();
        toolkit = std::make_unique<QtToolkit>();
    }
    FontconfigStart fontconfig;  // first: it starts before the application object
    QApplication app;
    std::unique_ptr<QtToolkit> toolkit;
};

bool QtProgram::DisplayAvailable() { return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY"); }

QtProgram::QtProgram(int& argc, char** argv) {
#ifdef __GLIBC__
    // One heap for all threads: the fontconfig thread above and Qt's own (the display
    // connection's reader) would otherwise each get an arena of glibc's, whose pages
    // the main thread never reuses; the program allocates little off its main thread.
    mallopt(M_ARENA_MAX, 1);
#endif
    InstallQuietMessageHandler();
    NameProgram();
    impl_ = std::make_unique<Impl>(argc, argv);
}

QtProgram::~QtProgram() = default;

Toolkit& QtProgram::Kit() { return *impl_->toolkit; }

int QtProgram::Run() {
    if (impl_->toolkit->Closed()) return 0;
    return QApplication::exec();
}

std::unique_ptr<Program> MakeQtProgram(int& argc, char** argv, std::string& whyNot) {
    if (!QtProgram::DisplayAvailable()) {
        whyNot = "no display found; start it on a desktop, or without one as: xvfb-run -a build/quorvel";
        return nullptr;
    }
    return std::make_unique<QtProgram>(argc, argv);
}

}  // namespace quorvel::ui::qt
