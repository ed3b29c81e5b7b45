#pragma once

// The two windows and every control on them, as data. Both toolkits build their
// controls from this one table, so a place, caption or binding is written once.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "ui/colors.h"

namespace quorvel::ui {

enum class ControlKind : std::uint8_t {
    Form,
    Panel,
    GroupBox,
    Label,
    Shape,
    Edit,
    Button,
    SpeedButton,
    BitBtn,
    CheckBox,
    RadioButton,
    StaticText,
    PaintBox,
    Timer,
};

enum class EventKind : std::uint8_t { None, Click, Change, KeyPress, MouseEnter, Paint, Show, Timer };

// The character a KeyPress carries for the Enter key.
inline constexpr char16_t kEnterKey = 13;

// The names of the two windows' rows.
inline constexpr std::string_view kMainWindow = "Form1";
inline constexpr std::string_view kConstantsWindow = "Form2";
// The entry of the main window's menu (the system menu on Windows) that keeps it above
// other windows while checked. Not saved: the program writes no settings.
inline constexpr std::u16string_view kStayOnTopEntry = u"Immer im Vordergrund";

// The period of Timer1, which the table has no column for.
inline constexpr int kTimerPeriodMs = 1000;

enum class Align : std::uint8_t { Left, Center, Right };

enum class Bevel : std::uint8_t { None, Raised, Single };

enum class Cursor : std::uint8_t { Default, Hand, IBeam, Arrow };

// Symbols drawn on speed buttons and on the constant buttons of the second window.
enum class Glyph : std::uint8_t {
    None,
    Reciprocal,   // 1/x
    Square,       // x²
    AbsSquare,    // |x|²
    SquareRoot,   // ²√x
    Conjugate,    // x with overbar
    PowerOfTen,   // 10ˣ
    Logarithm,    // log x
    Plus,
    Minus,
    Dot,          // multiplication dot
    Divide,       // ÷
    Pi,
    EulerItalic,  // e in italics (Euler's number)
    Epsilon0,     // ε₀
    Mu0,          // µ₀
    Charge,       // e upright (elementary charge)
    LightSpeed,   // c
};

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct FontSpec {
    std::u16string_view family;
    int pixelSize = 13;
    bool bold = false;
    bool italic = false;
};

// Flags of a row; a row without a flag has the ordinary state of its kind.
enum Flag : std::uint16_t {
    kHidden = 1U << 0,         // starts hidden
    kDisabled = 1U << 1,       // starts disabled (greyed, ignores clicks)
    kChecked = 1U << 2,        // check box or radio button starts checked
    kReadOnly = 1U << 3,       // edit the user cannot type into
    kFlat = 1U << 4,           // speed button whose border shows only under the pointer
    kHintsAlwaysOn = 1U << 5,  // container that shows tool tips whatever the window says
    kFixedSize = 1U << 6,      // window: single border, no maximise
    kTransparent = 1U << 7,    // container: the parent's background shows through
    kBorder = 1U << 8,         // static text with a single-line border
};

struct Binding {
    EventKind event = EventKind::None;
    std::string_view handler;  // name of the handler method, e.g. "SB_AdditionClick"
};

// Invariants:
// - `name` is unique across both windows; `parent` names an earlier row (or is empty
//   for the two windows), so building the rows in order always finds the parent.
// - Rows of one parent appear in stacking order: a later sibling lies above an
//   earlier one where they overlap.
// - `tabIndex` is the position among the siblings in tab order, -1 for no tab stop.
// - `font` is always resolved (never "inherit"), so a toolkit needs no font rules.
struct ControlSpec {
    std::string_view name;
    ControlKind kind = ControlKind::Label;
    std::string_view parent;
    Rect place;
    std::u16string_view text;  // caption, or the initial text of an edit
    std::u16string_view hint;
    FontSpec font;
    Align align = Align::Left;
    Color color = kParentColor;  // background; pen/fill colour for shapes
    Bevel bevel = Bevel::None;
    Glyph glyph = Glyph::None;
    Cursor cursor = Cursor::Default;
    std::u16string_view placeholder;  // grey text an empty edit shows
    std::uint16_t flags = 0;
    int tabIndex = -1;
    std::array<Binding, 3> events{};

    [[nodiscard]] bool Has(Flag f) const { return (flags & f) != 0; }
    [[nodiscard]] std::string_view HandlerFor(EventKind e) const {
        for (const Binding& b : events) {
            if (b.event == e) return b.handler;
        }
        return {};
    }
};

// All rows: Form1 and its controls first, then Form2 and its controls.
std::span<const ControlSpec> Layout();

// The row of a control by name, or nullptr.
const ControlSpec* FindControl(std::string_view name);

// Index of a row in Layout(), or -1.
int IndexOf(std::string_view name);

// Name of the window a row belongs to (kMainWindow or kConstantsWindow).
std::string_view WindowOf(const ControlSpec& row);

// Whether a row is the main window's own row, whose closing ends the program.
[[nodiscard]] inline bool IsMainWindow(const ControlSpec& row) { return row.name == kMainWindow; }

}  // namespace quorvel::ui

namespace quorvel::ui {

// The background a row starts with: its own colour, or that of the nearest ancestor
// that has one.
Color InitialColor(const ControlSpec& row);

// True when tool tips of this row show whatever the window's setting is: the row or
// one of its ancestors is a container with kHintsAlwaysOn.
bool HintsAlwaysOn(const ControlSpec& row);

}  // namespace quorvel::ui
