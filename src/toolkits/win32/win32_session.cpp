#include "toolkits/win32/win32_session.h"

#include "toolkits/win32/win32_adapters.h"
#include "toolkits/win32/win32_driver.h"
#include "toolkits/win32/win32_program.h"

namespace quorvel::ui {

namespace {

class Win32Session final : public Session {
public:
    Win32Session() : kit_(win32::Win32Options{true, true, true}), driver_(kit_) {}

    Toolkit& Kit() override { return kit_; }
    UserDriver& Driver() override { return driver_; }
    RecordingCanvas& Recording() override { return kit_.Recording(); }
    void Settle() override { driver_.Settle(); }
    bool Screenshot(const std::string& path) override {
        Settle();
        return win32::SaveWindowPng(kit_.Node(kit_.Core().MainRow()).Hwnd(), path);
    }

private:
    win32::Win32Toolkit kit_;
    win32::Win32Driver driver_;
};

}  // namespace

std::unique_ptr<Session> MakeWin32Session(int& /*argc*/, char** /*argv*/) { return std::make_unique<Win32Session>(); }

}  // namespace quorvel::ui
