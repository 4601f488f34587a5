// The one shape of every lifting-line stage that walks the stations: compute aside, check, store. A stage
// computes the fields it writes on copies, for stations 1..N; the record takes the copies only when every
// value in them is finite, so a refused stage leaves the record as it was. BuildSystem, whose fields are the
// N x N matrices, works the same way on the system it keeps between solutions instead of on copies.
#pragma once

#include <cmath>
#include <optional>
#include <tuple>

#include "model/Counts.h"
#include "model/Module_ortak.h"
#include "model/Outcome.h"
#include "solver/LiftingLine.h"

namespace kelvane {

inline bool AllFinite(const StationTable& table, int first, int last) {
  for (int i = first; i <= last; ++i)
    if (!std::isfinite(table[i])) return false;
  return true;
}

namespace stage {

// The copy a stage computes on, what of it must be finite, and how it goes back into the record, for the
// two kinds of field. Only stations 1..n count.
inline double Take(double field, int) { return field; }
inline bool Finite(double copy, int) { return std::isfinite(copy); }
inline void Store(double& field, double copy, int) { field = copy; }

inline StationTable Take(const StationTable& field, int) { return field; }
inline bool Finite(const StationTable& copy, int n) { return AllFinite(copy, 1, n); }
inline void Store(StationTable& field, const StationTable& copy, int) { field = copy; }

}  // namespace stage

// Calls compute(record, n, copies...) with n = N and a copy of each field named in writes, in that order,
// then stores the copies into the record. Refuses with kNotFiniteMessage, storing nothing, when N is no
// station count or a copy holds a value that is not finite.
template <typename Compute, typename... Field>
Outcome RunStage(Module_ortak& record, Compute compute, Field Module_ortak::*... writes) {
  const std::optional<int> count = StationCount(record);
  if (!count) return Outcome::Refused(kNotFiniteMessage);
  const int n = *count;
  auto copies = std::make_tuple(stage::Take(record.*writes, n)...);
  std::apply([&](auto&... copy) { compute(static_cast<const Module_ortak&>(record), n, copy...); }, copies);
  const bool finite = std::apply([n](const auto&... copy) { return (stage::Finite(copy, n) && ...); }, copies);
  if (!finite) return Outcome::Refused(kNotFiniteMessage);
  std::apply([&record, n, writes...](const auto&... copy) { (stage::Store(record.*writes, copy, n), ...); }, copies);
  return Outcome::Done();
}

}  // namespace kelvane
