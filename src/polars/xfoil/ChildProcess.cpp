// Runs a child process with posix_spawn and polls it for its end, the time limit and cancellation.
#include "polars/xfoil/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

namespace kelvane::xfoil {
namespace {

// Short enough that a cancel answers at once, long enough to cost nothing beside the child's work.
constexpr std::chrono::milliseconds kPollInterval{50};
constexpr mode_t kPrivateFileMode = 0600;

// Frees the spawn attributes and file actions however the start ends.
struct SpawnSetup {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  SpawnSetup() {
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;
};

std::vector<char*> NullTerminated(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

// The child starts with default signal handling and none blocked, whatever this process chose for itself
// (the batch tool ignores SIGXFSZ, a window's threads may block signals).
void ResetSignals(posix_spawnattr_t& attributes) {
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  sigaddset(&defaults, SIGXFSZ);
  sigset_t noneBlocked;
  sigemptyset(&noneBlocked);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setsigmask(&attributes, &noneBlocked);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
}

int WaitBlocking(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return status;
}

ChildResult Killed(pid_t child, ChildEnd end) {
  kill(child, SIGKILL);
  WaitBlocking(child);
  return {end, SIGKILL};
}

ChildResult Ended(int status) {
  if (WIFSIGNALED(status)) return {ChildEnd::kSignalled, WTERMSIG(status)};
  return {ChildEnd::kExited, WEXITSTATUS(status)};
}

}  // namespace

ChildResult RunChild(const ChildCommand& command, const ChildWatch& watch) {
  SpawnSetup setup;
  posix_spawn_file_actions_addchdir_np(&setup.actions, command.folder.c_str());
  posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, command.input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&setup.actions, STDOUT_FILENO, command.output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   kPrivateFileMode);
  posix_spawn_file_actions_addopen(&setup.actions, STDERR_FILENO, command.errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   kPrivateFileMode);
  ResetSignals(setup.attributes);

  std::vector<std::string> arguments{command.program};
  std::vector<std::string> environment = command.environment;
  std::vector<char*> argv = NullTerminated(arguments);
  std::vector<char*> envp = NullTerminated(environment);
  pid_t child = 0;
  if (const int failure =
          posix_spawnp(&child, command.program.c_str(), &setup.actions, &setup.attributes, argv.data(), envp.data());
      failure != 0)
    return {failure == ENOENT ? ChildEnd::kNotFound : ChildEnd::kNotStarted, failure};

  const auto deadline = std::chrono::steady_clock::now() + watch.timeLimit;
  for (;;) {
    int status = 0;
    const pid_t ended = waitpid(child, &status, WNOHANG);
    if (ended == child) return Ended(status);
    // Reaped elsewhere (SIGCHLD ignored by the process): its files tell how it went.
    if (ended < 0 && errno == ECHILD) return {ChildEnd::kExited, 0};
    if (watch.cancelled && watch.cancelled()) return Killed(child, ChildEnd::kCancelled);
    if (std::chrono::steady_clock::now() >= deadline) return Killed(child, ChildEnd::kTimedOut);
    if (watch.tick) watch.tick();
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace kelvane::xfoil
