#pragma once

// The drawing surface of the paint box PB_Gauss. Coordinates are pixels, origin at
// the top-left corner, y growing downwards.
//
// Who calls: the diagram and the clear buttons, from handlers on the UI thread, at any
// time: a toolkit must accept drawing outside its own paint cycle and keep what was
// drawn until it is drawn over.

#include <span>
#include <string_view>

#include "ui/colors.h"
#include "ui/layout.h"

namespace quorvel::ui {

enum class PenStyle { Solid, Dot };

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

class UiCanvas {
public:
    virtual ~UiCanvas() = default;

    [[nodiscard]] virtual int Width() const = 0;
    [[nodiscard]] virtual int Height() const = 0;

    virtual void SetPenWidth(int width) = 0;
    virtual void SetPenColor(Color color) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    // Fill of closed figures, and the background behind text.
    virtual void SetBrushColor(Color color) = 0;
    virtual void SetFontColor(Color color) = 0;
    // Text size in points; the family is the paint box's (Arial).
    virtual void SetFontSize(int points) = 0;

    // Fills the rectangle (right and bottom edges excluded) with the brush colour.
    virtual void FillRect(const Rect& r) = 0;
    // A one-pixel frame along the rectangle in the brush colour.
    virtual void FrameRect(const Rect& r) = 0;
    // Ellipse inscribed in (x1, y1)-(x2, y2), outlined with the pen, filled with the brush.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // Line with the pen from the current point to (x, y), which becomes current.
    virtual void LineTo(int x, int y) = 0;
    virtual void Polygon(std::span<const Point> points) = 0;
    // Text with its top-left corner at (x, y) on the brush colour.
    virtual void TextOut(int x, int y, std::u16string_view text) = 0;

    // Bracket the operations of one whole picture, so that a surface may hold what it
    // draws with (a painter, the fonts of the picture) across them instead of taking
    // it anew for every operation.
    //
    // Who calls: PictureScope, and so the phasor diagram around each picture, on the
    // UI thread. Every BeginPicture is followed by exactly one EndPicture, also when
    // the drawing between them throws. Pairs may nest; only the outermost pair counts.
    // Operations outside any pair (the clear buttons' fill) stay allowed and show as
    // before. Neither call draws or is recorded as an operation; what was drawn
    // between them shows by the time EndPicture returns. Neither may raise an event.
    virtual void BeginPicture() {}
    virtual void EndPicture() {}
};

// Begins a picture on `canvas` for its lifetime: EndPicture follows on every way out
// of the scope, a throw included.
class PictureScope {
public:
    explicit PictureScope(UiCanvas& canvas) : canvas_(canvas) { canvas_.BeginPicture(); }
    ~PictureScope() { canvas_.EndPicture(); }
    PictureScope(const PictureScope&) = delete;
    PictureScope& operator=(const PictureScope&) = delete;

private:
    UiCanvas& canvas_;
};

}  // namespace quorvel::ui
