// The forward elimination written as plainly as it reads, one element at a time: the reference the vector
// builds must match bit for bit. Its file is compiled without the vectoriser.
#pragma once

#include "solver/Elimination.h"

namespace kelvane::testing {

bool EliminateForwardScalar(Matrix& a, int n, EliminationSteps& steps);

}  // namespace kelvane::testing
