// The chart files of --plot: the same charts as the results window, as PNG or SVG, subtitled with the wing
// and its operating point, with the wings of --compare laid over them.
#pragma once

#include <optional>
#include <ostream>
#include <span>

#include "cli/Arguments.h"
#include "cli/BatchRun.h"
#include "cli/ComparedWings.h"
#include "results/Polar.h"
#include "results/SpanwiseResults.h"
#include "results/StallOnset.h"

namespace kelvane::cli {

// Every requested chart of the solution in the record; a file that cannot be written is reported on err
// and ends the run with kRejected.
ExitStatus WriteSolutionPlots(const Arguments& args, const Module_ortak& record, PlanformType planform,
                              const SpanwiseResults& spanwise, const std::optional<StallOnset>& stall,
                              std::span<const ComparedWing> compared, std::ostream& err);

// The requested polar charts of a sweep, likewise; the record gives the station count.
ExitStatus WritePolarPlots(const Arguments& args, const Module_ortak& record, std::span<const PolarPoint> polar,
                           std::span<const ComparedWing> compared, std::ostream& err);

}  // namespace kelvane::cli
