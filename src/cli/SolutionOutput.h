// What kelvane-solve prints and writes for one completed solution.
#pragma once

#include <ostream>
#include <span>

#include "batch/BatchSession.h"
#include "cli/Arguments.h"
#include "cli/BatchRun.h"
#include "cli/ComparedWings.h"

namespace kelvane::cli {

// The result boxes or the JSON object on out, with the stall onset for --clmax and the loads for --rho, the
// loads table in the --loads file, the station table in the --spanwise file and the --plot charts with the
// compared wings. A file that cannot be written is reported on err and ends the run with kRejected before
// anything is printed.
ExitStatus ReportSolution(const Arguments& args, const batch::SolvedWing& solved, const batch::BatchSession& session,
                          std::span<const ComparedWing> compared, std::ostream& out, std::ostream& err);

}  // namespace kelvane::cli
