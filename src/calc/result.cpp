#include "calc/result.h"

#include "calc/form1.h"

// The construction of the result's part; its behaviour is defined in the file of each
// concern beside TForm1's handlers.

namespace quorvel::calc {

namespace {

// Z3's memory group holds the third group of registers, M3.1 to M3.3.
constexpr int kGroup = 3;

}  // namespace

Result::Result(TForm1& form, ui::Toolkit& kit, ComplexValue& value, double& frequency, ProgramMemory& memory)
    : form_(form),
      value_(value),
      frequencyValue_(frequency),
      fields_{Bind(kit, "Z3_E_Real"), Bind(kit, "Z3_E_Imaginaer"), Bind(kit, "Z3_E_ABS"), Bind(kit, "Z3_E_Phi_Rad"),
              Bind(kit, "Z3_E_Phi_Deg")},
      componentCheck_(Bind(kit, "Z3_CB_BE")),
      componentPanel_(Bind(kit, "Z3_P_BE")),
      inductance_(Bind(kit, "Z3_E_L")),
      capacitance_(Bind(kit, "Z3_E_C")),
      frequency_(Bind(kit, "Z3_E_F")),
      inductanceUnit_(Bind(kit, "Z3_E_L_Einheit")),
      capacitanceUnit_(Bind(kit, "Z3_E_C_Einheit")),
      storeButtons_{&Bind(kit, "B_Z3_M4"), &Bind(kit, "B_Z3_M5"), &Bind(kit, "B_Z3_M6")},
      registers_{&memory.M31, &memory.M32, &memory.M33},
      recallButtons_{{{&Bind(kit, "B_M4_Z1"), &Bind(kit, "B_M5_Z1"), &Bind(kit, "B_M6_Z1")},
                      {&Bind(kit, "B_M4_Z2"), &Bind(kit, "B_M5_Z2"), &Bind(kit, "B_M6_Z2")}}} {}

RegisterRef Result::Register(int slot) const { return {registers_.at(static_cast<std::size_t>(slot)), kGroup, slot + 1}; }

}  // namespace quorvel::calc
