// The stages of one lifting-line solution, run in order until one refuses.
#include "solver/SolveLiftingLine.h"

#include "solver/Flaps.h"
#include "solver/Gauss.h"

namespace kelvane {

Expected<EllipticWingResult> SolveLiftingLine(Module_ortak& record, SystemCache& cache, SolutionMode mode,
                                              const StageObserver& afterStage) {
  // Each step's refusal carries its own message; the observer hears only the stages that went through.
  Outcome refusal;
  const auto done = [&](Outcome step, SolveStage stage) {
    if (step.IsRefused()) {
      refusal = std::move(step);
      return false;
    }
    if (afterStage) afterStage(stage);
    return true;
  };

  EllipticWingResult elliptic;
  if (done(SectionTables(record), SolveStage::SectionTables) && done(TwistTable(record), SolveStage::TwistTable) &&
      done(PrepareMode(record, mode), SolveStage::PrepareMode) && done(MuTable(record), SolveStage::MuTable) &&
      done(BuildSystem(record, mode, cache), SolveStage::BuildSystem) &&
      done(Gauss(record, cache), SolveStage::Gauss) && done(UnpackSolution(record, mode), SolveStage::UnpackSolution) &&
      done(Distributions(record), SolveStage::Distributions) &&
      done(WingCoefficients(record, mode), SolveStage::WingCoefficients) &&
      done(EllipticWing(record, elliptic), SolveStage::EllipticWing) &&
      done(ComparisonCurves(record), SolveStage::ComparisonCurves))
    return elliptic;
  return refusal;
}

Expected<EllipticWingResult> SolveAt(Module_ortak& record, SystemCache& cache, SolutionMode mode, double value,
                                     std::span<const Flap> flaps) {
  if (mode == SolutionMode::GivenAngle) {
    record.AlfaK = value;
  } else {
    record.CL = value;
  }
  if (flaps.empty()) return SolveLiftingLine(record, cache, mode);
  Outcome flapped;
  auto solved = SolveLiftingLine(record, cache, mode, [&](SolveStage stage) {
    if (stage == SolveStage::SectionTables) flapped = ApplyFlaps(record, flaps);
  });
  if (flapped.IsRefused()) return flapped;
  return solved;
}

}  // namespace kelvane
