// The printed forms of a solution: labelled box texts, JSON, CSV polar lines and the station table.
#include "cli/ResultText.h"

#include "cli/LoadText.h"
#include "cli/TextParts.h"
#include "model/RoundTripNumber.h"
#include "results/Quantities.h"

namespace kelvane::cli {
namespace {

constexpr const char* kMaxLiftKey = kMaxLiftName;

// The stall line rounds as the result boxes do; the position to the millimetre.
constexpr int kStallAngleDecimals = 3;
constexpr int kStallCLDecimals = 5;
constexpr int kStallPositionDecimals = 3;

// Room for one station's JSON object or CSV line, so the text grows once.
constexpr std::size_t kCharsPerStation = 256;

void AppendStationMembers(std::string& text, const StationValues& station) {
  AppendJsonMembers(text, kStationQuantities, station);
  if (station.clmax) {
    text += ", ";
    AppendJsonMember(text, kMaxLiftKey, *station.clmax);
  }
}

void AppendStallJson(std::string& text, const std::optional<StallOnset>& stall) {
  if (!stall) {
    text += kJsonNull;
    return;
  }
  text += '{';
  AppendJsonMember(text, "AlfaK", stall->AlfaK);
  text += ", ";
  AppendJsonMember(text, "CL", stall->CL);
  text += ", ";
  AppendJsonMember(text, "y", stall->y);
  text += '}';
}

}  // namespace

std::string ResultBoxesText(const OperatingPoint& point) {
  std::string text;
  for (std::size_t i = 0; i < kPointQuantities.size(); ++i) {
    const auto& quantity = kPointQuantities[i];
    if (i == kFirstEllipticQuantity) text += "Equivalent elliptic wing:\n";
    text += LabelledLine(quantity.name, Rounded(point.*quantity.member, quantity.boxDecimals));
  }
  return text;
}

std::string StallOnsetLine(const std::optional<StallOnset>& stall) {
  if (!stall) return "Stall onset: none (no station's lift grows with the root angle)\n";
  return "Stall onset: AlfaK " + Rounded(stall->AlfaK, kStallAngleDecimals) + " CL " +
         Rounded(stall->CL, kStallCLDecimals) + " at y = " + Rounded(stall->y, kStallPositionDecimals) + " m\n";
}

std::string ResultsJson(const OperatingPoint& point, const SpanwiseResults& spanwise,
                        const std::optional<StallOnset>& stall, const SpanLoads& loads) {
  std::string text = "{";
  text.reserve(spanwise.stations.size() * kCharsPerStation);
  AppendJsonMembers(text, kPointQuantities, point);
  const std::optional<SpanEfficiency>& efficiency = spanwise.spanEfficiency;
  text += ", ";
  AppendJsonKey(text, "e");
  text += efficiency ? ShortestNumberText(efficiency->e) : kJsonNull;
  text += ", ";
  AppendJsonKey(text, "delta");
  text += efficiency ? ShortestNumberText(efficiency->delta) : kJsonNull;
  text += ", ";
  AppendForcesJson(text, loads);
  text += ", ";
  AppendJsonStations(text, spanwise.stations, AppendStationMembers);
  text += ", ";
  AppendLoadsJson(text, loads);
  if (spanwise.maxLift) {
    text += ", ";
    AppendJsonKey(text, "stall");
    AppendStallJson(text, stall);
  }
  return text + "}\n";
}

std::string PolarHeader() { return CsvNames(kPointQuantities) + ",e\n"; }

std::string PolarRow(const OperatingPoint& point, const std::optional<SpanEfficiency>& spanEfficiency) {
  std::string text;
  for (const auto& quantity : kPointQuantities) {
    if (!text.empty()) text += ',';
    AppendShortestNumberText(text, point.*quantity.member);
  }
  text += ',';
  if (spanEfficiency) AppendCsvNumber(text, spanEfficiency->e);
  return text + '\n';
}

std::string SpanwiseCsv(const SpanwiseResults& spanwise) {
  std::string text = "i," + CsvNames(kStationQuantities);
  text.reserve(spanwise.stations.size() * kCharsPerStation);
  if (spanwise.maxLift) text += "," + std::string(kMaxLiftKey);
  text += '\n';
  for (std::size_t k = 0; k < spanwise.stations.size(); ++k) {
    const StationValues& station = spanwise.stations[k];
    text += std::to_string(k + 1);
    AppendCsvCells(text, kStationQuantities, station);
    if (station.clmax) {
      text += ',';
      AppendCsvNumber(text, *station.clmax);
    }
    text += '\n';
  }
  return text;
}
}  // namespace kelvane::cli
