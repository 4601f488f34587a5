// The two views of a polar: the lift curve CL against the root angle, and CL against the induced drag.
#pragma once

#include <span>

#include "results/Polar.h"
#include "results/charts/Chart.h"

namespace kelvane::charts {

Chart LiftCurveChart(std::span<const PolarPoint> polar);
Chart DragPolarChart(std::span<const PolarPoint> polar);

}  // namespace kelvane::charts
