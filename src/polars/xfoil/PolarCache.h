// Where computed polars are kept between runs, and the file name each one is kept under.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "polars/xfoil/PolarRequest.h"

namespace kelvane::xfoil {

// $XDG_CACHE_HOME/kelvane/polars, or ~/.cache/kelvane/polars when XDG_CACHE_HOME is unset or not an
// absolute path; nothing when HOME is needed and unset.
std::optional<std::filesystem::path> DefaultPolarCacheFolder();

// "naca2412-re1e6.txt"; for a coordinate file its name, a hash of its content (so that an edited file is
// computed afresh) and the Reynolds number: "clark-y-8c2f0e5d1a7b3c4e-re3e5.txt".
std::string CachedPolarName(const PolarRequest& request, std::string_view coordinateContent);

}  // namespace kelvane::xfoil
