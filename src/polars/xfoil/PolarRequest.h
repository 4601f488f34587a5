// A request for the polar XFoil computes: "naca2412@1e6" (a NACA 4- or 5-digit section) or "wing.dat@3e5"
// (a coordinate file in Selig or Lednicer format), each at a Reynolds number.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "model/Outcome.h"

namespace kelvane::xfoil {

// The Reynolds numbers XFoil is asked for: below, its laminar boundary layer is out of its depth; above,
// no wing this program describes flies.
inline constexpr double kMinReynolds = 1e4;
inline constexpr double kMaxReynolds = 1e8;

struct PolarRequest {
  std::string nacaCode;                  // "2412", "23012"; empty for a coordinate file
  std::filesystem::path coordinateFile;  // empty for a NACA section
  double reynolds = 0;
  std::string reynoldsText;  // the shortest text of reynolds, "1e6", "2.5e5": in XFoil's script and file names
};

// Whether a polar argument asks for XFoil's polar rather than naming a polar file: it ends in "@..." after
// a NACA word or a ".dat" name. A request that this accepts may still be refused by ParsePolarRequest.
bool NamesXfoilPolar(std::string_view argument);

// The coordinate file a request names, "wing.dat" of "wing.dat@3e5"; nothing for a NACA section or for an
// argument that names no request.
std::optional<std::string_view> RequestCoordinateFile(std::string_view argument);

// The request, or a refusal naming what is wrong: no "@", a NACA code XFoil cannot make, a Reynolds number
// that is not a number in [kMinReynolds, kMaxReynolds], or a coordinate file that cannot be found.
std::variant<PolarRequest, Outcome> ParsePolarRequest(std::string_view argument);

// "NACA 2412", or the coordinate file's name as messages show it.
std::string SectionForMessage(const PolarRequest& request);

}  // namespace kelvane::xfoil
