// The other wings of --compare, solved as the run's own wing is: with the same options, at its operating
// point or over its sweep, for their charts to be laid over its own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/Arguments.h"
#include "model/Module_ortak.h"
#include "model/Outcome.h"
#include "model/Wing.h"
#include "results/Polar.h"
#include "results/SpanwiseResults.h"

namespace kelvane::cli {

struct ComparedWing {
  std::string name;                            // the configuration file's name, as the legend gives it
  std::shared_ptr<const Module_ortak> record;  // as its solution (or its sweep's last point) left it
  PlanformType planform = PlanformType::Elliptic;
  SpanwiseResults spanwise;       // of the solution, without a sweep
  std::vector<PolarPoint> polar;  // of the sweep
};

// Each wing of args.compare at the own wing's root angle (or CL with --given-cl), or at every point of the
// sweep, with the run's stations and planform inputs and the own wing's flaps; a project gives its wing
// alone. The first that is refused ends it, its message naming its file.
Expected<std::vector<ComparedWing>> SolveComparedWings(const Arguments& args, const Wing& own);

}  // namespace kelvane::cli
