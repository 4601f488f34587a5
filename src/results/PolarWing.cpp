// The glue between a planned wing, its section polars and its loads.
#include "results/PolarWing.h"

#include <memory>
#include <vector>

#include "model/Counts.h"
#include "solver/Flaps.h"
#include "solver/LiftingLine.h"

namespace kelvane {

Expected<PolarLiftingLine> MakePolarLiftingLine(WingSolver& solver, WingPolars polars) {
  if (auto linear = solver.Solve(SolutionMode::GivenAngle, 0, false); !linear) return linear.Refusal();
  const Module_ortak& m = solver.Record();
  StationTable offsets{};
  if (Outcome flaps = FlapAngleOffsets(m, solver.GetWing().flaps, offsets); flaps.IsRefused()) return flaps;
  const int n = StationCount(m).value_or(0);
  return PolarLiftingLine(m, std::move(polars), std::vector<double>(offsets.begin() + 1, offsets.begin() + 1 + n));
}

Expected<SpanLoads> LinearSpanLoads(const Module_ortak& record, double rho) {
  SpanLoads loads;
  if (Outcome computed = ComputeSpanLoads(record, rho, std::nullopt, loads); computed.IsRefused()) return computed;
  return loads;
}

Expected<SpanLoads> PolarSpanLoads(const Module_ortak& record, const PolarSolution& solution, double rho) {
  auto copy = std::make_unique<Module_ortak>(record);  // on the heap: the record holds two matrices
  copy->An = solution.An;
  copy->AlfaK = solution.AlfaK;
  copy->AlfaKR = record.Pi * solution.AlfaK / 180;
  copy->CL = solution.CL;
  copy->CDi = solution.CDi;
  // The circulation of the polar solution's coefficients, from the sine table the linear solution built.
  if (Outcome distributed = Distributions(*copy); distributed.IsRefused()) return distributed;
  SpanLoads loads;
  if (Outcome computed = ComputeSpanLoads(*copy, rho, solution.CDp, loads); computed.IsRefused()) return computed;
  return loads;
}

}  // namespace kelvane
