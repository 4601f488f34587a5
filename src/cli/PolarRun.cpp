// Solving a wing with section polars for kelvane-solve.
#include "cli/PolarRun.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/LoadText.h"
#include "cli/PolarInput.h"
#include "cli/PolarText.h"
#include "cli/Sweep.h"
#include "model/MessageText.h"
#include "model/Numbers.h"
#include "results/PolarWing.h"
#include "results/WingSolver.h"
#include "solver/PolarSearch.h"

namespace kelvane::cli {
namespace {

ExitStatus SolvePoint(const Arguments& args, const WingSolver& solver, PolarLiftingLine& line, std::ostream& out,
                      std::ostream& err) {
  const Wing& wing = solver.GetWing();
  const PolarSolve solved = args.givenCL ? SolveForCL(line, wing.CL) : line.SolveAtAngle(wing.AlfaK);
  if (!solved) return Reject(solved.Refusal(), err);
  std::optional<PolarSolution> clmax;
  if (args.findCLmax) {
    PolarSolve top = FindWingCLmax(line);
    if (!top) return Reject(top.Refusal(), err);
    clmax = std::move(*top);
  }
  std::optional<SpanLoads> loads;
  if (args.WantsLoads()) {
    Expected<SpanLoads> computed = PolarSpanLoads(solver.Record(), *solved, args.AirDensity());
    if (!computed) return Reject(computed.Refusal(), err);
    loads = std::move(*computed);
  }

  if (args.spanwise)
    if (const ExitStatus written = WriteNamedFile(*args.spanwise, PolarSpanwiseCsv(*solved), err); written != kSuccess)
      return written;
  if (args.loads)
    if (const ExitStatus written = WriteNamedFile(*args.loads, LoadsCsv(*loads), err); written != kSuccess)
      return written;
  if (args.json) {
    out << PolarResultsJson(*solved, *loads, clmax);
  } else {
    out << PolarResultLines(*solved, clmax);
    if (args.rho) out << LoadLines(*loads, *args.rho);
  }
  return kSuccess;
}

// One row per value, an unsolved point's values left empty and its refusal on err.
ExitStatus SolveSweep(const Arguments& args, PolarLiftingLine& line, std::ostream& out, std::ostream& err) {
  std::vector<double> values;
  for (const double value : *args.sweep) values.push_back(AsTyped(value));
  std::vector<PolarSolve> points;
  if (args.givenCL) {
    for (const double CL : values) points.push_back(SolveForCL(line, CL));
  } else {
    points = SweepAngles(line, values);
  }

  out << PolarSweepHeader();
  bool anySolved = false;
  for (std::size_t k = 0; k < points.size() && out; ++k) {
    if (points[k]) {
      out << PolarSweepRow(*points[k]);
      anySolved = true;
      continue;
    }
    out << UnsolvedSweepRow(values[k], args.givenCL);
    err << LimitMessage(std::string(kProgramPrefix) + (args.givenCL ? "CL" : "AlfaK") + " = " +
                        PlainNumberText(values[k]) + ": " + points[k].Message())
        << '\n';
  }
  return anySolved ? kSuccess : kRejected;
}

}  // namespace

ExitStatus RunPolars(const Arguments& args, const Wing& wing, std::ostream& out, std::ostream& err) {
  // The wing first: a broken one is reported without waiting for XFoil.
  Expected<WingSolver> solver = WingSolver::Plan(wing);
  if (!solver) return Reject(solver.Refusal(), err);
  Expected<WingPolars> polars = LoadPolars(*args.polars, args.refreshPolars, err);
  if (!polars) return Reject(polars.Refusal(), err);
  Expected<PolarLiftingLine> line = MakePolarLiftingLine(*solver, std::move(*polars));
  if (!line) return Reject(line.Refusal(), err);
  return args.sweep ? SolveSweep(args, *line, out, err) : SolvePoint(args, *solver, *line, out, err);
}

}  // namespace kelvane::cli
