#pragma once

// The main window's logic: the calculator state, one reference to every control, and
// every handler and internal method. The methods are defined in one file per concern
// (entry, display, operations, functions, memories, clearing, reactance, component
// values, diagram, shell).

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "calc/form1_controls.h"
#include "calc/program_memory.h"
#include "numbers/complex_value.h"
#include "ui/toolkit.h"

namespace quorvel::calc {

class TForm1 {
public:
    // Binds every control by name; the toolkit must have built the whole layout.
    TForm1(ui::Toolkit& toolkit, ProgramMemory& memory);

    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // The calculator state. `Z3_F` is 0 from creation; the values are set by FormShow.
    ComplexValue Z1;
    ComplexValue Z2;
    ComplexValue Z3;
    double Z3_F = 0.0;
    ProgramMemory& Memory;

    // The windows and the non-control objects.
    ui::UiWindow& Form1;
    ui::UiWindow& Form2;
    ui::UiTimer& Timer1;
    ui::UiCanvas& Canvas;  // the surface of PB_Gauss

#define QUORVEL_DECLARE_CONTROL(name) ui::UiControl& name;  // NOLINT(cppcoreguidelines-macro-usage)
    QUORVEL_FORM1_CONTROLS(QUORVEL_DECLARE_CONTROL)
#undef QUORVEL_DECLARE_CONTROL

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
#define QUORVEL_DECLARE_MEMORY(button) \
    void button##Click();              \
    void button##MouseEnter();  // NOLINT(cppcoreguidelines-macro-usage)
    QUORVEL_MEMORY_BUTTONS(QUORVEL_DECLARE_MEMORY)
#undef QUORVEL_DECLARE_MEMORY

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

    // A handler as the layout names it: exactly one of the two pointers is set.
    struct Handler {
        std::string_view name;
        void (TForm1::*plain)() = nullptr;
        void (TForm1::*key)(char16_t) = nullptr;
    };
    static std::span<const Handler> Handlers();

private:
    struct PolarInput {
        double magnitude;
        double angle;
    };
    // The four arithmetic buttons: the zero guard, the operation, the formula label and
    // the display.
    void Arithmetic(ComplexValue (*op)(const ComplexValue&, const ComplexValue&), std::u16string_view formula);
    // The fields of an operand and its two displays.
    struct Operand {
        ComplexValue& value;
        ui::UiControl& real;
        ui::UiControl& imaginary;
        ui::UiControl& abs;
        ui::UiControl& rad;
        ui::UiControl& deg;
        void (TForm1::*koordinaten)();
        void (TForm1::*polar)();
    };
    // Enter in a rectangular field: reads and stores both parts, trims the entry
    // fields, shows the polar form and redraws; on an unreadable text shows `message`
    // and undoes both fields.
    void EnterRectangular(const Operand& op, std::u16string_view message);
    Operand Operand1();
    Operand Operand2();
    // The three Enter handlings of the polar fields, each with its handler's message.
    void EnterMagnitude(const Operand& op, std::u16string_view message);
    void EnterDegrees(const Operand& op, std::u16string_view message);
    void EnterRadians(const Operand& op, std::u16string_view message);
    // Enter in a polar field: the magnitude and the angle of `angle`; on an unreadable
    // text shows `message`, undoes the three polar fields, and gives nothing.
    std::optional<PolarInput> ReadPolar(const Operand& op, ui::UiControl& angle, std::u16string_view message);

    ui::UiMessages& messages_;
    ui::UiPlatform& platform_;
};

}  // namespace quorvel::calc
