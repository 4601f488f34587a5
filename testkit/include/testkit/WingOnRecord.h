// Puts a wing's stations and chords into the test record through the planform steps themselves (as the
// planform command would, without a window) and solves it, so solver tests need no window.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "model/Module_ortak.h"
#include "model/Numbers.h"
#include "model/Outcome.h"
#include "planform/Chords.h"
#include "planform/yDist.h"
#include "solver/SolveLiftingLine.h"
#include "testkit/FreshRecord.h"

namespace kelvane::testing {

// The section slope as a configuration file stores 2π (15 significant digits).
inline constexpr double kTwoPiAsSaved = 6.28318530717959;

// A wing the planform steps refuse is a fault in the caller, not a result.
inline void Require(const Outcome& step) {
  if (step.IsRefused()) throw std::invalid_argument(step.Message());
}

// Start-up constants, the planform parameters and n cosine-spaced stations.
inline void PlaceStations(double b, double S, double AR, int n) {
  SetStartConstants();
  testRecord.b = b;
  testRecord.S = S;
  testRecord.AR = AR;
  Require(yDist(testRecord, PlainNumberText(n)));
}

inline void EllipticChords() { Planform_Eliptik(testRecord, testRecord.c); }

// One straight-tapered panel; taper 1 is the rectangular wing with chord S/b everywhere.
inline void TaperedChords(double taper) {
  Require(Planform_Trapez(testRecord, {"1", {"", "1"}, {"", PlainNumberText(taper)}}));
}

// Equal root and tip sections, no zero-lift angle, no twist.
inline void UniformSections(double slope) {
  testRecord.AszK = testRecord.AszU = slope;
  testRecord.Alfa0K = testRecord.Alfa0U = 0;
  testRecord.dAlfa = 0;
}

// Every stage in the solve command's order; nothing once any stage refuses.
inline std::optional<EllipticWingResult> SolveOnRecord(SolutionMode mode) {
  const auto solved = SolveLiftingLine(testRecord, testCache, mode);
  if (!solved) return std::nullopt;
  return *solved;
}

}  // namespace kelvane::testing
