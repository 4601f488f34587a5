// Writing solutions with section polars as kelvane-solve prints them.
#include "cli/PolarText.h"

#include <limits>

#include "cli/LoadText.h"
#include "cli/TextParts.h"
#include "results/Quantities.h"

namespace kelvane::cli {
namespace {

constexpr const char* kStalledName = "stalled";
constexpr const char* kSpanEfficiencyName = "e";

double SpanEfficiencyOrNaN(const PolarSolution& solution) {
  return solution.e.value_or(std::numeric_limits<double>::quiet_NaN());
}

}  // namespace

std::string PolarResultLines(const PolarSolution& solution, const std::optional<PolarSolution>& clmax) {
  std::string text;
  for (const auto& quantity : kPolarQuantities)
    text += LabelledLine(quantity.name, Rounded(solution.*quantity.member, quantity.boxDecimals));
  if (clmax)
    text += LabelledLine(
        "CLmax", Rounded(clmax->CL, BoxDecimals("CL")) + " at AlfaK " + Rounded(clmax->AlfaK, BoxDecimals("AlfaK")));
  return text;
}

std::string PolarResultsJson(const PolarSolution& solution, const SpanLoads& loads,
                             const std::optional<PolarSolution>& clmax) {
  std::string text = "{";
  AppendJsonMembers(text, kPolarQuantities, solution);
  text += ", ";
  AppendJsonMember(text, kSpanEfficiencyName, SpanEfficiencyOrNaN(solution));
  text += ", ";
  AppendJsonMember(text, "iterations", solution.iterations);
  text += ", ";
  AppendJsonMember(text, "residual", solution.residual);
  text += ", ";
  AppendForcesJson(text, loads);
  text += ", ";
  AppendJsonStations(text, solution.stations, [](std::string& into, const PolarStation& station) {
    AppendJsonMembers(into, kPolarStationQuantities, station);
    into += ", ";
    AppendJsonBool(into, kStalledName, station.stalled);
  });
  text += ", ";
  AppendLoadsJson(text, loads);
  if (clmax) {
    text += ", ";
    AppendJsonKey(text, "CLmax");
    text += '{';
    AppendJsonMember(text, "AlfaK", clmax->AlfaK);
    text += ", ";
    AppendJsonMember(text, "CL", clmax->CL);
    text += '}';
  }
  return text + "}\n";
}

std::string PolarSweepHeader() { return CsvNames(kPolarQuantities) + ',' + kSpanEfficiencyName + '\n'; }

std::string PolarSweepRow(const PolarSolution& solution) {
  std::string text;
  AppendCsvCells(text, kPolarQuantities, solution);
  text += ',';
  AppendCsvNumber(text, SpanEfficiencyOrNaN(solution));
  return text.substr(1) + '\n';
}

std::string UnsolvedSweepRow(double value, bool givenCL) {
  std::string text;
  for (const auto& quantity : kPolarQuantities) {
    text += ',';
    const bool swept = quantity.member == (givenCL ? &PolarSolution::CL : &PolarSolution::AlfaK);
    if (swept) AppendCsvNumber(text, value);
  }
  return text.substr(1) + ",\n";
}

std::string PolarSpanwiseCsv(const PolarSolution& solution) {
  std::string text = "i," + CsvNames(kPolarStationQuantities) + ',' + kStalledName + '\n';
  for (std::size_t k = 0; k < solution.stations.size(); ++k) {
    const PolarStation& station = solution.stations[k];
    text += std::to_string(k + 1);
    AppendCsvCells(text, kPolarStationQuantities, station);
    text += station.stalled ? ",1\n" : ",0\n";
  }
  return text;
}

}  // namespace kelvane::cli
