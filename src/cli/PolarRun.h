// A kelvane-solve run with section polars: the wing's nonlinear lifting line at its operating point or over
// a sweep. It writes no "PLL.txt" and no "LastConfig.cfg": that report belongs to the linear model.
#pragma once

#include <ostream>

#include "cli/Arguments.h"
#include "cli/BatchRun.h"
#include "model/Wing.h"

namespace kelvane::cli {

// The wing planned, its polars loaded, then one solution (with the CLmax search, the loads and the files
// asked for) or the sweep's CSV. A sweep goes on past the points it cannot solve, each said on err, and
// succeeds when at least one point was solved.
ExitStatus RunPolars(const Arguments& args, const Wing& wing, std::ostream& out, std::ostream& err);

}  // namespace kelvane::cli
