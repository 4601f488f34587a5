// The counts the record holds as doubles (they are read from text) turned into index bounds that a loop
// over a table may trust. Every step that walks the stations takes N through StationCount().
#pragma once

#include <cmath>
#include <optional>

#include "model/Module_ortak.h"

namespace kelvane {

// The largest N whose right-hand-side column N + 1 still fits in a 0..101 table.
inline constexpr int kMaxStationCount = kStationEntries - 2;

// The count as an int when it is a whole number from 1 to last; nothing for anything else (a fraction,
// zero, a negative number, infinity, NaN).
inline std::optional<int> WholeCount(double count, int last) {
  if (!(count >= 1 && count <= last) || count != std::floor(count)) return std::nullopt;
  return static_cast<int>(count);
}

// The station guard: the record's N as the bound of a loop over stations 0..N or 1..N.
inline std::optional<int> StationCount(const Module_ortak& m) { return WholeCount(m.N, kMaxStationCount); }

}  // namespace kelvane
