#pragma once

// What differs between the two operands Z1 and Z2, as data: one row each. Everything
// else about an operand is written once, in Operand.

#include <array>
#include <string_view>

#include "calc/display_rules.h"
#include "calc/program_memory.h"

namespace quorvel::calc {

// The messages of an operand's five Enter handlings.
struct EnterMessages {
    std::u16string_view real;
    std::u16string_view imaginary;
    std::u16string_view magnitude;
    std::u16string_view degrees;
    std::u16string_view radians;
};

// Invariants: every name is a control of the main window's layout; the three store
// and recall buttons are listed by slot 1 to 3.
struct OperandRow {
    int group;  // the memory group: 1 for Z1, 2 for Z2
    // The five value fields.
    std::string_view real, imaginary, magnitude, radians, degrees;
    // The reactance calculator.
    std::string_view reactanceCheck, reactancePanel, inductanceOrCapacitance, frequency;
    // The memory group.
    std::array<std::string_view, 3> storeButtons;
    std::array<std::string_view, 3> recallButtons;
    std::array<ComplexValue ProgramMemory::*, 3> registers;
    EnterMessages messages;
    FieldForm resultMagnitude;
};

inline constexpr std::u16string_view kInvalid = u"Die eingegebene Zahl ist ungültig";
inline constexpr std::u16string_view kInvalidStop = u"Die eingegebene Zahl ist ungültig.";

inline constexpr std::array<OperandRow, 2> kOperands{{
    {1,
     "Z1_E_Real", "Z1_E_Imaginaer", "Z1_E_ABS", "Z1_E_Phi_Rad", "Z1_E_Phi_Deg",
     "Z1_CB_X", "Z1_P_Blindwiderstand", "Z1_E_XL_XC", "Z1_E_F",
     {"B_Z1_M1", "B_Z1_M2", "B_Z1_M3"},
     {"B_M1_Z1", "B_M2_Z1", "B_M3_Z1"},
     {&ProgramMemory::M11, &ProgramMemory::M12, &ProgramMemory::M13},
     // Intended: the twins' messages differ in their full stops, field by field.
     {kInvalidStop, kInvalid, kInvalid, kInvalidStop, kInvalidStop},
     // Intended: Z1 shows the magnitude of a function result one-sided with the
     // two-digit exponent, Z2 two-sided with the short one.
     forms::kOneSided2},
    {2,
     "Z2_E_Real", "Z2_E_Imaginaer", "Z2_E_ABS", "Z2_E_Phi_Rad", "Z2_E_Phi_Deg",
     "Z2_CB_X", "Z2_P_Blindwiderstand", "Z2_E_XL_XC", "Z2_E_F",
     {"B_Z2_M1", "B_Z2_M2", "B_Z2_M3"},
     {"B_M1_Z2", "B_M2_Z2", "B_M3_Z2"},
     {&ProgramMemory::M21, &ProgramMemory::M22, &ProgramMemory::M23},
     {kInvalid, kInvalid, kInvalid, kInvalidStop, kInvalid},
     forms::kTwoSidedShort},
}};

}  // namespace quorvel::calc
