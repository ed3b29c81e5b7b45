#pragma once

// The main window's logic: the calculator state, the parts that hold the controls of
// Z1, Z2 and Z3, the controls the whole window shares, and every handler and internal
// method by the name the layout binds. Each handler is one line that hands the event
// to its part or works on the shared controls; the methods are defined in one file
// per concern (shell, entry, display, operations, functions, memories, clearing,
// reactance, component values, diagram).

#include <span>
#include <string_view>

#include "calc/operand.h"
#include "calc/program_memory.h"
#include "calc/result.h"
#include "numbers/complex_value.h"
#include "ui/toolkit.h"

namespace quorvel::calc {

class TForm1 {
public:
    // Binds every control the logic uses by name; the toolkit must have built the
    // whole layout.
    TForm1(ui::Toolkit& toolkit, ProgramMemory& memory);

    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // The calculator state. `Z3_F` is 0 from creation; the values are set by FormShow.
    ComplexValue Z1;
    ComplexValue Z2;
    ComplexValue Z3;
    double Z3_F = 0.0;
    ProgramMemory& Memory;

    // The windows, the timer and the surface of PB_Gauss.
    ui::UiWindow& Form1;
    ui::UiWindow& Form2;
    ui::UiTimer& Timer1;
    ui::UiCanvas& Canvas;

    // The controls the whole window shares.
    ui::UiControl& Z3_L_Rechnung;
    ui::UiControl& PB_Gauss;
    ui::UiControl& P_Legende;
    ui::UiControl& CB_Zeigerdiagramm;
    ui::UiControl& CB_Hilfe;
    ui::UiControl& SB_Z1parZ2ser;
    ui::UiControl& SB_Z1serZ2par;

    // Shell.
    void FormShow();
    void Timer1Timer();
    void CB_HilfeClick();
    void B_FertigClick();
    void B_KonstantenClick();

    // Rectangular entry.
    void Z1_E_RealChange();
    void Z1_E_ImaginaerChange();
    void Z1_E_RealKeyPress(char16_t key);
    void Z1_E_ImaginaerKeyPress(char16_t key);
    void Z1_E_ImaginaerClick();
    void Z2_E_RealChange();
    void Z2_E_ImaginaerChange();
    void Z2_E_RealKeyPress(char16_t key);
    void Z2_E_ImaginaerKeyPress(char16_t key);
    void Z2_E_ImaginaerClick();

    // Trims the texts of the fifteen entry fields; a changed text runs the field's
    // change handling inside the write. A failure there is that change handling's own:
    // the default box reports it inside the write and the trimming goes on.
    void EingabenFormatierungen();

    // Polar entry and the angle unit buttons.
    void Z1_E_ABSKeyPress(char16_t key);
    void Z1_E_Phi_DegKeyPress(char16_t key);
    void Z1_E_Phi_RadKeyPress(char16_t key);
    void Z2_E_ABSKeyPress(char16_t key);
    void Z2_E_Phi_DegKeyPress(char16_t key);
    void Z2_E_Phi_RadKeyPress(char16_t key);
    void Z1_RB_Phi_DegClick();
    void Z1_RB_Phi_RadClick();
    void Z2_RB_Phi_DegClick();
    void Z2_RB_Phi_RadClick();
    void Z3_RB_Phi_DegClick();
    void Z3_RB_Phi_RadClick();

    // Value displays: write a value into its fields by the rule of each method and
    // field. Writing a rectangular field of Z1 or Z2 runs its change handling, so the
    // value ends up holding the numbers shown.
    void Z1_Koordinaten_anzeigen();
    void Z2_Koordinaten_anzeigen();
    void Z1_Polar_anzeigen();
    void Z2_Polar_anzeigen();
    void Z1_Ergebnis_anzeigen();
    void Z2_Ergebnis_anzeigen();
    void Z3_Ergebnis_anzeigen();
    void Ergebnis_Z3_anzeigen();

    // Two-operand and network operations.
    void SB_AdditionClick();
    void SB_SubtraktionClick();
    void SB_MultiplikationClick();
    void SB_DivisionClick();
    void SB_Z1addZ2Click();
    void SB_Z1parallelZ2Click();
    void SB_Z1parZ2serClick();
    void SB_Z1serZ2parClick();

    // Single-operand functions.
    void SB_Z1_ReziprokeClick();
    void SB_Z1_SQRClick();
    void SB_Z1_BSQRClick();
    void SB_Z1_SQRTClick();
    void SB_Z1_konjClick();
    void SB_Z1_PowerClick();
    void SB_Z1_LOGClick();
    void SB_Z2_ReziprokeClick();
    void SB_Z2_SQRClick();
    void SB_Z2_BSQRClick();
    void SB_Z2_SQRTClick();
    void SB_Z2_konjugiertClick();
    void SB_Z2_PowerClick();
    void SB_Z2_LOGClick();
    void SB_Z3_ReziprokeClick();
    void SB_Z3_SQRClick();
    void SB_Z3_BSQRClick();
    void SB_Z3_SQRTClick();
    void SB_Z3_konjungiertClick();
    void SB_Z3_PowerClick();
    void SB_Z3_LOGClick();

    // Memory registers: a click and a mouse-entry handler per store and recall button.
    void B_Z1_M1Click();
    void B_Z1_M1MouseEnter();
    void B_Z1_M2Click();
    void B_Z1_M2MouseEnter();
    void B_Z1_M3Click();
    void B_Z1_M3MouseEnter();
    void B_M1_Z1Click();
    void B_M1_Z1MouseEnter();
    void B_M2_Z1Click();
    void B_M2_Z1MouseEnter();
    void B_M3_Z1Click();
    void B_M3_Z1MouseEnter();
    void B_Z2_M1Click();
    void B_Z2_M1MouseEnter();
    void B_Z2_M2Click();
    void B_Z2_M2MouseEnter();
    void B_Z2_M3Click();
    void B_Z2_M3MouseEnter();
    void B_M1_Z2Click();
    void B_M1_Z2MouseEnter();
    void B_M2_Z2Click();
    void B_M2_Z2MouseEnter();
    void B_M3_Z2Click();
    void B_M3_Z2MouseEnter();
    void B_Z3_M4Click();
    void B_Z3_M4MouseEnter();
    void B_Z3_M5Click();
    void B_Z3_M5MouseEnter();
    void B_Z3_M6Click();
    void B_Z3_M6MouseEnter();
    void B_M4_Z1Click();
    void B_M4_Z1MouseEnter();
    void B_M5_Z1Click();
    void B_M5_Z1MouseEnter();
    void B_M6_Z1Click();
    void B_M6_Z1MouseEnter();
    void B_M4_Z2Click();
    void B_M4_Z2MouseEnter();
    void B_M5_Z2Click();
    void B_M5_Z2MouseEnter();
    void B_M6_Z2Click();
    void B_M6_Z2MouseEnter();

    // Clearing and transfer.
    void B_CLR_ALLClick();
    void B_CLR_Z1Click();
    void B_CLR_Z2Click();
    void B_Ergebnis_in_Z1Click();
    void B_Ergebnis_in_Z2Click();

    // Phasor diagram.
    void Zeigerdiagramm_malen();
    void ZeichnePfeil(ui::UiCanvas& PB, ui::Point P1, ui::Point P2);
    void PB_GaussPaint();
    void CB_ZeigerdiagrammClick();

    // Reactance calculator.
    void Z1_CB_XClick();
    void Z2_CB_XClick();
    void Z1_XLClick();
    void Z1_XCClick();
    void Z2_XLClick();
    void Z2_XCClick();
    void Z1_B_CLRClick();
    void Z2_B_CLRClick();
    void Z1_P_BlindwiderstandClick();

    // Component values of Z3.
    void Z3_CB_BEClick();
    void Z3_E_FKeyPress(char16_t key);
    void Z3_E_FChange();
    void Z3_Bauteilwerte();
    void Z3_Ergebnis_loeschen();

    // The modal error box with the title "Fehler".
    void MessageDlgPosHelp(std::u16string_view text);

    // Commands the fields offer beyond the layout's handlers (value_commands.cpp): the
    // value of Z1, Z2 or Z3 copied from any of its fields (Ctrl+Shift+C, and as polar
    // text and a spreadsheet row from the menu), a complex number pasted into Z1 or Z2
    // as if its parts had been typed and Enter pressed (Ctrl+Shift+V; a text that is
    // not one number gives a box and changes nothing), and the standard values in
    // E12, E24 and E96 around Z3's real part, reactance, magnitude and component
    // values, one of which the menu copies. Called by the application for the toolkit.
    [[nodiscard]] ui::FieldMenu FieldMenuOf(int row);
    [[nodiscard]] int FieldChordCommand(int row, const ui::KeyChord& chord) const;
    void FieldCommand(int row, int command);

    // A handler as the layout names it: exactly one of the two pointers is set.
    struct Handler {
        std::string_view name;
        void (TForm1::*plain)() = nullptr;
        void (TForm1::*key)(char16_t) = nullptr;
    };
    static std::span<const Handler> Handlers();

private:
    // The four arithmetic buttons: the zero guard, the operation, the formula label and
    // the display.
    void Arithmetic(ComplexValue (*op)(const ComplexValue&, const ComplexValue&), std::u16string_view formula);
    // The clear buttons' closing steps: the paint box filled with the window's colour
    // and one redraw without the phasors of the cleared values.
    void RedrawWithout(bool z1, bool z2, bool z3);
    // "CLR Z1" or "CLR Z2": the operand reset, Z3's fields blanked, one redraw
    // without the operand's phasor.
    void ClearOperand(Operand& op);

    // The quantity of Z3 that the field `row` shows, for its standard values.
    [[nodiscard]] double QuantityOf(int row) const;

    ui::UiMessages& messages_;
    ui::UiPlatform& platform_;
    Operand op1_;
    Operand op2_;
    Result z3_;
};

}  // namespace quorvel::calc
