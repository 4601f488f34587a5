// The one table of result quantities: each value a solution reports, by the name that CSV headers, JSON
// keys and the Python module use, with its symbol, its Turkish title and its unit. The result boxes, the
// results table's columns, the tool's help and the Python docstrings are all made from these rows, so a new
// quantity is one row here.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "results/OperatingPoint.h"
#include "results/SpanwiseResults.h"

namespace kelvane {

template <typename Of>
struct Quantity {
  const char* name;    // also its result box's name without "Text_"
  const char* symbol;  // how the window's tables head its column
  const char* title;   // what it is, in Turkish
  const char* unit;    // empty for a ratio
  double Of::*member;
  int boxDecimals = 0;  // the decimals its result box shows (wing quantities only)
};

// The wing, then its equivalent elliptic wing, in the order of the result boxes.
inline constexpr std::array<Quantity<OperatingPoint>, 7> kPointQuantities{{
    {"AlfaK", "αkök", "kök hücum açısı", "°", &OperatingPoint::AlfaK, 3},
    {"CL", "CL", "kanat kaldırma katsayısı", "", &OperatingPoint::CL, 5},
    {"CDi", "CDi", "indüklenmiş sürükleme katsayısı", "", &OperatingPoint::CDi, 6},
    {"E", "E", "CL/CDi", "", &OperatingPoint::E, 3},
    {"AlfE", "αkök,e", "eşdeğer eliptik kanadın kök hücum açısı", "°", &OperatingPoint::AlfE, 3},
    {"CDiE", "CDi,e", "eşdeğer eliptik kanadın indüklenmiş sürükleme katsayısı", "", &OperatingPoint::CDiE, 5},
    {"EE", "Ee", "eşdeğer eliptik kanadın CL/CDi oranı", "", &OperatingPoint::EE, 3},
}};
// Where the elliptic wing's quantities start.
inline constexpr std::size_t kFirstEllipticQuantity = 4;

// A station's values, in the order tables give them after the station's index; clmax, when there, last.
inline constexpr std::array<Quantity<StationValues>, 7> kStationQuantities{{
    {"y", "y", "açıklık boyunca konum", "m", &StationValues::y},
    {"c", "c", "veter", "m", &StationValues::c},
    {"Gamma", "Γ/V∞", "dolaşım", "m", &StationValues::Gamma},
    {"cl", "cl", "yerel kaldırma katsayısı", "", &StationValues::cl},
    {"AlfaE", "αe", "etkin hücum açısı", "°", &StationValues::AlfaE},
    {"AlfaI", "αi", "indüklenmiş hücum açısı", "°", &StationValues::AlfaI},
    {"w", "w/V∞", "indüklenmiş hız", "", &StationValues::w},
}};
inline constexpr const char* kMaxLiftName = "clmax";

// The decimals the named wing quantity's result box shows.
constexpr int BoxDecimals(std::string_view name) {
  for (const auto& quantity : kPointQuantities)
    if (name == quantity.name) return quantity.boxDecimals;
  return 0;
}

// A column's heading: the symbol, with the unit in parentheses when there is one.
template <typename Of>
std::string ColumnTitle(const Quantity<Of>& quantity) {
  const std::string unit = quantity.unit;
  return std::string(quantity.symbol) + (unit.empty() ? "" : " (" + unit + ")");
}

}  // namespace kelvane
