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
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, kit.Scale(width_), kit.Scale(height_));
    ReleaseDC(nullptr, screen);
    oldBitmap_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, kit.Scale(width_), kit.Scale(height_)};
    ::FillRect(dc_, &all, BrushFor(clSilver));
    if (kit.Dpi() != 96) {
        SetGraphicsMode(dc_, GM_ADVANCED);
        const auto s = static_cast<FLOAT>(kit.Dpi() / 96.0);
        const XFORM scale{s, 0, 0, s, 0, 0};
        SetWorldTransform(dc_, &scale);
    }
}

Win32Canvas::~Win32Canvas() {
    SelectObject(dc_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void Win32Canvas::Blit(HDC dc, int x, int y) const {
    BitBlt(dc, x, y, kit_->Scale(width_), kit_->Scale(height_), dc_, 0, 0, SRCCOPY);
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
    if (penStyle_ == PenStyle::Dot) return CreatePen(PS_DOT, 1, c);
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
