// The engine's entry: a wing and an operating point in, a solution or the window's refusal out.
//
//   auto solver = WingSolver::Plan(wing);          // the planform command
//   if (!solver) ... solver.Message() is the window's message
//   auto point = solver->Solve(SolutionMode::GivenAngle, 5, /*detail=*/false);
//
// A solver owns its record and the system kept between its solutions, so a sweep over one wing costs one
// elimination; it reads every value as the window's boxes would show it, so its numbers, report bytes and
// messages are the window's.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "model/Module_ortak.h"
#include "model/Outcome.h"
#include "model/Wing.h"
#include "results/OperatingPoint.h"
#include "results/SpanwiseResults.h"
#include "solver/LiftingLine.h"
#include "solver/SystemCache.h"

namespace kelvane {

struct SolvedPoint {
  OperatingPoint point;  // the result boxes' quantities at full precision
  std::string report;    // this solution's report blocks, as the window appends them to "PLL.txt"
};

class WingSolver {
 public:
  // The planform command on a fresh record holding the wing, as the window runs it after reading the
  // wing's configuration file.
  static Expected<WingSolver> Plan(const Wing& wing);

  // One press of the solve button with the wing's sections at the given operating point: the root angle
  // in degrees, or CL.
  Expected<SolvedPoint> Solve(SolutionMode mode, double operatingPoint, bool detail);

  const Wing& GetWing() const { return wing_; }
  // The record as the last solution (or the planform command) left it.
  const Module_ortak& Record() const { return *record_; }
  SystemCache& Cache() { return cache_; }
  // The planform summary that starts "PLL.txt".
  const std::string& PlanformReport() const { return planformReport_; }

 private:
  WingSolver(const Wing& wing);

  Wing wing_;
  std::unique_ptr<Module_ortak> record_;  // on the heap: the record holds two 102 x 102 matrices
  SystemCache cache_;
  std::string planformReport_;
};

// A whole solution: the point, its spanwise tables and its report blocks after the planform summary.
struct WingSolution {
  OperatingPoint point;
  SpanwiseResults spanwise;
  std::string report;  // the whole "PLL.txt" of one planform command and one solution
  std::shared_ptr<const Module_ortak> record;
};

Expected<WingSolution> SolveWing(const Wing& wing, SolutionMode mode, double operatingPoint, bool detail,
                                 const std::optional<SectionMaxLift>& maxLift = std::nullopt);

// The record with the constants and the start values the window puts in before its first command.
void PutStartValues(Module_ortak& m);

}  // namespace kelvane
