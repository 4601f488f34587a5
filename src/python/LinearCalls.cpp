// The linear model's calls: the batch session driven without the interpreter lock, its results as Python
// values.
#include "LinearCalls.h"

#include <limits>

#include "CallsWithoutLock.h"
#include "PythonValues.h"
#include "results/PolarWing.h"
#include "results/Quantities.h"

namespace kelvane::python {
namespace {

struct LinearSolution {
  batch::SolvedWing solved;
  SpanLoads loads;
};

Expected<LinearSolution> SolveWing(const CallArguments& args, const std::optional<SectionMaxLift>& maxLift,
                                   double rho) {
  if (Outcome density = CheckAirDensity(rho); density.IsRefused()) return density;
  Expected<Wing> wing = WingToSolve(args);
  if (!wing) return wing.Refusal();
  batch::BatchSession session(Settings(args, ToStandardError), *wing);
  std::optional<batch::SolvedWing> solved = session.Solve(maxLift);
  if (!solved) return session.Refusal();
  Expected<SpanLoads> loads = LinearSpanLoads(session.Record(), rho);
  if (!loads) return loads.Refusal();
  // The files go last: nothing is replaced when any part of the answer is refused.
  if (!session.WriteFiles()) return session.Refusal();
  return LinearSolution{std::move(*solved), std::move(*loads)};
}

Expected<std::vector<batch::SweptPoint>> SweepWing(const CallArguments& args, const std::vector<double>& values,
                                                   Interruption& interruption) {
  Expected<Wing> wing = WingToSolve(args);
  if (!wing) return wing.Refusal();
  batch::BatchSession session(Settings(args, ToStandardError), *wing);
  std::vector<batch::SweptPoint> rows;
  rows.reserve(values.size());
  const bool swept = session.Sweep(values, [&](const batch::SweptPoint& solved) {
    rows.push_back(solved);
    return !interruption.Check();
  });
  if (!swept) return session.Refusal();
  // An interrupted sweep ends without its files: the earlier ones stay.
  if (interruption.Raised()) return rows;
  if (!session.WriteFiles()) return session.Refusal();
  return rows;
}

py::dict StationArrays(const SpanwiseResults& spanwise) {
  py::dict arrays;
  PutColumns(arrays, kStationQuantities, spanwise.stations);
  if (spanwise.maxLift)
    arrays[kMaxLiftName] = Column(spanwise.stations, [](const StationValues& station) { return *station.clmax; });
  return arrays;
}

py::object StallDict(const std::optional<StallOnset>& stall) {
  if (!stall) return py::none();
  py::dict onset;
  onset["AlfaK"] = stall->AlfaK;
  onset["CL"] = stall->CL;
  onset["y"] = stall->y;
  onset["station"] = stall->station;
  return onset;
}

py::dict SolvedDict(const LinearSolution& solution) {
  const batch::SolvedWing& solved = solution.solved;
  py::dict values;
  for (const auto& quantity : kPointQuantities) values[quantity.name] = solved.point.*quantity.member;
  const std::optional<SpanEfficiency>& efficiency = solved.spanwise.spanEfficiency;
  values["e"] = OptionalFloat(efficiency ? std::optional(efficiency->e) : std::nullopt);
  values["delta"] = OptionalFloat(efficiency ? std::optional(efficiency->delta) : std::nullopt);
  values["stations"] = StationArrays(solved.spanwise);
  values["stall"] = StallDict(solved.stall);
  PutLoads(values, solution.loads);
  return values;
}

py::dict SweepColumns(const std::vector<batch::SweptPoint>& rows) {
  py::dict columns;
  for (const auto& quantity : kPointQuantities) {
    columns[quantity.name] =
        Column(rows, [member = quantity.member](const batch::SweptPoint& row) { return row.point.*member; });
  }
  // NaN where e is undefined, at zero lift.
  columns["e"] = Column(rows, [](const batch::SweptPoint& row) {
    return row.spanEfficiency ? row.spanEfficiency->e : std::numeric_limits<double>::quiet_NaN();
  });
  return columns;
}

}  // namespace

py::tuple Solve(const CallArguments& args, const std::optional<std::pair<double, double>>& clmax, double rho) {
  std::optional<SectionMaxLift> maxLift;
  if (clmax) maxLift = SectionMaxLift{.clmaxK = clmax->first, .clmaxU = clmax->second};
  return Answer(Unlocked([&](Interruption&) { return SolveWing(args, maxLift, rho); }), SolvedDict);
}

py::tuple Sweep(const CallArguments& args, const std::vector<double>& values) {
  return Answer(Unlocked([&](Interruption& interruption) { return SweepWing(args, values, interruption); }),
                SweepColumns);
}

}  // namespace kelvane::python
