#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QRadioButton>

#include "ui/qt/qt_adapters.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace quorvel::ui::qt {

namespace {

QString Q(std::u16string_view s) { return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size())); }
std::u16string U(const QString& s) { return s.toStdU16String(); }

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
        edit_->onClick = [this] { kit_->Raise(row_, EventKind::Click); };
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

int QtWindow::GetLeft() const { return window_->x(); }
int QtWindow::GetTop() const { return window_->y(); }
void QtWindow::SetLeft(int left) { window_->move(left, window_->y()); }
void QtWindow::SetTop(int top) { window_->move(window_->x(), top); }
bool QtWindow::IsVisible() const { return window_->isVisible(); }

void QtWindow::Show() {
    if (!window_->isVisible()) window_->show();  // the Show handler runs in here
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
    QMessageBox box(QMessageBox::Critical, Q(title), Q(text), QMessageBox::Ok, parent);
    box.exec();
}

void QtPlatform::SwitchWarningBeepOff() {
#ifdef _WIN32
    // Off for this session only: not written to the profile, not broadcast.
    SystemParametersInfoW(SPI_SETBEEP, 0, nullptr, 0);
#endif
    // Elsewhere there is no system-wide beep the program should change, and the
    // program itself never sounds the bell.
}

}  // namespace quorvel::ui::qt
