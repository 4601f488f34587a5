// The walk of a path for a write, one part at a time, with the trusted-link rule at every link.
#include "model/WritePlace.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <deque>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include "model/FileErrorText.h"

namespace kelvane {
namespace {

constexpr int kMostLinksFollowed = 40;  // the kernel's own limit before ELOOP
constexpr int kFolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

Outcome FailWithCode(int code) { return Outcome::Refused(FileErrorText(code)); }

// The parts of a path in order, empty ones dropped; a path that ends in "/" names a folder, so it ends in
// "." here.
std::deque<std::string> PathParts(std::string_view path) {
  std::deque<std::string> parts;
  while (!path.empty()) {
    const std::size_t slash = path.find('/');
    if (slash != 0) parts.emplace_back(path.substr(0, slash));
    if (slash == std::string_view::npos) return parts;
    path.remove_prefix(slash + 1);
    if (path.empty()) parts.emplace_back(".");
  }
  return parts;
}

bool IsInProc(int folder) {
  struct statfs system {};
  return fstatfs(folder, &system) == 0 && system.f_type == PROC_SUPER_MAGIC;
}

// The rule for a link in folder, as the kernel's protected_symlinks applies it in a sticky folder.
Outcome TrustLink(int folder, const struct stat& link) {
  struct stat owner {};
  if (fstat(folder, &owner) != 0) return FailWithCode(errno);
  if (link.st_uid != geteuid() && link.st_uid != owner.st_uid) return Outcome::Refused(kUntrustedLinkText);
  return Outcome::Done();
}

// The descriptor of this process that the link name in folder stands for when folder is /proc/self/fd;
// -1 otherwise.
int OwnDescriptor(int folder, const std::string& name) {
  struct stat here {};
  struct stat own {};
  if (fstat(folder, &here) != 0 || stat("/proc/self/fd", &own) != 0) return -1;
  if (here.st_dev != own.st_dev || here.st_ino != own.st_ino) return -1;
  int fd = -1;
  const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), fd);
  return error == std::errc() && end == name.data() + name.size() && fd >= 0 ? fd : -1;
}

Outcome ReadLink(int folder, const std::string& name, std::string& text) {
  std::array<char, PATH_MAX> buffer;
  const ssize_t length = readlinkat(folder, name.c_str(), buffer.data(), buffer.size());
  if (length < 0) return FailWithCode(errno);
  if (static_cast<std::size_t>(length) == buffer.size()) return FailWithCode(ENAMETOOLONG);
  if (length == 0) return FailWithCode(ENOENT);
  text.assign(buffer.data(), static_cast<std::size_t>(length));
  return Outcome::Done();
}

}  // namespace

Outcome FindWritePlace(const std::string& path, WritePlace& place) {
  if (path.empty()) return FailWithCode(ENOENT);
  std::deque<std::string> parts = PathParts(path);
  FileDescriptor folder(open(path.front() == '/' ? "/" : ".", kFolderFlags));
  if (!folder.IsOpen()) return FailWithCode(errno);

  for (int followed = 0; !parts.empty();) {
    const std::string part = std::move(parts.front());
    parts.pop_front();
    const bool last = parts.empty();
    if (part == "." || part == "..") {
      if (last) return FailWithCode(EISDIR);  // the path names a folder
      if (part == "..") folder = FileDescriptor(openat(folder.Get(), "..", kFolderFlags));
      if (!folder.IsOpen()) return FailWithCode(errno);
      continue;
    }

    struct stat info {};
    if (fstatat(folder.Get(), part.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT || !last) return FailWithCode(errno);
      info.st_mode = 0;  // a new file
    }
    if (S_ISLNK(info.st_mode)) {
      if (++followed > kMostLinksFollowed) return FailWithCode(ELOOP);
      if (Outcome trusted = TrustLink(folder.Get(), info); trusted.IsRefused()) return trusted;
      if (IsInProc(folder.Get())) {
        if (last) {
          const int own = OwnDescriptor(folder.Get(), part);
          place = {std::move(folder), part, true, own};
          return Outcome::Done();
        }
        folder = FileDescriptor(openat(folder.Get(), part.c_str(), kFolderFlags));
        if (!folder.IsOpen()) return FailWithCode(errno);
        continue;
      }
      std::string text;
      if (Outcome read = ReadLink(folder.Get(), part, text); read.IsRefused()) return read;
      std::deque<std::string> target = PathParts(text);
      parts.insert(parts.begin(), target.begin(), target.end());
      if (text.front() == '/') folder = FileDescriptor(open("/", kFolderFlags));
      if (!folder.IsOpen()) return FailWithCode(errno);
      continue;
    }
    if (last) {
      place = {std::move(folder), part, false, -1};
      return Outcome::Done();
    }
    // O_NOFOLLOW with O_DIRECTORY: a link put in the folder's place since it was looked at is refused.
    folder = FileDescriptor(openat(folder.Get(), part.c_str(), kFolderFlags | O_NOFOLLOW));
    if (!folder.IsOpen()) return FailWithCode(errno);
  }
  return FailWithCode(EISDIR);  // "/" alone
}

}  // namespace kelvane
