// The charts of one solution along the whole span, and the planform they belong to, from the record and
// the spanwise results read from it.
#pragma once

#include <optional>
#include <string>

#include "graphics/Plots.h"
#include "results/SpanwiseResults.h"
#include "results/StallOnset.h"
#include "results/charts/Chart.h"

namespace kelvane::charts {

// The circulation of the wing and of its equivalent elliptic wing; both vanish at the tips.
Chart CirculationChart(const Module_ortak& m, const SpanwiseResults& spanwise);

// The local lift coefficient, with each station's clmax and the station that stalls first when the
// sections' maximum lift was given.
Chart LocalLiftChart(const Module_ortak& m, const SpanwiseResults& spanwise,
                     const std::optional<StallOnset>& stall);

// "Tutunma kaybı başlangıcı: αkök = 12.345°, CL = 1.0837, y = ±3.909 m", rounded as the result boxes
// show angles and CL, the position to the millimetre.
std::string StallOnsetText(const StallOnset& stall);

// The effective and induced angles of attack, with the equivalent elliptic wing's effective angle.
Chart AnglesChart(const Module_ortak& m, const SpanwiseResults& spanwise);

// The top view: the wing's outline, its stations and, for panels, the elliptic wing of the same span and
// area; the leading edge up, both at the scale of the span.
Chart PlanformChart(const Module_ortak& m, PlanformType type);

}  // namespace kelvane::charts
