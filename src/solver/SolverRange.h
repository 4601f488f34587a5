// Guards shared by Gauss and the lifting-line stages: the station count they may trust, and the check
// that a stage's results are finite before it stores them.
#pragma once

#include <cmath>
#include <optional>
#include <vector>

#include "model/Module_ortak.h"

namespace kelvane {

// Largest N whose right-hand-side column N + 1 still fits in a 0..101 table.
inline constexpr int kMaxSolvedStations = kStationEntries - 2;

// ortak.N as an index bound, or nothing when it is not a whole number in 1..kMaxSolvedStations.
inline std::optional<int> SolvedStationCount() {
  const double n = ortak.N;
  if (!(n >= 1 && n <= kMaxSolvedStations) || n != std::floor(n)) return std::nullopt;
  return static_cast<int>(n);
}

inline bool AllFinite(const StationTable& table, int first, int last) {
  for (int i = first; i <= last; ++i)
    if (!std::isfinite(table[i])) return false;
  return true;
}

// Rows 1..rows.size() - 1 (row 0 is unused, as in the record), columns 1..columns.
inline bool AllFinite(const std::vector<StationTable>& rows, int columns) {
  for (size_t i = 1; i < rows.size(); ++i)
    if (!AllFinite(rows[i], 1, columns)) return false;
  return true;
}

}  // namespace kelvane
