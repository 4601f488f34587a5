// A plain one-element-at-a-time elimination, the reference the vector builds are held to.
#include "ScalarElimination.h"

#include <cmath>
#include <utility>

namespace kelvane::testing {

bool EliminateForwardScalar(Matrix& a, int n, EliminationSteps& steps) {
  const int n1 = n + 1;
  for (int k = 1; k <= n; ++k) {
    int r = k;
    for (int q = k + 1; q <= n; ++q)
      if (std::fabs(a[q][k]) > std::fabs(a[r][k])) r = q;
    steps.exchanged[k] = r;
    if (r != k)
      for (int j = 1; j <= n1; ++j) std::swap(a[r][j], a[k][j]);

    const double p = a[k][k];
    if (p == 0 || !std::isfinite(p)) return false;
    steps.pivots[k] = p;
    for (int j = k; j <= n1; ++j) a[k][j] = a[k][j] / p;
    for (int i = k + 1; i <= n; ++i) {
      const double f = a[i][k];
      steps.multipliers[k][i] = f;
      for (int j = k; j <= n1; ++j) a[i][j] = a[i][j] - a[k][j] * f;
    }
  }
  return true;
}

}  // namespace kelvane::testing
