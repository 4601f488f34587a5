// Serves a polar request from the cache or from XFoil, keeping what XFoil computed.
#include "polars/xfoil/XfoilPolar.h"

#include <system_error>

#include "model/FileErrorText.h"
#include "model/MessageText.h"
#include "model/TextFile.h"
#include "polars/xfoil/PolarCache.h"
#include "polars/xfoil/PolarRows.h"

namespace kelvane::xfoil {

std::variant<ComputedPolar, Outcome> XfoilPolar(const PolarRequest& request, const PolarCache& cache,
                                                const XfoilRunOptions& options) {
  std::string coordinates;
  if (!request.coordinateFile.empty())
    if (Outcome read = ReadWholeFile(request.coordinateFile.string(), coordinates); read.IsRefused())
      return Outcome::Refused(
          LimitMessage(PathForMessage(request.coordinateFile.string()) + " dosyası okunamadı: " + read.Message()));

  ComputedPolar polar;
  polar.file = cache.folder / CachedPolarName(request, coordinates);
  // A cached file that cannot be read, or holds too few rows, is computed afresh.
  if (!cache.refresh && !ReadWholeFile(polar.file.string(), polar.text).IsRefused()) {
    polar.rows = CountPolarRows(polar.text);
    polar.fromCache = true;
    if (polar.rows >= kLeastConvergedRows) return polar;
  }

  std::variant<std::string, Outcome> computed = RunXfoil(request, coordinates, options);
  if (Outcome* refused = std::get_if<Outcome>(&computed)) return std::move(*refused);
  polar.text = std::move(std::get<std::string>(computed));
  polar.rows = CountPolarRows(polar.text);
  polar.fromCache = false;

  std::error_code error;
  std::filesystem::create_directories(cache.folder, error);
  if (error)
    return Outcome::Refused(LimitMessage(PathForMessage(cache.folder.string()) +
                                         " polar klasörü açılamadı: " + FileErrorText(error.value())));
  if (Outcome written = WriteFileReplacing(polar.file.string(), polar.text); written.IsRefused())
    return Outcome::Refused(
        LimitMessage(PathForMessage(polar.file.string()) + " dosyası yazılamadı: " + written.Message()));
  return polar;
}

}  // namespace kelvane::xfoil
