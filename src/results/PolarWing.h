// A planned wing with section polars, and the loads of any solution, for every front end: the nonlinear
// lifting line built from the wing solver's record after a linear solution, the wing's flaps turned into
// lookup offsets, and the span loads of a polar solution from its own coefficients.
#pragma once

#include <optional>

#include "model/Module_ortak.h"
#include "model/Outcome.h"
#include "polars/SectionPolar.h"
#include "results/SpanLoads.h"
#include "results/WingSolver.h"
#include "solver/PolarLiftingLine.h"

namespace kelvane {

// Solves the wing linearly at a root angle of 0 for the tables the nonlinear solution starts from.
Expected<PolarLiftingLine> MakePolarLiftingLine(WingSolver& solver, WingPolars polars);

// The loads of the solution in the record (the linear one) at density rho.
Expected<SpanLoads> LinearSpanLoads(const Module_ortak& record, double rho);

// The loads of a polar solution of the wing in the record at density rho, with its profile drag.
Expected<SpanLoads> PolarSpanLoads(const Module_ortak& record, const PolarSolution& solution, double rho);

}  // namespace kelvane
