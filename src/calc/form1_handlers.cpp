#include <array>

#include "calc/form1.h"

// The names under which the layout binds events to TForm1's methods. Every binding
// of the layout must find its method here; the application checks that at start.

namespace quorvel::calc {

namespace {

using H = TForm1::Handler;

constexpr H Plain(std::string_view name, void (TForm1::*m)()) { return H{name, m, nullptr}; }
constexpr H Key(std::string_view name, void (TForm1::*m)(char16_t)) { return H{name, nullptr, m}; }

const std::array kHandlers{
    Plain("FormShow", &TForm1::FormShow),
    Plain("Timer1Timer", &TForm1::Timer1Timer),
    Plain("CB_HilfeClick", &TForm1::CB_HilfeClick),
    Plain("B_FertigClick", &TForm1::B_FertigClick),
    Plain("B_KonstantenClick", &TForm1::B_KonstantenClick),

    Plain("Z1_E_RealChange", &TForm1::Z1_E_RealChange),
    Plain("Z1_E_ImaginaerChange", &TForm1::Z1_E_ImaginaerChange),
    Key("Z1_E_RealKeyPress", &TForm1::Z1_E_RealKeyPress),
    Key("Z1_E_ImaginaerKeyPress", &TForm1::Z1_E_ImaginaerKeyPress),
    Plain("Z1_E_ImaginaerClick", &TForm1::Z1_E_ImaginaerClick),
    Plain("Z2_E_RealChange", &TForm1::Z2_E_RealChange),
    Plain("Z2_E_ImaginaerChange", &TForm1::Z2_E_ImaginaerChange),
    Key("Z2_E_RealKeyPress", &TForm1::Z2_E_RealKeyPress),
    Key("Z2_E_ImaginaerKeyPress", &TForm1::Z2_E_ImaginaerKeyPress),
    Plain("Z2_E_ImaginaerClick", &TForm1::Z2_E_ImaginaerClick),

    Key("Z1_E_ABSKeyPress", &TForm1::Z1_E_ABSKeyPress),
    Key("Z1_E_Phi_DegKeyPress", &TForm1::Z1_E_Phi_DegKeyPress),
    Key("Z1_E_Phi_RadKeyPress", &TForm1::Z1_E_Phi_RadKeyPress),
    Key("Z2_E_ABSKeyPress", &TForm1::Z2_E_ABSKeyPress),
    Key("Z2_E_Phi_DegKeyPress", &TForm1::Z2_E_Phi_DegKeyPress),
    Key("Z2_E_Phi_RadKeyPress", &TForm1::Z2_E_Phi_RadKeyPress),
    Plain("Z1_RB_Phi_DegClick", &TForm1::Z1_RB_Phi_DegClick),
    Plain("Z1_RB_Phi_RadClick", &TForm1::Z1_RB_Phi_RadClick),
    Plain("Z2_RB_Phi_DegClick", &TForm1::Z2_RB_Phi_DegClick),
    Plain("Z2_RB_Phi_RadClick", &TForm1::Z2_RB_Phi_RadClick),
    Plain("Z3_RB_Phi_DegClick", &TForm1::Z3_RB_Phi_DegClick),
    Plain("Z3_RB_Phi_RadClick", &TForm1::Z3_RB_Phi_RadClick),

    Plain("SB_AdditionClick", &TForm1::SB_AdditionClick),
    Plain("SB_SubtraktionClick", &TForm1::SB_SubtraktionClick),
    Plain("SB_MultiplikationClick", &TForm1::SB_MultiplikationClick),
    Plain("SB_DivisionClick", &TForm1::SB_DivisionClick),
    Plain("SB_Z1addZ2Click", &TForm1::SB_Z1addZ2Click),
    Plain("SB_Z1parallelZ2Click", &TForm1::SB_Z1parallelZ2Click),
    Plain("SB_Z1parZ2serClick", &TForm1::SB_Z1parZ2serClick),
    Plain("SB_Z1serZ2parClick", &TForm1::SB_Z1serZ2parClick),

    Plain("SB_Z1_ReziprokeClick", &TForm1::SB_Z1_ReziprokeClick),
    Plain("SB_Z1_SQRClick", &TForm1::SB_Z1_SQRClick),
    Plain("SB_Z1_BSQRClick", &TForm1::SB_Z1_BSQRClick),
    Plain("SB_Z1_SQRTClick", &TForm1::SB_Z1_SQRTClick),
    Plain("SB_Z1_konjClick", &TForm1::SB_Z1_konjClick),
    Plain("SB_Z1_PowerClick", &TForm1::SB_Z1_PowerClick),
    Plain("SB_Z1_LOGClick", &TForm1::SB_Z1_LOGClick),
    Plain("SB_Z2_ReziprokeClick", &TForm1::SB_Z2_ReziprokeClick),
    Plain("SB_Z2_SQRClick", &TForm1::SB_Z2_SQRClick),
    Plain("SB_Z2_BSQRClick", &TForm1::SB_Z2_BSQRClick),
    Plain("SB_Z2_SQRTClick", &TForm1::SB_Z2_SQRTClick),
    Plain("SB_Z2_konjugiertClick", &TForm1::SB_Z2_konjugiertClick),
    Plain("SB_Z2_PowerClick", &TForm1::SB_Z2_PowerClick),
    Plain("SB_Z2_LOGClick", &TForm1::SB_Z2_LOGClick),
    Plain("SB_Z3_ReziprokeClick", &TForm1::SB_Z3_ReziprokeClick),
    Plain("SB_Z3_SQRClick", &TForm1::SB_Z3_SQRClick),
    Plain("SB_Z3_BSQRClick", &TForm1::SB_Z3_BSQRClick),
    Plain("SB_Z3_SQRTClick", &TForm1::SB_Z3_SQRTClick),
    Plain("SB_Z3_konjungiertClick", &TForm1::SB_Z3_konjungiertClick),
    Plain("SB_Z3_PowerClick", &TForm1::SB_Z3_PowerClick),
    Plain("SB_Z3_LOGClick", &TForm1::SB_Z3_LOGClick),

    Plain("B_Z1_M1Click", &TForm1::B_Z1_M1Click),
    Plain("B_Z1_M1MouseEnter", &TForm1::B_Z1_M1MouseEnter),
    Plain("B_Z1_M2Click", &TForm1::B_Z1_M2Click),
    Plain("B_Z1_M2MouseEnter", &TForm1::B_Z1_M2MouseEnter),
    Plain("B_Z1_M3Click", &TForm1::B_Z1_M3Click),
    Plain("B_Z1_M3MouseEnter", &TForm1::B_Z1_M3MouseEnter),
    Plain("B_M1_Z1Click", &TForm1::B_M1_Z1Click),
    Plain("B_M1_Z1MouseEnter", &TForm1::B_M1_Z1MouseEnter),
    Plain("B_M2_Z1Click", &TForm1::B_M2_Z1Click),
    Plain("B_M2_Z1MouseEnter", &TForm1::B_M2_Z1MouseEnter),
    Plain("B_M3_Z1Click", &TForm1::B_M3_Z1Click),
    Plain("B_M3_Z1MouseEnter", &TForm1::B_M3_Z1MouseEnter),
    Plain("B_Z2_M1Click", &TForm1::B_Z2_M1Click),
    Plain("B_Z2_M1MouseEnter", &TForm1::B_Z2_M1MouseEnter),
    Plain("B_Z2_M2Click", &TForm1::B_Z2_M2Click),
    Plain("B_Z2_M2MouseEnter", &TForm1::B_Z2_M2MouseEnter),
    Plain("B_Z2_M3Click", &TForm1::B_Z2_M3Click),
    Plain("B_Z2_M3MouseEnter", &TForm1::B_Z2_M3MouseEnter),
    Plain("B_M1_Z2Click", &TForm1::B_M1_Z2Click),
    Plain("B_M1_Z2MouseEnter", &TForm1::B_M1_Z2MouseEnter),
    Plain("B_M2_Z2Click", &TForm1::B_M2_Z2Click),
    Plain("B_M2_Z2MouseEnter", &TForm1::B_M2_Z2MouseEnter),
    Plain("B_M3_Z2Click", &TForm1::B_M3_Z2Click),
    Plain("B_M3_Z2MouseEnter", &TForm1::B_M3_Z2MouseEnter),
    Plain("B_Z3_M4Click", &TForm1::B_Z3_M4Click),
    Plain("B_Z3_M4MouseEnter", &TForm1::B_Z3_M4MouseEnter),
    Plain("B_Z3_M5Click", &TForm1::B_Z3_M5Click),
    Plain("B_Z3_M5MouseEnter", &TForm1::B_Z3_M5MouseEnter),
    Plain("B_Z3_M6Click", &TForm1::B_Z3_M6Click),
    Plain("B_Z3_M6MouseEnter", &TForm1::B_Z3_M6MouseEnter),
    Plain("B_M4_Z1Click", &TForm1::B_M4_Z1Click),
    Plain("B_M4_Z1MouseEnter", &TForm1::B_M4_Z1MouseEnter),
    Plain("B_M5_Z1Click", &TForm1::B_M5_Z1Click),
    Plain("B_M5_Z1MouseEnter", &TForm1::B_M5_Z1MouseEnter),
    Plain("B_M6_Z1Click", &TForm1::B_M6_Z1Click),
    Plain("B_M6_Z1MouseEnter", &TForm1::B_M6_Z1MouseEnter),
    Plain("B_M4_Z2Click", &TForm1::B_M4_Z2Click),
    Plain("B_M4_Z2MouseEnter", &TForm1::B_M4_Z2MouseEnter),
    Plain("B_M5_Z2Click", &TForm1::B_M5_Z2Click),
    Plain("B_M5_Z2MouseEnter", &TForm1::B_M5_Z2MouseEnter),
    Plain("B_M6_Z2Click", &TForm1::B_M6_Z2Click),
    Plain("B_M6_Z2MouseEnter", &TForm1::B_M6_Z2MouseEnter),

    Plain("B_CLR_ALLClick", &TForm1::B_CLR_ALLClick),
    Plain("B_CLR_Z1Click", &TForm1::B_CLR_Z1Click),
    Plain("B_CLR_Z2Click", &TForm1::B_CLR_Z2Click),
    Plain("B_Ergebnis_in_Z1Click", &TForm1::B_Ergebnis_in_Z1Click),
    Plain("B_Ergebnis_in_Z2Click", &TForm1::B_Ergebnis_in_Z2Click),

    Plain("PB_GaussPaint", &TForm1::PB_GaussPaint),
    Plain("CB_ZeigerdiagrammClick", &TForm1::CB_ZeigerdiagrammClick),

    Plain("Z1_CB_XClick", &TForm1::Z1_CB_XClick),
    Plain("Z2_CB_XClick", &TForm1::Z2_CB_XClick),
    Plain("Z1_XLClick", &TForm1::Z1_XLClick),
    Plain("Z1_XCClick", &TForm1::Z1_XCClick),
    Plain("Z2_XLClick", &TForm1::Z2_XLClick),
    Plain("Z2_XCClick", &TForm1::Z2_XCClick),
    Plain("Z1_B_CLRClick", &TForm1::Z1_B_CLRClick),
    Plain("Z2_B_CLRClick", &TForm1::Z2_B_CLRClick),
    Plain("Z1_P_BlindwiderstandClick", &TForm1::Z1_P_BlindwiderstandClick),

    Plain("Z3_CB_BEClick", &TForm1::Z3_CB_BEClick),
    Key("Z3_E_FKeyPress", &TForm1::Z3_E_FKeyPress),
    Plain("Z3_E_FChange", &TForm1::Z3_E_FChange),
};

}  // namespace

std::span<const TForm1::Handler> TForm1::Handlers() { return kHandlers; }

}  // namespace quorvel::calc
