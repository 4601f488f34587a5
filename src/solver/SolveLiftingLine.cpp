#include "solver/SolveLiftingLine.h"

#include "model/Module_ortak.h"
#include "solver/Gauss.h"

namespace kelvane {

SolveOutcome SolveLiftingLine(SolutionMode mode, const StageObserver& afterStage) {
  const auto done = [&afterStage](bool succeeded, SolveStage stage) {
    if (succeeded && afterStage) afterStage(stage);
    return succeeded;
  };
  const auto stopped = [](SolveFault fault) { return SolveOutcome{fault, {}}; };

  if (!done(SectionTables(), SolveStage::SectionTables) || !done(TwistTable(), SolveStage::TwistTable) ||
      !done(PrepareMode(mode), SolveStage::PrepareMode) || !done(MuTable(), SolveStage::MuTable) ||
      !done(BuildSystem(mode), SolveStage::BuildSystem))
    return stopped(SolveFault::NotFinite);
  if (!done(Gauss(), SolveStage::Gauss)) return stopped(SolveFault::SingularSystem);
  if (!done(UnpackSolution(mode), SolveStage::UnpackSolution) ||
      !done(Distributions(), SolveStage::Distributions) ||
      !done(WingCoefficients(mode), SolveStage::WingCoefficients))
    return stopped(SolveFault::NotFinite);

  const std::optional<EllipticWingResult> elliptic = EllipticWing();
  if (!done(elliptic.has_value(), SolveStage::EllipticWing)) return stopped(SolveFault::NoEllipticWing);
  if (!done(ComparisonCurves(), SolveStage::ComparisonCurves)) return stopped(SolveFault::NotFinite);
  return SolveOutcome{std::nullopt, *elliptic};
}

SolveOutcome SolveAt(SolutionMode mode, double value) {
  if (mode == SolutionMode::GivenAngle) {
    ortak.AlfaK = value;
  } else {
    ortak.CL = value;
  }
  return SolveLiftingLine(mode);
}

}  // namespace kelvane
