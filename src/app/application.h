#pragma once

// The program as both toolkits run it: the calculator state, the two windows' logic,
// and the routing of every event of the layout to its named handler through the one
// dispatch wrapper.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/form2.h"
#include "calc/form1.h"
#include "calc/program_memory.h"
#include "ui/toolkit.h"

namespace quorvel::app {

class Application final : public ui::EventSink {
public:
    // Creates Form1's and Form2's logic on the toolkit's controls and resolves every
    // binding of the layout. `title` is the title of the default error box. Throws
    // std::logic_error when the layout names a handler no window has.
    Application(ui::Toolkit& toolkit, std::u16string title);
    ~Application() override;

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Connects the events and shows the main window, as the event loop does at start.
    void Start();

    [[nodiscard]] calc::TForm1& Form1() { return *form1_; }
    [[nodiscard]] TForm2& Form2() { return *form2_; }
    [[nodiscard]] calc::ProgramMemory& Memory() { return memory_; }
    [[nodiscard]] const std::u16string& Title() const { return title_; }

    // Runs the handler bound to (row, event), if any, through the dispatch wrapper.
    void Raise(int row, ui::EventKind event, char16_t key) noexcept override;
    void Guard(const std::function<void()>& work) noexcept override;
    // The value commands of the main window's fields (TForm1).
    [[nodiscard]] ui::FieldMenu FieldMenuOf(int row) noexcept override;
    [[nodiscard]] int FieldChordCommand(int row, const ui::KeyChord& chord) noexcept override;
    void FieldCommand(int row, int command) noexcept override;

private:
    struct Route {
        ui::EventKind event = ui::EventKind::None;
        std::function<void(char16_t)> run;
    };

    ui::Toolkit& toolkit_;
    std::u16string title_;
    calc::ProgramMemory memory_;
    std::unique_ptr<calc::TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::vector<std::array<Route, 3>> routes_;
};

}  // namespace quorvel::app
