#include "toolkits/win32/win32_program.h"

#include "toolkits/win32/win32_adapters.h"

namespace quorvel::ui::win32 {

namespace {

class Win32Program final : public Program {
public:
    Win32Program() : kit_(Win32Options{}) {}
    Toolkit& Kit() override { return kit_; }

    int Run() override {
        if (kit_.Closed()) return 0;
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (kit_.NavigateByKeyboard(&msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        return 0;
    }

private:
    Win32Toolkit kit_;
};

}  // namespace

std::unique_ptr<Program> MakeWin32Program(int& /*argc*/, char** /*argv*/, std::string& /*whyNot*/) {
    return std::make_unique<Win32Program>();
}

}  // namespace quorvel::ui::win32
