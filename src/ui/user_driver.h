#pragma once

// What a user does to the calculator, performed on one toolkit. The headless toolkit
// acts on its plain objects; the Qt toolkit sends real key and mouse events.
//
// Who calls: the scenario runner and the tests, on the UI thread, between events.
// The caller has checked that the control exists; a click on a hidden or disabled
// control is the caller's to refuse. Modal boxes that open meanwhile are answered
// with OK by the toolkit and reported through the box observer.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/key_chord.h"

namespace quorvel::ui {

// A modal box as the user saw it. `icon` is "error", "warning", "information",
// "question" or "none".
struct BoxSeen {
    std::u16string title;
    std::u16string text;
    std::string icon;
};

class UserDriver {
public:
    virtual ~UserDriver() = default;

    // Focus, select the whole text, then type each character as a key press.
    virtual void Type(int row, std::u16string_view text) = 0;
    // Focus, cursor to the end, type each character.
    virtual void Append(int row, std::u16string_view text) = 0;
    // Enter (character 13) in the control.
    virtual void Enter(int row) = 0;
    // Focus, cursor to the end, Backspace `count` times.
    virtual void Backspace(int row, int count) = 0;
    // Focus, select the whole text, delete it.
    virtual void Erase(int row) = 0;
    // The field's own undo (Ctrl+Z).
    virtual void UndoKey(int row) = 0;
    // Press and release the mouse on the control, which raises Click:
    // - a button or bit button takes the focus, then Click;
    // - a speed button never takes the focus: the focus stays where it was, and so
    //   does an edit's run (an undo after it still takes back what was typed before);
    // - a check box takes the focus and toggles, then Click;
    // - a radio button takes the focus; when it was not checked, it is checked and the
    //   others of its RadioGroup unchecked, then Click; when it was checked, nothing
    //   changes and no Click is raised;
    // - an edit takes the focus (its run ends), then Click.
    virtual void Click(int row) = 0;
    // Pointer onto the control from outside it: the control raises MouseEnter (a
    // container the pointer crosses may raise its own). Returns the control's own
    // tool tip, its current hint, when that is not empty and HintShows() (its window's
    // hints are on, or it lies in a container whose hints are always on); otherwise
    // nothing. A container's tip is not the control's own.
    virtual std::optional<std::u16string> Hover(int row) = 0;
    // One tick of Timer1 now; false when the timer is not running.
    virtual bool Tick() = 0;
    // Move a window's outer top-left corner.
    virtual void Move(int row, int x, int y) = 0;
    // The close box of a window.
    virtual void CloseWindow(int row) = 0;
    // Focus to the control where it has not the focus yet (an edit then has its
    // cursor at the end, as after a click beyond its text; one that has the focus
    // keeps its cursor and selection), then the chord as a keyboard sends it to the
    // focused control:
    // - A shortcut of the window (RunShortcut) clicks its control and nothing else.
    // - Tab and Shift+Tab move the focus to NextTabStop (a stop shows, is enabled, and
    //   is no unchecked radio button); an edit reached so has its whole text selected,
    //   the edit left loses its selection. No key handler sees them.
    // - Up, Down, Left, Right on a radio button move the focus to RadioArrowTarget,
    //   check it (the others of its group unchecked) and raise its Click; nothing
    //   where no button lies that way.
    // - On an edit: the EditCommandOf chords (a paste puts the clipboard's whole text,
    //   line breaks included, in place of the selection, as a user edit of the run; a
    //   read-only edit only copies and selects); otherwise the TypedBy character, if
    //   any, is typed as by Type (the key handler sees it, Enter and Esc included).
    // - Anything else changes nothing.
    // The caller has checked that the control takes the focus, shows and is enabled,
    // and sends arrows to radio buttons alone.
    virtual void Press(int row, const KeyChord& chord) = 0;
    // Puts plain text on the clipboard, as another program would.
    virtual void SetClipboard(std::u16string_view text) = 0;
    // The clipboard's plain text; nothing when it holds none.
    [[nodiscard]] virtual std::optional<std::u16string> Clipboard() = 0;
    // The row whose control has the keyboard focus; -1 when none of the program's has.
    [[nodiscard]] virtual int FocusedRow() = 0;
    // Chooses kStayOnTopEntry in the menu of the main window: checked, the window
    // stays above other windows; chosen again, it no longer does.
    virtual void ChooseStayOnTop() = 0;
    // Whether the main window stays above other windows now.
    [[nodiscard]] virtual bool StaysOnTop() = 0;

    // Each modal box shown from now on is passed here before it is answered.
    virtual void ObserveBoxes(std::function<void(const BoxSeen&)> observer) = 0;
};

}  // namespace quorvel::ui
