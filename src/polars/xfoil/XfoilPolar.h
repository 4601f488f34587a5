// The polar XFoil computes for a request, from the polar cache or from a fresh XFoil run that is then kept
// there: what a front end calls wherever a polar file is accepted.
#pragma once

#include <filesystem>
#include <string>
#include <variant>

#include "model/Outcome.h"
#include "polars/xfoil/PolarRequest.h"
#include "polars/xfoil/XfoilRun.h"

namespace kelvane::xfoil {

struct PolarCache {
  std::filesystem::path folder;  // DefaultPolarCacheFolder(), or a folder of the caller's choice
  bool refresh = false;          // compute afresh even when the cache holds the polar
};

struct ComputedPolar {
  std::filesystem::path file;  // the polar in the cache, an XFoil polar file
  std::string text;            // its content
  int rows = 0;                // its converged rows
  bool fromCache = false;      // read from the cache, XFoil not run
};

// The cached polar, or XFoil's, which is then written to the cache atomically (a failed run writes
// nothing). Refused as RunXfoil refuses, or when the coordinate file or the cache cannot be read or written.
std::variant<ComputedPolar, Outcome> XfoilPolar(const PolarRequest& request, const PolarCache& cache,
                                                const XfoilRunOptions& options);

}  // namespace kelvane::xfoil
