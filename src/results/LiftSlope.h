// The wing's lift-curve slope in the linear model: how much CL grows with each degree of root angle.
//
// LiftCurveSlope reads what SolveLiftingLine reads from the given record and solves on a copy of it: the
// record stays as it was.
#pragma once

#include <span>

#include "model/Flap.h"
#include "model/Module_ortak.h"
#include "model/Outcome.h"
#include "solver/SystemCache.h"

namespace kelvane {

struct LiftSlope {
  double dCLdAlfa = 0;  // per degree of root angle
};

// CL is linear in the root angle, so the CL of two given-angle solutions a degree apart differ by the slope,
// exactly but for rounding. The flaps, if any, are applied as in the solution (they shift CL, not its
// slope); refused when one of the two solutions is.
Expected<LiftSlope> LiftCurveSlope(const Module_ortak& record, SystemCache& cache, std::span<const Flap> flaps = {});

}  // namespace kelvane
