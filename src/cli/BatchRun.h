// One run of kelvane-solve: drives the window's form as a user would and prints what it shows.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "cli/Arguments.h"
#include "model/Outcome.h"

namespace kelvane::cli {

enum ExitStatus : int { kSuccess = 0, kRejected = 1, kUsageError = 2 };

// How the tool's own messages begin, to tell them from the form's.
inline constexpr const char* kProgramPrefix = "kelvane-solve: ";

// The program's refusal on its own line of err, limited as every message is; kRejected.
ExitStatus Reject(const Outcome& refusal, std::ostream& err);

// Writes a file that the command line names, whole or not at all. A refusal is reported on err with the
// file's name and gives kRejected.
ExitStatus WriteNamedFile(const std::string& path, const std::string& content, std::ostream& err);

// Start-up, station text and ticks, the configuration read, the mode, then one press of the solve
// button per operating point; with section polars, their lifting line instead. Results go to out; the
// form's messages go to err and stop the run. Flaps that do not fit the wing are a usage error.
ExitStatus RunBatch(const Arguments& args, std::ostream& out, std::ostream& err);

// The whole tool: the arguments after the program name in, the exit status out.
ExitStatus SolveMain(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kelvane::cli
