#pragma once

#include <memory>

#include "ui/session.h"

namespace quorvel::ui {

// A session on plain objects: no window system, the timer ticks only on request.
std::unique_ptr<Session> MakeHeadlessSession();

}  // namespace quorvel::ui
