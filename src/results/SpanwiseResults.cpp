// A solved record's stations and span efficiency as plain values.
#include "results/SpanwiseResults.h"

#include "model/Counts.h"
#include "model/Module_ortak.h"
#include "solver/LiftingLine.h"

namespace kelvane {

double LocalLiftCoefficient(const Module_ortak& m, int i) { return 2 * m.Gamma[i] / (m.Voo * m.c[i]); }

double StationMaxLift(const Module_ortak& m, const SectionMaxLift& maxLift, int i) {
  return maxLift.clmaxK - m.y[i] * (maxLift.clmaxK - maxLift.clmaxU) / m.SemiSpan;
}

std::optional<SpanEfficiency> ReadSpanEfficiency(const Module_ortak& m) {
  const std::optional<double> delta = InducedDragDelta(m);
  if (!delta) return std::nullopt;
  return SpanEfficiency{.delta = *delta, .e = 1 / (1 + *delta)};
}

SpanwiseResults ReadSpanwiseResults(const Module_ortak& m, const std::optional<SectionMaxLift>& maxLift) {
  const int n = StationCount(m).value_or(0);
  SpanwiseResults results;
  results.stations.reserve(n);
  results.spanEfficiency = ReadSpanEfficiency(m);
  results.maxLift = maxLift;
  for (int i = 1; i <= n; ++i) {
    results.stations.push_back({
        .y = m.y[i],
        .c = m.c[i],
        .Gamma = m.Gamma[i],
        .cl = LocalLiftCoefficient(m, i),
        .AlfaE = m.AlfaE[i],
        .AlfaI = 180 * m.Eps[i] / m.Pi,
        .w = m.w[i],
        .clmax = maxLift ? std::optional(StationMaxLift(m, *maxLift, i)) : std::nullopt,
    });
  }
  return results;
}

}  // namespace kelvane
