// Arbitrary bytes as a section polar file: the reader either refuses them with a message or hands over a
// polar that every lookup can trust, sorted, finite, its rows met exactly at their own angles.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "polars/PolarFile.h"

namespace {

using namespace kelvane;

[[noreturn]] void Fail(const char* what, double alpha) {
  std::fprintf(stderr, "%s at alpha %.17g\n", what, alpha);
  std::abort();
}

void CheckPolar(const SectionPolar& polar) {
  const auto& rows = polar.Rows();
  if (rows.size() < 2) Fail("fewer than two rows", 0);
  const double maxLift = polar.MaxLift().cl;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const PolarRow& row = rows[k];
    if (!std::isfinite(row.alpha) || !std::isfinite(row.cl) || !std::isfinite(row.cd)) Fail("not finite", row.alpha);
    if (k > 0 && !(rows[k - 1].alpha < row.alpha)) Fail("not in increasing alpha", row.alpha);
    const PolarValues at = polar.At(row.alpha);
    if (at.cl != row.cl || at.cd != row.cd) Fail("a row's own values missed", row.alpha);
    if (!(maxLift >= row.cl)) Fail("a row above the maximum lift", row.alpha);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  std::optional<SectionPolar> polar;
  const Outcome read = ReadPolarText(content, "fuzz-polar.txt", polar);
  if (read.IsRefused()) {
    if (polar || read.Message().empty()) Fail("a refusal handed over a polar or said nothing", 0);
  } else {
    if (!polar) Fail("accepted without a polar", 0);
    CheckPolar(*polar);
  }
  return 0;
}
