// Finds the polar cache and the trap switch for an XFoil polar of the results window, then asks for it.
#include "ui/ResultsFormXfoil.h"

#include <string>

#include "polars/xfoil/PolarCache.h"
#include "polars/xfoil/TrapsOffLibrary.h"

namespace kelvane::ui {
namespace {

constexpr const char* kNoCacheFolder = "XFoil polarlarının klasörü bulunamadı: HOME tanımlı değil";

}  // namespace

XfoilResult ComputeXfoilPolar(const xfoil::PolarRequest& request, xfoil::XfoilRunOptions options) {
  const auto folder = xfoil::DefaultPolarCacheFolder();
  if (!folder) return Outcome::Refused(kNoCacheFolder);
  std::string fault;
  const auto library = xfoil::FindTrapsOffLibrary(fault);
  if (!library) return Outcome::Refused(fault);
  options.trapsOffLibrary = *library;
  return xfoil::XfoilPolar(request, {.folder = *folder, .refresh = false}, options);
}

}  // namespace kelvane::ui
