#pragma once

// What a toolkit gives the application: the controls built from the layout, the
// canvas, the timer, the message box, and the route by which events come back.

#include <functional>
#include <string_view>

#include "ui/field_commands.h"
#include "ui/key_chord.h"
#include "ui/layout.h"
#include "ui/ui_canvas.h"
#include "ui/ui_control.h"

namespace quorvel::ui {

// The application's entry for every event a control raises.
//
// Who calls: the toolkit, on the UI thread, whenever a bound event happens: a click,
// a key, a text change (also inside SetText and Undo), a mouse entering a button, the
// paint box needing a picture, a window being shown, a timer tick. `row` is the
// control's index in Layout(); `key` is the character for KeyPress, 0 otherwise.
// Raise never throws: the application runs the handler through its dispatch wrapper.
// It may re-enter: a handler can write a text whose Change raises again.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void Raise(int row, EventKind event, char16_t key) noexcept = 0;

    // Runs toolkit-side work of an event (reading a changed text, an undo) through the
    // same dispatch wrapper, so that no failure of it reaches the toolkit's loop.
    virtual void Guard(const std::function<void()>& work) noexcept = 0;

    // The program's own entries for the context menu of the edit `row`, below the
    // edit's own; none by default. The toolkit asks each time the menu opens; no
    // handler runs inside.
    [[nodiscard]] virtual FieldMenu FieldMenuOf(int /*row*/) noexcept { return {}; }
    // The command that `chord` performs in the edit `row` ahead of the edit's own
    // handling of it; -1 (the default) for none, and the key goes on as usual.
    [[nodiscard]] virtual int FieldChordCommand(int /*row*/, const KeyChord& /*chord*/) noexcept { return -1; }
    // Performs `command` of the edit `row`: a menu entry chosen or its chord pressed.
    // It may write texts (whose Change handling runs inside), use the clipboard and
    // show a box; it runs through the dispatch wrapper.
    virtual void FieldCommand(int /*row*/, int /*command*/) noexcept {}
};

// Controls of both windows, built from Layout() when the toolkit is created.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    // The control of a layout row; every row has one (windows and the timer too: for
    // them it reports caption, visibility and geometry).
    [[nodiscard]] virtual UiControl& Control(int row) = 0;
    // The window of a Form row.
    [[nodiscard]] virtual UiWindow& Window(int row) = 0;
    [[nodiscard]] virtual UiTimer& Timer() = 0;
    [[nodiscard]] virtual UiCanvas& Canvas() = 0;
    [[nodiscard]] virtual UiMessages& Messages() = 0;
    [[nodiscard]] virtual UiPlatform& Platform() = 0;

    // Events go to this sink from now on. Called once, before the main window shows.
    virtual void Connect(EventSink& sink) = 0;

    // Shows the main window (its Show handler runs) and draws the paint box for the
    // first time, as the event loop does at start.
    //
    // The paint box raises Paint when it appears: at this first show of its window,
    // and each time it is seen again (Showing()) after being hidden, by its own flag,
    // a container's or the window's. It raises none while it stays seen: a box that
    // is uncovered or repainted shows the picture it holds. A toolkit may raise the
    // Paint from its event loop soon after the call that made the box appear, never
    // inside the window system's show or paint handling; Session::Settle delivers it.
    virtual void ShowMainWindow() = 0;

    // True once the main window has been closed: the program is over.
    [[nodiscard]] virtual bool Closed() const = 0;
};

// Whether the control of `row` is seen now: its window is visible and neither it nor
// any container it lies in is hidden. A control that is not seen takes no input.
[[nodiscard]] bool Showing(Toolkit& kit, int row);

// Whether the control of `row` is enabled now: neither it nor any container it lies
// in is disabled.
[[nodiscard]] bool EnabledWithContainers(Toolkit& kit, int row);

// Whether Tab and Shift+Tab stop at `row` now: it shows, is enabled, and is no
// unchecked radio button.
[[nodiscard]] bool IsTabStop(Toolkit& kit, int row);

// Whether a tool tip of `row` may show now: its window's hint setting is on, or it
// lies in a container that shows hints whatever the window says. Rows of no control
// (row < 0) follow no rule and may show.
[[nodiscard]] bool HintShows(Toolkit& kit, int row);

}  // namespace quorvel::ui
