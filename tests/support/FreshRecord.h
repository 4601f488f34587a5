// A fresh model record with the constants and the wing that start-up gives, for tests that drive the
// engine without a window.
#pragma once

#include <cmath>

#include "model/Module_ortak.h"

namespace kelvane::testing {

inline void StartFreshRecord() {
  ResetModuleOrtak();
  ortak.Pi = 4 * std::atan(1.0);
  ortak.PiHalf = ortak.Pi / 2;
  ortak.Voo = 1;
  ortak.S = 10;
  ortak.AR = 10;
  ortak.b = 10;
}

}  // namespace kelvane::testing
