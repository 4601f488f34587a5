// Runs the kelvane-solve executable as a child process in a given working directory.
#pragma once

#include <filesystem>
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

// The captured streams go to files beside the working directory, so it holds only what the tool wrote.
inline ProcessResult RunSolve(const std::vector<std::string>& args, const std::filesystem::path& workDir) {
  const std::filesystem::path outPath = workDir.string() + ".stdout";
  const std::filesystem::path errPath = workDir.string() + ".stderr";
  std::vector<char*> argv{const_cast<char*>(KELVANE_SOLVE_EXE)};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (out < 0 || err < 0 || chdir(workDir.c_str()) != 0) _exit(127);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int wstatus = 0;
  waitpid(pid, &wstatus, 0);
  ProcessResult result{.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1,
                       .out = ReadFile(outPath),
                       .err = ReadFile(errPath)};
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return result;
}

}  // namespace kelvane::testing
