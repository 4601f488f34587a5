// One whole lifting-line solution on the record: every stage, with Gauss, in the solve command's order,
// without report, plots or window. The solve command, the stall onset and polars all run it. It reads and
// writes what its stages do (solver/LiftingLine.h); SolveAt writes AlfaK or CL first.
#pragma once

#include <functional>
#include <optional>

#include "solver/LiftingLine.h"

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

// Why a solution stopped; the stages before it have stored their results.
enum class SolveFault {
  NotFinite,       // a stage's results would not be finite
  SingularSystem,  // Gauss met a zero pivot
  NoEllipticWing,  // the root section's slope gives the elliptic wing no finite lift slope
};

// The message for the user, the one the refusing stage gave.
const char* SolveFaultMessage(SolveFault fault);

struct [[nodiscard]] SolveOutcome {
  std::optional<SolveFault> fault;
  EllipticWingResult elliptic;  // the elliptic wing's values that the record does not keep
  explicit operator bool() const { return !fault; }
};

// Called after each stage that succeeded, with the record as that stage left it.
using StageObserver = std::function<void(SolveStage)>;

// Solves the wing in the record for the inputs it holds: sections, twist, and the root angle AlfaK
// (given angle) or CL (given CL).
SolveOutcome SolveLiftingLine(SolutionMode mode, const StageObserver& afterStage = {});

// Puts the operating point into the record, the root angle in degrees (given angle) or CL (given CL),
// and solves. Between calls for the same wing and mode only the right-hand side changes: after the first,
// each costs O(N²) (solver/SystemCache.h).
SolveOutcome SolveAt(SolutionMode mode, double value);

}  // namespace kelvane
