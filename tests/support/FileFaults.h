// Ways to make the file system say no, for tests of the program's file handling.
#pragma once

#include <csignal>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvane::testing {

// The process may write only so many bytes into any one file; beyond that writes fail part-way, as on a
// full disk (EFBIG instead of a signal).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limited = old_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldHandler_)(int);
};

// The user "nobody", whom root's tests become to meet the file system as an ordinary user.
inline constexpr uid_t kNobody = 65534;

// Runs check as a user whom file permissions bind: directly, or, as root, in a child process that drops
// to "nobody" (the files it must reach have to be open to others). Returns what check returned.
template <typename Check>
bool AsUnprivilegedUser(Check check) {
  if (geteuid() != 0) return check();
  const pid_t child = fork();
  if (child == 0) _exit(setgid(kNobody) == 0 && setuid(kNobody) == 0 && check() ? 0 : 1);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kelvane::testing
