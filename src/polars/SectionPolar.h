// A section's polar, its lift and drag coefficients against the angle of attack, linear between rows; and
// the polar of a wing station, blended from the root and tip sections' polars.
#pragma once

#include <vector>

namespace kelvane {

struct PolarRow {
  double alpha = 0;  // angle of attack, degrees
  double cl = 0;
  double cd = 0;
  bool operator==(const PolarRow&) const = default;
};

// A polar's values at one angle, with the lift slope of the segment the angle lies on.
struct PolarValues {
  double cl = 0;
  double cd = 0;
  double clSlope = 0;  // per degree
};

class SectionPolar {
 public:
  // rows: at least two, finite, in strictly increasing alpha (what the polar file reader hands over).
  explicit SectionPolar(std::vector<PolarRow> rows);

  const std::vector<PolarRow>& Rows() const { return rows_; }
  double FirstAlpha() const { return rows_.front().alpha; }
  double LastAlpha() const { return rows_.back().alpha; }
  bool Covers(double alpha) const { return alpha >= FirstAlpha() && alpha <= LastAlpha(); }

  // On the segment between the neighbouring rows around alpha: at a row's own alpha the segment that
  // starts there, at the last row the one that ends there. Outside the rows the end segments go on; that
  // is for an iteration on its way, a result must be Covered.
  PolarValues At(double alpha) const;

  // The row of the largest cl (the first of equal ones): a polar linear between rows has its maximum there.
  PolarRow MaxLift() const;

 private:
  std::vector<PolarRow> rows_;
};

// The wing's root and tip section polars; with one polar for both sections they are the same.
struct WingPolars {
  SectionPolar root;
  SectionPolar tip;

  // Station eta = y/SemiSpan (0 at the root, 1 at the tip) blends the sections linearly, value and slope:
  // (1 - eta)·root + eta·tip.
  PolarValues At(double eta, double alpha) const;
  // Both section polars cover alpha.
  bool Covers(double alpha) const { return root.Covers(alpha) && tip.Covers(alpha); }
  // The angles both polars cover.
  double FirstAlpha() const;
  double LastAlpha() const;
};

}  // namespace kelvane
