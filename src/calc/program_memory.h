#pragma once

// The nine memory registers and the three draw flags. They exist once for the whole
// program, beside the main window rather than inside it, and live until it ends.

#include "numbers/complex_value.h"

namespace quorvel::calc {

// Invariants: outside the clearing handlers all three draw flags are true once the
// main window has been shown; before that they are false.
struct ProgramMemory {
    ComplexValue M11, M12, M13;  // memories of Z1
    ComplexValue M21, M22, M23;  // memories of Z2
    ComplexValue M31, M32, M33;  // memories of Z3
    bool Z1_mahlen = false;
    bool Z2_mahlen = false;
    bool Z3_mahlen = false;
};

}  // namespace quorvel::calc
