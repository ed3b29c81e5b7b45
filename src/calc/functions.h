#pragma once

// The seven single-operand functions as plain computations on a value.

#include "numbers/complex_value.h"

namespace quorvel::calc {

enum class Function { Reciprocal, Square, AbsSquare, SquareRoot, Conjugate, PowerOfTen, Logarithm };

// The domain test of `f`: every function needs a part that differs from 0, the
// logarithm a part greater than 0. A NaN part counts as 0 and as not greater than 0.
[[nodiscard]] bool DomainAllows(Function f, const ComplexValue& v) noexcept;

// f(v). The reciprocal throws the division error for |v| <= 1e-6; nothing else fails.
[[nodiscard]] ComplexValue Evaluate(Function f, const ComplexValue& v);

}  // namespace quorvel::calc
