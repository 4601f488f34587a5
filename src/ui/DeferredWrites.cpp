#include "ui/DeferredWrites.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "ui/Form_Wing.h"

namespace kelvane::ui {
namespace {

// A detailed report at 99 stations is about 100 kB a solution; past this much the held blocks go out at
// once, so a long polar never holds more than a few megabytes.
constexpr std::size_t kHeldReportLimit = 8 * 1024 * 1024;

}  // namespace

DeferredWrites::DeferredWrites(Form_Wing& form) : form_(form), holding_(form.deferredWrites_ == nullptr) {
  if (holding_) form_.deferredWrites_ = this;
}

DeferredWrites::~DeferredWrites() {
  if (!holding_) return;
  form_.deferredWrites_ = nullptr;  // whatever a message on a failure makes the form do is written at once
  WriteOut();
}

bool DeferredWrites::Flush() {
  DeferredWrites* const holder = form_.deferredWrites_;
  return holder == nullptr || holder->WriteOut();
}

void DeferredWrites::Discard() {
  DeferredWrites* const holder = form_.deferredWrites_;
  if (holder == nullptr) return;
  holder->report_.clear();
  holder->newReport_ = false;
  holder->files_.clear();
}

bool DeferredWrites::WriteOut() {
  // Taken out first: a message shown on a failure may run more of the form.
  std::string report = std::exchange(report_, {});
  const bool startsAnew = std::exchange(newReport_, false);
  const auto files = std::exchange(files_, {});
  // A report that could not be written takes the configuration files of its solutions with it.
  if (!WriteReport(std::move(report), startsAnew)) return false;
  bool written = true;
  for (const auto& [path, content] : files) written = form_.ReplaceFileNow(path, content) && written;
  return written;
}

bool DeferredWrites::WriteReport(std::string report, bool startsAnew) {
  if (startsAnew) return form_.StartReportNow(report);
  return report.empty() || form_.AppendReportNow(report);
}

void DeferredWrites::HoldReport(const std::string& blocks) {
  report_ += blocks;
  if (report_.size() <= kHeldReportLimit) return;
  WriteReport(std::exchange(report_, {}), std::exchange(newReport_, false));
}

void DeferredWrites::HoldNewReport(const std::string& start) {
  report_ = start;
  newReport_ = true;
}

void DeferredWrites::HoldFile(const std::string& path, const std::string& content) {
  const auto same = std::find_if(files_.begin(), files_.end(), [&](const auto& file) { return file.first == path; });
  if (same != files_.end()) {
    same->second = content;
  } else {
    files_.emplace_back(path, content);
  }
}

}  // namespace kelvane::ui
