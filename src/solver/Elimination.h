// The forward elimination inside Gauss, and its replay on a new right-hand side.
//
// Each step works element by element (a division, or a multiply then a subtract), so the loops vectorise
// without changing a bit: no sum is regrouped and nothing is fused (-ffp-contract=off). The elimination comes
// in two builds of one source, for SSE2 (every x86-64) and for AVX2, chosen once when the program loads.
#pragma once

#include <array>

#include "model/Module_ortak.h"

namespace kelvane {

// What one forward elimination did, step by step: enough to repeat it on another right-hand side.
struct EliminationSteps {
  std::array<int, kStationEntries> exchanged{};  // exchanged[k]: the row that changed places with row k
  StationTable pivots{};                         // pivots[k]: the pivot p that row k was divided by
  Matrix multipliers{};                          // multipliers[k][i]: the factor f of row i (i > k) at step k
};

// Reduces rows 1..n of a over columns 1..n + 1 in place and records the steps. At step k = 1..n the first
// row among k..n with the largest |a(r,k)| changes places with row k over every column, row k is divided
// by its pivot p from column k on, and each row i below loses f = a(i,k) times row k from column k on.
// Stops with false at a pivot that is zero or not finite (steps from then on are not recorded).
bool EliminateForward(Matrix& a, int n, EliminationSteps& steps);

// The solution x(1..n) of rows 1..n as EliminateForward leaves them (unit upper triangular, the right-hand
// side in column n + 1), from the last row up; other entries of x stay.
void SubstituteBack(const Matrix& a, int n, StationTable& x);

// Repeats recorded steps on a right-hand side b(1..n) in the same order with the same operations, so b ends
// bit for bit as column n + 1 of the matrix would have after EliminateForward.
void ReplayForward(const EliminationSteps& steps, int n, StationTable& b);

// The two builds EliminateForward chooses between, for tests that compare them with each other and with a
// plain scalar elimination. The AVX2 build may only run where ProcessorHasAvx2().
bool EliminateForwardSse2(Matrix& a, int n, EliminationSteps& steps);
bool EliminateForwardAvx2(Matrix& a, int n, EliminationSteps& steps);
bool ProcessorHasAvx2();

}  // namespace kelvane
