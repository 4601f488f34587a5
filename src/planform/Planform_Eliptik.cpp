// The chords of an elliptic planform at every station.
#include <cmath>

#include "planform/Chords.h"

namespace kelvane {

void Planform_Eliptik(const Module_ortak& m, StationTable& c) {
  const std::optional<int> count = StationCount(m);
  if (!count) return;
  const int n = *count;
  c[n] = 8 * m.SemiSpan / (m.Pi * m.AR);
  for (int i = 0; i < n; ++i) {
    const double ratio = m.y[i] / m.SemiSpan;
    c[i] = c[n] * std::sqrt(1 - ratio * ratio);
  }
}

}  // namespace kelvane
