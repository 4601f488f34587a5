#include "solver/Gauss.h"

#include <cmath>
#include <utility>

#include "model/Counts.h"
#include "model/Module_ortak.h"
#include "solver/Stage.h"

namespace kelvane {
namespace {

// Row among k..n with the largest |a(r,k)|; the first one wins a tie.
int PivotRow(const Matrix& a, int k, int n) {
  int best = k;
  for (int r = k + 1; r <= n; ++r)
    if (std::fabs(a[r][k]) > std::fabs(a[best][k])) best = r;
  return best;
}

void SwapRows(Matrix& a, int r, int k, int lastColumn) {
  for (int j = 1; j <= lastColumn; ++j) std::swap(a[r][j], a[k][j]);
}

}  // namespace

Outcome Gauss() {
  const auto singular = [] { return Outcome::Refused(kSingularSystemMessage); };
  const std::optional<int> count = StationCount();
  if (!count) return singular();
  const int n = *count;
  ortak.N1 = ortak.N + 1;
  const int n1 = n + 1;
  Matrix& a = ortak.CoefMatrix;

  for (int k = 1; k <= n; ++k) {
    // The largest available pivot keeps rounding from growing and avoids stopping at a zero that a
    // row exchange would have removed.
    const int r = PivotRow(a, k, n);
    if (r != k) SwapRows(a, r, k, n1);

    const double p = a[k][k];
    if (p == 0 || !std::isfinite(p)) return singular();
    for (int j = k; j <= n1; ++j) a[k][j] = a[k][j] / p;
    for (int i = k + 1; i <= n; ++i) {
      const double f = a[i][k];
      for (int j = k; j <= n1; ++j) a[i][j] = a[i][j] - a[k][j] * f;
    }
  }

  // Solved aside so that a failed solve leaves X as it was.
  StationTable x = ortak.X;
  for (int k = n; k >= 1; --k) {
    double s = 0;
    for (int j = k + 1; j <= n; ++j) s = s + x[j] * a[k][j];
    x[k] = a[k][n1] - s;
  }
  if (!AllFinite(x, 1, n)) return singular();
  ortak.X = x;
  return Outcome::Done();
}

}  // namespace kelvane
