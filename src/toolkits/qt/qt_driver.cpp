#include "toolkits/qt/qt_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include "toolkits/qt/qt_keys.h"
#include "toolkits/qt/qt_text.h"
#include "ui/typed_characters.h"

namespace quorvel::ui::qt {

namespace {

QPoint Center(const QWidget* w) { return w->rect().center(); }

}  // namespace

QtDriver::QtDriver(QtToolkit& kit) : kit_(&kit) {
    // Polls inside every nested event loop of a modal box, so a box is answered
    // wherever it opens: inside a key handler, inside a Change inside SetText, ...
    watcher_.setInterval(0);
    QObject::connect(&watcher_, &QTimer::timeout, &watcher_, [this] { AnswerBox(); });
    watcher_.start();
}

void QtDriver::AnswerBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible() || box == answered_) return;
    answered_ = box;
    if (observer_) {
        const char* icon = "none";
        switch (box->icon()) {
            case QMessageBox::Critical: icon = "error"; break;
            case QMessageBox::Warning: icon = "warning"; break;
            case QMessageBox::Information: icon = "information"; break;
            case QMessageBox::Question: icon = "question"; break;
            case QMessageBox::NoIcon: break;
        }
        observer_(BoxSeen{U(box->windowTitle()), U(box->text()), icon});
    }
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok != nullptr) {
        QTest::mouseClick(ok, Qt::LeftButton, Qt::NoModifier, Center(ok));
    } else {
        box->reject();
    }
}

void QtDriver::Settle() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtDriver::Focus(QWidget* w) {
    if (QWidget* win = w->window(); !win->isActiveWindow()) {
        win->activateWindow();
        QApplication::setActiveWindow(win);
    }
    if (!w->hasFocus()) w->setFocus(Qt::MouseFocusReason);
}

void QtDriver::Keys(QWidget* w, std::u16string_view text) {
    for (const std::u16string_view key : SplitKeys(text)) Key(w, key);
}

void QtDriver::Key(QWidget* w, std::u16string_view units) {
    const char16_t c = units.front();
    const QString text = Q(units);
    // The key a keyboard would send with this character; asciiToKey knows printable
    // ASCII only.
    Qt::Key key = Qt::Key_unknown;
    if (c >= 0x20 && c < 0x7F) {
        key = QTest::asciiToKey(static_cast<char>(c));
    } else if (c == u'\r') {
        key = Qt::Key_Return;
    } else if (c == u'\n') {
        key = Qt::Key_Enter;
    } else if (c == u'\t') {
        key = Qt::Key_Tab;
    } else if (c == 8) {
        key = Qt::Key_Backspace;
    }
    QTest::sendKeyEvent(QTest::Press, w, key, text, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, w, key, text, Qt::NoModifier);
}

void QtDriver::Type(int row, std::u16string_view text) {
    QWidget* w = kit_->Widget(row);
    Focus(w);
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);  // select the whole text
    Keys(w, text);
    Settle();
}

void QtDriver::Append(int row, std::u16string_view text) {
    QWidget* w = kit_->Widget(row);
    Focus(w);
    QTest::keyClick(w, Qt::Key_End);
    Keys(w, text);
    Settle();
}

void QtDriver::Enter(int row) {
    QWidget* w = kit_->Widget(row);
    Focus(w);
    QTest::keyClick(w, Qt::Key_Return);
    Settle();
}

void QtDriver::Backspace(int row, int count) {
    QWidget* w = kit_->Widget(row);
    Focus(w);
    QTest::keyClick(w, Qt::Key_End);
    for (int i = 0; i < count; ++i) QTest::keyClick(w, Qt::Key_Backspace);
    Settle();
}

void QtDriver::Erase(int row) {
    QWidget* w = kit_->Widget(row);
    Focus(w);
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_Delete);
    Settle();
}

void QtDriver::UndoKey(int row) {
    QWidget* w = kit_->Widget(row);
    Focus(w);
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    Settle();
}

void QtDriver::Click(int row) {
    QWidget* w = kit_->Widget(row);
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, Center(w));
    Settle();
}

std::optional<std::u16string> QtDriver::Hover(int row) {
    QWidget* w = kit_->Widget(row);
    // The pointer comes from the window's corner, so that it enters the control even
    // where Qt's idea of what lies under it went stale (a modal box came and went).
    // Both moves go to the control's own window: placed by the screen position, the
    // pointer could land in another window lying at the same place.
    QWindow* window = w->window()->windowHandle();
    QTest::mouseMove(window, QPoint(0, 0));
    QTest::mouseMove(window, w->mapTo(w->window(), Center(w)));
    Settle();
    // The tool tip this control shows of its own; a parent's tip is not its own.
    if (w->toolTip().isEmpty()) return std::nullopt;
    QHelpEvent help(QEvent::ToolTip, Center(w), w->mapToGlobal(Center(w)));
    QApplication::sendEvent(w, &help);
    std::optional<std::u16string> shown;
    // A refused request is left unaccepted; the tip of an earlier hover may still be
    // on its way out and is not this control's.
    if (help.isAccepted() && QToolTip::isVisible()) shown = U(QToolTip::text());
    QToolTip::hideText();
    Settle();
    return shown;
}

bool QtDriver::Tick() {
    const bool ran = kit_->TickTimer();
    Settle();
    return ran;
}

void QtDriver::Move(int row, int x, int y) {
    // As the window manager moves a window the user drags: by its outer corner.
    kit_->Window(row).SetLeft(x);
    kit_->Window(row).SetTop(y);
    Settle();
}

void QtDriver::Press(int row, const KeyChord& chord) {
    QWidget* w = kit_->Widget(row);
    if (QApplication::focusWidget() != w) {
        Focus(w);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->end(false);
    }
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : w;
    const Qt::KeyboardModifiers mods = QtModifiersOf(chord);
    // The character it types comes from the one rule of every toolkit.
    const char16_t typed = TypedBy(chord);
    const QString text = typed != 0 ? QString(QChar(typed)) : QString();
    const Qt::Key key = QtKeyOf(chord);
    QTest::sendKeyEvent(QTest::Press, target, key, text, mods);
    QTest::sendKeyEvent(QTest::Release, target, key, text, mods);
    Settle();
}

void QtDriver::SetClipboard(std::u16string_view text) {
    kit_->Platform().SetClipboardText(text);
    Settle();
}

std::optional<std::u16string> QtDriver::Clipboard() { return kit_->Platform().ClipboardText(); }

void QtDriver::ChooseStayOnTop() {
    kit_->StayOnTopAction()->trigger();
    Settle();
}

bool QtDriver::StaysOnTop() {
    const QWindow* window = kit_->Widget(kit_->Core().MainRow())->windowHandle();
    return window != nullptr && window->flags().testFlag(Qt::WindowStaysOnTopHint);
}

int QtDriver::FocusedRow() {
    const QWidget* w = QApplication::focusWidget();
    return w != nullptr ? kit_->RowOf(w) : -1;
}

void QtDriver::CloseWindow(int row) {
    kit_->Widget(row)->close();
    Settle();
}

}  // namespace quorvel::ui::qt
