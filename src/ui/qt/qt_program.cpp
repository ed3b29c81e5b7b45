#include "ui/qt/qt_program.h"

#include <QApplication>
#include <cstdlib>

#include "ui/qt/qt_desktop.h"
#include "ui/qt/qt_toolkit.h"

namespace quorvel::ui::qt {

namespace {

bool Set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace

struct QtProgram::Impl {
    Impl(int& argc, char** argv) : app(argc, argv) {}
    QApplication app;
    QtToolkit toolkit;
};

bool QtProgram::DisplayAvailable() { return Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY"); }

QtProgram::QtProgram(int& argc, char** argv) {
    InstallQuietMessageHandler();
    NameProgram();
    impl_ = std::make_unique<Impl>(argc, argv);
}

QtProgram::~QtProgram() = default;

Toolkit& QtProgram::Kit() { return impl_->toolkit; }

int QtProgram::Run() {
    if (impl_->toolkit.Closed()) return 0;
    return QApplication::exec();
}

}  // namespace quorvel::ui::qt
