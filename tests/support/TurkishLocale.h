// The Turkish desktop locale, in which the C library reads and writes numbers with a decimal comma. The
// tests build it themselves with localedef, once per build folder, so they never depend on the locales a
// machine happens to have.
#pragma once

#include <cerrno>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace kelvane::testing {

inline constexpr const char* kTurkishLocale = "tr_TR.UTF-8";

namespace detail {

// Runs localedef for tr_TR.UTF-8 into the given folder, its output discarded; returns its exit status.
inline int RunLocaledef(const std::string& output) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const char* args[] = {"localedef", "-i", "tr_TR", "-f", "UTF-8", output.c_str(), nullptr};
  pid_t child = 0;
  int status = -1;
  if (posix_spawnp(&child, "localedef", &actions, nullptr, const_cast<char**>(args), environ) == 0)
    waitpid(child, &status, 0);
  posix_spawn_file_actions_destroy(&actions);
  return status;
}

inline bool IsBuilt(const std::filesystem::path& locale) {
  std::error_code error;
  return std::filesystem::exists(locale / "LC_NUMERIC", error);
}

}  // namespace detail

// Builds tr_TR.UTF-8 in the build's locale folder unless it is there, and points LOCPATH at that folder, so
// that setlocale finds it. Returns what went wrong, or an empty text.
inline std::string ProvideTurkishLocale() {
  namespace fs = std::filesystem;
  const fs::path folder = KELVANE_TEST_LOCALE_DIR;
  const fs::path target = folder / kTurkishLocale;
  std::error_code error;
  if (!detail::IsBuilt(target)) {
    fs::create_directories(folder, error);
    // Built aside and renamed into place, so a test process running at the same time never sees half of it.
    std::string staging = (folder / "staging-XXXXXX").string();
    if (!mkdtemp(staging.data())) return "cannot create " + staging + ": " + std::strerror(errno);
    const fs::path built = fs::path(staging) / kTurkishLocale;
    const int status = detail::RunLocaledef(built.string());
    if (detail::IsBuilt(built)) fs::rename(built, target, error);  // another process may have won
    fs::remove_all(staging, error);
    if (!detail::IsBuilt(target))
      return "localedef could not build " + target.string() + " (status " + std::to_string(status) + ")";
  }
  setenv("LOCPATH", folder.c_str(), 1);
  return {};
}

// True when the C library now formats numbers with the Turkish decimal comma.
inline bool TurkishNumbersActive() { return std::strcmp(std::localeconv()->decimal_point, ",") == 0; }

// Switches the whole process to the Turkish locale for its lifetime, then back.
class ScopedTurkishLocale {
 public:
  ScopedTurkishLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
    problem_ = ProvideTurkishLocale();
    if (!problem_.empty()) return;
    if (!std::setlocale(LC_ALL, kTurkishLocale) || !TurkishNumbersActive())
      problem_ = std::string("setlocale did not switch to ") + kTurkishLocale;
  }
  ~ScopedTurkishLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
  ScopedTurkishLocale(const ScopedTurkishLocale&) = delete;
  ScopedTurkishLocale& operator=(const ScopedTurkishLocale&) = delete;

  // Empty once the locale is active.
  const std::string& Problem() const { return problem_; }

 private:
  std::string previous_;
  std::string problem_;
};

}  // namespace kelvane::testing
