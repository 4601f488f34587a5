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

bool DeferredWrites::WriteOut() {
  // Taken out first: a message shown on a failure may run more of the form.
  const std::string report = std::exchange(report_, {});
  const auto files = std::exchange(files_, {});
  bool written = report.empty() || form_.AppendReportNow(report);
  for (const auto& [path, content] : files) written = form_.ReplaceFileNow(path, content) && written;
  return written;
}

void DeferredWrites::HoldReport(const std::string& blocks) {
  report_ += blocks;
  if (report_.size() <= kHeldReportLimit) return;
  form_.AppendReportNow(std::exchange(report_, {}));
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
