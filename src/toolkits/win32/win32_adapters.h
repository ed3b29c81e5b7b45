#pragma once

// The UiControl, UiWindow, UiTimer, UiCanvas, UiMessages and UiPlatform operations on
// Win32 windows and GDI. Internal to the Win32 toolkit: the only headers besides
// this folder's .cpp files that see <windows.h> are this folder's own.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After <windows.h>, which it needs.
#include <commctrl.h>
// The canvas has an operation of this name; the functions are called by their W names.
#undef TextOut

#include <optional>
#include <string>
#include <string_view>

#include "toolkits/win32/win32_toolkit.h"
#include "ui/edit_undo.h"

namespace quorvel::ui::win32 {

// The first control id; ids below it are the dialog manager's (IDOK, IDCANCEL).
inline constexpr int kIdBase = 100;
// The main window's system menu entry kStayOnTopEntry: below the system's own
// commands (0xF000 up), a multiple of 16 as system commands are.
inline constexpr UINT kStayOnTopCommand = 0x0100;

std::wstring W(std::u16string_view s);
std::u16string U(const wchar_t* s, std::size_t n);
COLORREF ToColorRef(Color color);
// A font of the layout at the toolkit's scale, made once per look.
HFONT FontFor(const FontSpec& spec, bool bold, int dpi);
// A solid brush of a colour, made once per colour.
HBRUSH BrushFor(Color color);

// One row of the layout: its window, or its place in the window that draws it.
//
// Invariants: `hwnd_` is null exactly for the windowless kinds (labels, shapes,
// speed buttons, static text, the paint box) and the timer; `host_` is the window
// that draws a windowless row and receives its mouse, the parent of a windowed one;
// `lastText_` is an edit's text as of its latest Change.
class Win32Node final : public UiControl {
public:
    Win32Node(Win32Toolkit& kit, int row);

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
    void SetHint(std::u16string_view hint) override { hint_ = hint; }
    [[nodiscard]] bool GetBold() const override { return bold_; }
    void SetBold(bool bold) override;
    void Undo() override;
    [[nodiscard]] Rect GetGeometry() const override;

    // Built by the toolkit in layout order, so the parent's window exists.
    void Create(HWND host);
    // The window's scale has changed (Win32Toolkit::ChangeDpi): the place, the font and
    // an edit's margins follow it. Not for forms, which the toolkit sizes itself.
    void Rescale();
    // The dots per inch of the top-level window the row lies in, and a length of the
    // layout (at 96) in that window's device pixels and back.
    [[nodiscard]] int Dpi() const { return kit_->WindowDpi(windowRow_); }
    [[nodiscard]] int Scale(int v) const { return MulDiv(v, Dpi(), 96); }
    [[nodiscard]] int Unscale(int v) const { return MulDiv(v, 96, Dpi()); }
    [[nodiscard]] HWND Hwnd() const { return hwnd_; }
    [[nodiscard]] HWND Host() const { return host_; }
    [[nodiscard]] int Row() const { return row_; }
    [[nodiscard]] Win32Toolkit& Kit() const { return *kit_; }
    // The place in the host's client area, in device pixels.
    [[nodiscard]] RECT DeviceRect() const { return device_; }
    [[nodiscard]] HFONT Font() const;
    [[nodiscard]] bool Pressed() const { return pressed_; }
    void SetPressed(bool pressed);
    [[nodiscard]] bool Hovered() const { return hovered_; }
    void SetHovered(bool hovered);
    void SetChecked(bool checked);
    void Invalidate() const;

    // The system's own procedure of the window's class, which ChildProc hands every
    // message on to that it does not take itself. Re-entrant as any window procedure.
    LRESULT CallSystem(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) const { return CallWindowProcW(systemProc_, hwnd, msg, wp, lp); }

    // Edits: what the subclassed EDIT reports.
    void OnEditChanged();
    void EndRun() { undo_.EndRun(); }
    [[nodiscard]] bool CanUndo() const { return undo_.CanUndo(); }
    // True while the EDIT works on a user action that may change its text.
    bool userEditing = false;
    // The first half of a surrogate pair typed by its key, until the second arrives.
    char16_t pendingHigh = 0;

private:
    [[nodiscard]] std::u16string WindowText() const;
    // The row's font at the window's scale, and an edit's inner margins with it.
    void ApplyFont(bool redraw) const;

    Win32Toolkit* kit_;
    const ControlSpec* spec_;
    int row_;
    int windowRow_;  // the form the row lies in
    HWND hwnd_ = nullptr;
    HWND host_ = nullptr;
    WNDPROC systemProc_ = nullptr;  // the class's procedure, replaced by ChildProc
    RECT device_{};
    std::u16string text_;  // captions of windowless rows, kept as written
    std::u16string hint_;
    std::u16string lastText_;
    Color color_;
    bool visible_;
    bool enabled_;
    bool checked_;
    bool bold_;
    bool pressed_ = false;
    bool hovered_ = false;
    EditUndo undo_;
};

class Win32Window final : public UiWindow {
public:
    Win32Window(Win32Toolkit& kit, int row) : kit_(&kit), row_(row) {}
    [[nodiscard]] int GetLeft() const override;
    [[nodiscard]] int GetTop() const override;
    void SetLeft(int left) override;
    void SetTop(int top) override;
    [[nodiscard]] bool IsVisible() const override;
    void Show() override;
    void Close() override;
    [[nodiscard]] bool GetShowHint() const override { return showHint_; }
    void SetShowHint(bool show) override { showHint_ = show; }
    [[nodiscard]] Color GetColor() const override { return InitialColor(Layout()[static_cast<std::size_t>(row_)]); }
    // The window has moved to a screen of another scale: where it was asked to be is
    // no longer where it is.
    void ForgetPlacement() { placement_.reset(); }

private:
    [[nodiscard]] HWND Hwnd() const;
    [[nodiscard]] POINT Corner() const;
    void MoveTo(int left, int top);

    Win32Toolkit* kit_;
    int row_;
    bool showHint_ = false;
    // The corner in layout pixels that the program asked for last, and the device
    // corner the window system gave it. On a screen above 96 dpi the scaled corner of
    // a far move lies beyond the coordinates the window system takes and is clamped
    // there; while the window stays where it was put, it reports the corner it was
    // asked for, as the other toolkits do. Once it is moved otherwise (by the user),
    // the device corner counts again.
    struct Placement {
        POINT asked;
        POINT given;
    };
    std::optional<Placement> placement_;
};

class Win32Timer final : public UiTimer {
public:
    Win32Timer(Win32Toolkit& kit, bool manual) : kit_(&kit), manual_(manual) {}
    void SetEnabled(bool enabled) override;
    [[nodiscard]] bool GetEnabled() const override { return enabled_; }

private:
    Win32Toolkit* kit_;
    bool manual_;
    bool enabled_ = false;
};

// The paint box's picture: a bitmap of its own that the operations draw into at any
// time, shown by the window that holds the box. Within a picture the box is shown once,
// at its end; an operation outside any picture shows at once.
class Win32Canvas final : public UiCanvas {
public:
    Win32Canvas(Win32Toolkit& kit, int row);
    ~Win32Canvas() override;
    Win32Canvas(const Win32Canvas&) = delete;
    Win32Canvas& operator=(const Win32Canvas&) = delete;

    [[nodiscard]] int Width() const override { return width_; }
    [[nodiscard]] int Height() const override { return height_; }
    void SetPenWidth(int width) override { penWidth_ = width; }
    void SetPenColor(Color color) override { penColor_ = color; }
    void SetPenStyle(PenStyle style) override { penStyle_ = style; }
    void SetBrushColor(Color color) override { brushColor_ = color; }
    void SetFontColor(Color color) override { fontColor_ = color; }
    void SetFontSize(int points) override { fontPoints_ = points; }
    void FillRect(const Rect& r) override;
    void FrameRect(const Rect& r) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Polygon(std::span<const Point> points) override;
    void TextOut(int x, int y, std::u16string_view text) override;
    void BeginPicture() override { ++depth_; }
    void EndPicture() override;

    // Copies the picture into `dc` at (x, y), device pixels.
    void Blit(HDC dc, int x, int y) const;
    // The window's scale has changed: a new, empty picture at the new size, for the
    // box's Paint to fill.
    void Rescale();

private:
    void MakeSurface();
    void FreeSurface();
    void Done();
    HPEN MakePen() const;

    Win32Toolkit* kit_;
    int row_;
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    int depth_ = 0;
    int penWidth_ = 1;
    Color penColor_ = clBlack;
    PenStyle penStyle_ = PenStyle::Solid;
    Color brushColor_ = clWhite;
    Color fontColor_ = clBlack;
    int fontPoints_ = 8;
};

class Win32Messages final : public UiMessages {
public:
    explicit Win32Messages(Win32Toolkit& kit) : kit_(&kit) {}
    void ShowError(std::u16string_view title, std::u16string_view text) override;
    // The icon of the box being shown, as the toolkit asked for it: Wine's box has no
    // icon control to read it from.
    [[nodiscard]] const char* AskedIcon() const { return asked_; }

private:
    Win32Toolkit* kit_;
    const char* asked_ = "none";
};

class Win32Platform final : public UiPlatform {
public:
    explicit Win32Platform(Win32Toolkit& kit) : kit_(&kit) {}
    void SwitchWarningBeepOff() override;
    [[nodiscard]] std::optional<std::u16string> ClipboardText() override;
    void SetClipboardText(std::u16string_view text) override;

private:
    // The clipboard belongs to a window of the program while it is open.
    [[nodiscard]] HWND Owner() const;

    Win32Toolkit* kit_;
};

// The window procedures, one for every container and top-level window, one subclass
// for each child window, and the edit's additions to it.
LRESULT CALLBACK ContainerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT EditMessage(Win32Node& node, Win32Toolkit& kit, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool& handled);

// Drawing of what a container shows itself: its background and frame, and its
// windowless rows; the owner-drawn constant buttons; the glyphs.
void PaintContainer(Win32Toolkit& kit, int row, HDC dc, const RECT& client);
void DrawBitButton(Win32Toolkit& kit, const DRAWITEMSTRUCT& item);
void DrawGlyph(HDC dc, const RECT& face, Glyph glyph, COLORREF ink, int dpi);

// The windowless row of the host window `host` at client point (x, y), the host's own
// row where no windowless row lies there, or -1.
int HitTest(Win32Toolkit& kit, HWND host, int x, int y);

// The row a window was built for, or -1.
int RowOfWindow(HWND hwnd);
Win32Toolkit* KitOfWindow(HWND hwnd);

}  // namespace quorvel::ui::win32
