// The section polars of a kelvane-solve run: polar files read, or XFoil's polars computed or taken from the
// polar cache.
#pragma once

#include <ostream>

#include "cli/Arguments.h"
#include "model/Outcome.h"
#include "polars/SectionPolar.h"

namespace kelvane::cli {

// The root's and the tip's polars (one read for both with --polar). While XFoil computes a polar, a line on
// err says so. Refused as the polar file reader, the polar request or the XFoil run refuses.
Expected<WingPolars> LoadPolars(const PolarArguments& names, bool refresh, std::ostream& err);

}  // namespace kelvane::cli
