// Solving the wings kelvane-solve draws beside its own.
#include "cli/ComparedWings.h"

#include <utility>

#include "batch/BatchSession.h"
#include "cli/BatchRun.h"
#include "cli/Sweep.h"
#include "cli/WingInput.h"
#include "model/MessageText.h"
#include "project/ProjectFile.h"
#include "results/WingSolver.h"
#include "results/charts/ChartSource.h"

namespace kelvane::cli {
namespace {

Outcome RefusalOf(const std::string& config, const Outcome& refusal) {
  return Outcome::Refused(kProgramPrefix + ("--compare " + PathForMessage(config) + ": " + refusal.Message()));
}

Expected<ComparedWing> SolveCompared(const Arguments& args, const std::string& config, const Wing& own) {
  Arguments other = args;
  other.config = config;
  other.wing.reset();
  // A project gives its wing alone: every option is the run's, whatever the project holds besides.
  if (project::NamesProjectFile(config)) {
    const auto read = project::ReadProjectFile(batch::PanelPath(config));
    if (!read) return RefusalOf(config, read.Refusal());
    other.wing = read->wing;
  }
  Expected<Wing> wing = ReadWing(other);
  if (!wing) return RefusalOf(config, wing.Refusal());
  wing->flaps = own.flaps;
  Expected<WingSolver> solver = WingSolver::Plan(*wing);
  if (!solver) return RefusalOf(config, solver.Refusal());

  ComparedWing compared{.name = charts::WingNameOf(config),
                        .record = nullptr,
                        .planform = wing->planform.value_or(PlanformType::Elliptic),
                        .spanwise = {},
                        .polar = {}};
  const SolutionMode mode = args.givenCL ? SolutionMode::GivenCL : SolutionMode::GivenAngle;
  if (args.sweep) {
    for (const double value : *args.sweep) {
      const auto solved = solver->Solve(mode, AsTyped(value), false);
      if (!solved) return RefusalOf(config, solved.Refusal());
      compared.polar.push_back({.AlfaK = solved->point.AlfaK, .CL = solved->point.CL, .CDi = solved->point.CDi});
    }
  } else {
    const auto solved = solver->Solve(mode, args.givenCL ? own.CL : own.AlfaK, false);
    if (!solved) return RefusalOf(config, solved.Refusal());
    compared.spanwise = ReadSpanwiseResults(solver->Record(), args.clmax);
  }
  compared.record = std::make_shared<const Module_ortak>(solver->Record());
  return compared;
}

}  // namespace

Expected<std::vector<ComparedWing>> SolveComparedWings(const Arguments& args, const Wing& own) {
  std::vector<ComparedWing> wings;
  for (const std::string& config : args.compare) {
    Expected<ComparedWing> solved = SolveCompared(args, config, own);
    if (!solved) return solved.Refusal();
    wings.push_back(std::move(*solved));
  }
  return wings;
}

}  // namespace kelvane::cli
