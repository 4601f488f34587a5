// Solved wings as records of their own, for the tests of what follows from a solution: the test kit's
// planform steps, then the linear solution with the flap stage right after SectionTables.
#pragma once

#include <memory>
#include <numbers>
#include <span>
#include <stdexcept>

#include "solver/Flaps.h"
#include "testkit/WingOnRecord.h"

namespace kelvane::testing {

// The start-up wing: b = S = AR = 10, 15 stations, slopes 2π, no twist; elliptic or of chord 1.
struct WingCase {
  bool elliptic = true;
  double rootAngle = 10;  // degrees
  double Alfa0K = 0;
  double Alfa0U = 0;
  std::span<const Flap> flaps{};
};

inline std::unique_ptr<Module_ortak> SolvedWing(const WingCase& wing) {
  ResetTestRecord();
  PlaceStations(10, 10, 10, 15);
  wing.elliptic ? EllipticChords() : TaperedChords(1);
  UniformSections(2 * std::numbers::pi);
  testRecord.Alfa0K = wing.Alfa0K;
  testRecord.Alfa0U = wing.Alfa0U;
  testRecord.AlfaK = wing.rootAngle;
  Outcome flapped;
  const auto solved = SolveLiftingLine(testRecord, testCache, SolutionMode::GivenAngle, [&](SolveStage stage) {
    if (stage == SolveStage::SectionTables) flapped = ApplyFlaps(testRecord, wing.flaps);
  });
  Require(flapped);
  if (!solved) throw std::runtime_error(solved.Message());
  return std::make_unique<Module_ortak>(testRecord);
}

}  // namespace kelvane::testing
