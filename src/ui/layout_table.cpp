#include "ui/layout.h"

namespace quorvel::ui {
namespace {

using enum EventKind;

constexpr FontSpec kArial16Bold{u"Arial", 16, true};
constexpr FontSpec kArial16{u"Arial", 16};
constexpr FontSpec kArial15{u"Arial", 15};
constexpr FontSpec kArial13Bold{u"Arial", 13, true};
constexpr FontSpec kArial13{u"Arial", 13};
constexpr FontSpec kArial12{u"Arial", 12};
constexpr FontSpec kArial11{u"Arial", 11};
constexpr FontSpec kTahoma16{u"Tahoma", 16};
constexpr FontSpec kTahoma15{u"Tahoma", 15};
constexpr FontSpec kTahoma13{u"Tahoma", 13};
constexpr FontSpec kTahoma12{u"Tahoma", 12};
constexpr FontSpec kTahoma11{u"Tahoma", 11};

// A row under construction. The kind helpers below fill in what every control of
// that kind has in common, so a row only states where it departs from its kind.
struct Row : ControlSpec {
    constexpr Row Hint(std::u16string_view h) const { Row r = *this; r.hint = h; return r; }
    constexpr Row Font(FontSpec f) const { Row r = *this; r.font = f; return r; }
    constexpr Row Right() const { Row r = *this; r.align = Align::Right; return r; }
    constexpr Row Centred() const { Row r = *this; r.align = Align::Center; return r; }
    constexpr Row Background(Color c) const { Row r = *this; r.color = c; return r; }
    constexpr Row Raised() const { Row r = *this; r.bevel = Bevel::Raised; return r; }
    constexpr Row Pointer(Cursor c) const { Row r = *this; r.cursor = c; return r; }
    constexpr Row Placeholder(std::u16string_view p) const {
        Row r = *this;
        r.placeholder = p;
        return r;
    }
    constexpr Row Set(std::uint16_t f) const { Row r = *this; r.flags |= f; return r; }
    constexpr Row Tab(int index) const { Row r = *this; r.tabIndex = index; return r; }
    constexpr Row On(EventKind e, std::string_view handler) const {
        Row r = *this;
        for (Binding& b : r.events) {
            if (b.event == EventKind::None) {
                b = {e, handler};
                return r;
            }
        }
        // Only reached during constant evaluation, where it stops the build.
        throw "a row binds more events than it has slots";
    }
};

// Every control of the main window uses the window font unless its row says
// otherwise; the rows of the constants window all name their font.
constexpr Row Make(ControlKind kind, std::string_view name, std::string_view parent, Rect place,
                   std::u16string_view text = {}) {
    Row r{};
    r.name = name;
    r.kind = kind;
    r.parent = parent;
    r.place = place;
    r.text = text;
    r.font = kArial13;
    return r;
}

constexpr Row Window(std::string_view name, Rect client, std::u16string_view caption,
                     FontSpec font, Color background) {
    return Make(ControlKind::Form, name, {}, client, caption).Font(font).Background(background);
}

constexpr Row Panel(std::string_view name, std::string_view parent, Rect place) {
    return Make(ControlKind::Panel, name, parent, place);
}

constexpr Row Group(std::string_view name, std::string_view parent, Rect place,
                    std::u16string_view caption) {
    return Make(ControlKind::GroupBox, name, parent, place, caption);
}

constexpr Row Label(std::string_view name, std::string_view parent, Rect place,
                    std::u16string_view caption) {
    return Make(ControlKind::Label, name, parent, place, caption);
}

constexpr Row Shape(std::string_view name, std::string_view parent, Rect place, Color color) {
    return Make(ControlKind::Shape, name, parent, place).Background(color);
}

// Separators are one-pixel black rectangles.
constexpr Row Line(std::string_view name, std::string_view parent, Rect place) {
    return Shape(name, parent, place, clBlack);
}

// Edits are flat: a single line instead of a sunken 3-D border, hence Bevel::Single.
constexpr Row Edit(std::string_view name, std::string_view parent, Rect place,
                   std::u16string_view text) {
    Row r = Make(ControlKind::Edit, name, parent, place, text).Background(clWindow);
    r.bevel = Bevel::Single;
    return r;
}

constexpr Row Button(std::string_view name, std::string_view parent, Rect place,
                     std::u16string_view caption) {
    return Make(ControlKind::Button, name, parent, place, caption).Pointer(Cursor::Hand);
}

// A glyph button is flat and has no caption; its symbol is the whole face.
constexpr Row Speed(std::string_view name, std::string_view parent, Rect place, Glyph glyph) {
    Row r = Make(ControlKind::SpeedButton, name, parent, place).Pointer(Cursor::Hand).Set(kFlat);
    r.glyph = glyph;
    return r;
}

constexpr Row SpeedCaption(std::string_view name, std::string_view parent, Rect place,
                           std::u16string_view caption) {
    return Make(ControlKind::SpeedButton, name, parent, place, caption).Pointer(Cursor::Hand);
}

constexpr Row Check(std::string_view name, std::string_view parent, Rect place,
                    std::u16string_view caption) {
    return Make(ControlKind::CheckBox, name, parent, place, caption);
}

constexpr Row Radio(std::string_view name, std::string_view parent, Rect place,
                    std::u16string_view caption) {
    return Make(ControlKind::RadioButton, name, parent, place, caption);
}

// The twelve constant buttons share their width, font and glyph-left-of-caption look.
constexpr Row Constant(std::string_view name, std::string_view parent, Rect place, Glyph glyph,
                       std::u16string_view caption) {
    Row r = Make(ControlKind::BitBtn, name, parent, place, caption).Font(kTahoma13);
    r.glyph = glyph;
    return r;
}

// Rows are grouped by parent, each group in its parent's stacking order: a later row
// lies above an earlier sibling where they overlap. A container's row sits in its
// parent's group, ahead of the group of its own children.
constexpr auto kRows = std::to_array<ControlSpec>({
    Window("Form1", {0, 0, 961, 417},
           u"Quorvel V2.0.0"
           u"                "  // 16 blanks
           u"(31.08.2024)",
           kArial13, clSilver)
        .Set(kFixedSize)
        .On(Show, "FormShow"),

    // The containers and the loose controls of the window do not overlap, so listing
    // the containers first changes nothing on screen.
    Panel("Panel1", "Form1", {8, 8, 470, 177}).Background(clBtnFace).Raised().Tab(0),
    Panel("Panel2", "Form1", {484, 8, 470, 177}).Background(clBtnFace).Raised().Tab(1),
    Panel("Panel3", "Form1", {8, 191, 470, 222}).Background(clBtnFace).Raised().Tab(2),
    Panel("Panel4", "Form1", {484, 191, 180, 222}).Background(clBtnFace).Raised().Tab(5),
    Make(ControlKind::PaintBox, "PB_Gauss", "Form1", {684, 193, 190, 190})
        .On(Paint, "PB_GaussPaint"),
    Group("GroupBox3", "Form1", {885, 193, 68, 91}, u"").Background(Rgb(239, 239, 239)).Tab(4),
    Panel("P_Legende", "Form1", {885, 290, 68, 66}).Raised().Set(kTransparent).Tab(6),
    Button("B_Fertig", "Form1", {880, 385, 75, 27}, u"Fertig")
        .Hint(u"Programm schließen")
        .Font(kArial16)
        .Pointer(Cursor::Default)
        .Tab(3)
        .On(Click, "B_FertigClick"),
    Check("CB_Zeigerdiagramm", "Form1", {696, 384, 170, 17}, u"Zeigerdiagramm anzeigen")
        .Font(kTahoma12)
        .Set(kChecked)
        .Tab(7)
        .On(Click, "CB_ZeigerdiagrammClick"),
    Check("CB_Hilfe", "Form1", {696, 400, 135, 17}, u"Hilfetexte anzeigen")
        .Font(kTahoma12)
        .Tab(8)
        .On(Click, "CB_HilfeClick"),
    // "Not running" is kDisabled because enabling the timer is what starts it. The
    // period (1000 ms) has no column; whoever creates the timer supplies it.
    Make(ControlKind::Timer, "Timer1", "Form1", {})
        .Set(kDisabled)
        .On(EventKind::Timer, "Timer1Timer"),

    Label("Label8", "Panel1", {14, 8, 18, 19}, u"Z1").Font(kArial16Bold),
    Label("Label2", "Panel1", {25, 42, 5, 18}, u"r").Font(kTahoma15),
    Label("Label6", "Panel1", {157, 7, 5, 19}, u"j").Font(kTahoma16),
    Line("Shape1", "Panel1", {12, 34, 310, 1}),
    Label("Label16", "Panel1", {155, 42, 9, 16}, u"φ").Font(kTahoma13),
    Speed("SB_Z1_SQR", "Panel1", {340, 32, 26, 22}, Glyph::Square)
        .Hint(u"Quadrat von Z1")
        .On(Click, "SB_Z1_SQRClick"),
    Speed("SB_Z1_konj", "Panel1", {370, 6, 26, 22}, Glyph::Conjugate)
        .Hint(u"komplexe Konjugation von Z1")
        .On(Click, "SB_Z1_konjClick"),
    Speed("SB_Z1_SQRT", "Panel1", {370, 58, 26, 22}, Glyph::SquareRoot)
        .Hint(u"Quadratwurzel von Z1")
        .On(Click, "SB_Z1_SQRTClick"),
    Speed("SB_Z1_Reziproke", "Panel1", {340, 6, 26, 22}, Glyph::Reciprocal)
        .Hint(u"Reziprokewert von Z1")
        .On(Click, "SB_Z1_ReziprokeClick"),
    Speed("SB_Z1_BSQR", "Panel1", {370, 32, 26, 22}, Glyph::AbsSquare)
        .Hint(u"Betragsquadrat von Z1")
        .On(Click, "SB_Z1_BSQRClick"),
    Speed("SB_Z1_Power", "Panel1", {340, 58, 26, 22}, Glyph::PowerOfTen)
        .Hint(u"Potenz von Z1")
        .On(Click, "SB_Z1_PowerClick"),
    Speed("SB_Z1_LOG", "Panel1", {400, 58, 26, 22}, Glyph::Logarithm)
        .Hint(u"Logarithmus von Z1")
        .On(Click, "SB_Z1_LOGClick"),
    Edit("Z1_E_ABS", "Panel1", {37, 40, 115, 22}, u"0")
        .Hint(u"Eingabe des Radius von Z1 (Betrag von Z1)")
        .Right()
        .Tab(2)
        .On(KeyPress, "Z1_E_ABSKeyPress"),
    Edit("Z1_E_Real", "Panel1", {37, 8, 115, 22}, u"0")
        .Hint(u"Eingabe des Real Teils von Z1")
        .Right()
        .Tab(0)
        .On(Change, "Z1_E_RealChange")
        .On(KeyPress, "Z1_E_RealKeyPress"),
    Check("Z1_CB_X", "Panel1", {200, 90, 215, 17}, u"Blindwiderstand L -> j oder C -> -j")
        .Hint(u"Berechnung des Blindwiderstandes von L oder C")
        .Tab(5)
        .On(Click, "Z1_CB_XClick"),
    // A click on the panel itself does nothing, so it binds no event.
    Panel("Z1_P_Blindwiderstand", "Panel1", {200, 110, 260, 58})
        .Background(clWindow)
        .Raised()
        .Pointer(Cursor::IBeam)
        .Set(kHidden)
        .Tab(6),
    Edit("Z1_E_Imaginaer", "Panel1", {165, 8, 115, 22}, u"0")
        .Hint(u"Eingabe des Imaginär Teils von Z1")
        .Tab(1)
        .On(Change, "Z1_E_ImaginaerChange")
        .On(Click, "Z1_E_ImaginaerClick")
        .On(KeyPress, "Z1_E_ImaginaerKeyPress"),
    // Both angle edits start visible; the radian edit comes later so that it covers
    // this one until a radio button hides one of them.
    Edit("Z1_E_Phi_Deg", "Panel1", {165, 40, 115, 22}, u"")
        .Hint(u"Eingabe des Arguments von Z1 deg (Grad)")
        .Tab(7)
        .On(KeyPress, "Z1_E_Phi_DegKeyPress"),
    Group("GroupBox4", "Panel1", {7, 83, 178, 85}, u" Memory Z1 ")
        .Background(clMenu)
        .Set(kHintsAlwaysOn)
        .Tab(8),
    // Of a radio pair only the checked button is a tab stop.
    Radio("Z1_RB_Phi_Deg", "Panel1", {282, 38, 40, 12}, u"DEG")
        .Font(kArial11)
        .On(Click, "Z1_RB_Phi_DegClick"),
    Radio("Z1_RB_Phi_Rad", "Panel1", {282, 53, 40, 12}, u"RAD")
        .Font(kArial11)
        .Set(kChecked)
        .Tab(4)
        .On(Click, "Z1_RB_Phi_RadClick"),
    Edit("Z1_E_Phi_Rad", "Panel1", {165, 40, 115, 22}, u"0")
        .Hint(u"Eingabe des Arguments von Z1 rad (Bogenmaß)")
        .Tab(3)
        .On(KeyPress, "Z1_E_Phi_RadKeyPress"),

    Label("Label10", "Z1_P_Blindwiderstand", {6, 31, 30, 16}, u"Freq."),
    Label("Label12", "Z1_P_Blindwiderstand", {6, 7, 28, 16}, u"L / C"),
    Label("Label23", "Z1_P_Blindwiderstand", {145, 31, 16, 16}, u"Hz"),
    Edit("Z1_E_XL_XC", "Z1_P_Blindwiderstand", {37, 4, 105, 23}, u"")
        .Hint(u"Eingabe des Wertes der Induktivität oder der Kapazität")
        .Font(kArial12)
        .Centred()
        .Tab(0),
    Button("Z1_XL", "Z1_P_Blindwiderstand", {150, 5, 50, 20}, u"XL -> j")
        .Hint(u"Induktivität in ihren Blindwiderstand umrechnen")
        .Font(kArial12)
        .Tab(1)
        .On(Click, "Z1_XLClick"),
    Button("Z1_XC", "Z1_P_Blindwiderstand", {202, 5, 50, 20}, u"XC -> -j")
        .Hint(u"Kapazität in ihren Blindwiderstand umrechnen")
        .Font(kArial12)
        .Tab(2)
        .On(Click, "Z1_XCClick"),
    Edit("Z1_E_F", "Z1_P_Blindwiderstand", {37, 30, 105, 23}, u"100M")
        .Hint(u"Eingabe der Frequenz für die Berechnung des Blindwiderstandes")
        .Font(kArial12)
        .Centred()
        .Tab(3),
    Button("Z1_B_CLR", "Z1_P_Blindwiderstand", {202, 31, 50, 20}, u"CLR")
        .Hint(u"Eingaben Blindwiderstands Rechner von Z1 löschen")
        .Font(kArial12)
        .Tab(4)
        .On(Click, "Z1_B_CLRClick"),

    // Memory buttons carry no hint: it is written when the pointer enters them.
    Line("Shape6", "GroupBox4", {16, 50, 145, 1}),
    Button("B_Z1_M1", "GroupBox4", {7, 20, 50, 20}, u"-> M1").Font(kTahoma11).Tab(0)
        .On(Click, "B_Z1_M1Click").On(MouseEnter, "B_Z1_M1MouseEnter"),
    Button("B_Z1_M2", "GroupBox4", {63, 20, 50, 20}, u"-> M2").Font(kTahoma11).Tab(1)
        .On(Click, "B_Z1_M2Click").On(MouseEnter, "B_Z1_M2MouseEnter"),
    Button("B_Z1_M3", "GroupBox4", {119, 20, 50, 20}, u"-> M3").Font(kTahoma11).Tab(2)
        .On(Click, "B_Z1_M3Click").On(MouseEnter, "B_Z1_M3MouseEnter"),
    Button("B_M3_Z1", "GroupBox4", {119, 60, 50, 20}, u"M3 ->").Font(kTahoma11).Tab(3)
        .On(Click, "B_M3_Z1Click").On(MouseEnter, "B_M3_Z1MouseEnter"),
    Button("B_M2_Z1", "GroupBox4", {63, 60, 50, 20}, u"M2 ->").Font(kTahoma11).Tab(4)
        .On(Click, "B_M2_Z1Click").On(MouseEnter, "B_M2_Z1MouseEnter"),
    Button("B_M1_Z1", "GroupBox4", {7, 60, 50, 20}, u"M1 ->").Font(kTahoma11).Tab(5)
        .On(Click, "B_M1_Z1Click").On(MouseEnter, "B_M1_Z1MouseEnter"),

    Label("Label9", "Panel2", {14, 8, 18, 19}, u"Z2").Font(kArial16Bold),
    Label("Label5", "Panel2", {25, 42, 5, 17}, u"r").Font(kArial15),
    Label("Label7", "Panel2", {157, 7, 3, 18}, u"j").Font(kArial16),
    Label("Label14", "Panel2", {155, 42, 8, 16}, u"φ"),
    Line("Shape2", "Panel2", {12, 34, 310, 1}),
    Speed("SB_Z2_SQR", "Panel2", {340, 32, 26, 22}, Glyph::Square)
        .Hint(u"Quadrat von Z2")
        .On(Click, "SB_Z2_SQRClick"),
    Speed("SB_Z2_SQRT", "Panel2", {370, 58, 26, 22}, Glyph::SquareRoot)
        .Hint(u"Quadratwurzel von Z2")
        .On(Click, "SB_Z2_SQRTClick"),
    Speed("SB_Z2_konjugiert", "Panel2", {370, 6, 26, 22}, Glyph::Conjugate)
        .Hint(u"komplexe Konjugation von Z2")
        .On(Click, "SB_Z2_konjugiertClick"),
    Speed("SB_Z2_Reziproke", "Panel2", {340, 6, 26, 22}, Glyph::Reciprocal)
        .Hint(u"Reziprokewert von Z2")
        .On(Click, "SB_Z2_ReziprokeClick"),
    Speed("SB_Z2_BSQR", "Panel2", {370, 32, 26, 22}, Glyph::AbsSquare)
        .Hint(u"Betragsquadrat von Z2")
        .On(Click, "SB_Z2_BSQRClick"),
    Speed("SB_Z2_Power", "Panel2", {340, 58, 26, 22}, Glyph::PowerOfTen)
        .Hint(u" Potenz von Z2")
        .On(Click, "SB_Z2_PowerClick"),
    Speed("SB_Z2_LOG", "Panel2", {402, 60, 26, 22}, Glyph::Logarithm)
        .Hint(u"Logarithmus von Z2")
        .On(Click, "SB_Z2_LOGClick"),
    Edit("Z2_E_Phi_Deg", "Panel2", {165, 40, 115, 22}, u"")
        .Hint(u"Eingabe des Arguments von Z2 deg (Grad)")
        .Tab(8)
        .On(KeyPress, "Z2_E_Phi_DegKeyPress"),
    Edit("Z2_E_ABS", "Panel2", {37, 40, 115, 22}, u"0")
        .Hint(u"Eingabe des Radius von Z2 (Betrag von Z2)")
        .Right()
        .Tab(2)
        .On(KeyPress, "Z2_E_ABSKeyPress"),
    Edit("Z2_E_Real", "Panel2", {37, 8, 115, 22}, u"0")
        .Hint(u"Eingabe des Real Teils von Z2 ")
        .Right()
        .Tab(0)
        .On(Change, "Z2_E_RealChange")
        .On(KeyPress, "Z2_E_RealKeyPress"),
    Edit("Z2_E_Imaginaer", "Panel2", {165, 8, 115, 22}, u"0")
        .Hint(u"Eingabe des Imaginär Teils von Z2")
        .Tab(1)
        .On(Change, "Z2_E_ImaginaerChange")
        .On(Click, "Z2_E_ImaginaerClick")
        .On(KeyPress, "Z2_E_ImaginaerKeyPress"),
    Check("Z2_CB_X", "Panel2", {200, 90, 215, 17}, u"Blindwiderstand L -> j oder C -> -j")
        .Hint(u"Berechnung des Blindwiderstandes von L oder C")
        .Tab(5)
        .On(Click, "Z2_CB_XClick"),
    Panel("Z2_P_Blindwiderstand", "Panel2", {200, 110, 260, 58})
        .Background(clWindow)
        .Raised()
        .Pointer(Cursor::Arrow)
        .Set(kHidden)
        .Tab(6),
    Edit("Z2_E_Phi_Rad", "Panel2", {165, 40, 115, 22}, u"0")
        .Hint(u"Eingabe des Arguments von Z2 rad (Bogenmaß)")
        .Tab(3)
        .On(KeyPress, "Z2_E_Phi_RadKeyPress"),
    // Unlike Panel1, the memory group comes before the degree edit in tab order.
    Group("GroupBox5", "Panel2", {7, 83, 178, 85}, u" Memory Z2 ")
        .Background(clMenu)
        .Set(kHintsAlwaysOn)
        .Tab(7),
    Radio("Z2_RB_Phi_Rad", "Panel2", {282, 53, 40, 12}, u"RAD")
        .Font(kArial11)
        .Set(kChecked)
        .Tab(4)
        .On(Click, "Z2_RB_Phi_RadClick"),
    Radio("Z2_RB_Phi_Deg", "Panel2", {282, 38, 40, 12}, u"DEG")
        .Font(kArial11)
        .On(Click, "Z2_RB_Phi_DegClick"),

    Label("Label11", "Z2_P_Blindwiderstand", {6, 31, 30, 16}, u"Freq."),
    Label("Label13", "Z2_P_Blindwiderstand", {6, 7, 28, 16}, u"L / C"),
    Label("Label24", "Z2_P_Blindwiderstand", {145, 31, 16, 16}, u"Hz"),
    Edit("Z2_E_XL_XC", "Z2_P_Blindwiderstand", {37, 4, 105, 23}, u"")
        .Hint(u"Eingabe des Wertes der Induktivität oder der Kapazität")
        .Font(kArial12)
        .Centred()
        .Tab(0),
    Button("Z2_XL", "Z2_P_Blindwiderstand", {150, 2, 50, 20}, u"XL -> j")
        .Hint(u"Induktivität in ihren Blindwiderstand umrechnen")
        .Font(kArial12)
        .Tab(1)
        .On(Click, "Z2_XLClick"),
    // The caption really reads "->- j", unlike its twin on the Z1 panel.
    Button("Z2_XC", "Z2_P_Blindwiderstand", {202, 2, 50, 20}, u"XC ->- j")
        .Hint(u"Kapazität in ihren Blindwiderstand umrechnen")
        .Font(kArial12)
        .Tab(2)
        .On(Click, "Z2_XCClick"),
    Edit("Z2_E_F", "Z2_P_Blindwiderstand", {37, 30, 105, 23}, u"100M")
        .Hint(u"Eingabe der Frequenz für die Berechnung des Blindwiderstandes")
        .Font(kArial12)
        .Centred()
        .Tab(3),
    Button("Z2_B_CLR", "Z2_P_Blindwiderstand", {202, 28, 50, 20}, u"CLR")
        .Hint(u"Eingaben Blindwiderstands Rechner von Z2 löschen")
        .Font(kArial12)
        .Tab(4)
        .On(Click, "Z2_B_CLRClick"),

    Line("Shape5", "GroupBox5", {16, 50, 145, 1}),
    Button("B_M3_Z2", "GroupBox5", {119, 60, 50, 20}, u"M3 ->").Font(kArial11).Tab(0)
        .On(Click, "B_M3_Z2Click").On(MouseEnter, "B_M3_Z2MouseEnter"),
    Button("B_M2_Z2", "GroupBox5", {63, 60, 50, 20}, u"M2 ->").Font(kArial11).Tab(1)
        .On(Click, "B_M2_Z2Click").On(MouseEnter, "B_M2_Z2MouseEnter"),
    Button("B_M1_Z2", "GroupBox5", {7, 60, 50, 20}, u"M1 ->").Font(kArial11).Tab(2)
        .On(Click, "B_M1_Z2Click").On(MouseEnter, "B_M1_Z2MouseEnter"),
    Button("B_Z2_M1", "GroupBox5", {7, 20, 50, 20}, u"-> M1").Font(kArial11).Tab(3)
        .On(Click, "B_Z2_M1Click").On(MouseEnter, "B_Z2_M1MouseEnter"),
    Button("B_Z2_M2", "GroupBox5", {63, 20, 50, 20}, u"-> M2").Font(kArial11).Tab(4)
        .On(Click, "B_Z2_M2Click").On(MouseEnter, "B_Z2_M2MouseEnter"),
    Button("B_Z2_M3", "GroupBox5", {119, 20, 50, 20}, u"-> M3").Font(kArial11).Tab(5)
        .On(Click, "B_Z2_M3Click").On(MouseEnter, "B_Z2_M3MouseEnter"),

    Label("Label4", "Panel3", {62, 32, 18, 19}, u"Z3").Font(kArial16Bold),
    Label("Label3", "Panel3", {73, 70, 5, 17}, u"r").Font(kArial15),
    Label("Label1", "Panel3", {205, 34, 3, 18}, u"j").Font(kArial16),
    Label("Label15", "Panel3", {203, 70, 8, 16}, u"φ"),
    Line("Shape3", "Panel3", {60, 60, 310, 1}),
    Speed("SB_Z3_Reziproke", "Panel3", {375, 8, 26, 22}, Glyph::Reciprocal)
        .Hint(u"Reziprokewert von Z3")
        .On(Click, "SB_Z3_ReziprokeClick"),
    Speed("SB_Z3_BSQR", "Panel3", {405, 34, 26, 22}, Glyph::AbsSquare)
        .Hint(u"Betragsquadrat von Z3")
        .On(Click, "SB_Z3_BSQRClick"),
    Speed("SB_Z3_konjungiert", "Panel3", {405, 8, 26, 22}, Glyph::Conjugate)
        .Hint(u"komplexe Konjugation von Z3")
        .On(Click, "SB_Z3_konjungiertClick"),
    Speed("SB_Z3_SQRT", "Panel3", {405, 60, 26, 22}, Glyph::SquareRoot)
        .Hint(u"Quadratwurzel von Z3")
        .On(Click, "SB_Z3_SQRTClick"),
    Label("Z3_L_Rechnung", "Panel3", {168, 8, 74, 16}, u"Z3 = Z1 + Z2")
        .Font(kArial13Bold)
        .Centred()
        .Set(kHidden),
    // The one function button of the window without a hint.
    Speed("SB_Z3_SQR", "Panel3", {375, 34, 26, 22}, Glyph::Square).On(Click, "SB_Z3_SQRClick"),
    Speed("SB_Z3_Power", "Panel3", {375, 60, 26, 22}, Glyph::PowerOfTen)
        .Hint(u"Potenz von Z3")
        .On(Click, "SB_Z3_PowerClick"),
    Speed("SB_Z3_LOG", "Panel3", {435, 60, 26, 22}, Glyph::Logarithm)
        .Hint(u"Logarithmus von Z3")
        .On(Click, "SB_Z3_LOGClick"),
    Edit("Z3_E_Phi_Deg", "Panel3", {213, 68, 115, 22}, u"")
        .Hint(u"Ausgabe des Arguments von Z3 deg (Grad)")
        .Set(kReadOnly)
        .Tab(8),
    Edit("Z3_E_ABS", "Panel3", {85, 68, 115, 22}, u"")
        .Hint(u"Ausgabe des Radius von Z3 (Betrag von Z3)")
        .Right()
        .Placeholder(u"0")
        .Set(kReadOnly)
        .Tab(2),
    Edit("Z3_E_Real", "Panel3", {85, 31, 115, 22}, u"")
        .Hint(u"Ausgabe des Real Teils von Z3 (Ergebnis der Berechnung)")
        .Right()
        .Set(kReadOnly)
        .Tab(0),
    Edit("Z3_E_Imaginaer", "Panel3", {213, 31, 115, 22}, u"")
        .Hint(u"Ausgabe des Imaginär Teils von Z3 (Ergebnis der Berechnung)")
        .Set(kReadOnly)
        .Tab(1),
    // Its hint shows over the free area of the group, whatever the window says.
    Group("GroupBox6", "Panel3", {9, 95, 224, 120}, u" Memory Z3 ")
        .Hint(u"Memory M6.3")
        .Background(clMenu)
        .Set(kHintsAlwaysOn)
        .Tab(6),
    Edit("Z3_E_Phi_Rad", "Panel3", {213, 68, 115, 22}, u"")
        .Hint(u"Ausgabe des Arguments von Z3 rad (Bogenmaß)")
        .Set(kReadOnly)
        .Tab(3),
    Check("Z3_CB_BE", "Panel3", {286, 102, 155, 17}, u"Bauteilwerte (L oder C)")
        .Hint(u"Bauteilwerte anzeigen")
        .Set(kDisabled)
        .Tab(5)
        .On(Click, "Z3_CB_BEClick"),
    Panel("Z3_P_BE", "Panel3", {285, 119, 172, 95})
        .Background(clWindow)
        .Raised()
        .Set(kHidden)
        .Tab(7),
    Radio("Z3_RB_Phi_Rad", "Panel3", {330, 81, 40, 12}, u"RAD")
        .Font(kArial11)
        .Set(kChecked)
        .Tab(4)
        .On(Click, "Z3_RB_Phi_RadClick"),
    Radio("Z3_RB_Phi_Deg", "Panel3", {330, 66, 40, 12}, u"DEG")
        .Font(kArial11)
        .On(Click, "Z3_RB_Phi_DegClick"),
    Panel("Panel5", "Panel3", {3, 31, 53, 58}).Background(clMenu).Tab(9),

    Label("Label17", "Z3_P_BE", {3, 63, 30, 16}, u"Freq."),
    Label("Label18", "Z3_P_BE", {20, 7, 7, 16}, u"L"),
    Label("Label19", "Z3_P_BE", {20, 34, 9, 16}, u"C"),
    Label("Z3_E_L_Einheit", "Z3_P_BE", {140, 8, 9, 16}, u"H"),
    Label("Z3_E_C_Einheit", "Z3_P_BE", {140, 34, 8, 16}, u"F"),
    Label("Z3_E_F_Einheit", "Z3_P_BE", {140, 64, 16, 16}, u"Hz"),
    // Enter in either read-only output takes over Z1's rectangular entry, because
    // both share the key handler of Z1's imaginary-part edit.
    Edit("Z3_E_L", "Z3_P_BE", {33, 5, 105, 23}, u"")
        .Hint(u"Ausgabe des Wertes der Induktivität")
        .Font(kArial12)
        .Centred()
        .Set(kReadOnly)
        .Tab(0)
        .On(KeyPress, "Z1_E_ImaginaerKeyPress"),
    Edit("Z3_E_F", "Z3_P_BE", {33, 60, 105, 23}, u"100M")
        .Hint(u"Eingabe der Frequenz für die Berechnung der Bauteilwerte")
        .Font(kArial12)
        .Centred()
        .Tab(1)
        .On(Change, "Z3_E_FChange")
        .On(KeyPress, "Z3_E_FKeyPress"),
    Edit("Z3_E_C", "Z3_P_BE", {33, 30, 105, 22}, u"")
        .Hint(u"Ausgabe des Wertes der Kapazität")
        .Font(kTahoma12)
        .Centred()
        .Set(kReadOnly)
        .Tab(2)
        .On(KeyPress, "Z1_E_ImaginaerKeyPress"),

    Line("Shape4", "GroupBox6", {16, 50, 185, 1}),
    Button("B_M6_Z1", "GroupBox6", {158, 62, 55, 20}, u"M6 -> Z1").Font(kArial11).Tab(0)
        .On(Click, "B_M6_Z1Click").On(MouseEnter, "B_M6_Z1MouseEnter"),
    Button("B_M5_Z1", "GroupBox6", {88, 62, 55, 20}, u"M5 -> Z1").Font(kArial11).Tab(1)
        .On(Click, "B_M5_Z1Click").On(MouseEnter, "B_M5_Z1MouseEnter"),
    Button("B_M4_Z1", "GroupBox6", {8, 62, 55, 20}, u"M4 -> Z1").Font(kArial11).Tab(2)
        .On(Click, "B_M4_Z1Click").On(MouseEnter, "B_M4_Z1MouseEnter"),
    Button("B_Z3_M4", "GroupBox6", {7, 20, 55, 20}, u"Z3 -> M4").Font(kArial11).Tab(3)
        .On(Click, "B_Z3_M4Click").On(MouseEnter, "B_Z3_M4MouseEnter"),
    Button("B_Z3_M5", "GroupBox6", {87, 20, 55, 20}, u"Z3 -> M5").Font(kArial11).Tab(4)
        .On(Click, "B_Z3_M5Click").On(MouseEnter, "B_Z3_M5MouseEnter"),
    Button("B_Z3_M6", "GroupBox6", {159, 20, 55, 20}, u"Z3 -> M6").Font(kArial11).Tab(5)
        .On(Click, "B_Z3_M6Click").On(MouseEnter, "B_Z3_M6MouseEnter"),
    Button("B_M4_Z2", "GroupBox6", {8, 95, 55, 20}, u"M4 -> Z2").Font(kArial11).Tab(6)
        .On(Click, "B_M4_Z2Click").On(MouseEnter, "B_M4_Z2MouseEnter"),
    Button("B_M5_Z2", "GroupBox6", {88, 95, 55, 20}, u"M5 -> Z2").Font(kArial11).Tab(7)
        .On(Click, "B_M5_Z2Click").On(MouseEnter, "B_M5_Z2MouseEnter"),
    Button("B_M6_Z2", "GroupBox6", {160, 95, 55, 20}, u"M6 -> Z2").Font(kArial11).Tab(8)
        .On(Click, "B_M6_Z2Click").On(MouseEnter, "B_M6_Z2MouseEnter"),

    // No tab sequence is prescribed inside Panel5; the buttons keep their row order.
    Button("B_Ergebnis_in_Z1", "Panel5", {3, 5, 45, 20}, u"Z3->Z1")
        .Hint(u"Z3 in Z1 übernehmen")
        .Font(kArial11)
        .Tab(0)
        .On(Click, "B_Ergebnis_in_Z1Click"),
    Button("B_Ergebnis_in_Z2", "Panel5", {3, 32, 45, 20}, u"Z3->Z2")
        .Hint(u"Z3 in Z2 übernehmen")
        .Font(kArial11)
        .Tab(1)
        .On(Click, "B_Ergebnis_in_Z2Click"),

    Button("B_CLR_ALL", "GroupBox3", {5, 5, 58, 24}, u"CLR ALL")
        .Hint(u"alle Eingaben löschen")
        .Tab(0)
        .On(Click, "B_CLR_ALLClick"),
    Button("B_CLR_Z1", "GroupBox3", {5, 33, 58, 24}, u"CLR Z1")
        .Hint(u"Eingaben von Z1 löschen")
        .Tab(1)
        .On(Click, "B_CLR_Z1Click"),
    Button("B_CLR_Z2", "GroupBox3", {5, 61, 58, 24}, u"CLR Z2")
        .Hint(u"Eingaben von Z2 löschen")
        .Tab(2)
        .On(Click, "B_CLR_Z2Click"),

    // Speed buttons take no focus, so B_Konstanten is the only tab stop here.
    Speed("SB_Addition", "Panel4", {8, 13, 36, 24}, Glyph::Plus)
        .Hint(u"Addition Z1 und Z2")
        .Font(kArial11)
        .On(Click, "SB_AdditionClick"),
    Speed("SB_Division", "Panel4", {134, 13, 36, 24}, Glyph::Divide)
        .Hint(u"Division Z1 und Z2")
        .On(Click, "SB_DivisionClick"),
    Speed("SB_Multiplikation", "Panel4", {92, 13, 36, 24}, Glyph::Dot)
        .Hint(u"Multiplikation Z1 und Z2")
        .On(Click, "SB_MultiplikationClick"),
    Speed("SB_Subtraktion", "Panel4", {50, 13, 36, 24}, Glyph::Minus)
        .Hint(u"Subtraktion Z1 und Z2")
        .On(Click, "SB_SubtraktionClick"),
    SpeedCaption("SB_Z1addZ2", "Panel4", {97, 115, 73, 23}, u"Z1 + Z2")
        .Hint(u"Z1 in Reihe mit Z2")
        .On(Click, "SB_Z1addZ2Click"),
    SpeedCaption("SB_Z1parallelZ2", "Panel4", {8, 115, 73, 23}, u"Z1||Z2")
        .Hint(u"Z1 parallel zu Z2")
        .On(Click, "SB_Z1parallelZ2Click"),
    // Both captions are replaced when the window is first shown; the hint keeps its
    // two blanks after "Z3 -".
    SpeedCaption("SB_Z1parZ2ser", "Panel4", {8, 144, 161, 25}, u"par -> ser")
        .Hint(u"Z1 - X und R parallel --> Z3 -  X und R in Reihe")
        .On(Click, "SB_Z1parZ2serClick"),
    SpeedCaption("SB_Z1serZ2par", "Panel4", {7, 175, 162, 25}, u"ser -> par")
        .Hint(u"Z1 - X und R in Reihe --> Z3 - X und R parallel")
        .On(Click, "SB_Z1serZ2parClick"),
    Line("Shape7", "Panel4", {10, 108, 155, 1}),
    Button("B_Konstanten", "Panel4", {8, 80, 75, 25}, u"Konstanten")
        .Tab(0)
        .On(Click, "B_KonstantenClick"),

    Label("Label20", "P_Legende", {48, 5, 14, 16}, u"Z1"),
    Label("Label21", "P_Legende", {48, 22, 14, 16}, u"Z2"),
    Label("Label22", "P_Legende", {48, 40, 14, 16}, u"Z3"),
    Shape("Shape8", "P_Legende", {10, 13, 30, 2}, clRed),
    Shape("Shape9", "P_Legende", {10, 30, 30, 2}, clGreen),
    Shape("Shape10", "P_Legende", {10, 48, 30, 2}, clBlue),

    // The constants window is created hidden and shown by "Konstanten". Its frame is
    // resizable, so it has no kFixedSize.
    Window("Form2", {0, 0, 454, 386}, u"Quorvel  -  physikalische Konstanten", kTahoma11,
           clBtnFace)
        .Set(kHidden)
        .On(Show, "FormShow"),
    Group("GB_Konstanten_Z1", "Form2", {16, 16, 185, 229}, u" Konstante --> Z1 ")
        .Font(kTahoma16)
        .Tab(0),
    Constant("BB_Pi_Z1", "GB_Konstanten_Z1", {16, 32, 150, 25}, Glyph::Pi, u"Kreiszahl")
        .Tab(0)
        .On(Click, "BB_Pi_Z1Click"),
    Constant("BB_Euler_Z1", "GB_Konstanten_Z1", {16, 63, 150, 25}, Glyph::EulerItalic,
             u"Eulersche Zahl")
        .Tab(5)
        .On(Click, "BB_Euler_Z1Click"),
    Constant("BB_elektFeldkonst_Z1", "GB_Konstanten_Z1", {16, 94, 150, 26}, Glyph::Epsilon0,
             u"elektr. Feldkonstante")
        .Tab(1)
        .On(Click, "BB_elektFeldkonst_Z1Click"),
    Constant("BB_magFeldkonst_Z1", "GB_Konstanten_Z1", {16, 126, 150, 25}, Glyph::Mu0,
             u"mgn. Feldkonstante")
        .Tab(2)
        .On(Click, "BB_magFeldkonst_Z1Click"),
    Constant("BB_Elementarlad_Z1", "GB_Konstanten_Z1", {16, 157, 150, 25}, Glyph::Charge,
             u"Elementarladung")
        .Tab(3)
        .On(Click, "BB_Elementarlad_Z1Click"),
    // The name lacks the "_Z1" suffix of its siblings and keeps its misspelling.
    Constant("BB_Lichchtgeschw", "GB_Konstanten_Z1", {16, 188, 150, 25}, Glyph::LightSpeed,
             u"Lichtgeschwindigkeit")
        .Tab(4)
        .On(Click, "BB_LichchtgeschwClick"),
    Group("GB_Konstanten_Z2", "Form2", {232, 16, 185, 229}, u" Konstante --> Z2 ")
        .Font(kTahoma16)
        .Tab(1),
    Constant("BB_Pi_Z2", "GB_Konstanten_Z2", {16, 32, 150, 25}, Glyph::Pi, u"Kreiszahl")
        .Tab(0)
        .On(Click, "BB_Pi_Z2Click"),
    Constant("BB_Euler_Z2", "GB_Konstanten_Z2", {16, 63, 150, 25}, Glyph::EulerItalic,
             u"Eulersche Zahl")
        .Tab(5)
        .On(Click, "BB_Euler_Z2Click"),
    Constant("BB_elektFeldkonst_Z2", "GB_Konstanten_Z2", {16, 94, 150, 26}, Glyph::Epsilon0,
             u"elektr. Feldkonstante")
        .Tab(1)
        .On(Click, "BB_elektFeldkonst_Z2Click"),
    Constant("BB_magFeldkonst_Z2", "GB_Konstanten_Z2", {16, 126, 150, 25}, Glyph::Mu0,
             u"mgn. Feldkonstante")
        .Tab(2)
        .On(Click, "BB_magFeldkonst_Z2Click"),
    Constant("BB_Elementarlad_Z2", "GB_Konstanten_Z2", {16, 157, 150, 25}, Glyph::Charge,
             u"Elementarladung")
        .Tab(3)
        .On(Click, "BB_Elementarlad_Z2Click"),
    Constant("BB_Lichchtgeschw_Z2", "GB_Konstanten_Z2", {16, 188, 150, 25}, Glyph::LightSpeed,
             u"Lichtgeschwindigkeit")
        .Tab(4)
        .On(Click, "BB_Lichchtgeschw_Z2Click"),
    Make(ControlKind::StaticText, "StaticText1", "Form2", {17, 280, 400, 41},
         u" Auf eine Konstante klicken. \r\n Diese wird dann im Eingabefeld Z1 oder Z2 eingesetzt.")
        .Font(kTahoma13)
        .Set(kBorder)
        .Tab(2),
    // The hand cursor is a rule of the main window's buttons; nothing asks it here.
    Button("Button1", "Form2", {343, 341, 75, 25}, u"Schließen")
        .Font(kTahoma11)
        .Pointer(Cursor::Default)
        .Tab(3)
        .On(Click, "Button1Click"),
});

}  // namespace

std::span<const ControlSpec> Layout() { return kRows; }

int IndexOf(std::string_view name) {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (kRows[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

const ControlSpec* FindControl(std::string_view name) {
    const int i = IndexOf(name);
    return i < 0 ? nullptr : &kRows[static_cast<std::size_t>(i)];
}

std::string_view WindowOf(const ControlSpec& row) {
    const ControlSpec* at = &row;
    // Parents always come earlier, so the walk ends within kRows.size() steps.
    for (std::size_t steps = 0; steps <= kRows.size(); ++steps) {
        if (at->parent.empty()) return at->name;
        at = FindControl(at->parent);
        if (at == nullptr) return {};
    }
    return {};
}

}  // namespace quorvel::ui
