// The wing every benchmark solves: tapered, b = S = AR = 10, taper 0.2, slopes 2π, 10 degrees at the root.
#pragma once

#include "model/Module_ortak.h"
#include "testkit/WingOnRecord.h"

namespace kelvane::bench {

using testing::ResetTestRecord;
using testing::testRecord;

inline constexpr double kSpan = 10;
inline constexpr double kArea = 10;
inline constexpr double kAspectRatio = 10;
inline constexpr double kTaper = 0.2;
inline constexpr double kRootAngle = 10;

// The wing on a fresh record with n stations, ready to solve.
inline void SetUpBenchWing(int n) {
  ResetTestRecord();
  testing::PlaceStations(kSpan, kArea, kAspectRatio, n);
  testing::TaperedChords(kTaper);
  testing::UniformSections(testing::kTwoPiAsSaved);
  testRecord.AlfaK = kRootAngle;
}

}  // namespace kelvane::bench
