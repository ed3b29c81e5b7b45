#pragma once

// The toolkits this runner was built with.

#include <memory>
#include <string_view>

#include "ui/session.h"

namespace quorvel::replay {

// The session of the toolkit `name` ("headless" or "qt"), or nullptr when this build
// has no such toolkit.
std::unique_ptr<ui::Session> MakeSession(std::string_view name, int& argc, char** argv);

}  // namespace quorvel::replay
