#pragma once

// What every toolkit does alike around its controls: the rows of the main window,
// the paint box and the timer; the sink that events go to; ticking the timer; the
// paint the box gets when it appears; and the end of the program. A toolkit owns one
// and hands its events through it.

#include <functional>

#include "ui/toolkit.h"

namespace quorvel::ui {

class ToolkitCore {
public:
    ToolkitCore();

    [[nodiscard]] int MainRow() const { return mainRow_; }
    [[nodiscard]] int PaintRow() const { return paintRow_; }
    [[nodiscard]] int TimerRow() const { return timerRow_; }

    // Toolkit::Connect: events go to `sink` from now on.
    void Connect(EventSink& sink) { sink_ = &sink; }

    // Passes an event to the sink; before Connect it goes nowhere. Re-entrant.
    void Raise(int row, EventKind event, char16_t key = 0) const;

    // Runs toolkit-side work through the sink's dispatch wrapper; before Connect a
    // failure of it is dropped, since nothing may escape into an event loop either way.
    void Guard(const std::function<void()>& work) const;

    // The program's entries for the context menu of the edit `row` (EventSink).
    [[nodiscard]] FieldMenu FieldMenuOf(int row) const;
    // A chord pressed in the edit `row`: where the program has a command for it, runs
    // that command and returns true; the edit must then not see the key.
    bool RunFieldChord(int row, const KeyChord& chord) const;
    // A menu entry of the program chosen in the edit `row`.
    void FieldCommand(int row, int command) const;

    // One tick of Timer1 now: the Timer event on the timer's row, if `timer` runs.
    // False when it does not.
    bool Tick(const UiTimer& timer) const;

    // The paint box gets a Paint event when it appears: at the first show of its
    // window and whenever it is seen again after being hidden (its own flag, a
    // container's or the window's). Call after anything that may have changed whether
    // it is seen; `seen` is whether it is now (Showing()). Returns true when it has
    // just appeared and a Paint is due; the toolkit raises it now or, where a picture
    // must not be drawn inside the window system's show handling, soon after.
    [[nodiscard]] bool Appeared(bool seen);

    // The main window has been closed: the program is over.
    void MarkClosed() { closed_ = true; }
    [[nodiscard]] bool Closed() const { return closed_; }

private:
    EventSink* sink_ = nullptr;
    int mainRow_ = -1;
    int paintRow_ = -1;
    int timerRow_ = -1;
    bool paintSeen_ = false;
    bool closed_ = false;
};

}  // namespace quorvel::ui
