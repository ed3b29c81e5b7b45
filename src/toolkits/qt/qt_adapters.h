#pragma once

// The UiControl, UiWindow, UiTimer, UiCanvas and UiMessages operations on Qt objects.
// Internal to the Qt toolkit.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "ui/edit_undo.h"
#include "toolkits/qt/qt_toolkit.h"
#include "toolkits/qt/widgets.h"

class QAbstractButton;
class QGroupBox;
class QLabel;

namespace quorvel::ui::qt {

// Invariants: `widget_` is null only for the timer row; `edit_` is set exactly for
// edits; `lastText_` is the edit's text as of the latest Change.
class QtControl final : public UiControl {
public:
    QtControl(QtToolkit& kit, int row, QWidget* widget);

    [[nodiscard]] const ControlSpec& Spec() const override { return *spec_; }
    [[nodiscard]] std::u16string GetText() const override;
    void SetText(std::u16string_view text) override;
    [[nodiscard]] bool GetVisible() const override;
    void SetVisible(bool visible) override;
    [[nodiscard]] bool GetEnabled() const override;
    void SetEnabled(bool enabled) override;
    [[nodiscard]] Color GetColor() const override { return color_; }
    void SetColor(Color color) override;
    [[nodiscard]] bool GetChecked() const override;
    [[nodiscard]] std::u16string GetHint() const override { return hint_; }
    void SetHint(std::u16string_view hint) override;
    [[nodiscard]] bool GetBold() const override;
    void SetBold(bool bold) override;
    void Undo() override;
    [[nodiscard]] Rect GetGeometry() const override;

    [[nodiscard]] QWidget* Widget() const { return widget_; }
    void EndRun() { undo_.EndRun(); }

private:
    void OnTextChanged();

    QtToolkit* kit_;
    int row_;
    const ControlSpec* spec_;
    QWidget* widget_;
    LineEdit* edit_ = nullptr;
    QLabel* label_ = nullptr;
    QAbstractButton* button_ = nullptr;
    QGroupBox* group_ = nullptr;
    std::u16string text_;  // captions of labels and static texts, kept as written
    std::u16string hint_;
    std::u16string lastText_;
    Color color_;
    EditUndo undo_;
};

// Sizes a label built from `spec` to its current caption (it only ever grows).
void FitLabel(QLabel* label, const ControlSpec& spec);

class QtWindow final : public UiWindow {
public:
    QtWindow(QtToolkit& kit, int row, QWidget* window);
    [[nodiscard]] int GetLeft() const override;
    [[nodiscard]] int GetTop() const override;
    void SetLeft(int left) override;
    void SetTop(int top) override;
    [[nodiscard]] bool IsVisible() const override;
    void Show() override;
    void Close() override;
    [[nodiscard]] bool GetShowHint() const override { return showHint_; }
    void SetShowHint(bool show) override { showHint_ = show; }
    [[nodiscard]] Color GetColor() const override;

private:
    // The outer top-left corner, also where it was set before the first showing.
    [[nodiscard]] QPoint FramePosition() const;
    // Puts the outer top-left corner there, also before the first showing.
    void MoveFrameTo(QPoint frame);

    QtToolkit* kit_;
    int row_;
    QWidget* window_;
    bool showHint_ = false;
    bool everShown_ = false;
    bool appearing_ = false;  // inside show(), while the Show handler may place it
    std::optional<QPoint> placedUnshown_;  // the corner set while never shown
    std::optional<QPoint> placedAppearing_;  // the corner the Show handler set
};

class QtTimer final : public UiTimer {
public:
    QtTimer(QtToolkit& kit, int row, bool manual);
    void SetEnabled(bool enabled) override;
    [[nodiscard]] bool GetEnabled() const override { return enabled_; }

private:
    QTimer timer_;
    bool manual_;
    bool enabled_ = false;
};

// Draws into the paint box's image. Within a picture one painter serves every
// operation and the box is asked for a repaint at its end; an operation outside any
// picture opens a painter of its own and asks for the repaint itself.
//
// Pictures mostly repeat what the one before drew up to some point (the diagram's
// circle, axes and labels before its phasors). The canvas keeps the image as it stood
// at that point of an earlier picture together with the operations that made it; a
// picture that repeats them takes the image instead of drawing them again, and draws
// on from there. A picture that repeats the whole last one while the box still shows
// it (an Enter or a click that leaves the values as they were) draws nothing and asks
// for no repaint. What ends on screen is what drawing every operation would give.
//
// Invariants: `painter_` is only active while `pictureDepth_` > 0; `fonts_` holds one
// entry per text size drawn so far; `keptImage_`, when not null, is the image after
// drawing `kept_` from any image, since `kept_` starts with a fill of the whole box.
class QtCanvas final : public UiCanvas {
public:
    explicit QtCanvas(PaintBoxWidget& box);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;
    [[nodiscard]] int Width() const override;
    [[nodiscard]] int Height() const override;
    void SetPenWidth(int width) override { penWidth_ = width; }
    void SetPenColor(Color color) override { penColor_ = color; }
    void SetPenStyle(PenStyle style) override { penStyle_ = style; }
    void SetBrushColor(Color color) override { brushColor_ = color; }
    void SetFontColor(Color color) override { fontColor_ = color; }
    void SetFontSize(int points) override { fontPoints_ = points; }
    void FillRect(const Rect& r) override;
    void FrameRect(const Rect& r) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override { current_ = {x, y}; }
    void LineTo(int x, int y) override;
    void Polygon(std::span<const Point> points) override;
    void TextOut(int x, int y, std::u16string_view text) override;
    void BeginPicture() override;
    void EndPicture() override;

private:
    // A text size's font with its metrics, made once.
    struct SizedFont {
        int points;
        QFont font;
        QFontMetrics metrics;
    };
    // A small solid ellipse drawn once on a transparent image, to be stamped wherever
    // one of the same look is drawn: without antialiasing every pixel of it is either
    // fully drawn or untouched, and Qt draws such an ellipse alike at every position.
    struct Stamp {
        std::array<int, 6> look;  // pen colour, width and style, brush, width, height
        QImage image;
    };
    // How the current picture stands to the kept operations.
    enum class Course {
        Unchanged,  // every operation so far repeats the picture the box shows: none is drawn
        Repeating,  // every operation so far repeats the kept ones: none is drawn yet
        Comparing,  // nothing kept to take, so each is drawn while compared with the last picture
        Drawing,    // each is drawn
    };

    [[nodiscard]] const SizedFont& Font(int points);
    [[nodiscard]] const QImage& StampOf(const std::array<int, 6>& look);
    [[nodiscard]] QPainter& Painter();
    // Ends a drawing operation whose record `Record` began on the tape.
    void Submit(std::size_t start);
    // Draws the operation recorded at `op` on the tape.
    void Draw(QPainter& p, const int* op);
    void Record(std::initializer_list<int> values);
    [[nodiscard]] bool RepeatsKept(std::size_t start, std::size_t end) const;
    [[nodiscard]] bool Keepable(std::size_t length) const;
    void Keep(std::size_t length);
    // Brings the box, which shows the last whole picture, to the image of this
    // picture's operations before `start`.
    void LeaveUnchanged(std::size_t start);

    PaintBoxWidget* box_;
    QPainter painter_;
    int pictureDepth_ = 0;
    std::vector<SizedFont> fonts_;
    std::vector<Stamp> stamps_;
    // Operations of the current picture, each with all it is drawn with: kind, count of
    // values, values.
    std::vector<int> tape_;
    std::vector<int> kept_;  // operations of an earlier picture (a leading part of it)
    QImage keptImage_;       // the image after them, or null where none is kept yet
    // The last whole picture, when it began with a fill of the whole box, and the key
    // of the box's image right after it: while the key is the same, the box shows
    // exactly that picture (any write to the image changes its key).
    std::vector<int> shown_;
    qint64 shownKey_ = 0;
    Course course_ = Course::Drawing;
    int penWidth_ = 1;
    Color penColor_ = clBlack;
    PenStyle penStyle_ = PenStyle::Solid;
    Color brushColor_ = clWhite;
    Color fontColor_ = clBlack;
    int fontPoints_ = 8;
    Point current_{};
};

class QtMessages final : public UiMessages {
public:
    explicit QtMessages(QtToolkit& kit) : kit_(&kit) {}
    void ShowError(std::u16string_view title, std::u16string_view text) override;

private:
    QtToolkit* kit_;
};

class QtPlatform final : public UiPlatform {
public:
    void SwitchWarningBeepOff() override;
    [[nodiscard]] std::optional<std::u16string> ClipboardText() override;
    void SetClipboardText(std::u16string_view text) override;
};

// Turns widget events the table binds into calculator events: mouse entry of
// buttons, a window's Show and Close, the paint box reappearing, and the tool-tip
// switch (installed on the application, so it sees every tool tip).
class EventRouter final : public QObject {
public:
    explicit EventRouter(QtToolkit& kit) : kit_(&kit) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QtToolkit* kit_;
};

}  // namespace quorvel::ui::qt
