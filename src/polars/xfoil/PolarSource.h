// A section polar wherever the user may name one: a polar file, or a request for XFoil's polar
// ("naca2412@1e6", "wing.dat@3e5") served from the polar cache or by a fresh XFoil run. Every front end
// hands its polar arguments here.
#pragma once

#include <functional>
#include <string_view>

#include "model/Outcome.h"
#include "polars/SectionPolar.h"
#include "polars/xfoil/PolarRequest.h"
#include "polars/xfoil/XfoilRun.h"

namespace kelvane::xfoil {

struct PolarSources {
  bool refresh = false;  // compute XFoil's polars afresh even when the cache holds them
  // For XFoil's runs; an empty trapsOffLibrary is the one FindTrapsOffLibrary finds.
  XfoilRunOptions run;
  // Hears, once per XFoil run as it starts to yield rows, the request XFoil computes; may be empty.
  std::function<void(const PolarRequest&)> computing;
};

// The polar the argument names. Refused as the polar reader, the request parser or the XFoil run refuses,
// and when there is no folder for the polar cache or no trap switch.
Expected<SectionPolar> LoadSectionPolar(std::string_view argument, const PolarSources& sources);

// The root's and the tip's polars; the same argument for both is loaded once.
Expected<WingPolars> LoadWingPolars(std::string_view root, std::string_view tip, const PolarSources& sources);

}  // namespace kelvane::xfoil
