// What the section-polar lifting line finds over many root angles: the wing's CLmax, the root angle of a
// given CL, and a sweep that goes on past the points it cannot solve. Each continues from the solutions
// the PolarLiftingLine it is given has found so far.
#pragma once

#include <span>
#include <vector>

#include "solver/PolarLiftingLine.h"

namespace kelvane {

// The root angle at which the wing's CL is largest, found to kCLmaxAngleResolution degrees (not the best
// point of a sweep), with the solution there: AlfaK, CL and the spanwise cl. The search forgets where the
// wing was, climbs from a root angle of 0 and scans ever finer around the best angle; angles it cannot
// solve are passed over.
inline constexpr double kCLmaxAngleResolution = 0.001;
PolarSolve FindWingCLmax(PolarLiftingLine& wing);

// The solution whose CL is the given one within a relative 1e-12, below the CLmax angle. A CL above the
// wing's CLmax is refused with the CLmax in the message.
PolarSolve SolveForCL(PolarLiftingLine& wing, double CL);

// Each root angle in turn, continued from the last one solved; a refused point does not stop the sweep.
std::vector<PolarSolve> SweepAngles(PolarLiftingLine& wing, std::span<const double> angles);

}  // namespace kelvane
