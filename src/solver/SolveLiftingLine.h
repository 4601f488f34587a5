// One whole lifting-line solution on a record: every stage, with Gauss, in the solve command's order,
// without report, plots or window. The solve command, the wing solver, the stall onset and polars all run
// it. It reads and writes what its stages do (solver/LiftingLine.h); SolveAt writes AlfaK or CL first.
#pragma once

#include <functional>
#include <span>

#include "model/Flap.h"
#include "model/Module_ortak.h"
#include "model/Outcome.h"
#include "solver/LiftingLine.h"
#include "solver/SystemCache.h"

namespace kelvane {

enum class SolveStage {
  SectionTables,
  TwistTable,
  PrepareMode,
  MuTable,
  BuildSystem,
  Gauss,
  UnpackSolution,
  Distributions,
  WingCoefficients,
  EllipticWing,
  ComparisonCurves,
};

// Called after each stage that succeeded, with the record as that stage left it.
using StageObserver = std::function<void(SolveStage)>;

// Solves the wing in the record for the inputs it holds: sections, twist, and the root angle AlfaK
// (given angle) or CL (given CL). Hands back the elliptic wing's values that the record does not keep, or
// the refusing stage's message; the stages before a refusal have stored their results.
Expected<EllipticWingResult> SolveLiftingLine(Module_ortak& record, SystemCache& cache, SolutionMode mode,
                                              const StageObserver& afterStage = {});

// Puts the operating point into the record, the root angle in degrees (given angle) or CL (given CL),
// and solves, the flaps (if any) lowering their stations' zero-lift angles right after SectionTables. Between
// calls for the same wing and mode only the right-hand side changes: after the first, each costs O(N²)
// (solver/SystemCache.h).
Expected<EllipticWingResult> SolveAt(Module_ortak& record, SystemCache& cache, SolutionMode mode, double value,
                                     std::span<const Flap> flaps = {});

}  // namespace kelvane
