#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRadioButton>
#include <QWindow>

#include "toolkits/qt/qt_adapters.h"
#include "toolkits/qt/qt_text.h"
#include "ui/screen_coordinates.h"
#include "ui/text.h"

namespace quorvel::ui::qt {

namespace {

// Labels show a carriage return and line feed as one line break.
QString Displayed(std::u16string_view s) { return Q(s).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

}  // namespace

QtControl::QtControl(QtToolkit& kit, int row, QWidget* widget)
    : kit_(&kit),
      row_(row),
      spec_(&Layout()[static_cast<std::size_t>(row)]),
      widget_(widget),
      text_(spec_->text),
      hint_(spec_->hint),
      color_(InitialColor(*spec_)) {
    if (widget_ == nullptr) return;
    edit_ = dynamic_cast<LineEdit*>(widget_);
    label_ = dynamic_cast<QLabel*>(widget_);
    button_ = dynamic_cast<QAbstractButton*>(widget_);
    group_ = dynamic_cast<QGroupBox*>(widget_);
    if (edit_ != nullptr) {
        lastText_ = text_;
        edit_->onKey = [this](char16_t key) { kit_->Raise(row_, EventKind::KeyPress, key); };
        edit_->onUndo = [this] { kit_->Guard([this] { Undo(); }); };
        edit_->onRunEnd = [this] { undo_.EndRun(); };
        edit_->canUndo = [this] { return undo_.CanUndo(); };
        edit_->onClick = [this] { kit_->Raise(row_, EventKind::Click); };
        edit_->extraMenu = [this] { return kit_->Core().FieldMenuOf(row_); };
        edit_->onCommand = [this](int command) { kit_->Core().FieldCommand(row_, command); };
        edit_->onChord = [this](const KeyChord& chord) { return kit_->Core().RunFieldChord(row_, chord); };
        QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this] { kit_->Guard([this] { OnTextChanged(); }); });
    }
}

std::u16string QtControl::GetText() const {
    if (edit_ != nullptr) return U(edit_->text());
    if (button_ != nullptr) return U(button_->text());
    if (group_ != nullptr) return U(group_->title());
    if (spec_->kind == ControlKind::Form) return U(widget_->windowTitle());
    return text_;
}

void QtControl::SetText(std::u16string_view text) {
    if (edit_ != nullptr) {
        undo_.ProgramWrite();
        if (U(edit_->text()) == text) return;
        edit_->setText(Q(text));  // Change runs inside, through textChanged
        // A text written by the program shows its beginning, as a desktop edit does;
        // where the user types, the cursor stays after the text.
        if (!edit_->hasFocus()) edit_->setCursorPosition(0);
        return;
    }
    text_ = text;
    if (button_ != nullptr) {
        button_->setText(Q(text));
        button_->update();
    } else if (label_ != nullptr) {
        label_->setText(Displayed(text));
        if (spec_->kind == ControlKind::Label) FitLabel(label_, *spec_);
    } else if (group_ != nullptr) {
        group_->setTitle(Q(text));
    } else if (spec_->kind == ControlKind::Form) {
        widget_->setWindowTitle(Q(text));
    }
}

void QtControl::OnTextChanged() {
    std::u16string now = U(edit_->text());
    // QLineEdit also signals a keystroke that puts back the text it replaced ("0"
    // typed over a selected "0"); that is no change, and opens no run to take back.
    if (now == lastText_) return;
    if (edit_->UserEditing()) undo_.BeforeUserEdit(lastText_);
    lastText_ = std::move(now);
    kit_->Raise(row_, EventKind::Change);
}

bool QtControl::GetVisible() const {
    if (widget_ == nullptr) return false;
    return spec_->kind == ControlKind::Form ? widget_->isVisible() : !widget_->isHidden();
}

void QtControl::SetVisible(bool visible) {
    if (widget_ != nullptr) widget_->setVisible(visible);
}

// The timer's row stands for the timer itself: enabled means running.
bool QtControl::GetEnabled() const {
    if (spec_->kind == ControlKind::Timer) return kit_->Timer().GetEnabled();
    return widget_ != nullptr && widget_->isEnabled();
}

void QtControl::SetEnabled(bool enabled) {
    if (spec_->kind == ControlKind::Timer) {
        kit_->Timer().SetEnabled(enabled);
    } else if (widget_ != nullptr) {
        widget_->setEnabled(enabled);
    }
}

void QtControl::SetColor(Color color) {
    color_ = color;
    if (widget_ == nullptr) return;
    QPalette pal = widget_->palette();
    pal.setColor(edit_ != nullptr ? QPalette::Base : QPalette::Window, ToQColor(color));
    widget_->setPalette(pal);
    if (auto* panel = dynamic_cast<PanelWidget*>(widget_)) panel->SetBackground(color);
}

bool QtControl::GetChecked() const { return button_ != nullptr && button_->isChecked(); }

void QtControl::SetHint(std::u16string_view hint) {
    hint_ = hint;
    if (widget_ != nullptr) widget_->setToolTip(Q(hint));
    // The memory buttons write their register into the hint; a screen reader gets it too.
    if (widget_ != nullptr) widget_->setAccessibleDescription(Q(hint));
}

bool QtControl::GetBold() const { return widget_ != nullptr && widget_->font().bold(); }

void QtControl::SetBold(bool bold) {
    if (widget_ == nullptr) return;
    QFont f = widget_->font();
    f.setBold(bold);
    widget_->setFont(f);
}

void QtControl::Undo() {
    if (edit_ == nullptr) return;
    std::optional<std::u16string> back = undo_.Take();
    if (!back || U(edit_->text()) == *back) return;
    edit_->setText(Q(*back));
}

Rect QtControl::GetGeometry() const {
    if (widget_ == nullptr) return spec_->place;
    if (spec_->kind == ControlKind::Form) return {0, 0, widget_->width(), widget_->height()};
    // A label's place is the layout's; the widget may be a pixel wider to fit its text.
    if (spec_->kind == ControlKind::Label) return spec_->place;
    const QRect g = widget_->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

QtWindow::QtWindow(QtToolkit& kit, int row, QWidget* window) : kit_(&kit), row_(row), window_(window) {}

int QtWindow::GetLeft() const { return FramePosition().x(); }
int QtWindow::GetTop() const { return FramePosition().y(); }
void QtWindow::SetLeft(int left) { MoveFrameTo({ClampScreenCoordinate(left), FramePosition().y()}); }
void QtWindow::SetTop(int top) { MoveFrameTo({FramePosition().x(), ClampScreenCoordinate(top)}); }

QPoint QtWindow::FramePosition() const {
    if (placedUnshown_) return *placedUnshown_;
    // The platform window knows a new place at once; the widget learns it later.
    const QWindow* handle = window_->windowHandle();
    return !appearing_ && window_->isVisible() && handle != nullptr ? handle->framePosition() : window_->pos();
}

void QtWindow::MoveFrameTo(QPoint frame) {
    // Until a window has been on the screen once, Qt on X11 does not know its frame,
    // and a move places the client area where the frame's corner belongs. The main
    // window's frame, drawn by the same window manager, tells how far in the client
    // lies; where Qt knows the frame already (or there is none), that inset is empty.
    const QWidget* main = kit_->Widget(IndexOf(kMainWindow));
    QPoint inset;
    if (!everShown_) placedUnshown_ = frame;
    if (!everShown_ && main != window_ && main->isVisible() && window_->frameGeometry() == window_->geometry()) {
        inset = main->geometry().topLeft() - main->frameGeometry().topLeft();
    }
    // A window on the screen is placed by its frame directly: QWidget::move shifts
    // negative positions by the frame's inset on some platforms. A window about to
    // appear (its Show handler runs) takes the widget's place, which showing applies.
    QWindow* handle = window_->windowHandle();
    if (!appearing_ && window_->isVisible() && handle != nullptr) {
        handle->setFramePosition(frame);
    } else {
        window_->move(frame + inset);
        if (appearing_) placedAppearing_ = frame;
    }
}

bool QtWindow::IsVisible() const { return window_->isVisible(); }

void QtWindow::Show() {
    if (!window_->isVisible()) {
        appearing_ = true;
        placedAppearing_.reset();
        window_->show();  // the Show handler runs in here
        appearing_ = false;
        // Some platforms push a client corner left of or above their frame's width
        // back onto the screen when a window appears (the offscreen one does). Where the
        // frame is known by now, the corner the Show handler asked for is put right;
        // where it is not (X11 before the window manager has framed the window), the
        // platform has taken the corner as it was given.
        QWindow* handle = window_->windowHandle();
        if (placedAppearing_ && handle != nullptr && !handle->frameMargins().isNull() &&
            handle->framePosition() != *placedAppearing_) {
            handle->setFramePosition(*placedAppearing_);
        }
        placedAppearing_.reset();
    }
    everShown_ = true;
    placedUnshown_.reset();
    window_->raise();
    window_->activateWindow();
}

void QtWindow::Close() { window_->close(); }

Color QtWindow::GetColor() const { return InitialColor(Layout()[static_cast<std::size_t>(row_)]); }

QtTimer::QtTimer(QtToolkit& kit, int row, bool manual) : manual_(manual) {
    timer_.setInterval(kTimerPeriodMs);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [&kit, row] { kit.Raise(row, EventKind::Timer); });
}

void QtTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (manual_) return;
    // QTimer::start on a running timer restarts its period; the mark timing needs the
    // running period kept.
    if (enabled && !timer_.isActive()) timer_.start();
    if (!enabled) timer_.stop();
}

void QtMessages::ShowError(std::u16string_view title, std::u16string_view text) {
    QWidget* parent = kit_->Widget(IndexOf(kMainWindow));
    QMessageBox box(QMessageBox::Critical, Q(title), Q(BoxText(text)), QMessageBox::Ok, parent);
    box.exec();
}

std::optional<std::u16string> QtPlatform::ClipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) return std::nullopt;
    return U(data->text());
}

void QtPlatform::SetClipboardText(std::u16string_view text) { QGuiApplication::clipboard()->setText(Q(text)); }

void QtPlatform::SwitchWarningBeepOff() {
    // The Qt toolkit runs on Linux, where there is no system-wide beep the program
    // should change, and the program itself never sounds the bell.
}

}  // namespace quorvel::ui::qt
