// Puts a wing's stations and chords straight into the model record (as the planform command would)
// and solves it, so solver tests need no window.
#pragma once

#include <cmath>
#include <optional>

#include "model/Module_ortak.h"
#include "solver/SolveLiftingLine.h"

namespace kelvane::testing {

// The section slope as a configuration file stores 2π (15 significant digits).
inline constexpr double kTwoPiAsSaved = 6.28318530717959;

// Start-up constants, the planform parameters and cosine-spaced stations.
inline void PlaceStations(double b, double S, double AR, int n) {
  ortak.Pi = 4 * std::atan(1.0);
  ortak.PiHalf = ortak.Pi / 2;
  ortak.Voo = 1;
  ortak.b = b;
  ortak.S = S;
  ortak.AR = AR;
  ortak.SemiSpan = b / 2;
  ortak.N = n;
  ortak.N1 = n + 1;
  const double step = ortak.PiHalf / n;
  for (int i = 0; i <= n; ++i) {
    ortak.theta[i] = i * step;
    ortak.y[i] = ortak.SemiSpan * std::cos(ortak.theta[i]);
  }
  ortak.y[n] = 0;
}

inline void EllipticChords() {
  const int n = static_cast<int>(ortak.N);
  ortak.c[n] = 8 * ortak.SemiSpan / (ortak.Pi * ortak.AR);
  for (int i = 0; i < n; ++i) {
    const double ratio = ortak.y[i] / ortak.SemiSpan;
    ortak.c[i] = ortak.c[n] * std::sqrt(1 - ratio * ratio);
  }
}

// One straight-tapered panel; taper 1 is the rectangular wing with chord S/b everywhere.
inline void TaperedChords(double taper) {
  const double rootChord = 2 * ortak.S / (ortak.b * (1 + taper));
  for (int i = 0; i <= static_cast<int>(ortak.N); ++i)
    ortak.c[i] = rootChord * (1 - (1 - taper) * ortak.y[i] / ortak.SemiSpan);
}

// Equal root and tip sections, no zero-lift angle, no twist.
inline void UniformSections(double slope) {
  ortak.AszK = ortak.AszU = slope;
  ortak.Alfa0K = ortak.Alfa0U = 0;
  ortak.dAlfa = 0;
}

// Every stage in the solve command's order; nothing once any stage fails.
inline std::optional<EllipticWingResult> SolveWing(SolutionMode mode) {
  const SolveOutcome solved = SolveLiftingLine(mode);
  if (!solved) return std::nullopt;
  return solved.elliptic;
}

}  // namespace kelvane::testing
