// The printed forms of a solution: labelled box texts, a JSON object and CSV polar lines.
#pragma once

#include <string>

namespace kelvane::ui {
class Form_Wing;
}

namespace kelvane::cli {

// One solved operating point at full precision: the wing, then its equivalent elliptic wing.
struct OperatingPoint {
  double AlfaK = 0;
  double CL = 0;
  double CDi = 0;
  double E = 0;
  double AlfE = 0;
  double CDiE = 0;
  double EE = 0;
};

// The shortest text that reads back to the same double ("10", "0.1", "1e-05").
std::string ShortestNumberText(double value);

// The result boxes' texts, one labelled line each.
std::string ResultBoxesText(const ui::Form_Wing& form);
std::string ResultsJson(const OperatingPoint& point);
std::string PolarHeader();
std::string PolarRow(const OperatingPoint& point);

}  // namespace kelvane::cli
