#pragma once

// A calculator on the headless toolkit, started as the program starts it.

#include <memory>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "toolkits/headless/headless_toolkit.h"

namespace quorvel::test {

struct World {
    ui::headless::HeadlessToolkit kit;
    app::Application app{kit, u"quorvel"};
    std::vector<ui::BoxSeen> boxes;  // every box shown since start, in order

    World() {
        kit.ObserveBoxes([this](const ui::BoxSeen& box) { boxes.push_back(box); });
        app.Start();
    }

    static int Row(std::string_view name) { return ui::IndexOf(name); }
    ui::UiControl& C(std::string_view name) { return kit.Control(Row(name)); }
    ui::UiWindow& W(std::string_view name) { return kit.Window(Row(name)); }
    calc::TForm1& F() { return app.Form1(); }

    // The user's actions, by control name.
    void Type(std::string_view name, std::u16string_view text) { kit.Type(Row(name), text); }
    void Enter(std::string_view name) { kit.Enter(Row(name)); }
    void Click(std::string_view name) { kit.Click(Row(name)); }
    std::u16string Text(std::string_view name) { return C(name).GetText(); }
    // Types both parts of an operand ("Z1" or "Z2") and confirms them with Enter.
    void Enter(std::string_view operand, std::u16string_view re, std::u16string_view im) {
        const std::string prefix(operand);
        Type(prefix + "_E_Real", re);
        Type(prefix + "_E_Imaginaer", im);
        Enter(prefix + "_E_Real");
    }
};

}  // namespace quorvel::test
