#include <algorithm>
#include <cmath>

#include "toolkits/win32/win32_adapters.h"
#include "ui/glyph_strokes.h"

// What the containers draw themselves: their background, bevel or group frame, and
// every windowless row they hold, in stacking order; and the glyphs, from the shared
// stroke table at whatever scale the window has.

namespace quorvel::ui::win32 {

namespace {

constexpr COLORREF kLight = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(160, 160, 160);
constexpr COLORREF kDarkShadow = RGB(128, 128, 128);

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

// A one-pixel bevel: light above and left, dark below and right (or the other way for
// a pressed face).
void Bevel1(HDC dc, const RECT& r, bool sunken, COLORREF dark) {
    const COLORREF top = sunken ? dark : kLight;
    const COLORREF bottom = sunken ? kLight : dark;
    Line(dc, r.left, r.top, r.right - 1, r.top, top);
    Line(dc, r.left, r.top, r.left, r.bottom - 1, top);
    Line(dc, r.left, r.bottom - 1, r.right, r.bottom - 1, bottom);
    Line(dc, r.right - 1, r.top, r.right - 1, r.bottom - 1, bottom);
}

void Text(HDC dc, HFONT font, std::u16string_view text, RECT r, UINT format, COLORREF color) {
    const std::wstring w = W(text);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, format | DT_NOPREFIX);
    SelectObject(dc, old);
}

int TextWidth(HDC dc, HFONT font, std::u16string_view text) {
    const std::wstring w = W(text);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &size);
    SelectObject(dc, old);
    return size.cx;
}

void PaintSpeedButton(Win32Toolkit& kit, const Win32Node& n, HDC dc) {
    const ControlSpec& s = n.Spec();
    const RECT r = n.DeviceRect();
    const bool enabled = EnabledWithContainers(kit, n.Row());
    const bool down = n.Pressed();
    const bool flat = s.Has(kFlat);
    if (!flat) FillRect(dc, &r, BrushFor(clBtnFace));
    if (!flat || (n.Hovered() && enabled) || down) Bevel1(dc, r, down, kDarkShadow);
    const COLORREF ink = enabled ? RGB(0, 0, 0) : kDarkShadow;
    RECT inner = r;
    InflateRect(&inner, -n.Scale(2), -n.Scale(2));
    if (down) OffsetRect(&inner, 1, 1);
    if (s.glyph != Glyph::None) {
        DrawGlyph(dc, inner, s.glyph, ink, n.Dpi());
    } else {
        Text(dc, n.Font(), n.GetText(), inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE, ink);
    }
}

void PaintWindowless(Win32Toolkit& kit, const Win32Node& n, HDC dc) {
    const ControlSpec& s = n.Spec();
    RECT r = n.DeviceRect();
    switch (s.kind) {
        case ControlKind::Label: {
            const int needed = n.Unscale(TextWidth(dc, n.Font(), n.GetText()));
            const Rect fit = FittedLabel(s, needed);
            r = {n.Scale(fit.x), n.Scale(fit.y), n.Scale(fit.x + fit.w), n.Scale(fit.y + fit.h)};
            const UINT align = s.align == Align::Center ? DT_CENTER : s.align == Align::Right ? DT_RIGHT : DT_LEFT;
            Text(dc, n.Font(), n.GetText(), r, align | DT_TOP | DT_SINGLELINE, GetSysColor(COLOR_WINDOWTEXT));
            break;
        }
        case ControlKind::StaticText:
            if (s.Has(kBorder)) FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
            InflateRect(&r, -1, -1);
            Text(dc, n.Font(), n.GetText(), r, DT_LEFT | DT_TOP, GetSysColor(COLOR_WINDOWTEXT));
            break;
        case ControlKind::Shape: FillRect(dc, &r, BrushFor(s.color)); break;
        case ControlKind::SpeedButton: PaintSpeedButton(kit, n, dc); break;
        default: break;  // the paint box's canvas blits itself below
    }
}

}  // namespace

void PaintContainer(Win32Toolkit& kit, int row, HDC dc, const RECT& client) {
    const Win32Node& self = kit.Node(row);
    const ControlSpec& s = self.Spec();
    // A transparent container shows its parent's background.
    const ControlSpec* back = &s;
    while (back->Has(kTransparent)) back = FindControl(back->parent);
    const Color background = back == &s ? self.GetColor() : kit.Node(IndexOf(back->name)).GetColor();
    FillRect(dc, &client, BrushFor(background));
    if (s.kind == ControlKind::GroupBox) {
        HFONT font = self.Font();
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        SelectObject(dc, old);
        const std::u16string caption = self.GetText();
        RECT frame = client;
        frame.top = caption.empty() ? self.Scale(3) : tm.tmHeight / 2;
        DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        if (!caption.empty()) {
            const int width = TextWidth(dc, font, caption);
            RECT title{self.Scale(8), 0, self.Scale(8) + width, tm.tmHeight};
            FillRect(dc, &title, BrushFor(background));
            Text(dc, font, caption, title, DT_LEFT | DT_TOP | DT_SINGLELINE, GetSysColor(COLOR_WINDOWTEXT));
        }
    } else if (s.bevel == Bevel::Raised) {
        Bevel1(dc, client, false, kShadow);
    } else if (s.bevel == Bevel::Single) {
        FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    const auto rows = Layout();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Win32Node& n = kit.Node(static_cast<int>(i));
        if (n.Host() != self.Hwnd() || n.Hwnd() != nullptr || !n.GetVisible()) continue;
        if (rows[i].kind == ControlKind::PaintBox) {
            // The paint box's picture, and the rows above it in the stacking order.
            kit.Surface()->Blit(dc, n.DeviceRect().left, n.DeviceRect().top);
            continue;
        }
        PaintWindowless(kit, n, dc);
    }
}

int HitTest(Win32Toolkit& kit, HWND host, int x, int y) {
    const POINT pt{x, y};
    const auto rows = Layout();
    // The topmost windowless row under the point: later rows lie above earlier ones.
    for (std::size_t i = rows.size(); i-- > 0;) {
        const Win32Node& n = kit.Node(static_cast<int>(i));
        if (n.Host() != host || n.Hwnd() != nullptr || !n.GetVisible() || rows[i].kind == ControlKind::Timer) continue;
        const RECT r = n.DeviceRect();
        if (PtInRect(&r, pt) != FALSE) return static_cast<int>(i);
    }
    return RowOfWindow(host);
}

void DrawGlyph(HDC dc, const RECT& face, Glyph glyph, COLORREF ink, int dpi) {
    const double left = face.left;
    const double top = face.top;
    const double width = face.right - face.left;
    const double height = face.bottom - face.top;
    const double scale = dpi / 96.0;
    for (const GlyphStroke& st : GlyphStrokes(glyph)) {
        const int x = static_cast<int>(std::lround(left + st.x * width));
        const int y = static_cast<int>(std::lround(top + st.y * height));
        switch (st.kind) {
            case GlyphStroke::Kind::Text: {
                const int pixels = std::max(1, static_cast<int>(std::lround(st.size * height)));
                HFONT font = CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, st.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                         OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Arial");
                HGDIOBJ old = SelectObject(dc, font);
                SetTextColor(dc, ink);
                SetBkMode(dc, TRANSPARENT);
                const UINT align = SetTextAlign(dc, TA_BASELINE | TA_LEFT);
                const std::wstring w = W(st.text);
                TextOutW(dc, x, y, w.c_str(), static_cast<int>(w.size()));
                SetTextAlign(dc, align);
                SelectObject(dc, old);
                DeleteObject(font);
                break;
            }
            case GlyphStroke::Kind::Line: {
                const int pen = std::max(1, static_cast<int>(std::lround(st.pixels * scale)));
                LOGBRUSH lb{BS_SOLID, ink, 0};
                HPEN p = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, static_cast<DWORD>(pen), &lb, 0, nullptr);
                HGDIOBJ old = SelectObject(dc, p);
                MoveToEx(dc, x, y, nullptr);
                LineTo(dc, static_cast<int>(std::lround(left + st.x2 * width)), static_cast<int>(std::lround(top + st.y2 * height)));
                SelectObject(dc, old);
                DeleteObject(p);
                break;
            }
            case GlyphStroke::Kind::Dot: {
                const double radius = std::max(st.pixels * scale, st.size * height);
                HBRUSH b = CreateSolidBrush(ink);
                HGDIOBJ oldBrush = SelectObject(dc, b);
                HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
                const double cx = left + st.x * width;
                const double cy = top + st.y * height;
                ::Ellipse(dc, static_cast<int>(std::lround(cx - radius)), static_cast<int>(std::lround(cy - radius)),
                          static_cast<int>(std::lround(cx + radius)) + 1, static_cast<int>(std::lround(cy + radius)) + 1);
                SelectObject(dc, oldPen);
                SelectObject(dc, oldBrush);
                DeleteObject(b);
                break;
            }
        }
    }
}

void DrawBitButton(Win32Toolkit& kit, const DRAWITEMSTRUCT& item) {
    const int row = RowOfWindow(item.hwndItem);
    if (row < 0) return;
    const Win32Node& n = kit.Node(row);
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool down = (item.itemState & ODS_SELECTED) != 0;
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0U));
    if (down) OffsetRect(&r, 1, 1);
    // The glyph on the left of the caption, both centred as a pair.
    const int side = n.Scale(ConstantGlyphSide(n.Spec().glyph));
    const int gap = n.Scale(4);
    const int textWidth = TextWidth(dc, n.Font(), n.GetText());
    const int total = side + gap + textWidth;
    const int x = static_cast<int>(r.left) + std::max(n.Scale(4), static_cast<int>(r.right - r.left - total) / 2);
    const int y = r.top + (r.bottom - r.top - side) / 2;
    const COLORREF ink = enabled ? RGB(0, 0, 0) : kDarkShadow;
    DrawGlyph(dc, RECT{x, y, x + side, y + side}, n.Spec().glyph, ink, n.Dpi());
    RECT text{x + side + gap, r.top, r.right, r.bottom};
    Text(dc, n.Font(), n.GetText(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, enabled ? GetSysColor(COLOR_BTNTEXT) : kDarkShadow);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -n.Scale(3), -n.Scale(3));
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace quorvel::ui::win32
