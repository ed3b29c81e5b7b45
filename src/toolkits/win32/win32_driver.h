#pragma once

// User actions on the real windows: key messages to the control's own window (as a
// keyboard delivers them, through the toolkit's message loop with its keyboard
// navigation), mouse messages at a control's centre, the pointer onto a control with
// its tool tip shown at once. Message boxes that open meanwhile are real boxes: a
// hook of the thread sees each one as it activates, reads its title and text from
// the box window, reports it, and presses its OK button.

#include <functional>

#include "toolkits/win32/win32_toolkit.h"
#include "ui/user_driver.h"

namespace quorvel::ui::win32 {

class Win32Driver final : public UserDriver {
public:
    explicit Win32Driver(Win32Toolkit& kit);
    ~Win32Driver() override;
    Win32Driver(const Win32Driver&) = delete;
    Win32Driver& operator=(const Win32Driver&) = delete;

    void Type(int row, std::u16string_view text) override;
    void Append(int row, std::u16string_view text) override;
    void Enter(int row) override;
    void Backspace(int row, int count) override;
    void Erase(int row) override;
    void UndoKey(int row) override;
    void Click(int row) override;
    std::optional<std::u16string> Hover(int row) override;
    bool Tick() override;
    void Move(int row, int x, int y) override;
    void CloseWindow(int row) override;
    void Press(int row, const KeyChord& chord) override;
    void SetClipboard(std::u16string_view text) override;
    [[nodiscard]] std::optional<std::u16string> Clipboard() override;
    [[nodiscard]] int FocusedRow() override;
    void ChooseStayOnTop() override;
    [[nodiscard]] bool StaysOnTop() override;
    void ObserveBoxes(std::function<void(const BoxSeen&)> observer) override { observer_ = std::move(observer); }

    // Runs every message queued for the program's windows, as its loop would.
    void Settle();

    // Called by the hook for a box that has just been activated.
    void Answer(void* box);

private:
    void Focus(int row);
    // Moves the pointer off the program's windows.
    void Park();
    // A key press and release with the given modifiers held, to the control's window
    // (as system keys while Alt is held).
    void Key(int row, unsigned virtualKey, bool ctrl = false, bool shift = false, bool alt = false);
    // One typed key: the code unit, or both halves of a pair.
    void Char(int row, std::u16string_view units);

    Win32Toolkit* kit_;
    void* hook_ = nullptr;
    std::function<void(const BoxSeen&)> observer_;
};

}  // namespace quorvel::ui::win32
