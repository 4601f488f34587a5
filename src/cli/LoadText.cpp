// Writing a wing's loads as kelvane-solve prints them.
#include "cli/LoadText.h"

#include <string_view>
#include <utility>
#include <vector>

#include "cli/TextParts.h"
#include "model/RoundTripNumber.h"
#include "results/Quantities.h"

namespace kelvane::cli {
namespace {

// The profile drag and the total drag, beside the table's forces when the solution has section polars.
constexpr const char* kProfileDragName = "Dp";
constexpr const char* kDragName = "D";
constexpr const char* kForceUnit = "N";
// Newtons to the millinewton: finer than any load a wing of this model is good for.
constexpr int kLoadDecimals = 3;

// The forces in the order they are printed, the optional ones when the loads have them.
std::vector<std::pair<std::string_view, double>> Forces(const SpanLoads& loads) {
  std::vector<std::pair<std::string_view, double>> forces;
  for (std::size_t k = 0; k < kFirstRootLoadQuantity; ++k)
    forces.emplace_back(kLoadQuantities[k].name, loads.*kLoadQuantities[k].member);
  if (loads.Dp) forces.emplace_back(kProfileDragName, *loads.Dp);
  if (loads.D) forces.emplace_back(kDragName, *loads.D);
  return forces;
}

}  // namespace

void AppendForcesJson(std::string& text, const SpanLoads& loads) {
  bool first = true;
  for (const auto& [name, value] : Forces(loads)) {
    if (!std::exchange(first, false)) text += ", ";
    AppendJsonMember(text, name, value);
  }
}

void AppendLoadsJson(std::string& text, const SpanLoads& loads) {
  AppendJsonKey(text, "loads");
  text += '{';
  for (std::size_t k = kFirstRootLoadQuantity; k < kLoadQuantities.size(); ++k) {
    AppendJsonMember(text, kLoadQuantities[k].name, loads.*kLoadQuantities[k].member);
    text += ", ";
  }
  AppendJsonStations(text, loads.stations, [](std::string& into, const StationLoad& station) {
    AppendJsonMembers(into, kStationLoadQuantities, station);
  });
  text += '}';
}

std::string LoadsCsv(const SpanLoads& loads) {
  std::string text = "i," + CsvNames(kStationLoadQuantities) + '\n';
  for (std::size_t k = 0; k < loads.stations.size(); ++k) {
    text += std::to_string(k + 1);
    AppendCsvCells(text, kStationLoadQuantities, loads.stations[k]);
    text += '\n';
  }
  return text;
}

std::string LoadLines(const SpanLoads& loads, double rho) {
  std::string text = "Loads at rho = " + ShortestNumberText(rho) + " kg/m³:\n";
  for (const auto& [name, value] : Forces(loads)) text += LabelledLine(name, Rounded(value, kLoadDecimals), kForceUnit);
  for (std::size_t k = kFirstRootLoadQuantity; k < kLoadQuantities.size(); ++k) {
    const auto& quantity = kLoadQuantities[k];
    text += LabelledLine(quantity.name, Rounded(loads.*quantity.member, kLoadDecimals), quantity.unit);
  }
  return text;
}

}  // namespace kelvane::cli
