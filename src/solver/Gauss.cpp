// Gaussian elimination with partial pivoting, and the backward sweep, on a record's augmented matrix.
#include "solver/Gauss.h"

#include "model/Counts.h"
#include "model/Module_ortak.h"
#include "solver/Elimination.h"
#include "solver/Stage.h"
#include "solver/SystemCache.h"

namespace kelvane {
namespace {

// The elimination of rows and columns 1..n, taken from the last one when it started from the same matrix:
// its reduced matrix, and its steps replayed on column n + 1. False at a zero or non-finite pivot.
bool ReduceInPlace(Matrix& a, int n, KeptElimination& kept) {
  const int n1 = n + 1;
  if (kept.StartedFrom(a, n)) {
    StationTable b{};
    for (int i = 1; i <= n; ++i) b[i] = a[i][n1];
    ReplayForward(kept.steps, n, b);
    CopyBlock(kept.after, a, n, n);
    for (int i = 1; i <= n; ++i) a[i][n1] = b[i];
    return true;
  }

  kept.valid = false;  // its steps are about to be overwritten
  kept.n = n;
  CopyBlock(a, kept.before, n, n);
  if (!EliminateForward(a, n, kept.steps)) return false;
  CopyBlock(a, kept.after, n, n);
  kept.valid = true;
  return true;
}

}  // namespace

Outcome Gauss(Module_ortak& m, SystemCache& cache) {
  const auto singular = [] { return Outcome::Refused(kSingularSystemMessage); };
  const std::optional<int> count = StationCount(m);
  if (!count) return singular();
  const int n = *count;
  m.N1 = m.N + 1;
  Matrix& a = m.CoefMatrix;

  // The largest available pivot keeps rounding from growing and avoids stopping at a zero that a row
  // exchange would have removed.
  if (!ReduceInPlace(a, n, cache.Elimination())) return singular();

  // Solved aside so that a failed solve leaves X as it was.
  StationTable x = m.X;
  SubstituteBack(a, n, x);
  if (!AllFinite(x, 1, n)) return singular();
  m.X = x;
  return Outcome::Done();
}

}  // namespace kelvane
