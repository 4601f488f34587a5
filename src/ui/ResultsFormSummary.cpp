// The results window's lines above its tabs: the summary of the solution on view, and the note that says
// when the main window's inputs changed since that solution.
#include <string>
#include <vector>

#include "model/Numbers.h"
#include "results/LiftSlope.h"
#include "results/Quantities.h"
#include "ui/ResultsForm.h"

namespace kelvane::ui {
namespace {

constexpr const char* kSeparator = ", ";
constexpr const char* kWithSectionPolars = "; kesit polarlarıyla ";
constexpr const char* kInputsChanged = "Girdiler değişti: ";
constexpr const char* kResultsOfLastSolution =
    ". Gösterilen sonuçlar son çözümün girdilerine aittir; yenilemek için yeniden hesaplayınız.";

// "CL = 0.76159", "dCL/dα = 0.09139 1/°": the value rounded to the quantity's decimals, then its unit.
template <typename Of>
std::string Figure(const Quantity<Of>& quantity, double value) {
  const std::string unit = quantity.unit;
  return std::string(quantity.symbol) + " = " + PlainNumberText(RoundTo(value, quantity.boxDecimals)) +
         (unit.empty() ? "" : " " + unit);
}

}  // namespace

// The linear solution's CL, CDi, e (none at zero lift) and lift-curve slope; with section polars, their L/D
// at the same root angle.
void ResultsForm::ShowSummary() {
  std::vector<std::string> figures{Figure(QuantityNamed(kPointQuantities, "CL"), record_->CL),
                                   Figure(QuantityNamed(kPointQuantities, "CDi"), record_->CDi)};
  if (spanwise_.spanEfficiency) figures.push_back(Figure(kSpanEfficiencyQuantity, spanwise_.spanEfficiency->e));
  if (const auto slope = LiftCurveSlope(*record_, systemCache_, AppliedFlaps()))
    figures.push_back(Figure(kLiftSlopeQuantity, slope->dCLdAlfa));
  std::string summary;
  for (const std::string& figure : figures) summary += (summary.empty() ? "" : kSeparator) + figure;
  if (sectionSolution_)
    summary += kWithSectionPolars + Figure(QuantityNamed(kPolarQuantities, "LD"), sectionSolution_->LD);
  Label_Summary.SetCaption(summary);
}

void ResultsForm::InputsChanged(const std::vector<std::string>& names) {
  std::string note;
  if (HasSolution())
    for (const std::string& name : names) note += (note.empty() ? kInputsChanged : kSeparator) + name;
  Label_InputsChanged.SetCaption(note.empty() ? note : note + kResultsOfLastSolution);
}

}  // namespace kelvane::ui
