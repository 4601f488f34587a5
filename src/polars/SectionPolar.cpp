// Looking a section polar up between its rows, and blending the root and tip polars along the span.
#include "polars/SectionPolar.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace kelvane {

SectionPolar::SectionPolar(std::vector<PolarRow> rows) : rows_(std::move(rows)) {}

PolarValues SectionPolar::At(double alpha) const {
  // The first row above alpha ends the segment; the end segments hold everything beyond them.
  const auto above =
      std::upper_bound(rows_.begin(), rows_.end(), alpha, [](double a, const PolarRow& row) { return a < row.alpha; });
  const std::ptrdiff_t last = static_cast<std::ptrdiff_t>(rows_.size()) - 2;
  const std::ptrdiff_t k = std::clamp<std::ptrdiff_t>((above - rows_.begin()) - 1, 0, last);
  const PolarRow& start = rows_[k];
  const PolarRow& end = rows_[k + 1];
  const double width = end.alpha - start.alpha;
  // std::lerp gives each row's own values exactly at its alpha.
  const double t = (alpha - start.alpha) / width;
  return {.cl = std::lerp(start.cl, end.cl, t),
          .cd = std::lerp(start.cd, end.cd, t),
          .clSlope = (end.cl - start.cl) / width};
}

PolarRow SectionPolar::MaxLift() const {
  return *std::max_element(rows_.begin(), rows_.end(),
                           [](const PolarRow& a, const PolarRow& b) { return a.cl < b.cl; });
}

PolarValues WingPolars::At(double eta, double alpha) const {
  const PolarValues r = root.At(alpha);
  const PolarValues t = tip.At(alpha);
  const auto blend = [eta](double atRoot, double atTip) { return (1 - eta) * atRoot + eta * atTip; };
  return {.cl = blend(r.cl, t.cl), .cd = blend(r.cd, t.cd), .clSlope = blend(r.clSlope, t.clSlope)};
}

double WingPolars::FirstAlpha() const { return std::max(root.FirstAlpha(), tip.FirstAlpha()); }
double WingPolars::LastAlpha() const { return std::min(root.LastAlpha(), tip.LastAlpha()); }

}  // namespace kelvane
