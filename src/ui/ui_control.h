#pragma once

// The operations through which the calculator reads and changes controls. The
// calculator never sees a toolkit: each toolkit implements these on its own objects.
//
// Who calls: handlers of TForm1 and TForm2, on the one user-interface thread, one
// event at a time. Toolkits may assume no call comes from another thread.

#include <optional>
#include <string>
#include <string_view>

#include "ui/colors.h"
#include "ui/layout.h"

namespace quorvel::ui {

class UiControl {
public:
    virtual ~UiControl() = default;

    // The layout row the control was built from.
    [[nodiscard]] virtual const ControlSpec& Spec() const = 0;

    // Edits: the edited text, blanks included; "" for an empty field. Other controls:
    // the caption.
    [[nodiscard]] virtual std::u16string GetText() const = 0;

    // Replaces the text or caption unchecked and untrimmed. Re-entrancy: when an edit's
    // text differs, its Change handler runs before SetText returns; a failure in that
    // handler is shown by the default error box before SetText returns and never
    // reaches the caller. Writing the text the edit already holds raises nothing. A
    // write leaves nothing for Undo to take back.
    virtual void SetText(std::u16string_view text) = 0;

    // The control's own visibility flag. A control inside a hidden container keeps
    // its own flag but is not seen and takes no input.
    [[nodiscard]] virtual bool GetVisible() const = 0;
    virtual void SetVisible(bool visible) = 0;

    // A disabled control is greyed and ignores clicks.
    [[nodiscard]] virtual bool GetEnabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;

    // Background colour as the logic set it (clRed, clWindow, ...), never a shade
    // resolved by the toolkit.
    [[nodiscard]] virtual Color GetColor() const = 0;
    virtual void SetColor(Color color) = 0;

    // Check boxes and radio buttons. Inside a Click handler it already holds the state
    // after the click.
    [[nodiscard]] virtual bool GetChecked() const = 0;

    // The tool-tip text; a new text is used the next time the tip is shown.
    [[nodiscard]] virtual std::u16string GetHint() const = 0;
    virtual void SetHint(std::u16string_view hint) = 0;

    // Bold caption font.
    [[nodiscard]] virtual bool GetBold() const = 0;
    virtual void SetBold(bool bold) = 0;

    // Edits: puts back the text the field had before the user's latest edit run and
    // leaves nothing to take back (a Change follows where the text differs). With
    // nothing to take back it does nothing. Other controls: nothing.
    virtual void Undo() = 0;

    // Place relative to the parent, as the toolkit shows it.
    [[nodiscard]] virtual Rect GetGeometry() const = 0;
};

// The two windows.
class UiWindow {
public:
    virtual ~UiWindow() = default;

    // Screen position of the outer top-left corner, in pixels. A position set beyond
    // the screen coordinates is clamped into them first (ClampScreenCoordinate); the
    // window keeps its size.
    [[nodiscard]] virtual int GetLeft() const = 0;
    [[nodiscard]] virtual int GetTop() const = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;

    [[nodiscard]] virtual bool IsVisible() const = 0;

    // Makes the window visible (not modal) and brings it to the front. The Show
    // handler runs inside this call, only when the window was hidden.
    virtual void Show() = 0;

    // Form1: ends the program once the current handler returns. Form2: hides it.
    virtual void Close() = 0;

    // Tool tips of every control that follows the window's setting.
    [[nodiscard]] virtual bool GetShowHint() const = 0;
    virtual void SetShowHint(bool show) = 0;

    // The window's background colour as the layout gives it.
    [[nodiscard]] virtual Color GetColor() const = 0;
};

// Timer1.
class UiTimer {
public:
    virtual ~UiTimer() = default;

    // true starts the periodic timer (1000 ms); enabling a running timer neither
    // restarts nor delays it. Ticks run the Timer handler on the UI thread.
    virtual void SetEnabled(bool enabled) = 0;
    [[nodiscard]] virtual bool GetEnabled() const = 0;
};

// The error box.
class UiMessages {
public:
    virtual ~UiMessages() = default;

    // Shows `title` and BoxText(text) with the platform's error icon and one OK button,
    // where the platform places a box of its own (the program never positions it).
    // Who calls: the dispatch wrapper, for a failure of any handler, also one running
    // inside SetText or Undo. Modal for the whole program: until the user presses OK
    // no input reaches either window; timer ticks and repaints still run, so the
    // Timer handler may run inside this call.
    virtual void ShowError(std::u16string_view title, std::u16string_view text) = 0;
};

// The system's warning beep. On this platform there is no system-wide switch the
// program should touch, so the Qt toolkit leaves it alone; the call is kept so the
// moment and direction are recorded where they matter.
class UiPlatform {
public:
    virtual ~UiPlatform() = default;
    virtual void SwitchWarningBeepOff() = 0;
    // The clipboard's plain text, which any program may have put there; nothing when
    // it holds none. Called by the handlers of the value commands.
    [[nodiscard]] virtual std::optional<std::u16string> ClipboardText() = 0;
    // Puts plain text on the clipboard for any program to take.
    virtual void SetClipboardText(std::u16string_view text) = 0;
};

}  // namespace quorvel::ui
