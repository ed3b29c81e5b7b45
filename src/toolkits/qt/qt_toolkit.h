#pragma once

// The controls as real Qt widgets, built from the layout table. The adapter only
// wires: widgets report user actions as events to the sink, and the UiControl
// operations set and read widget state. Nothing here decides what a value means.
//
// Needs a QApplication that outlives the toolkit.

#include <functional>
#include <memory>
#include <vector>

#include "ui/canvas_record.h"
#include "ui/toolkit.h"
#include "ui/toolkit_core.h"

class QWidget;

class QAction;

namespace quorvel::ui::qt {

class QtControl;
class QtWindow;
class QtTimer;
class QtCanvas;
class QtMessages;
class QtPlatform;
class EventRouter;

struct QtOptions {
    // The timer ticks only when asked (scenario runs, tests); otherwise every period.
    bool manualTimer = false;
};

class QtToolkit final : public Toolkit {
public:
    explicit QtToolkit(QtOptions options = {});
    ~QtToolkit() override;

    QtToolkit(const QtToolkit&) = delete;
    QtToolkit& operator=(const QtToolkit&) = delete;

    [[nodiscard]] UiControl& Control(int row) override;
    [[nodiscard]] UiWindow& Window(int row) override;
    [[nodiscard]] UiTimer& Timer() override;
    [[nodiscard]] UiCanvas& Canvas() override;
    [[nodiscard]] UiMessages& Messages() override;
    [[nodiscard]] UiPlatform& Platform() override;
    void Connect(EventSink& sink) override;
    void ShowMainWindow() override;
    [[nodiscard]] bool Closed() const override { return core_.Closed(); }

    // The widget of a row (a window for a Form row, nullptr for the timer).
    [[nodiscard]] QWidget* Widget(int row) const;
    // The row of a widget built from the table, or -1.
    [[nodiscard]] int RowOf(const QWidget* widget) const;
    [[nodiscard]] RecordingCanvas& Recording();
    // One tick now, if the timer runs; false otherwise.
    bool TickTimer();

    // Used by the adapters and the event router.
    void Raise(int row, EventKind event, char16_t key = 0) { core_.Raise(row, event, key); }
    // Runs adapter work of a slot through the application's dispatch wrapper.
    void Guard(const std::function<void()>& work) { core_.Guard(work); }
    [[nodiscard]] const ToolkitCore& Core() const { return core_; }
    // The main window's entry that keeps it above other windows (for the driver).
    [[nodiscard]] QAction* StayOnTopAction() const { return stayOnTop_; }
    void MarkClosed();
    // The event router, on every show or hide of the paint box that Qt does not
    // report spontaneously (its own, or one its window passes on to it): a Paint is
    // scheduled where the box has just appeared.
    void PaintBoxShownOrHidden();
    [[nodiscard]] int PaintRow() const { return core_.PaintRow(); }

private:
    void Build();
    void ApplyTabOrder();
    // The window shortcuts of the layout, each on its window.
    void AddShortcuts();
    // kStayOnTopEntry in the main window's own menu.
    void AddStayOnTop();
    void SchedulePaint();

    QtOptions options_;
    std::vector<std::unique_ptr<QtControl>> controls_;
    std::vector<std::unique_ptr<QtWindow>> windows_;
    std::unique_ptr<QtTimer> timer_;
    std::unique_ptr<QtCanvas> surface_;
    std::unique_ptr<RecordingCanvas> canvas_;
    std::unique_ptr<QtMessages> messages_;
    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<EventRouter> router_;
    ToolkitCore core_;
    QAction* stayOnTop_ = nullptr;
    bool paintQueued_ = false;
};

// Registers the Tahoma-metric font that Debian ships outside fontconfig's path, if
// it is there, so the layout's Tahoma captions keep their designed widths.
void RegisterBundledFonts();

// Loads Qt's own German texts into the application (once), so that what Qt writes
// itself, such as an edit's context menu, speaks the program's language.
void InstallGermanTranslation();

// Drops the offscreen platform's notes that it cannot raise windows and has no runtime
// directory, and the font engine's note that a font cannot shape a script it draws
// anyway; every other Qt message still goes to standard error.
void InstallQuietMessageHandler();

}  // namespace quorvel::ui::qt
