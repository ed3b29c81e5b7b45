#include "sessions.h"
#include "ui/headless/headless_session.h"

// A build without Qt: the headless toolkit alone.

namespace quorvel::replay {

std::unique_ptr<ui::Session> MakeSession(std::string_view name, int& /*argc*/, char** /*argv*/) {
    if (name == "headless") return ui::MakeHeadlessSession();
    return nullptr;
}

}  // namespace quorvel::replay
