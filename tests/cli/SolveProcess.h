// Runs the kelvane-solve executable (or a copy of it) as a child process in a given working directory.
#pragma once

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/ScopedWorkDir.h"

namespace kelvane::testing {

struct ProcessResult {
  int status = -1;  // the exit status; -1 when the process did not exit normally
  std::string out;
  std::string err;
};

// Runs in the child just before the tool starts, to change what it starts with (a limit, a stream).
using ChildSetUp = std::function<void()>;

// One run, started at construction. The captured streams go to files beside the working directory, so it
// holds only what the tool wrote; several runs may share one working directory.
class SolveProcess {
 public:
  SolveProcess(const std::vector<std::string>& args, const std::filesystem::path& workDir, const ChildSetUp& setUp = {},
               const std::filesystem::path& program = KELVANE_SOLVE_EXE)
      : outPath_(CapturePath(workDir, "stdout")), errPath_(CapturePath(workDir, "stderr")) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_ = fork();
    if (pid_ == 0) {
      const int out = open(outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      const int err = open(errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (out < 0 || err < 0 || chdir(workDir.c_str()) != 0) _exit(127);
      dup2(out, STDOUT_FILENO);
      dup2(err, STDERR_FILENO);
      close(out);
      close(err);
      if (setUp) setUp();
      execv(argv[0], argv.data());
      _exit(127);
    }
  }
  SolveProcess(const SolveProcess&) = delete;
  SolveProcess& operator=(const SolveProcess&) = delete;

  // Ends the run at once, as a kill from outside would.
  void Kill() { kill(pid_, SIGKILL); }

  ProcessResult Wait() {
    int wstatus = 0;
    waitpid(pid_, &wstatus, 0);
    ProcessResult result{
        .status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1, .out = ReadFile(outPath_), .err = ReadFile(errPath_)};
    std::filesystem::remove(outPath_);
    std::filesystem::remove(errPath_);
    return result;
  }

 private:
  static std::filesystem::path CapturePath(const std::filesystem::path& workDir, const char* stream) {
    static int runs = 0;
    return workDir.string() + "." + std::to_string(runs++) + "." + stream;
  }

  std::filesystem::path outPath_;
  std::filesystem::path errPath_;
  pid_t pid_ = -1;
};

inline ProcessResult RunSolve(const std::vector<std::string>& args, const std::filesystem::path& workDir,
                              const ChildSetUp& setUp = {}, const std::filesystem::path& program = KELVANE_SOLVE_EXE) {
  return SolveProcess(args, workDir, setUp, program).Wait();
}

}  // namespace kelvane::testing
