// The forward elimination and its replay, in an SSE2 and an AVX2 build chosen at load time.
#include "solver/Elimination.h"

#include <cmath>
#include <utility>

namespace kelvane {
namespace {

// Row among k..n with the largest |a(r,k)|; the first one wins a tie.
int PivotRow(const Matrix& a, int k, int n) {
  int best = k;
  double largest = std::fabs(a[k][k]);  // kept at hand rather than loaded again after every change of row
  for (int r = k + 1; r <= n; ++r) {
    const double size = std::fabs(a[r][k]);
    if (size > largest) {
      best = r;
      largest = size;
    }
  }
  return best;
}

// The loops below are written on restrict pointers so that they vectorise without run-time overlap checks;
// the two rows of a step are always different rows.
[[gnu::always_inline]] inline void ExchangeRows(double* __restrict first, double* __restrict second, int count) {
  for (int j = 0; j < count; ++j) std::swap(first[j], second[j]);
}

[[gnu::always_inline]] inline void DivideRow(double* __restrict row, int count, double p) {
  for (int j = 0; j < count; ++j) row[j] = row[j] / p;
}

[[gnu::always_inline]] inline void SubtractMultiple(double* __restrict row, const double* __restrict pivotRow,
                                                    int count, double f) {
  for (int j = 0; j < count; ++j) row[j] = row[j] - pivotRow[j] * f;
}

// The one source of both builds: inlined into each, so each vectorises it for its own instruction set.
[[gnu::always_inline]] inline bool Eliminate(Matrix& a, int n, EliminationSteps& steps) {
  const int n1 = n + 1;
  for (int k = 1; k <= n; ++k) {
    const int r = PivotRow(a, k, n);
    steps.exchanged[k] = r;
    if (r != k) ExchangeRows(&a[r][1], &a[k][1], n1);

    const double p = a[k][k];
    if (p == 0 || !std::isfinite(p)) return false;
    steps.pivots[k] = p;
    const int width = n1 - k + 1;  // columns k..n1
    DivideRow(&a[k][k], width, p);
    for (int i = k + 1; i <= n; ++i) {
      const double f = a[i][k];
      steps.multipliers[k][i] = f;
      SubtractMultiple(&a[i][k], &a[k][k], width, f);
    }
  }
  return true;
}

}  // namespace

bool EliminateForwardSse2(Matrix& a, int n, EliminationSteps& steps) { return Eliminate(a, n, steps); }

[[gnu::target("avx2")]] bool EliminateForwardAvx2(Matrix& a, int n, EliminationSteps& steps) {
  return Eliminate(a, n, steps);
}

bool ProcessorHasAvx2() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
}

namespace {

// Chosen while the program loads, before main.
using EliminationBuild = bool (*)(Matrix&, int, EliminationSteps&);
const EliminationBuild kChosenBuild = ProcessorHasAvx2() ? EliminateForwardAvx2 : EliminateForwardSse2;

}  // namespace

bool EliminateForward(Matrix& a, int n, EliminationSteps& steps) { return kChosenBuild(a, n, steps); }

void ReplayForward(const EliminationSteps& steps, int n, StationTable& b) {
  for (int k = 1; k <= n; ++k) {
    if (const int r = steps.exchanged[k]; r != k) std::swap(b[r], b[k]);
    b[k] = b[k] / steps.pivots[k];
    const double pivotValue = b[k];
    const double* f = steps.multipliers[k].data();
    for (int i = k + 1; i <= n; ++i) b[i] = b[i] - pivotValue * f[i];
  }
}

void SubstituteBack(const Matrix& a, int n, StationTable& x) {
  const int n1 = n + 1;
  for (int k = n; k >= 1; --k) {
    double s = 0;
    for (int j = k + 1; j <= n; ++j) s = s + x[j] * a[k][j];
    x[k] = a[k][n1] - s;
  }
}

}  // namespace kelvane
