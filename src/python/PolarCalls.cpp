// The section-polar calls: the polars loaded and the nonlinear lifting line driven without the interpreter
// lock, their results as Python values.
#include "PolarCalls.h"

#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "CallsWithoutLock.h"
#include "PythonValues.h"
#include "polars/PolarFile.h"
#include "polars/xfoil/PolarSource.h"
#include "results/PolarWing.h"
#include "results/Quantities.h"
#include "results/WingSolver.h"
#include "solver/PolarSearch.h"

namespace kelvane::python {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

xfoil::PolarSources Sources(const PolarArguments& polars, Interruption& interruption) {
  xfoil::PolarSources sources;
  sources.refresh = polars.refresh;
  sources.run.trapsOffLibrary = polars.trapsOffLibrary;
  sources.run.cancelled = [&interruption] { return interruption.Check(); };
  sources.computing = [](const xfoil::PolarRequest& request) {
    ToStandardError("XFoil is computing the polar of " + xfoil::SectionForMessage(request) +
                    " at Re = " + request.reynoldsText);
  };
  return sources;
}

// The planned wing, whose record the loads read, and its lifting line with section polars.
struct PolarWing {
  WingSolver solver;
  PolarLiftingLine line;
};

// The wing first: a wrong one is refused before XFoil runs for seconds.
Expected<PolarWing> MakePolarWing(const CallArguments& args, const PolarArguments& polars, Interruption& interruption) {
  Expected<Wing> wing = WingToSolve(args);
  if (!wing) return wing.Refusal();
  Expected<WingSolver> solver = WingSolver::Plan(*wing);
  if (!solver) return solver.Refusal();
  Expected<WingPolars> sections = xfoil::LoadWingPolars(polars.root, polars.tip, Sources(polars, interruption));
  if (!sections) return sections.Refusal();
  Expected<PolarLiftingLine> line = MakePolarLiftingLine(*solver, std::move(*sections));
  if (!line) return line.Refusal();
  return PolarWing{std::move(*solver), std::move(*line)};
}

// The solution at a root angle or, given CL, at that CL.
PolarSolve SolveAt(PolarLiftingLine& line, bool givenCL, double value) {
  return givenCL ? SolveForCL(line, value) : line.SolveAtAngle(value);
}

struct SolvedPolarWing {
  PolarSolution point;
  SpanLoads loads;
  std::optional<PolarSolution> clmax;
};

Expected<SolvedPolarWing> SolveWing(const CallArguments& args, const PolarArguments& polars, bool findCLmax, double rho,
                                    Interruption& interruption) {
  if (Outcome density = CheckAirDensity(rho); density.IsRefused()) return density;
  Expected<PolarWing> wing = MakePolarWing(args, polars, interruption);
  if (!wing) return wing.Refusal();
  const Wing& values = wing->solver.GetWing();
  PolarSolve point = SolveAt(wing->line, args.givenCL, args.givenCL ? values.CL : values.AlfaK);
  if (!point) return point.Refusal();
  Expected<SpanLoads> loads = PolarSpanLoads(wing->solver.Record(), *point, rho);
  if (!loads) return loads.Refusal();
  SolvedPolarWing solved{std::move(*point), std::move(*loads), std::nullopt};
  if (findCLmax) {
    PolarSolve top = FindWingCLmax(wing->line);
    if (!top) return top.Refusal();
    solved.clmax = std::move(*top);
  }
  return solved;
}

// Each point in turn, continued from the last one solved, as the engine's sweep goes; point by point so
// that Ctrl+C is heard between them.
Expected<std::vector<PolarSolve>> SweepWing(const CallArguments& args, const PolarArguments& polars,
                                            const std::vector<double>& values, Interruption& interruption) {
  Expected<PolarWing> wing = MakePolarWing(args, polars, interruption);
  if (!wing) return wing.Refusal();
  std::vector<PolarSolve> points;
  points.reserve(values.size());
  for (std::size_t k = 0; k < values.size() && !interruption.Check(); ++k)
    points.push_back(SolveAt(wing->line, args.givenCL, values[k]));
  return points;
}

py::object SpanEfficiency(const PolarSolution& solution) { return OptionalFloat(solution.e); }

py::dict SolvedDict(const SolvedPolarWing& solved) {
  const PolarSolution& point = solved.point;
  py::dict values;
  for (const auto& quantity : kPolarQuantities) values[quantity.name] = point.*quantity.member;
  values["e"] = SpanEfficiency(point);
  values["iterations"] = point.iterations;
  values["residual"] = point.residual;
  py::dict stations;
  PutColumns(stations, kPolarStationQuantities, point.stations);
  stations["stalled"] = Column(point.stations, &PolarStation::stalled);
  values["stations"] = stations;
  PutLoads(values, solved.loads);
  py::object clmax = py::none();
  if (solved.clmax) {
    py::dict top;
    top["AlfaK"] = solved.clmax->AlfaK;
    top["CL"] = solved.clmax->CL;
    clmax = top;
  }
  values["CLmax"] = clmax;
  return values;
}

// A refused point's row: the value swept, and NaN for everything else.
PolarSolution Unsolved(bool givenCL, double value) {
  PolarSolution row;
  for (const auto& quantity : kPolarQuantities) row.*quantity.member = kNaN;
  (givenCL ? row.CL : row.AlfaK) = value;
  return row;
}

py::dict SweepColumns(const std::vector<PolarSolve>& points, bool givenCL, const std::vector<double>& values) {
  std::vector<PolarSolution> rows;
  rows.reserve(points.size());
  py::list messages;
  for (std::size_t k = 0; k < points.size(); ++k) {
    rows.push_back(points[k] ? *points[k] : Unsolved(givenCL, values[k]));
    messages.append(points[k] ? py::object(py::none()) : py::object(py::str(points[k].Message())));
  }
  py::dict columns;
  PutColumns(columns, kPolarQuantities, rows);
  // NaN where e is undefined, at zero lift.
  columns["e"] = Column(rows, [](const PolarSolution& row) { return row.e.value_or(kNaN); });
  columns["solved"] = Column<bool>(points, [](const PolarSolve& point) { return static_cast<bool>(point); });
  columns["message"] = messages;
  return columns;
}

py::dict PolarArrays(const SectionPolar& polar) {
  py::dict arrays;
  arrays["alpha"] = Column(polar.Rows(), &PolarRow::alpha);
  arrays["cl"] = Column(polar.Rows(), &PolarRow::cl);
  arrays["cd"] = Column(polar.Rows(), &PolarRow::cd);
  return arrays;
}

}  // namespace

py::tuple SolveWithPolars(const CallArguments& args, const PolarArguments& polars, bool findCLmax, double rho) {
  return Answer(
      Unlocked([&](Interruption& interruption) { return SolveWing(args, polars, findCLmax, rho, interruption); }),
      SolvedDict);
}

py::tuple SweepWithPolars(const CallArguments& args, const PolarArguments& polars, const std::vector<double>& values) {
  return Answer(Unlocked([&](Interruption& interruption) { return SweepWing(args, polars, values, interruption); }),
                [&](const std::vector<PolarSolve>& points) { return SweepColumns(points, args.givenCL, values); });
}

py::tuple LoadPolar(const PolarArguments& polars) {
  return Answer(Unlocked([&](Interruption& interruption) {
                  return xfoil::LoadSectionPolar(polars.root, Sources(polars, interruption));
                }),
                PolarArrays);
}

py::tuple ReadPolar(const std::string& path) {
  std::optional<SectionPolar> polar;
  const Outcome read = ReadPolarFile(path, polar);  // a small file: quick enough to keep the lock
  if (read.IsRefused()) return py::make_tuple(read.Message(), py::none());
  return py::make_tuple(py::none(), PolarArrays(*polar));
}

}  // namespace kelvane::python
