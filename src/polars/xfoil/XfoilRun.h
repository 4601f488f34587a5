// One XFoil run for one polar, in a private temporary folder, with the floating-point trap switch preloaded.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "model/Outcome.h"
#include "polars/xfoil/PolarRequest.h"

namespace kelvane::xfoil {

inline constexpr const char* kXfoilProgram = "xfoil";  // looked up on PATH
inline constexpr std::chrono::seconds kXfoilTimeLimit{120};
// Fewer converged angles make no polar worth solving a wing with.
inline constexpr int kLeastConvergedRows = 10;

struct XfoilRunOptions {
  std::filesystem::path trapsOffLibrary;  // the library FindTrapsOffLibrary finds
  std::chrono::seconds timeLimit = kXfoilTimeLimit;
  std::function<bool()> cancelled;         // polled while XFoil runs; true stops it; may be empty
  std::function<void(int rows)> progress;  // the polar's rows so far, as they grow; may be empty
};

// The polar file XFoil writes for the request, with at least kLeastConvergedRows rows. coordinateContent is
// the coordinate file's content (unused for a NACA section). Refused when XFoil is missing, cannot start,
// runs past the time limit, is cancelled, fails (with its own reason when it printed one) or converges at
// too few angles (with the count).
std::variant<std::string, Outcome> RunXfoil(const PolarRequest& request, std::string_view coordinateContent,
                                            const XfoilRunOptions& options);

}  // namespace kelvane::xfoil
