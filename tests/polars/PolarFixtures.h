// The shipped XFoil polars (tests/data/polars) and a polar on a straight lift line, for the polar tests.
#pragma once

#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>

#include "polars/PolarFile.h"
#include "polars/SectionPolar.h"

namespace kelvane::testing {

inline constexpr const char* kShippedPolars[] = {"naca0012-re1e6.txt", "naca2412-re1e6.txt", "naca4412-re1e6.txt",
                                                 "naca4412-re3e5.txt"};

inline std::string ShippedPolarPath(const std::string& name) { return KELVANE_POLARS_DIR "/" + name; }

inline SectionPolar ShippedPolar(const std::string& name) {
  std::optional<SectionPolar> polar;
  if (const Outcome read = ReadPolarFile(ShippedPolarPath(name), polar); read.IsRefused())
    throw std::runtime_error(read.Message());
  return *polar;
}

// One polar for root and tip.
inline WingPolars BothSections(const SectionPolar& polar) { return {polar, polar}; }

// A CSV polar whose rows lie on cl = slope·(alpha - zeroLift)·π/180 every degree from first to last,
// with a constant cd: the linear solution's section.
inline std::string LinearPolarText(double slope, double zeroLift, double cd, int first, int last) {
  const double pi = 4 * std::atan(1.0);
  std::string text = "alpha,cl,cd\n";
  char line[96];
  for (int alpha = first; alpha <= last; ++alpha) {
    std::snprintf(line, sizeof line, "%d,%.17g,%.17g\n", alpha, slope * (alpha - zeroLift) * pi / 180, cd);
    text += line;
  }
  return text;
}

inline SectionPolar LinearPolar(double slope, double zeroLift, double cd, int first, int last) {
  std::optional<SectionPolar> polar;
  if (const Outcome read = ReadPolarText(LinearPolarText(slope, zeroLift, cd, first, last), "linear.csv", polar);
      read.IsRefused())
    throw std::runtime_error(read.Message());
  return *polar;
}

}  // namespace kelvane::testing
