// The kept system and elimination: what decides whether they can be reused, and the cache that holds them.
#include "solver/SystemCache.h"

#include <cstring>

namespace kelvane {
namespace {

// Bit for bit, so that -0 and +0, or two NaNs, count as different inputs.
bool SameBits(const double* first, const double* second, int count) {
  return std::memcmp(first, second, static_cast<std::size_t>(count) * sizeof(double)) == 0;
}

bool SameBlock(const Matrix& first, const Matrix& second, int rows, int columns) {
  for (int i = 1; i <= rows; ++i)
    if (!SameBits(&first[i][1], &second[i][1], columns)) return false;
  return true;
}

}  // namespace

bool KeptSystem::MadeFrom(const Module_ortak& m, int count, SolutionMode solutionMode) const {
  return valid && n == count && mode == solutionMode && SameBits(&theta[1], &m.theta[1], count) &&
         SameBits(&mu[1], &m.mu[1], count);
}

bool KeptElimination::StartedFrom(const Matrix& a, int count) const {
  return valid && n == count && SameBlock(before, a, count, count);
}

SystemCache::SystemCache() = default;

KeptSystem& SystemCache::System() {
  if (!system_) system_ = std::make_unique<KeptSystem>();
  return *system_;
}

KeptElimination& SystemCache::Elimination() {
  if (!elimination_) elimination_ = std::make_unique<KeptElimination>();
  return *elimination_;
}

void SystemCache::Forget() {
  if (system_) system_->valid = false;
  if (elimination_) elimination_->valid = false;
}

void CopyBlock(const Matrix& from, Matrix& to, int rows, int columns) {
  for (int i = 1; i <= rows; ++i)
    std::memcpy(&to[i][1], &from[i][1], static_cast<std::size_t>(columns) * sizeof(double));
}

}  // namespace kelvane
