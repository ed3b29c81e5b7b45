#include <vector>

#include "toolkits/win32/win32_adapters.h"

// Drawing follows the conventions of a GDI canvas, which it is: rectangles exclusive
// of their right and bottom edges, text placed by its top-left corner on the brush
// colour. The picture is kept in a bitmap of the box's own at the layout's 96-dpi
// size times the window's scale; at another scale the operations are drawn through a
// world transform, so lines and text stay sharp instead of being stretched.

namespace quorvel::ui::win32 {

Win32Canvas::Win32Canvas(Win32Toolkit& kit, int row)
    : kit_(&kit), row_(row), width_(Layout()[static_cast<std::size_t>(row)].place.w), height_(Layout()[static_cast<std::size_t>(row)].place.h) {
    MakeSurface();
}

Win32Canvas::~Win32Canvas() { FreeSurface(); }

void Win32Canvas::MakeSurface() {
    // The bitmap is the box's place on the screen; the picture's 96-dpi extent is
    // mapped onto it whole, also where the scale makes that a fraction of a pixel.
    const RECT place = kit_->Node(row_).DeviceRect();
    const int w = place.right - place.left;
    const int h = place.bottom - place.top;
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, w, h};
    ::FillRect(dc_, &all, BrushFor(clSilver));
    if (w != width_ || h != height_) {
        SetGraphicsMode(dc_, GM_ADVANCED);
        const XFORM scale{static_cast<FLOAT>(w) / static_cast<FLOAT>(width_), 0, 0, static_cast<FLOAT>(h) / static_cast<FLOAT>(height_), 0, 0};
        SetWorldTransform(dc_, &scale);
    }
}

void Win32Canvas::FreeSurface() {
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void Win32Canvas::Rescale() {
    // A new device context too: one at 96 dpi draws in the compatible graphics mode,
    // whose rectangles leave out their right and bottom edges.
    FreeSurface();
    MakeSurface();
}

void Win32Canvas::Blit(HDC dc, int x, int y) const {
    const RECT place = kit_->Node(row_).DeviceRect();
    // A copy reads its source through the source's transform: with the drawing scale
    // in force it would shrink the picture back to its 96-dpi size.
    XFORM drawing;
    const bool scaled = GetGraphicsMode(dc_) == GM_ADVANCED && GetWorldTransform(dc_, &drawing) != FALSE;
    if (scaled) ModifyWorldTransform(dc_, nullptr, MWT_IDENTITY);
    BitBlt(dc, x, y, place.right - place.left, place.bottom - place.top, dc_, 0, 0, SRCCOPY);
    if (scaled) SetWorldTransform(dc_, &drawing);
}

void Win32Canvas::Done() {
    if (depth_ > 0) return;
    // One repaint of the box per picture, or per operation outside any picture.
    const Win32Node& box = kit_->Node(row_);
    RECT r = box.DeviceRect();
    InvalidateRect(box.Host(), &r, FALSE);
}

void Win32Canvas::EndPicture() {
    if (depth_ > 0) --depth_;
    Done();
}

HPEN Win32Canvas::MakePen() const {
    const COLORREF c = ToColorRef(penColor_);
    // A dotted line is one device pixel wide at every scale: a pen the scale made
    // wider than one pixel would be drawn solid.
    if (penStyle_ == PenStyle::Dot) return CreatePen(PS_DOT, 0, c);
    return CreatePen(PS_SOLID, penWidth_ <= 1 ? 1 : penWidth_, c);
}

void Win32Canvas::FillRect(const Rect& r) {
    const RECT rc{r.x, r.y, r.x + r.w, r.y + r.h};
    ::FillRect(dc_, &rc, BrushFor(brushColor_));
    Done();
}

void Win32Canvas::FrameRect(const Rect& r) {
    const RECT rc{r.x, r.y, r.x + r.w, r.y + r.h};
    ::FrameRect(dc_, &rc, BrushFor(brushColor_));
    Done();
}

void Win32Canvas::Ellipse(int x1, int y1, int x2, int y2) {
    HPEN pen = MakePen();
    HGDIOBJ oldPen = SelectObject(dc_, pen);
    HGDIOBJ oldBrush = SelectObject(dc_, BrushFor(brushColor_));
    ::Ellipse(dc_, x1, y1, x2, y2);
    SelectObject(dc_, oldBrush);
    SelectObject(dc_, oldPen);
    DeleteObject(pen);
    Done();
}

void Win32Canvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void Win32Canvas::LineTo(int x, int y) {
    HPEN pen = MakePen();
    HGDIOBJ old = SelectObject(dc_, pen);
    // A dotted line shows its gaps in the background colour, as on a GDI canvas.
    SetBkMode(dc_, TRANSPARENT);
    ::LineTo(dc_, x, y);
    SelectObject(dc_, old);
    DeleteObject(pen);
    Done();
}

void Win32Canvas::Polygon(std::span<const Point> points) {
    std::vector<POINT> pts;
    pts.reserve(points.size());
    for (const Point& p : points) pts.push_back({p.x, p.y});
    HPEN pen = MakePen();
    HGDIOBJ oldPen = SelectObject(dc_, pen);
    HGDIOBJ oldBrush = SelectObject(dc_, BrushFor(brushColor_));
    ::Polygon(dc_, pts.data(), static_cast<int>(pts.size()));
    SelectObject(dc_, oldBrush);
    SelectObject(dc_, oldPen);
    DeleteObject(pen);
    Done();
}

void Win32Canvas::TextOut(int x, int y, std::u16string_view text) {
    // Points at the 96 dpi the layout was drawn for; the transform scales them.
    const FontSpec spec{u"Arial", (fontPoints_ * 96 + 36) / 72};
    HGDIOBJ old = SelectObject(dc_, FontFor(spec, false, 96));
    SetTextColor(dc_, ToColorRef(fontColor_));
    SetBkColor(dc_, ToColorRef(brushColor_));
    SetBkMode(dc_, OPAQUE);
    const std::wstring w = W(text);
    ::TextOutW(dc_, x, y, w.c_str(), static_cast<int>(w.size()));
    SelectObject(dc_, old);
    Done();
}

}  // namespace quorvel::ui::win32
