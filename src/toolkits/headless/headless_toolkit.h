#pragma once

// The controls on plain objects: enough to run and check every handler without a
// window system. User actions follow the same rules as on the real widgets: a key is
// seen by the key handler, then edits the text, then raises Change if the text
// changed; runs and undo follow EditUndo; message boxes are counted and answered.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/canvas_record.h"
#include "ui/edit_undo.h"
#include "ui/screen_coordinates.h"
#include "ui/toolkit.h"
#include "ui/toolkit_core.h"
#include "ui/user_driver.h"

namespace quorvel::ui::headless {

class HeadlessToolkit;

// Invariants: for an edit, 0 <= anchor_, cursor_ <= text_.size().
class HeadlessControl final : public UiControl {
public:
    HeadlessControl(HeadlessToolkit& kit, int row);

    [[nodiscard]] const ControlSpec& Spec() const override { return *spec_; }
    [[nodiscard]] std::u16string GetText() const override { return text_; }
    void SetText(std::u16string_view text) override;
    [[nodiscard]] bool GetVisible() const override { return visible_; }
    void SetVisible(bool visible) override;
    [[nodiscard]] bool GetEnabled() const override;
    void SetEnabled(bool enabled) override;
    [[nodiscard]] Color GetColor() const override { return color_; }
    void SetColor(Color color) override { color_ = color; }
    [[nodiscard]] bool GetChecked() const override { return checked_; }
    [[nodiscard]] std::u16string GetHint() const override { return hint_; }
    void SetHint(std::u16string_view hint) override { hint_ = hint; }
    [[nodiscard]] bool GetBold() const override { return bold_; }
    void SetBold(bool bold) override { bold_ = bold; }
    void Undo() override;
    [[nodiscard]] Rect GetGeometry() const override { return spec_->place; }

    // User-side operations used by the driver.
    void SetChecked(bool checked) { checked_ = checked; }
    void SelectAll();
    void CursorToEnd();
    void FocusGained() { undo_.EndRun(); }
    // One key typed by the user into an edit: KeyPress for each code unit it types
    // (two for a character outside the Basic Multilingual Plane), then the edit itself.
    void TypeKey(std::u16string_view key);
    // The selection goes, the cursor stays: what an edit does when it loses the focus.
    void Deselect() { anchor_ = cursor_; }
    // The Delete key on the selection (no KeyPress: Delete types no character).
    void DeleteSelection();
    [[nodiscard]] std::u16string SelectedText() const;
    // A paste: `text` in place of the selection, as one user edit.
    void ReplaceSelection(std::u16string_view text);

private:
    void UserReplace(std::u16string text, std::size_t cursor);
    void ChangeTo(std::u16string text);

    HeadlessToolkit* kit_;
    const ControlSpec* spec_;
    int row_;
    std::u16string text_;
    std::u16string hint_;
    bool visible_;
    bool enabled_;
    bool checked_;
    bool bold_;
    Color color_;
    std::size_t cursor_ = 0;
    std::size_t anchor_ = 0;
    EditUndo undo_;
};

class HeadlessWindow final : public UiWindow {
public:
    HeadlessWindow(HeadlessToolkit& kit, int row);
    [[nodiscard]] int GetLeft() const override { return left_; }
    [[nodiscard]] int GetTop() const override { return top_; }
    void SetLeft(int left) override { left_ = ClampScreenCoordinate(left); }
    void SetTop(int top) override { top_ = ClampScreenCoordinate(top); }
    [[nodiscard]] bool IsVisible() const override;
    void Show() override;
    void Close() override;
    [[nodiscard]] bool GetShowHint() const override { return showHint_; }
    void SetShowHint(bool show) override { showHint_ = show; }
    [[nodiscard]] Color GetColor() const override;

private:
    HeadlessToolkit* kit_;
    int row_;
    int left_ = 0;
    int top_ = 0;
    bool showHint_ = false;
};

// A periodic timer on a simulated clock: Advance moves the clock and ticks at every
// whole period since the timer was started.
class HeadlessTimer final : public UiTimer {
public:
    explicit HeadlessTimer(HeadlessToolkit& kit) : kit_(&kit) {}
    void SetEnabled(bool enabled) override;
    [[nodiscard]] bool GetEnabled() const override { return enabled_; }
    void Advance(long milliseconds);
    [[nodiscard]] long Now() const { return now_; }

private:
    HeadlessToolkit* kit_;
    bool enabled_ = false;
    long now_ = 0;
    long nextTick_ = 0;
};

struct RecordedBox {
    std::u16string title;
    std::u16string text;
};

// A long run may show any number of boxes, so only their count and the latest are
// kept; whoever needs each box as it opens watches through `observer`.
class HeadlessMessages final : public UiMessages {
public:
    void ShowError(std::u16string_view title, std::u16string_view text) override;
    [[nodiscard]] std::size_t Count() const { return count_; }
    // The latest box shown; none before the first.
    [[nodiscard]] const std::optional<RecordedBox>& Last() const { return last_; }
    // Counts afresh from here on.
    void Forget() {
        count_ = 0;
        last_.reset();
    }
    std::function<void(const BoxSeen&)> observer;
    // Called as a box opens: it takes the keyboard focus.
    std::function<void()> onOpen;

private:
    std::size_t count_ = 0;
    std::optional<RecordedBox> last_;
};

class HeadlessPlatform final : public UiPlatform {
public:
    void SwitchWarningBeepOff() override { ++beepOffCalls; }
    [[nodiscard]] std::optional<std::u16string> ClipboardText() override { return clipboard; }
    void SetClipboardText(std::u16string_view text) override { clipboard = std::u16string(text); }
    int beepOffCalls = 0;
    // The runner's own clipboard: no other program shares it.
    std::optional<std::u16string> clipboard;
};

class HeadlessToolkit final : public Toolkit, public UserDriver {
public:
    HeadlessToolkit();
    ~HeadlessToolkit() override;

    // Toolkit
    [[nodiscard]] UiControl& Control(int row) override { return *controls_.at(static_cast<std::size_t>(row)); }
    [[nodiscard]] UiWindow& Window(int row) override;
    [[nodiscard]] UiTimer& Timer() override { return timer_; }
    [[nodiscard]] UiCanvas& Canvas() override { return canvas_; }
    [[nodiscard]] UiMessages& Messages() override { return messages_; }
    [[nodiscard]] UiPlatform& Platform() override { return platform_; }
    void Connect(EventSink& sink) override { core_.Connect(sink); }
    void ShowMainWindow() override;
    [[nodiscard]] bool Closed() const override { return core_.Closed(); }

    // UserDriver
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
    void SetClipboard(std::u16string_view text) override { platform_.SetClipboardText(text); }
    [[nodiscard]] std::optional<std::u16string> Clipboard() override { return platform_.ClipboardText(); }
    [[nodiscard]] int FocusedRow() override { return focused_; }
    void ChooseStayOnTop() override { staysOnTop_ = !staysOnTop_; }
    [[nodiscard]] bool StaysOnTop() override { return staysOnTop_; }
    void ObserveBoxes(std::function<void(const BoxSeen&)> observer) override {
        messages_.observer = std::move(observer);
    }

    // For tests: the boxes shown, the canvas operations, the simulated clock.
    [[nodiscard]] HeadlessMessages& RecordedMessages() { return messages_; }
    [[nodiscard]] RecordingCanvas& Recording() { return canvas_; }
    [[nodiscard]] HeadlessTimer& Clock() { return timer_; }
    [[nodiscard]] HeadlessPlatform& PlatformState() { return platform_; }
    [[nodiscard]] HeadlessControl& At(int row) { return *controls_.at(static_cast<std::size_t>(row)); }
    [[nodiscard]] int Focused() const { return focused_; }
    [[nodiscard]] bool WindowVisible(int row) const;

    // Used by the controls and windows, on the one thread, re-entrantly.
    void Raise(int row, EventKind event, char16_t key = 0) { core_.Raise(row, event, key); }
    void SetWindowVisible(int row, bool visible);
    // A box or a window that appears takes the keyboard focus from the control that
    // had it; the control gets it back by the next action on it, which ends its edit
    // run as every focus gain does.
    void FocusTaken() { focused_ = -1; }
    void MarkClosed() { core_.MarkClosed(); }
    // Called after anything that may change whether the paint box is seen: raises its
    // Paint where it has just appeared (ToolkitCore::Appeared).
    void PaintIfShowing();

private:
    void Focus(int row);
    // Types `text` into the edit of `row`, key by key.
    void TypeKeys(int row, std::u16string_view text);
    // Tab or Shift+Tab from the control that has the focus.
    void TabFrom(int row, bool forward);
    void EditCommand(int row, ui::EditCommand command);

    std::vector<std::unique_ptr<HeadlessControl>> controls_;
    std::vector<std::unique_ptr<HeadlessWindow>> windows_;  // indexed like controls_, null for non-windows
    std::vector<bool> windowVisible_;
    HeadlessTimer timer_;
    RecordingCanvas canvas_;
    HeadlessMessages messages_;
    HeadlessPlatform platform_;
    ToolkitCore core_;
    int focused_ = -1;
    bool staysOnTop_ = false;
};

}  // namespace quorvel::ui::headless
