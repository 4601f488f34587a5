// The last collocation system built and the last elimination, kept by the caller between solutions.
//
// A polar solves one wing at many operating points. In both modes the operating point enters only the
// right-hand side: the sine table, the matrix and its elimination stay the same from point to point. So
// BuildSystem and Gauss each keep what they made together with every input it was made from, and when
// those inputs come again bit for bit they take it from the cache instead of computing it: BuildSystem
// skips the N² sines, Gauss replays the recorded steps on the new right-hand side in the same order. Either
// way they write the record exactly as a fresh computation would, so a cache only ever saves time. Whoever
// solves owns one (the window's form, a wing solver, a polar) and hands it to every solution, as a
// factorization object is kept beside the matrix it factors; one cache serves one thread at a time.
#pragma once

#include <memory>

#include "model/Module_ortak.h"
#include "solver/Elimination.h"
#include "solver/LiftingLine.h"

namespace kelvane {

// What BuildSystem made last. Its matrix depends on N, the mode, theta(1..N) and mu(1..N) alone.
struct KeptSystem {
  bool valid = false;
  int n = 0;
  SolutionMode mode = SolutionMode::GivenAngle;
  StationTable theta{};
  StationTable mu{};
  Matrix sinTab{};                     // rows and columns 1..n
  Matrix coefficients{};               // rows and columns 1..n, as BuildSystem leaves them for the mode
  StationTable firstHarmonicColumn{};  // CoefMatrix(i,1) before the given-CL mode puts -mu(i) there

  // Whether the record's N, theta and mu, with this mode, are the ones it was made from.
  bool MadeFrom(const Module_ortak& m, int n, SolutionMode mode) const;
};

// What Gauss did last. Its steps depend on N and the matrix's columns 1..N alone.
struct KeptElimination {
  bool valid = false;
  int n = 0;
  Matrix before{};  // rows and columns 1..n as the elimination found them
  Matrix after{};   // rows and columns 1..n as it left them
  EliminationSteps steps;

  // Whether rows and columns 1..n of a are the ones it started from.
  bool StartedFrom(const Matrix& a, int n) const;
};

class SystemCache {
 public:
  SystemCache();
  SystemCache(SystemCache&&) noexcept = default;
  SystemCache& operator=(SystemCache&&) noexcept = default;

  // Made at the first solution: a cache that never serves one (the window's before the user solves)
  // costs no memory.
  KeptSystem& System();
  KeptElimination& Elimination();

  // The next BuildSystem and Gauss compute afresh: for tests and benchmarks that compare with, or time,
  // a first solution.
  void Forget();

 private:
  // On the heap: together they hold five 102 x 102 matrices.
  std::unique_ptr<KeptSystem> system_;
  std::unique_ptr<KeptElimination> elimination_;
};

// Rows 1..rows, columns 1..columns of one matrix into another; other entries stay.
void CopyBlock(const Matrix& from, Matrix& to, int rows, int columns);

}  // namespace kelvane
