// A fresh model record with the constants and the wing that start-up gives, for tests that drive the
// engine without a window.
#pragma once

#include <cmath>

#include "model/Module_ortak.h"

namespace kelvane::testing {

// The constants start-up sets: Pi, PiHalf and the free-stream speed.
inline void SetStartConstants() {
  ortak.Pi = 4 * std::atan(1.0);
  ortak.PiHalf = ortak.Pi / 2;
  ortak.Voo = 1;
}

inline void StartFreshRecord() {
  ResetModuleOrtak();
  SetStartConstants();
  ortak.S = 10;
  ortak.AR = 10;
  ortak.b = 10;
}

}  // namespace kelvane::testing
