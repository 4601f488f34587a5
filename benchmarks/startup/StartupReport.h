// What a start-up probe prints once its window is on view and the event loop runs: the wall clock in
// nanoseconds (the measuring script started the clock just before it launched the probe) and the resident
// memory, then it quits.
#pragma once

#include <QCoreApplication>
#include <QFile>

#include <chrono>
#include <cstdio>

namespace kelvane::bench {

// The "VmRSS:" line of /proc/self/status, in kB.
inline long ResidentKilobytes() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
  return -1;
}

inline void ReportStartedAndQuit() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  std::printf("shown_ns %lld\nrss_kb %ld\n",
              static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
              ResidentKilobytes());
  std::fflush(stdout);
  QCoreApplication::quit();
}

}  // namespace kelvane::bench
