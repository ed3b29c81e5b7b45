#include "sessions.h"
#include "ui/headless/headless_session.h"
#include "ui/qt/qt_session.h"

namespace quorvel::replay {

std::unique_ptr<ui::Session> MakeSession(std::string_view name, int& argc, char** argv) {
    if (name == "headless") return ui::MakeHeadlessSession();
    if (name == "qt") return ui::MakeQtSession(argc, argv);
    return nullptr;
}

}  // namespace quorvel::replay
