// The charts of one solution along the whole span, and the planform they belong to, from the record and
// the spanwise results read from it.
#pragma once

#include <optional>
#include <string>

#include "graphics/Plots.h"
#include "polars/SectionPolar.h"
#include "results/SpanwiseResults.h"
#include "results/StallOnset.h"
#include "results/charts/Chart.h"
#include "solver/PolarLiftingLine.h"

namespace kelvane::charts {

// The circulation of the wing and of its equivalent elliptic wing; both vanish at the tips.
Chart CirculationChart(const Module_ortak& m, const SpanwiseResults& spanwise);

// A solution of the wing with section polars, and the polars it was found with.
struct SectionPolarSpan {
  const PolarSolution& solution;
  const WingPolars& polars;
};

// The local lift coefficient, with each station's clmax and the station that stalls first when the
// sections' maximum lift was given; with section polars also their solution's cl and each station's cl max
// from its polars, blended from root to tip as the polars are: (1 - eta)·root + eta·tip, eta = y/SemiSpan.
Chart LocalLiftChart(const Module_ortak& m, const SpanwiseResults& spanwise, const std::optional<StallOnset>& stall,
                     const SectionPolarSpan* sectionPolars = nullptr);

// The sections' profile drag coefficient along the span, in a solution with section polars.
Chart ProfileDragChart(const Module_ortak& m, const PolarSolution& solution);

// "Tutunma kaybı başlangıcı: αkök = 12.345°, CL = 1.0837, y = ±3.909 m", rounded as the result boxes
// show angles and CL, the position to the millimetre.
std::string StallOnsetText(const StallOnset& stall);

// The effective and induced angles of attack, with the equivalent elliptic wing's effective angle.
Chart AnglesChart(const Module_ortak& m, const SpanwiseResults& spanwise);

// The top view: the wing's outline, its stations and, for panels, the elliptic wing of the same span and
// area; the leading edge up, both at the scale of the span.
Chart PlanformChart(const Module_ortak& m, PlanformType type);

}  // namespace kelvane::charts
