#pragma once

// The controls as native Win32 windows and GDI drawing, built from the layout table.
// Edits, buttons, check boxes, radio buttons and the containers are real child
// windows; labels, separator lines, the speed buttons, the static text and the paint
// box are windowless, drawn and hit-tested by the container they lie in, as graphic
// controls are: a window handle costs start-up time, and a speed button must never
// take the focus. The adapter only wires: events go to the sink, the UiControl
// operations set and read window state. Nothing here decides what a value means.
//
// All of it runs on the thread that created the toolkit, which must run its messages
// (Win32Program's loop, or Win32Session::Settle).

#include <memory>
#include <string>
#include <vector>

#include "ui/canvas_record.h"
#include "ui/toolkit.h"
#include "ui/toolkit_core.h"

namespace quorvel::ui::win32 {

struct Win32Options {
    // The timer ticks only when asked (scenario runs, tests); otherwise every period.
    bool manualTimer = false;
    // The main window starts at the screen's top-left corner instead of where the
    // window system would put it, so that a scenario's positions are repeatable.
    bool placeAtOrigin = false;
    // Only the driver moves the pointer: a move of the real pointer (a late event of
    // the window system, or whoever else touches the display) enters no control, so
    // that a scenario's mouse entries are the ones it asks for.
    bool driverPointer = false;
};

// The flag in a mouse message's key state by which the driver marks its own moves.
inline constexpr unsigned kDriverMove = 0x4000;

class Win32Node;
class Win32Window;
class Win32Timer;
class Win32Canvas;
class Win32Messages;
class Win32Platform;

class Win32Toolkit final : public Toolkit {
public:
    explicit Win32Toolkit(Win32Options options = {});
    ~Win32Toolkit() override;
    Win32Toolkit(const Win32Toolkit&) = delete;
    Win32Toolkit& operator=(const Win32Toolkit&) = delete;

    [[nodiscard]] UiControl& Control(int row) override;
    [[nodiscard]] UiWindow& Window(int row) override;
    [[nodiscard]] UiTimer& Timer() override;
    [[nodiscard]] UiCanvas& Canvas() override;
    [[nodiscard]] UiMessages& Messages() override;
    [[nodiscard]] UiPlatform& Platform() override;
    void Connect(EventSink& sink) override { core_.Connect(sink); }
    void ShowMainWindow() override;
    [[nodiscard]] bool Closed() const override { return core_.Closed(); }

    // For the driver, the session and the program.
    [[nodiscard]] Win32Node& Node(int row) const { return *nodes_.at(static_cast<std::size_t>(row)); }
    [[nodiscard]] RecordingCanvas& Recording() { return *recording_; }
    [[nodiscard]] const Win32Canvas* Surface() const { return surface_.get(); }
    [[nodiscard]] ToolkitCore& Core() { return core_; }
    [[nodiscard]] const Win32Options& Options() const { return options_; }
    // The dots per inch of a top-level window (the row of a form): the system's when
    // the toolkit starts, the window's own once it exists, and what WM_DPICHANGED says
    // when the window moves to a screen of another scale. The layout's pixels are at 96.
    [[nodiscard]] int WindowDpi(int formRow) const { return windowDpi_.at(static_cast<std::size_t>(formRow)); }
    // Redraws the window `formRow` at `dpi`: every geometry, font, tool tip and the
    // picture of a paint box in it. `suggestedOuter` (device pixels, WM_DPICHANGED's
    // rectangle) is where the window goes; null keeps its corner and scales its size.
    // Runs inside the window's message handling; raises the paint box's Paint.
    void ChangeDpi(int formRow, int dpi, const void* suggestedOuter);
    // Handles the window's shortcuts, Tab, Shift+Tab and the arrow keys of a radio
    // pair, ahead of the focused control; true when the message was one of them and
    // has been handled.
    bool NavigateByKeyboard(const void* msg);
    // The tool tip of the window `formRow` (an HWND), made with its tools on the first
    // call: by the window procedures at the pointer's first move over the window, by
    // the driver before a hover.
    void* EnsureTips(int formRow);
    // That tool tip if it has been made, else null.
    [[nodiscard]] void* Tips(int formRow) const { return tips_.at(static_cast<std::size_t>(formRow)); }
    // The toolkit's part of a paint-box change: a Paint when it has just appeared.
    void PaintIfAppeared();
    void MarkClosed();
    // The pointer has left the program's windows: no control is under it any more.
    void PointerLeft();
    // What a tool tip asked for last: the row of its tool and the text it was given
    // (empty: it shows none). The driver reads through it what the real tip showed.
    struct TipRequest {
        int row = -1;
        std::u16string text;
        int count = 0;  // requests so far
    };
    [[nodiscard]] const TipRequest& LastTip() const { return tip_; }
    void TipAsked(int row, std::u16string text) {
        tip_.row = row;
        tip_.text = std::move(text);
        ++tip_.count;
    }

private:
    void Build();
    void RegisterClasses();

    Win32Options options_;
    ToolkitCore core_;
    std::vector<int> windowDpi_;  // by row; used for forms only
    std::vector<void*> tips_;     // by row, for forms: the window's tool tip once made
    std::vector<std::unique_ptr<Win32Node>> nodes_;
    std::vector<std::unique_ptr<Win32Window>> windows_;
    std::unique_ptr<Win32Timer> timer_;
    std::unique_ptr<Win32Canvas> surface_;
    std::unique_ptr<RecordingCanvas> recording_;
    std::unique_ptr<Win32Messages> messages_;
    std::unique_ptr<Win32Platform> platform_;
    TipRequest tip_;
};

}  // namespace quorvel::ui::win32
