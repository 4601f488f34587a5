// The file panel's drive, folder and file lists over the real file system.
#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "ui/Controls.h"

namespace kelvane::ui {
namespace {

namespace fs = std::filesystem;

constexpr const char* kRootDrive = "/";

std::string WorkingDirectory() {
  std::error_code error;
  const fs::path path = fs::current_path(error);
  return error ? std::string(kRootDrive) : path.string();
}

// The list pattern's wildcards: '*' for any run of characters, '?' for any one character.
bool MatchesPattern(std::string_view name, std::string_view pattern) {
  if (pattern.empty()) return name.empty();
  if (pattern.front() == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (MatchesPattern(name.substr(skip), pattern.substr(1))) return true;
    }
    return false;
  }
  if (name.empty() || (pattern.front() != '?' && pattern.front() != name.front())) return false;
  return MatchesPattern(name.substr(1), pattern.substr(1));
}

// The names of the folder's entries that pass the filter, sorted; an unreadable folder lists nothing.
template <typename Filter>
std::vector<std::string> SortedEntryNames(const std::string& folder, Filter keep) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (keep(*it)) names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

DriveListBox::DriveListBox(std::string name, Control* parent, Geometry geometry)
    : Control(ControlKind::DriveList, std::move(name), parent, geometry) {}

std::vector<std::string> DriveListBox::Drives() const { return {kRootDrive}; }

void DriveListBox::SetDrive(std::string drive) {
  drive_ = std::move(drive);
  NotifyChanged();
  RunReaction(OnChange);
}

DirListBox::DirListBox(std::string name, Control* parent, Geometry geometry)
    : Control(ControlKind::DirList, std::move(name), parent, geometry), path_(WorkingDirectory()) {}

void DirListBox::SetPath(std::string path) {
  path_ = std::move(path);
  NotifyChanged();
  RunReaction(OnChange);
}

// Folders whose names begin with a dot hold settings, not wings.
std::vector<std::string> DirListBox::Subfolders() const {
  return SortedEntryNames(path_, [](const fs::directory_entry& entry) {
    std::error_code error;
    return entry.is_directory(error) && entry.path().filename().native().front() != '.';
  });
}

std::vector<DirListBox::Entry> DirListBox::Entries() const {
  std::vector<Entry> entries;
  const fs::path current(path_);
  fs::path chain;
  int depth = 0;
  for (const fs::path& part : current) {
    if (part.empty()) continue;  // a trailing separator
    chain /= part;
    entries.push_back({chain.string(), part.string(), depth++});
  }
  for (const std::string& name : Subfolders()) entries.push_back({(current / name).string(), name, depth});
  return entries;
}

FileListBox::FileListBox(std::string name, Control* parent, Geometry geometry, std::string pattern)
    : Control(ControlKind::FileList, std::move(name), parent, geometry),
      path_(WorkingDirectory()),
      pattern_(std::move(pattern)) {
  RefreshList();
}

void FileListBox::SetPath(std::string path) {
  path_ = std::move(path);
  RefreshList();
}

void FileListBox::RefreshList() {
  items_ = SortedEntryNames(path_, [this](const fs::directory_entry& entry) {
    std::error_code error;
    return entry.is_regular_file(error) && MatchesPattern(entry.path().filename().string(), pattern_);
  });
  NotifyChanged();
}

void FileListBox::Click(const std::string& fileName) {
  fileName_ = fileName;
  NotifyChanged();
  RunReaction(OnClick);
}

}  // namespace kelvane::ui
