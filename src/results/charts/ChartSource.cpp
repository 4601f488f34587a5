// Wording what a chart shows: the wing's name, the operating point, the program's version.
#include "results/charts/ChartSource.h"

#include <filesystem>
#include <utility>

#include "model/Numbers.h"
#include "model/Version.h"
#include "results/Quantities.h"

namespace kelvane::charts {
namespace {

// "αkök = 5°", "CL = 0.4123": the quantity's symbol and its value as its result box rounds it.
std::string Rounded(const Quantity<OperatingPoint>& quantity, double value) {
  return PlainNumberText(RoundTo(value, quantity.boxDecimals)) + quantity.unit;
}

const Quantity<OperatingPoint>& Angle() { return QuantityNamed(kPointQuantities, "AlfaK"); }
const Quantity<OperatingPoint>& Lift() { return QuantityNamed(kPointQuantities, "CL"); }

std::string Stations(double N) { return std::string(kSourceSeparator) + "N = " + PlainNumberText(N); }

}  // namespace

std::string WingNameOf(const std::string& configPath) { return std::filesystem::path(configPath).filename().string(); }

ChartSource SolutionSource(std::string wing, const Module_ortak& m, SolutionMode mode) {
  const std::string angle = std::string(Angle().symbol) + " = " + Rounded(Angle(), m.AlfaK);
  const std::string lift = std::string(Lift().symbol) + " = " + Rounded(Lift(), m.CL);
  const bool givenAngle = mode == SolutionMode::GivenAngle;
  return {
      .wing = std::move(wing),
      .operatingPoint = (givenAngle ? angle : lift) + kSourceSeparator + (givenAngle ? lift : angle) + Stations(m.N)};
}

ChartSource SweepSource(std::string wing, SolutionMode mode, std::span<const double> values, double N) {
  const auto& swept = mode == SolutionMode::GivenAngle ? Angle() : Lift();
  std::string range = std::string(swept.symbol) + " = ";
  if (!values.empty()) range += Rounded(swept, values.front()) + " … " + Rounded(swept, values.back());
  range += " (" + std::to_string(values.size()) + " nokta)";
  return {.wing = std::move(wing), .operatingPoint = range + Stations(N)};
}

std::string Subtitle(const ChartSource& source) { return source.wing + kSourceSeparator + source.operatingPoint; }

std::string CsvPreamble(const ChartSource& source) {
  return "# Kanat: " + source.wing + "\n# Çalışma noktası: " + source.operatingPoint + "\n# Kelvane " + kVersion + "\n";
}

}  // namespace kelvane::charts
