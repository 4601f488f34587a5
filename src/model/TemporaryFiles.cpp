// Naming, creating and clearing away the temporary files of replacing writes.
#include "model/TemporaryFiles.h"

#include <cerrno>
#include <charconv>
#include <csignal>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {
namespace {

constexpr std::string_view kPrefix = ".kelvane-";
constexpr std::string_view kSuffix = ".tmp";
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask like any new file
constexpr int kNameAttempts = 100;

// "PID-N" with both numbers written plainly; the PID, or zero.
pid_t MakerOf(std::string_view numbers) {
  const std::size_t dash = numbers.find('-');
  if (dash == std::string_view::npos) return 0;
  const auto plain = [](std::string_view digits) {
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
  };
  const std::string_view pidText = numbers.substr(0, dash);
  if (!plain(pidText) || !plain(numbers.substr(dash + 1))) return 0;
  pid_t pid = 0;
  const auto [end, error] = std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
  return error == std::errc() && end == pidText.data() + pidText.size() ? pid : 0;
}

// The process that made a temporary file, from the file's name (entry) and the name of the file being
// written; zero for any other name.
pid_t TemporaryFileMaker(std::string_view entry, std::string_view name) {
  if (!entry.ends_with(kSuffix)) return 0;
  entry.remove_suffix(kSuffix.size());
  if (entry.starts_with(kPrefix)) return MakerOf(entry.substr(kPrefix.size()));
  if (entry.size() <= name.size() || !entry.starts_with(name) || entry[name.size()] != '.') return 0;
  return MakerOf(entry.substr(name.size() + 1));
}

bool HasEnded(pid_t pid) { return pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

std::string TemporaryName(pid_t pid, int number) {
  return std::string(kPrefix) + std::to_string(pid) + "-" + std::to_string(number) + std::string(kSuffix);
}

int CreateTemporary(int folder, std::string& temporaryName) {
  for (int number = 0; number < kNameAttempts; ++number) {
    temporaryName = TemporaryName(getpid(), number);
    const int fd = openat(folder, temporaryName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

void RemoveLeftoverTemporaries(int folder, std::string_view name) {
  const int listed = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listed < 0) return;
  DIR* const entries = fdopendir(listed);
  if (entries == nullptr) {
    close(listed);
    return;
  }
  while (const dirent* entry = readdir(entries)) {
    const pid_t maker = TemporaryFileMaker(entry->d_name, name);
    struct stat info {};
    if (maker <= 0 || !HasEnded(maker)) continue;
    // Only a file: whatever else carries such a name is not ours.
    if (fstatat(listed, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
      unlinkat(listed, entry->d_name, 0);
  }
  closedir(entries);
}

}  // namespace kelvane
