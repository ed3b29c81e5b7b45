#pragma once

// User actions on the real widgets, as real Qt key and mouse events (QTest). Message
// boxes that open meanwhile are real boxes: a watcher reads their title, text and
// icon, reports them, and presses OK.

#include <QPointer>
#include <QTimer>
#include <functional>

#include "toolkits/qt/qt_toolkit.h"
#include "ui/user_driver.h"

class QMessageBox;

namespace quorvel::ui::qt {

class QtDriver final : public UserDriver {
public:
    explicit QtDriver(QtToolkit& kit);

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
    void SetClipboard(std::u16string_view text) override;
    [[nodiscard]] std::optional<std::u16string> Clipboard() override;
    [[nodiscard]] int FocusedRow() override;
    void ChooseStayOnTop() override;
    [[nodiscard]] bool StaysOnTop() override;
    void ObserveBoxes(std::function<void(const BoxSeen&)> observer) override {
        observer_ = std::move(observer);
    }

    // Lets queued work run (the deferred diagram paint, repaints).
    static void Settle();

private:
    void Focus(QWidget* w);
    // One key that types `units`: one code unit, or both halves of a pair.
    void Key(QWidget* w, std::u16string_view units);
    // Each character of `text` as one key.
    void Keys(QWidget* w, std::u16string_view text);
    void AnswerBox();

    QtToolkit* kit_;
    QTimer watcher_;
    QPointer<QMessageBox> answered_;
    std::function<void(const BoxSeen&)> observer_;
};

}  // namespace quorvel::ui::qt
