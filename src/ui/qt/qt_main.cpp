#include "ui/qt/qt_main.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/application.h"
#include "app/dispatch.h"
#include "ui/qt/qt_toolkit.h"

namespace quorvel::ui::qt {

int RunQuorvel(int argc, char** argv) {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if ((platform == nullptr || *platform == '\0') && (display == nullptr || *display == '\0') &&
        (wayland == nullptr || *wayland == '\0')) {
        std::fputs("quorvel: no display found; start it on a desktop, or without one as: xvfb-run -a build/quorvel\n", stderr);
        return 1;
    }
    QApplication qapp(argc, argv);
    QtToolkit toolkit;
    app::Application calculator(toolkit, app::ApplicationTitle(argc > 0 ? argv[0] : "quorvel"));
    calculator.Start();
    if (toolkit.Closed()) return 0;
    return QApplication::exec();
}

}  // namespace quorvel::ui::qt
