#include "app/form2.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace quorvel::app {

namespace {

int Row(std::string_view name) { return ui::IndexOf(name); }

// A screen position `by` pixels on from `edge`. The main window may sit anywhere an
// int reaches, so the sum is taken wide and kept to what a position can hold.
int Beside(int edge, int by) {
    const std::int64_t wide = std::int64_t{edge} + by;
    return static_cast<int>(std::clamp<std::int64_t>(wide, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

TForm2::TForm2(ui::Toolkit& toolkit)
    : form1_(toolkit.Window(Row(ui::kMainWindow))),
      form2_(toolkit.Window(Row(ui::kConstantsWindow))),
      z1Real_(toolkit.Control(Row("Z1_E_Real"))),
      z2Real_(toolkit.Control(Row("Z2_E_Real"))) {}

void TForm2::FormShow() {
    // Placed anew each time it appears, so it opens beside wherever the main window
    // is now.
    form2_.SetLeft(Beside(form1_.GetLeft(), 100));
    form2_.SetTop(Beside(form1_.GetTop(), 150));
}

void TForm2::Button1Click() { form2_.Close(); }

void TForm2::BB_Pi_Z1Click() { z1Real_.SetText(kPi); }
void TForm2::BB_Euler_Z1Click() { z1Real_.SetText(kEuler); }
void TForm2::BB_elektFeldkonst_Z1Click() { z1Real_.SetText(kElectricConstant); }
void TForm2::BB_magFeldkonst_Z1Click() { z1Real_.SetText(kMagneticConstant); }
void TForm2::BB_Elementarlad_Z1Click() { z1Real_.SetText(kElementaryCharge); }
void TForm2::BB_LichchtgeschwClick() { z1Real_.SetText(kSpeedOfLight); }
void TForm2::BB_Pi_Z2Click() { z2Real_.SetText(kPi); }
void TForm2::BB_Euler_Z2Click() { z2Real_.SetText(kEuler); }
void TForm2::BB_elektFeldkonst_Z2Click() { z2Real_.SetText(kElectricConstant); }
void TForm2::BB_magFeldkonst_Z2Click() { z2Real_.SetText(kMagneticConstant); }
void TForm2::BB_Elementarlad_Z2Click() { z2Real_.SetText(kElementaryCharge); }
void TForm2::BB_Lichchtgeschw_Z2Click() { z2Real_.SetText(kSpeedOfLight); }

std::span<const TForm2::Handler> TForm2::Handlers() {
    static const std::array<Handler, 14> kHandlers{{
        {"FormShow", &TForm2::FormShow},
        {"Button1Click", &TForm2::Button1Click},
        {"BB_Pi_Z1Click", &TForm2::BB_Pi_Z1Click},
        {"BB_Euler_Z1Click", &TForm2::BB_Euler_Z1Click},
        {"BB_elektFeldkonst_Z1Click", &TForm2::BB_elektFeldkonst_Z1Click},
        {"BB_magFeldkonst_Z1Click", &TForm2::BB_magFeldkonst_Z1Click},
        {"BB_Elementarlad_Z1Click", &TForm2::BB_Elementarlad_Z1Click},
        {"BB_LichchtgeschwClick", &TForm2::BB_LichchtgeschwClick},
        {"BB_Pi_Z2Click", &TForm2::BB_Pi_Z2Click},
        {"BB_Euler_Z2Click", &TForm2::BB_Euler_Z2Click},
        {"BB_elektFeldkonst_Z2Click", &TForm2::BB_elektFeldkonst_Z2Click},
        {"BB_magFeldkonst_Z2Click", &TForm2::BB_magFeldkonst_Z2Click},
        {"BB_Elementarlad_Z2Click", &TForm2::BB_Elementarlad_Z2Click},
        {"BB_Lichchtgeschw_Z2Click", &TForm2::BB_Lichchtgeschw_Z2Click},
    }};
    return kHandlers;
}

}  // namespace quorvel::app
