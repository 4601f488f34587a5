// One program run as a child process, no shell between, its standard streams in files, watched until it
// ends, runs out of time or is cancelled.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kelvane::xfoil {

struct ChildCommand {
  std::string program;           // looked up on PATH
  std::filesystem::path folder;  // its working folder
  std::filesystem::path input;   // standard input, read from this file
  std::filesystem::path output;  // standard output and error, written to these files
  std::filesystem::path errors;
  std::vector<std::string> environment;  // the whole environment, "NAME=value" each
};

struct ChildWatch {
  std::chrono::milliseconds timeLimit{};
  std::function<bool()> cancelled;  // asked while the child runs; may be empty
  std::function<void()> tick;       // called while the child runs, to report progress; may be empty
};

enum class ChildEnd {
  kExited,      // code: the exit status
  kSignalled,   // code: the signal that ended it
  kTimedOut,    // killed at the time limit
  kCancelled,   // killed when cancelled() said so
  kNotFound,    // no such program on PATH
  kNotStarted,  // code: the errno value that kept it from starting
};

struct ChildResult {
  ChildEnd end = ChildEnd::kNotStarted;
  int code = 0;
};

// Starts the child and waits for its end, killing it past the time limit or when cancelled.
ChildResult RunChild(const ChildCommand& command, const ChildWatch& watch);

}  // namespace kelvane::xfoil
