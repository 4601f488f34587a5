// The spanwise loading and the span efficiency of the solution in a record, as plain numbers: what the
// batch tool prints and writes, and what result views present.
//
// Reads N, y, c, Gamma, w, Eps, AlfaE, An, Voo, Pi, SemiSpan; writes nothing to the record.
#pragma once

#include <optional>
#include <vector>

#include "model/Module_ortak.h"

namespace kelvane {

// Maximum lift coefficients of the root (clmaxK) and tip (clmaxU) sections.
struct SectionMaxLift {
  double clmaxK = 0;
  double clmaxU = 0;
};

struct StationValues {
  double y = 0;                 // m
  double c = 0;                 // m
  double Gamma = 0;             // circulation
  double cl = 0;                // local lift coefficient
  double AlfaE = 0;             // effective angle of attack, degrees
  double AlfaI = 0;             // induced angle, degrees
  double w = 0;                 // downwash
  std::optional<double> clmax;  // the section's maximum lift, when the sections' maxima are given
};

struct SpanEfficiency {
  double delta = 0;  // induced drag factor: CDi = (1 + delta) CL^2 / (pi AR)
  double e = 0;      // 1 / (1 + delta)
};

struct SpanwiseResults {
  std::vector<StationValues> stations;           // station i = 1..N at index i - 1: next to the tip first, root last
  std::optional<SpanEfficiency> spanEfficiency;  // nothing at zero lift
  std::optional<SectionMaxLift> maxLift;         // what clmax was computed from
};

// The local lift coefficient cl(i) = 2 Gamma(i) / (Voo c(i)) of station i in the record.
double LocalLiftCoefficient(const Module_ortak& m, int i);

// The maximum lift of station i, linear in y from root to tip like the section slopes.
double StationMaxLift(const Module_ortak& m, const SectionMaxLift& maxLift, int i);

// delta and e of the record's solution; nothing at zero lift.
std::optional<SpanEfficiency> ReadSpanEfficiency(const Module_ortak& m);

// Everything above for every station of the record's solution.
SpanwiseResults ReadSpanwiseResults(const Module_ortak& m, const std::optional<SectionMaxLift>& maxLift = std::nullopt);

}  // namespace kelvane
