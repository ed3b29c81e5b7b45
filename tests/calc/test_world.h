#pragma once

// A calculator on the headless toolkit, started as the program starts it.

#include <memory>
#include <string_view>

#include "app/application.h"
#include "ui/headless/headless_toolkit.h"

namespace quorvel::test {

struct World {
    ui::headless::HeadlessToolkit kit;
    app::Application app{kit, u"quorvel"};

    World() { app.Start(); }

    static int Row(std::string_view name) { return ui::IndexOf(name); }
    ui::UiControl& C(std::string_view name) { return kit.Control(Row(name)); }
    ui::UiWindow& W(std::string_view name) { return kit.Window(Row(name)); }
    calc::TForm1& F() { return app.Form1(); }
};

}  // namespace quorvel::test
