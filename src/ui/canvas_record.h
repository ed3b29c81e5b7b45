#pragma once

// A canvas that remembers every drawing operation of the latest picture and passes
// each on to a real surface, if it has one. Both toolkits draw through it, so the
// operations a test or the scenario runner reads are the ones that were drawn.

#include <string>
#include <vector>

#include "ui/ui_canvas.h"

namespace quorvel::ui {

struct CanvasOp {
    enum class Kind { PenWidth, PenColor, PenStyle, BrushColor, FontColor, FontSize, FillRect, FrameRect, Ellipse, MoveTo, LineTo, Polygon, TextOut };
    Kind kind;
    std::vector<int> args;    // numbers of the operation, in call order
    std::u16string text;      // TextOut only
};

// A phasor as read from the operations: a segment drawn with a pen two pixels wide.
struct DrawnPhasor {
    Point from;
    Point to;
    Color color;
};

// Invariants: `ops_` begins with the operation that started the latest picture (a
// FillRect over the whole surface), or with the first operation ever drawn.
class RecordingCanvas : public UiCanvas {
public:
    RecordingCanvas(int width, int height, UiCanvas* target = nullptr);

    [[nodiscard]] int Width() const override { return width_; }
    [[nodiscard]] int Height() const override { return height_; }
    void SetPenWidth(int width) override;
    void SetPenColor(Color color) override;
    void SetPenStyle(PenStyle style) override;
    void SetBrushColor(Color color) override;
    void SetFontColor(Color color) override;
    void SetFontSize(int points) override;
    void FillRect(const Rect& r) override;
    void FrameRect(const Rect& r) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polygon(std::span<const Point> points) override;
    void TextOut(int x, int y, std::u16string_view text) override;
    // Passed on to the surface; no operation of their own.
    void BeginPicture() override;
    void EndPicture() override;

    [[nodiscard]] const std::vector<CanvasOp>& Operations() const { return ops_; }
    // The segments of the latest picture that start at `origin` and are drawn with a
    // two-pixel pen, in drawing order.
    [[nodiscard]] std::vector<DrawnPhasor> Phasors(Point origin) const;
    // One line per operation, for tests and the scenario runner.
    [[nodiscard]] std::vector<std::string> Describe() const;

private:
    void Record(CanvasOp::Kind kind, std::vector<int> args, std::u16string text = {});

    int width_;
    int height_;
    UiCanvas* target_;
    std::vector<CanvasOp> ops_;
    // Pen state at the start of the latest picture, so Phasors() can replay it.
    int penWidth_ = 1;
    Color penColor_ = clBlack;
    int startPenWidth_ = 1;
    Color startPenColor_ = clBlack;
};

}  // namespace quorvel::ui
