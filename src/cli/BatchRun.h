// One run of kelvane-solve: drives the window's form as a user would and prints what it shows.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

#include "cli/Arguments.h"

namespace kelvane::cli {

enum ExitStatus : int { kSuccess = 0, kRejected = 1, kUsageError = 2 };

// Start-up, station text and ticks, the configuration read, the mode, then one press of the solve
// button per operating point. Results go to out; the form's messages go to err and stop the run.
ExitStatus RunBatch(const Arguments& args, std::ostream& out, std::ostream& err);

// The whole tool: the arguments after the program name in, the exit status out.
ExitStatus SolveMain(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kelvane::cli
