// The views of a polar: the lift curve CL against the root angle and CL against the drag; with section
// polars, their sweep beside the linear one and L/D against the root angle.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "results/Polar.h"
#include "results/charts/Chart.h"
#include "solver/PolarLiftingLine.h"

namespace kelvane::charts {

// What section polars add to a polar: the points of their sweep that were solved, in order, and the wing's
// CLmax when it was found.
struct SectionPolarSweep {
  std::vector<PolarSolution> points;
  std::optional<PolarSolution> CLmax;
};

// The lift curve; with a sweep, its lift curve through stall beside the linear one and the CLmax point.
Chart LiftCurveChart(std::span<const PolarPoint> polar, const SectionPolarSweep& sectionPolars = {});
// CL against CDi; with a sweep, against its CDi and its total drag CD too.
Chart DragPolarChart(std::span<const PolarPoint> polar, const SectionPolarSweep& sectionPolars = {});
// L/D against the root angle, of a sweep.
Chart LiftToDragChart(const SectionPolarSweep& sectionPolars);

// "CLmax = 1.23456, αkök = 14.123°", rounded as the result boxes show CL and angles.
std::string WingMaxLiftText(const PolarSolution& CLmax);

}  // namespace kelvane::charts
