// The printed forms of a solution with section polars: labelled lines, a JSON object, the CSV sweep rows
// and the CSV station table.
#pragma once

#include <optional>
#include <string>

#include "results/SpanLoads.h"
#include "solver/PolarLiftingLine.h"

namespace kelvane::cli {

// The wing's values, one labelled line each, rounded as the result boxes round; with the wing's CLmax, a
// line with it and its root angle.
std::string PolarResultLines(const PolarSolution& solution, const std::optional<PolarSolution>& clmax);

// The wing's values, "e" (null at zero lift), "iterations", "residual", the forces, the "stations" (with
// "stalled"), the "loads" and, when searched, "CLmax": {"AlfaK": ..., "CL": ...}.
std::string PolarResultsJson(const PolarSolution& solution, const SpanLoads& loads,
                             const std::optional<PolarSolution>& clmax);

// "AlfaK,CL,CDi,CDp,CD,LD,e" and the rows under it; e is empty at zero lift.
std::string PolarSweepHeader();
std::string PolarSweepRow(const PolarSolution& solution);
// The row of a point that was not solved: only the value swept, the root angle or (givenCL) CL.
std::string UnsolvedSweepRow(double value, bool givenCL);

// "i,y,cl,cd,AlfaE,stalled" (stalled 1 or 0) and one line per station.
std::string PolarSpanwiseCsv(const PolarSolution& solution);

}  // namespace kelvane::cli
