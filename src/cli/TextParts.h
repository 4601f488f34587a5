// The pieces every printed form of kelvane-solve is made of: JSON members, CSV cells and labelled lines,
// the lists among them taken from the table of result quantities.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "results/Quantities.h"

namespace kelvane::cli {

inline constexpr const char* kJsonNull = "null";

// JSON has no infinity or NaN: null stands for them.
void AppendJsonNumber(std::string& text, double value);
void AppendJsonKey(std::string& text, std::string_view key);
void AppendJsonMember(std::string& text, std::string_view key, double value);
void AppendJsonBool(std::string& text, std::string_view key, bool value);

// An empty CSV cell stands for a value that is undefined.
void AppendCsvNumber(std::string& text, double value);

// The value rounded to the decimals given, in plain notation.
std::string Rounded(double value, int decimals);

// "name  value unit": the name padded to the width of the result boxes' labels.
std::string LabelledLine(std::string_view name, const std::string& value, std::string_view unit = {});

// The table's quantities as "name": value members, separated by commas.
template <typename Of, std::size_t N>
void AppendJsonMembers(std::string& text, const std::array<Quantity<Of>, N>& table, const Of& values) {
  for (const auto& quantity : table) {
    if (&quantity != &table.front()) text += ", ";
    AppendJsonMember(text, quantity.name, values.*quantity.member);
  }
}

// "stations": [ ... ], each station's members written by appendMembers inside its own braces.
template <typename Station, typename AppendMembers>
void AppendJsonStations(std::string& text, const std::vector<Station>& stations, AppendMembers appendMembers) {
  AppendJsonKey(text, "stations");
  text += '[';
  for (const Station& station : stations) {
    if (&station != &stations.front()) text += ", ";
    text += '{';
    appendMembers(text, station);
    text += '}';
  }
  text += ']';
}

// The table's names separated by commas, for a CSV header.
template <typename Of, std::size_t N>
std::string CsvNames(const std::array<Quantity<Of>, N>& table) {
  std::string text;
  for (const auto& quantity : table) text += (text.empty() ? "" : ",") + std::string(quantity.name);
  return text;
}

// The table's values, each after a comma.
template <typename Of, std::size_t N>
void AppendCsvCells(std::string& text, const std::array<Quantity<Of>, N>& table, const Of& values) {
  for (const auto& quantity : table) {
    text += ',';
    AppendCsvNumber(text, values.*quantity.member);
  }
}

}  // namespace kelvane::cli
