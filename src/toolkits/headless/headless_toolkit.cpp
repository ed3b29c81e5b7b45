#include "toolkits/headless/headless_toolkit.h"

#include <algorithm>

#include "ui/shortcuts.h"
#include "ui/tab_order.h"
#include "ui/text.h"
#include "ui/typed_characters.h"

namespace quorvel::ui::headless {

namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kTab = 9;

bool IsEdit(const ControlSpec& s) { return s.kind == ControlKind::Edit; }

}  // namespace

HeadlessControl::HeadlessControl(HeadlessToolkit& kit, int row)
    : kit_(&kit),
      spec_(&Layout()[static_cast<std::size_t>(row)]),
      row_(row),
      text_(spec_->text),
      hint_(spec_->hint),
      // The timer has no window presence: its row is never seen, as on the real widgets.
      visible_(!spec_->Has(kHidden) && spec_->kind != ControlKind::Timer),
      enabled_(!spec_->Has(kDisabled)),
      checked_(spec_->Has(kChecked)),
      bold_(spec_->font.bold),
      color_(InitialColor(*spec_)) {
    cursor_ = anchor_ = text_.size();
}

void HeadlessControl::SetText(std::u16string_view text) {
    undo_.ProgramWrite();
    if (text == text_) return;
    text_ = text;
    // A text written by the program shows its beginning, as a desktop edit does;
    // where the user types, the cursor stays after the text.
    cursor_ = anchor_ = kit_->FocusedRow() == row_ ? text_.size() : 0;
    if (IsEdit(*spec_)) kit_->Raise(row_, EventKind::Change);
}

void HeadlessControl::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    kit_->PaintIfShowing();
}

// The timer's row stands for the timer itself: enabled means running.
bool HeadlessControl::GetEnabled() const {
    return spec_->kind == ControlKind::Timer ? kit_->Timer().GetEnabled() : enabled_;
}

void HeadlessControl::SetEnabled(bool enabled) {
    if (spec_->kind == ControlKind::Timer) {
        kit_->Timer().SetEnabled(enabled);
    } else {
        enabled_ = enabled;
    }
}

void HeadlessControl::Undo() {
    if (!IsEdit(*spec_)) return;
    std::optional<std::u16string> back = undo_.Take();
    if (!back) return;
    cursor_ = anchor_ = back->size();
    ChangeTo(std::move(*back));
}

void HeadlessControl::SelectAll() {
    anchor_ = 0;
    cursor_ = text_.size();
    undo_.EndRun();
}

void HeadlessControl::CursorToEnd() {
    anchor_ = cursor_ = text_.size();
    undo_.EndRun();
}

void HeadlessControl::ChangeTo(std::u16string text) {
    if (text == text_) return;
    text_ = std::move(text);
    kit_->Raise(row_, EventKind::Change);
}

void HeadlessControl::UserReplace(std::u16string text, std::size_t cursor) {
    if (text == text_) {
        anchor_ = cursor_ = cursor;
        return;
    }
    undo_.BeforeUserEdit(text_);
    anchor_ = cursor_ = cursor;
    ChangeTo(std::move(text));
}

std::u16string HeadlessControl::SelectedText() const {
    const std::size_t lo = std::min(anchor_, cursor_);
    return text_.substr(lo, std::max(anchor_, cursor_) - lo);
}

void HeadlessControl::ReplaceSelection(std::u16string_view text) {
    const std::size_t lo = std::min(anchor_, cursor_);
    std::u16string next = text_;
    next.replace(lo, std::max(anchor_, cursor_) - lo, text);
    UserReplace(std::move(next), lo + text.size());
}

void HeadlessControl::TypeKey(std::u16string_view key) {
    // The key handler sees every code unit of the key, then the edit takes what it types.
    for (const char16_t unit : key) kit_->Raise(row_, EventKind::KeyPress, unit);
    if (spec_->Has(kReadOnly) || key.front() == kEnterKey) return;
    const std::size_t lo = std::min(anchor_, cursor_);
    const std::size_t hi = std::max(anchor_, cursor_);
    std::u16string next = text_;
    if (key.front() == kBackspace) {
        if (lo != hi) {
            next.erase(lo, hi - lo);
            UserReplace(std::move(next), lo);
        } else if (lo > 0) {
            // A character outside the Basic Multilingual Plane goes whole.
            const std::size_t n = lo >= 2 && IsSurrogatePair(text_[lo - 2], text_[lo - 1]) ? 2 : 1;
            next.erase(lo - n, n);
            UserReplace(std::move(next), lo - n);
        }
        return;
    }
    if (key.size() == 1 && !EditTakesCharacter(key.front())) return;
    next.replace(lo, hi - lo, key);
    UserReplace(std::move(next), lo + key.size());
}

void HeadlessControl::DeleteSelection() {
    if (spec_->Has(kReadOnly)) return;
    const std::size_t lo = std::min(anchor_, cursor_);
    const std::size_t hi = std::max(anchor_, cursor_);
    std::u16string next = text_;
    if (lo != hi) {
        next.erase(lo, hi - lo);
    } else if (lo < next.size()) {
        next.erase(lo, 1);
    }
    UserReplace(std::move(next), lo);
}

HeadlessWindow::HeadlessWindow(HeadlessToolkit& kit, int row) : kit_(&kit), row_(row) {}

bool HeadlessWindow::IsVisible() const { return kit_->WindowVisible(row_); }

void HeadlessWindow::Show() {
    if (kit_->WindowVisible(row_)) return;
    kit_->SetWindowVisible(row_, true);
    kit_->FocusTaken();
    kit_->Raise(row_, EventKind::Show);
    kit_->PaintIfShowing();
}

void HeadlessWindow::Close() {
    kit_->SetWindowVisible(row_, false);
    if (IsMainWindow(Layout()[static_cast<std::size_t>(row_)])) kit_->MarkClosed();
}

Color HeadlessWindow::GetColor() const { return InitialColor(Layout()[static_cast<std::size_t>(row_)]); }

void HeadlessTimer::SetEnabled(bool enabled) {
    if (enabled && !enabled_) nextTick_ = now_ + kTimerPeriodMs;
    enabled_ = enabled;
}

void HeadlessTimer::Advance(long milliseconds) {
    const long end = now_ + milliseconds;
    while (enabled_ && nextTick_ <= end) {
        now_ = nextTick_;
        nextTick_ += kTimerPeriodMs;
        kit_->Tick();
    }
    now_ = end;
}

void HeadlessMessages::ShowError(std::u16string_view title, std::u16string_view text) {
    ++count_;
    const std::u16string shown = BoxText(text);
    last_ = RecordedBox{std::u16string(title), shown};
    if (onOpen) onOpen();
    // Every box of the program is an error box.
    if (observer) observer(BoxSeen{std::u16string(title), shown, "error"});
}

HeadlessToolkit::HeadlessToolkit() : timer_(*this), canvas_(0, 0) {
    messages_.onOpen = [this] { FocusTaken(); };
    const auto rows = Layout();
    controls_.reserve(rows.size());
    windows_.resize(rows.size());
    windowVisible_.assign(rows.size(), false);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        controls_.push_back(std::make_unique<HeadlessControl>(*this, row));
        if (rows[i].kind == ControlKind::Form) windows_[i] = std::make_unique<HeadlessWindow>(*this, row);
    }
    if (core_.PaintRow() >= 0) {
        const Rect& place = rows[static_cast<std::size_t>(core_.PaintRow())].place;
        canvas_ = RecordingCanvas(place.w, place.h);
    }
}

HeadlessToolkit::~HeadlessToolkit() = default;

UiWindow& HeadlessToolkit::Window(int row) { return *windows_.at(static_cast<std::size_t>(row)); }

bool HeadlessToolkit::WindowVisible(int row) const { return windowVisible_.at(static_cast<std::size_t>(row)); }

void HeadlessToolkit::SetWindowVisible(int row, bool visible) { windowVisible_.at(static_cast<std::size_t>(row)) = visible; }

void HeadlessToolkit::ShowMainWindow() { Window(core_.MainRow()).Show(); }

void HeadlessToolkit::PaintIfShowing() {
    if (core_.PaintRow() < 0) return;
    if (core_.Appeared(Showing(*this, core_.PaintRow()))) Raise(core_.PaintRow(), EventKind::Paint);
}

void HeadlessToolkit::Focus(int row) {
    if (focused_ == row) return;
    focused_ = row;
    At(row).FocusGained();
}

void HeadlessToolkit::TypeKeys(int row, std::u16string_view text) {
    for (const std::u16string_view key : SplitKeys(text)) {
        if (key.front() == kTab) {
            // Tab is the window's key, not the edit's: the focus moves on, the edit
            // loses its selection, and the keys that follow land at its cursor.
            TabFrom(row, true);
            continue;
        }
        At(row).TypeKey(key);
    }
}

void HeadlessToolkit::TabFrom(int row, bool forward) {
    const int next = NextTabStop(row, forward, [this](int r) { return IsTabStop(*this, r); });
    if (next < 0 || next == row) return;
    if (IsEdit(At(row).Spec())) At(row).Deselect();
    Focus(next);
    if (IsEdit(At(next).Spec())) At(next).SelectAll();
}

void HeadlessToolkit::EditCommand(int row, ui::EditCommand command) {
    HeadlessControl& c = At(row);
    const bool readOnly = c.Spec().Has(kReadOnly);
    switch (command) {
        case EditCommand::Undo: c.Undo(); break;
        case EditCommand::SelectAll: c.SelectAll(); break;
        case EditCommand::Copy:
            if (!c.SelectedText().empty()) platform_.SetClipboardText(c.SelectedText());
            break;
        case EditCommand::Cut:
            if (readOnly || c.SelectedText().empty()) break;
            platform_.SetClipboardText(c.SelectedText());
            c.DeleteSelection();
            break;
        case EditCommand::Paste:
            if (readOnly) break;
            if (const std::u16string clip = platform_.ClipboardText().value_or(u""); !c.SelectedText().empty() || !clip.empty()) c.ReplaceSelection(clip);
            break;
        case EditCommand::None: break;
    }
}

void HeadlessToolkit::Press(int row, const KeyChord& chord) {
    const ControlSpec& s = At(row).Spec();
    if (focused_ != row) {
        Focus(row);
        if (IsEdit(s)) At(row).CursorToEnd();
    }
    if (RunShortcut(*this, core_, row, chord)) return;
    if (IsEdit(s) && core_.RunFieldChord(row, chord)) return;
    if (chord.key == KeyName::Tab) {
        if (!chord.ctrl && !chord.alt) TabFrom(row, !chord.shift);
        return;
    }
    if (s.kind == ControlKind::RadioButton) {
        const std::optional<Arrow> arrow = ArrowOf(chord);
        if (!arrow) return;
        const int target = RadioArrowTarget(row, *arrow, [this](int r) { return Showing(*this, r) && EnabledWithContainers(*this, r); });
        if (target >= 0) Click(target);  // focus and check move as by a click on it
        return;
    }
    if (!IsEdit(s)) return;
    if (const ui::EditCommand command = EditCommandOf(chord); command != EditCommand::None) {
        EditCommand(row, command);
        return;
    }
    if (const char16_t c = TypedBy(chord); c != 0) At(row).TypeKey(std::u16string_view(&c, 1));
}

void HeadlessToolkit::Type(int row, std::u16string_view text) {
    Focus(row);
    At(row).SelectAll();
    TypeKeys(row, text);
}

void HeadlessToolkit::Append(int row, std::u16string_view text) {
    Focus(row);
    At(row).CursorToEnd();
    TypeKeys(row, text);
}

void HeadlessToolkit::Enter(int row) {
    Focus(row);
    At(row).TypeKey(std::u16string_view(&kEnterKey, 1));
}

void HeadlessToolkit::Backspace(int row, int count) {
    Focus(row);
    At(row).CursorToEnd();
    for (int i = 0; i < count; ++i) At(row).TypeKey(std::u16string_view(&kBackspace, 1));
}

void HeadlessToolkit::Erase(int row) {
    Focus(row);
    At(row).SelectAll();
    At(row).DeleteSelection();
}

void HeadlessToolkit::UndoKey(int row) {
    Focus(row);
    At(row).Undo();
}

void HeadlessToolkit::Click(int row) {
    HeadlessControl& c = At(row);
    const ControlSpec& s = c.Spec();
    switch (s.kind) {
        case ControlKind::Button:
        case ControlKind::BitBtn:
            Focus(row);
            Raise(row, EventKind::Click);
            break;
        case ControlKind::SpeedButton:
            // No focus (TakesFocus): the focus and an edit's run stay where they were.
            Raise(row, EventKind::Click);
            break;
        case ControlKind::CheckBox:
            Focus(row);
            c.SetChecked(!c.GetChecked());
            Raise(row, EventKind::Click);
            break;
        case ControlKind::RadioButton:
            Focus(row);
            if (c.GetChecked()) break;
            for (const int other : RadioGroup(row)) At(other).SetChecked(other == row);
            Raise(row, EventKind::Click);
            break;
        case ControlKind::Edit:
            Focus(row);
            c.CursorToEnd();
            Raise(row, EventKind::Click);
            break;
        default:
            break;
    }
}

std::optional<std::u16string> HeadlessToolkit::Hover(int row) {
    Raise(row, EventKind::MouseEnter);
    std::u16string hint = At(row).GetHint();
    if (hint.empty() || !HintShows(*this, row)) return std::nullopt;
    return hint;
}

bool HeadlessToolkit::Tick() { return core_.Tick(timer_); }

void HeadlessToolkit::Move(int row, int x, int y) {
    Window(row).SetLeft(x);
    Window(row).SetTop(y);
}

void HeadlessToolkit::CloseWindow(int row) { Window(row).Close(); }

}  // namespace quorvel::ui::headless
