// Prandtl's lifting line with section polars: the wing's stations, chords and twist as the linear solution
// has them, each station's lift and drag from its polar (solver/PolarEquations.h). It gives the total drag,
// L/D and where the wing stalls, which the linear model cannot.
//
// A PolarLiftingLine keeps its work arrays and its last converged solution: the next root angle starts
// from that solution (continuation), so a sweep reuses both. One object per wing and thread; it reads the
// record only when it is made.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Module_ortak.h"
#include "model/Outcome.h"
#include "polars/SectionPolar.h"
#include "solver/PolarEquations.h"

namespace kelvane {

struct PolarStation {
  double y = 0;  // m
  double cl = 0;
  double cd = 0;
  double AlfaE = 0;      // effective angle, degrees (without the lookup offset)
  bool stalled = false;  // the polar's lift slope where the station looks it up is not positive
};

struct PolarSolution {
  double AlfaK = 0;                    // root angle, degrees
  double CL = 0;                       // An(1)·(AR·Pi)
  double CDi = 0;                      // as the linear solution computes it, zero-lift rule included
  double E = 0;                        // CL/CDi, 0 at zero lift
  std::optional<double> e;             // span efficiency 1/(1 + delta); nothing at zero lift
  double CDp = 0;                      // profile drag from the sections' cd
  double CD = 0;                       // CDi + CDp
  double LD = 0;                       // CL/CD
  int iterations = 0;                  // Newton steps this solution took, continuation included
  double residual = 0;                 // the largest |residual| left
  StationTable An{};                   // An(1..N)
  std::vector<PolarStation> stations;  // station i = 1..N at index i - 1: next to the tip first, root last
};

// A solution, or the refusal that says why there is none.
using PolarSolve = Expected<PolarSolution>;

// A number as the section-polar messages show it, to a thousandth.
std::string PolarMessageNumber(double value);

class PolarLiftingLine {
 public:
  // The wing in the record after a linear solution: N, b, S, AR, Pi, y, c, theta, SemiSpan, BetaR, SinTab.
  // lookupOffsets[i - 1], degrees, is added to station i's effective angle where its polar is looked up
  // (none: no offset).
  PolarLiftingLine(const Module_ortak& wing, WingPolars polars, const std::vector<double>& lookupOffsets = {});

  // The solution at root angle alfaK, degrees (its AlfaK is alfaK itself), continued from the last converged
  // solution. Past CLmax, where the equations may have more than one solution, the one found depends on
  // where the continuation came from: from below on a fresh object. Refused when it does not converge within the
  // iteration budget, and when a station's angle lies outside its polars ("... polarların aralığı"), naming the station
  // and the angle.
  PolarSolve SolveAtAngle(double alfaK);

  // The root angle whose CL, An(1)·(AR·Pi), is the given one: Newton steps from the last converged
  // solution without continuation, for a nearby root angle found already (solver/PolarSearch.h).
  PolarSolve SolveAtLift(double CL);

  // The next solution starts cold, as the first does: from no circulation, at its own angle when no station
  // stalls there, else at a root angle of 0 continued to its own.
  void Forget() { last_.reset(); }
  // The next solution continues from this one (found by this object for the same wing).
  void ContinueFrom(const PolarSolution& solution);

  const WingPolars& Polars() const;
  // How many stations the wing has; 0 when the record's N is no station count.
  int Stations() const;

 private:
  struct Converged {
    PolarState x;
    std::optional<PolarState> before;  // the one converged before it, for a predicted start
  };

  // At most `steps` Newton steps from x within the budget; on convergence x is the solution and becomes the
  // last one.
  bool Run(SolutionMode mode, PolarState& x, int& spent, int steps = kStepsPerRun);
  static constexpr int kStepsPerRun = 10;
  // From the last converged solution to the target angle in steps that shrink where Newton fails.
  bool Continue(double targetR, int& spent);
  // To the target angle without a solution to start from.
  bool StartCold(double targetR, int& spent);
  // The solution at converged x, or the refusal of a station outside its polars.
  PolarSolve Result(const PolarState& x, int spent) const;

  PolarEquations equations_;
  std::optional<Converged> last_;
};

}  // namespace kelvane
