#include "results/SpanwiseResults.h"

#include "model/Counts.h"
#include "model/Module_ortak.h"
#include "solver/LiftingLine.h"

namespace kelvane {

double LocalLiftCoefficient(int i) { return 2 * ortak.Gamma[i] / (ortak.Voo * ortak.c[i]); }

double StationMaxLift(const SectionMaxLift& maxLift, int i) {
  return maxLift.clmaxK - ortak.y[i] * (maxLift.clmaxK - maxLift.clmaxU) / ortak.SemiSpan;
}

std::optional<SpanEfficiency> ReadSpanEfficiency() {
  const std::optional<double> delta = InducedDragDelta();
  if (!delta) return std::nullopt;
  return SpanEfficiency{.delta = *delta, .e = 1 / (1 + *delta)};
}

SpanwiseResults ReadSpanwiseResults(const std::optional<SectionMaxLift>& maxLift) {
  const int n = StationCount().value_or(0);
  SpanwiseResults results;
  results.stations.reserve(n);
  results.spanEfficiency = ReadSpanEfficiency();
  results.maxLift = maxLift;
  const Module_ortak& m = ortak;
  for (int i = 1; i <= n; ++i) {
    results.stations.push_back({
        .y = m.y[i],
        .c = m.c[i],
        .Gamma = m.Gamma[i],
        .cl = LocalLiftCoefficient(i),
        .AlfaE = m.AlfaE[i],
        .AlfaI = 180 * m.Eps[i] / m.Pi,
        .w = m.w[i],
        .clmax = maxLift ? std::optional(StationMaxLift(*maxLift, i)) : std::nullopt,
    });
  }
  return results;
}

}  // namespace kelvane
