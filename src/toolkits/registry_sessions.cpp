#include <array>

#include "toolkits/headless/headless_session.h"
#include "toolkits/registry.h"
#ifdef QUORVEL_HAVE_QT
#include "toolkits/qt/qt_session.h"
#endif
#ifdef QUORVEL_HAVE_WIN32
#include "toolkits/win32/win32_session.h"
#endif

namespace quorvel::toolkits {

namespace {

std::unique_ptr<ui::Session> Headless(int& /*argc*/, char** /*argv*/) { return ui::MakeHeadlessSession(); }

constexpr auto kSessions = std::to_array<SessionMaker>({
    {"headless", &Headless},
#ifdef QUORVEL_HAVE_QT
    {"qt", &ui::MakeQtSession},
#endif
#ifdef QUORVEL_HAVE_WIN32
    {"win32", &ui::MakeWin32Session},
#endif
});

}  // namespace

std::span<const SessionMaker> Sessions() { return kSessions; }

const SessionMaker* FindSession(std::string_view name) {
    for (const SessionMaker& s : kSessions) {
        if (s.name == name) return &s;
    }
    return nullptr;
}

}  // namespace quorvel::toolkits
