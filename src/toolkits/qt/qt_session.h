#pragma once

#include <memory>

#include "ui/session.h"

namespace quorvel::ui {

// The Qt session owns its application object. Without a display it uses the
// offscreen platform. The timer ticks only on request.
std::unique_ptr<Session> MakeQtSession(int& argc, char** argv);

}  // namespace quorvel::ui
