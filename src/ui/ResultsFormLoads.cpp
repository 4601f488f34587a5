// The results window's loads tab: lift per unit span, shear and bending moment along the span at the air
// density in its box, of the solution on view and of its solution with section polars.
#include <string>

#include "model/Numbers.h"
#include "results/PolarWing.h"
#include "results/Quantities.h"
#include "results/charts/LoadCharts.h"
#include "ui/ResultsForm.h"
#include "ui/ResultsFormBoxes.h"

namespace kelvane::ui {
namespace {

// Enough digits for a designer to read a force off, not the full precision of the CSV.
constexpr int kLoadDigits = 5;
constexpr const char* kDensityUnreadable = " (ondalık ayırıcı nokta).";

std::string Force(const char* symbol, double value, const char* unit) {
  return std::string(symbol) + " = " + SignificantText(value, kLoadDigits) + " " + unit;
}

// "L = 0.61 N, Di = 0.012 N, Q0 = 0.31 N, M0 = 0.72 N·m", with Dp and D after them when known.
std::string LoadsText(const SpanLoads& loads) {
  std::string text;
  for (const auto& quantity : kLoadQuantities)
    text += (text.empty() ? "" : ", ") + Force(quantity.symbol, loads.*quantity.member, quantity.unit);
  if (loads.Dp && loads.D) text += ", " + Force("Dp", *loads.Dp, "N") + ", " + Force("D", *loads.D, "N");
  return text;
}

}  // namespace

void ResultsForm::RebuildLoads() {
  loads_.reset();
  sectionLoads_.reset();
  ChartsOf(ResultsTab::Loads).clear();
  const auto rho = StrictNumber(Trimmed(Text_Rho.Text()));
  if (!rho || CheckAirDensity(*rho).IsRefused()) {
    Label_Loads.SetCaption(std::string(kAirDensityMessage) + kDensityUnreadable);
    return;
  }
  auto linear = LinearSpanLoads(*record_, *rho);
  if (!linear) {
    Label_Loads.SetCaption(linear.Message());
    return;
  }
  loads_ = std::move(*linear);
  std::string note = LoadsText(*loads_);
  if (sectionSolution_) {
    if (auto polar = PolarSpanLoads(*record_, *sectionSolution_, *rho)) {
      sectionLoads_ = std::move(*polar);
      note += "; kesit polarlı: " + LoadsText(*sectionLoads_);
    } else {
      note += "; kesit polarlı çözümün yükleri: " + polar.Message();
    }
  }
  Label_Loads.SetCaption(note + ". V∞ = " + PlainNumberText(record_->Voo) + " m/s: yükler V∞² ile büyür.");
  ChartsOf(ResultsTab::Loads) = charts::LoadCharts(*record_, *loads_, sectionLoads_ ? &*sectionLoads_ : nullptr);
}

void ResultsForm::Text_Rho_Change() {
  if (!record_ || stale_) return;
  RebuildLoads();
  ShowViews();
}

}  // namespace kelvane::ui
