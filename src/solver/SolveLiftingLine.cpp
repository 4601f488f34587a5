#include "solver/SolveLiftingLine.h"

#include "model/Module_ortak.h"
#include "solver/Gauss.h"

namespace kelvane {

const char* SolveFaultMessage(SolveFault fault) {
  switch (fault) {
    case SolveFault::SingularSystem:
      return kSingularSystemMessage;
    case SolveFault::NoEllipticWing:
      return kNoEllipticWingMessage;
    case SolveFault::NotFinite:
      break;
  }
  return kNotFiniteMessage;
}

SolveOutcome SolveLiftingLine(SolutionMode mode, const StageObserver& afterStage) {
  const auto done = [&afterStage](const Outcome& step, SolveStage stage) {
    if (step.IsRefused()) return false;
    if (afterStage) afterStage(stage);
    return true;
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

  EllipticWingResult elliptic;
  if (!done(EllipticWing(elliptic), SolveStage::EllipticWing)) return stopped(SolveFault::NoEllipticWing);
  if (!done(ComparisonCurves(), SolveStage::ComparisonCurves)) return stopped(SolveFault::NotFinite);
  return SolveOutcome{std::nullopt, elliptic};
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
