#include "calc/operand.h"

#include "calc/form1.h"

// The construction of an operand from its row; its behaviour is defined in the file
// of each concern beside TForm1's handlers.

namespace quorvel::calc {

Operand::Operand(TForm1& form, ui::Toolkit& kit, ComplexValue& value, ProgramMemory& memory, const OperandRow& row)
    : form_(form),
      value_(value),
      row_(row),
      fields_{Bind(kit, row.real), Bind(kit, row.imaginary), Bind(kit, row.magnitude), Bind(kit, row.radians),
              Bind(kit, row.degrees)},
      reactanceCheck_(Bind(kit, row.reactanceCheck)),
      reactancePanel_(Bind(kit, row.reactancePanel)),
      inductanceOrCapacitance_(Bind(kit, row.inductanceOrCapacitance)),
      frequency_(Bind(kit, row.frequency)) {
    for (std::size_t i = 0; i < 3; ++i) {
        storeButtons_[i] = &Bind(kit, row.storeButtons[i]);
        recallButtons_[i] = &Bind(kit, row.recallButtons[i]);
        registers_[i] = &(memory.*row.registers[i]);
    }
}

RegisterRef Operand::Register(int slot) const {
    return {registers_.at(static_cast<std::size_t>(slot)), row_.group, slot + 1};
}

}  // namespace quorvel::calc
