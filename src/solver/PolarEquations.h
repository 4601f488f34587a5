// The lifting-line equations with each station's lift from its section polars, for one wing, and the damped
// Newton iteration that solves them. Station i's equation:
//
//   sum over j of An(j)·SinTab(i,j) = (c(i)/(8·SemiSpan))·cl_i(AlfaE_i),
//   AlfaE_i = 180·(AlfaKR + BetaR(i) - ind_i)/Pi,
//   ind_i = sum over j of n·An(j)·SinTab(i,j)/sin(theta(i)),
//
// n = 2j - 1, cl_i the station's polar (polars/SectionPolar.h) looked up at AlfaE_i plus the station's
// lookup offset. While it iterates the polars' end segments go on beyond their rows; whether the solution
// lies inside them is for the caller to judge.
#pragma once

#include <memory>
#include <vector>

#include "model/Module_ortak.h"
#include "polars/SectionPolar.h"
#include "solver/Elimination.h"
#include "solver/LiftingLine.h"

namespace kelvane {

// An iterate. Given angle: An(1..N) are sought, AlfaKR is fixed. Given CL: An(1) is fixed by CL, the
// unknowns are AlfaKR and An(2..N).
struct PolarState {
  StationTable An{};
  double AlfaKR = 0;  // root angle, radians
};

// The equations at one iterate, stations 1..N.
struct PolarEvaluation {
  StationTable AlfaE{};  // effective angle, degrees
  StationTable cl{};     // the station polar's values at AlfaE plus the lookup offset
  StationTable cd{};
  StationTable clSlope{};  // per degree
  StationTable residual{};
  double largest = 0;     // the largest |residual|
  double sumSquares = 0;  // the sum of residual², which every damped step brings down
};

// What the record gives the equations: the wing after a linear solution (solver/LiftingLine.h).
struct PolarWing {
  int n = 0;
  double b = 0;
  double S = 0;
  double AR = 0;
  double Pi = 0;
  StationTable y{};
  StationTable c{};
  StationTable theta{};
  StationTable sinTheta{};
  StationTable BetaR{};
  StationTable chordFactor{};   // c(i)/(8·SemiSpan)
  StationTable eta{};           // y(i)/SemiSpan
  StationTable lookupOffset{};  // degrees
  Matrix SinTab{};
  Matrix SinTabByHarmonic{};  // SinTab transposed: [j][i]
};

struct NewtonRun {
  bool converged = false;
  int steps = 0;
};

// The largest |residual| a solution may leave.
inline constexpr double kConvergedResidual = 1e-12;

class PolarEquations {
 public:
  // Reads N (as n), b, S, AR, Pi, y, c, theta, SemiSpan, BetaR(1..n), SinTab(1..n, 1..n) from wing;
  // lookupOffsets[i - 1] belongs to station i (none: all zero).
  PolarEquations(const Module_ortak& wing, int n, WingPolars polars, const std::vector<double>& lookupOffsets);

  const PolarWing& Wing() const { return *wing_; }
  const WingPolars& Polars() const { return polars_; }

  void Evaluate(const PolarState& x, PolarEvaluation& at) const;

  // Damped Newton from x, in place, at most maxSteps steps: each step solves the equations linearised at x
  // and is halved until the sum of squared residuals falls. Converged when the largest |residual| is at most
  // kConvergedResidual; LastEvaluation() is then x's.
  NewtonRun Solve(SolutionMode mode, PolarState& x, int maxSteps);
  const PolarEvaluation& LastEvaluation() const { return work_->current; }

 private:
  struct Work {
    PolarEvaluation current;
    PolarEvaluation trial;
    Matrix jacobian{};  // augmented with the right-hand side in column N + 1
    EliminationSteps steps;
    StationTable delta{};
  };

  // The Newton step at x into work_->delta; false when the linearised system is singular.
  bool NewtonStep(SolutionMode mode);
  PolarState Along(SolutionMode mode, const PolarState& x, double fraction) const;

  std::unique_ptr<PolarWing> wing_;  // on the heap: it holds the N x N sine table
  WingPolars polars_;
  std::unique_ptr<Work> work_;
};

}  // namespace kelvane
