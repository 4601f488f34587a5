// Wings for the section-polar tests and benchmarks: a record after the planform command and the linear
// solution, as the wing solver leaves it.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "config/ConfigFile.h"
#include "model/Module_ortak.h"
#include "results/WingSolver.h"
#include "solver/SolveLiftingLine.h"
#include "testkit/WingOnRecord.h"

namespace kelvane::testing {

// A record on the heap: it holds two 102 x 102 matrices.
using Record = std::unique_ptr<Module_ortak>;

// The record after the linear solution of wing at a root angle in degrees (given angle) or at a CL.
inline Record LinearSolution(const Module_ortak& wing, SolutionMode mode, double value) {
  auto record = std::make_unique<Module_ortak>(wing);
  SystemCache cache;
  if (!SolveAt(*record, cache, mode, value)) throw std::runtime_error("the linear solution was refused");
  return record;
}

// Sections the same from root to tip.
struct Sections {
  double slope = kTwoPiAsSaved;  // per radian
  double zeroLift = 0;           // degrees
  double twist = 0;              // degrees at the tip
};

// b = S = AR = 10 with n stations, elliptic (taper nothing) or straight-tapered, solved at a root angle of 0.
inline Record TenByTenWing(int n, std::optional<double> taper, const Sections& sections) {
  ResetTestRecord();
  PlaceStations(10, 10, 10, n);
  if (taper) {
    TaperedChords(*taper);
  } else {
    EllipticChords();
  }
  UniformSections(sections.slope);
  testRecord.Alfa0K = testRecord.Alfa0U = sections.zeroLift;
  testRecord.dAlfa = sections.twist;
  return LinearSolution(testRecord, SolutionMode::GivenAngle, 0);
}

// The wing of a configuration file with the station text and the planform parameters ticked as given,
// solved at a root angle of 0.
inline Record ConfigWing(const std::filesystem::path& config, const std::optional<std::string>& stations,
                         const PlanformInputs& given) {
  auto wing = config::ReadConfigFile(config.string(), Wing{});
  if (!wing) throw std::runtime_error("the configuration was refused: " + wing.Message());
  if (stations) wing->stations = *stations;
  wing->given = given;
  auto solver = WingSolver::Plan(*wing);
  if (!solver || !solver->Solve(SolutionMode::GivenAngle, 0, false))
    throw std::runtime_error("the configuration was refused: " + config.string());
  return std::make_unique<Module_ortak>(solver->Record());
}

}  // namespace kelvane::testing
