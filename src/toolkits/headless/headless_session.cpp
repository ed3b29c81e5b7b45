#include "toolkits/headless/headless_toolkit.h"
#include "toolkits/headless/headless_session.h"

namespace quorvel::ui {

namespace {

class HeadlessSession final : public Session {
public:
    Toolkit& Kit() override { return kit_; }
    UserDriver& Driver() override { return kit_; }
    RecordingCanvas& Recording() override { return kit_.Recording(); }
    void Settle() override {}
    bool Screenshot(const std::string& /*path*/) override { return false; }

private:
    headless::HeadlessToolkit kit_;
};

}  // namespace

std::unique_ptr<Session> MakeHeadlessSession() { return std::make_unique<HeadlessSession>(); }

}  // namespace quorvel::ui
