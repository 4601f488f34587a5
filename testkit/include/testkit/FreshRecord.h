// The record and the system cache that the engine's tests compute on, one of each per test program, and
// a fresh start for them with the constants and the wing that start-up gives.
#pragma once

#include <cmath>

#include "model/Module_ortak.h"
#include "solver/SystemCache.h"

namespace kelvane::testing {

// On the heap and never freed: the record holds two 102 x 102 matrices, and tests may reach it until the
// program ends.
inline Module_ortak& testRecord = *new Module_ortak();
inline SystemCache& testCache = *new SystemCache();

// Back to the all-zero record a program starts with.
inline void ResetTestRecord() { testRecord = Module_ortak{}; }

// The constants start-up sets: Pi, PiHalf and the free-stream speed.
inline void SetStartConstants() {
  testRecord.Pi = 4 * std::atan(1.0);
  testRecord.PiHalf = testRecord.Pi / 2;
  testRecord.Voo = 1;
}

inline void StartFreshRecord() {
  ResetTestRecord();
  SetStartConstants();
  testRecord.S = 10;
  testRecord.AR = 10;
  testRecord.b = 10;
}

}  // namespace kelvane::testing
