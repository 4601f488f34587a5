// The one table of result quantities: each value a solution reports, by the name that CSV headers, JSON
// keys and the Python module use, with its symbol, its Turkish title and its unit. The result boxes, the
// results table's columns, the tool's help and the Python docstrings are all made from these rows, so a new
// quantity is one row here.
#pragma once

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

#include "results/LiftSlope.h"
#include "results/OperatingPoint.h"
#include "results/SpanLoads.h"
#include "results/SpanwiseResults.h"
#include "solver/PolarLiftingLine.h"

namespace kelvane {

template <typename Of>
struct Quantity {
  const char* name;    // also its result box's name without "Text_"
  const char* symbol;  // how the window's tables head its column
  const char* title;   // what it is, in Turkish
  const char* unit;    // empty for a ratio
  double Of::*member;
  int boxDecimals = 0;  // the decimals its result box, or its printed line, shows (wing quantities only)
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

// Two more of the wing's values, which the results window's summary shows beside CL and CDi.
inline constexpr Quantity<SpanEfficiency> kSpanEfficiencyQuantity{"e", "e", "açıklık verimi", "", &SpanEfficiency::e,
                                                                  4};
inline constexpr Quantity<LiftSlope> kLiftSlopeQuantity{
    "dCLdAlfa", "dCL/dα", "kanadın kaldırma eğrisi eğimi", "1/°", &LiftSlope::dCLdAlfa, 5};

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

// A solution with section polars: the wing's values (e, iterations and residual beside them).
inline constexpr std::array<Quantity<PolarSolution>, 6> kPolarQuantities{{
    {"AlfaK", "αkök", "kök hücum açısı", "°", &PolarSolution::AlfaK, 3},
    {"CL", "CL", "kanat kaldırma katsayısı", "", &PolarSolution::CL, 5},
    {"CDi", "CDi", "indüklenmiş sürükleme katsayısı", "", &PolarSolution::CDi, 6},
    {"CDp", "CDp", "profil sürükleme katsayısı", "", &PolarSolution::CDp, 6},
    {"CD", "CD", "toplam sürükleme katsayısı", "", &PolarSolution::CD, 6},
    {"LD", "L/D", "kaldırma/sürükleme oranı", "", &PolarSolution::LD, 3},
}};

// A station of a solution with section polars (stalled beside them).
inline constexpr std::array<Quantity<PolarStation>, 4> kPolarStationQuantities{{
    {"y", "y", "açıklık boyunca konum", "m", &PolarStation::y},
    {"cl", "cl", "yerel kaldırma katsayısı", "", &PolarStation::cl},
    {"cd", "cd", "yerel profil sürükleme katsayısı", "", &PolarStation::cd},
    {"AlfaE", "αe", "etkin hücum açısı", "°", &PolarStation::AlfaE},
}};

// The wing's forces and root loads at the air density given (Dp and D beside them, with polars).
inline constexpr std::array<Quantity<SpanLoads>, 4> kLoadQuantities{{
    {"L", "L", "kaldırma kuvveti", "N", &SpanLoads::L},
    {"Di", "Di", "indüklenmiş sürükleme kuvveti", "N", &SpanLoads::Di},
    {"Q0", "Q0", "kökteki kesme kuvveti", "N", &SpanLoads::Q0},
    {"M0", "M0", "kökteki eğilme momenti", "N·m", &SpanLoads::M0},
}};
// Where the root's loads start, after the wing's forces.
inline constexpr std::size_t kFirstRootLoadQuantity = 2;

// A station's loads.
inline constexpr std::array<Quantity<StationLoad>, 4> kStationLoadQuantities{{
    {"y", "y", "açıklık boyunca konum", "m", &StationLoad::y},
    {"l", "l", "birim açıklıktaki kaldırma", "N/m", &StationLoad::l},
    {"Q", "Q", "kesme kuvveti", "N", &StationLoad::Q},
    {"M", "M", "eğilme momenti", "N·m", &StationLoad::M},
}};

// The decimals the named wing quantity's result box shows.
constexpr int BoxDecimals(std::string_view name) {
  for (const auto& quantity : kPointQuantities)
    if (name == quantity.name) return quantity.boxDecimals;
  return 0;
}

// The named quantity's row of the table. The names are the program's own constants: one that is not in the
// table is a mistake in the program, which a constant evaluation refuses to compile.
template <typename Of, std::size_t size>
constexpr const Quantity<Of>& QuantityNamed(const std::array<Quantity<Of>, size>& table, std::string_view name) {
  for (const auto& quantity : table)
    if (name == quantity.name) return quantity;
  std::abort();
}

// A column's heading: the symbol, with the unit in parentheses when there is one.
template <typename Of>
std::string ColumnTitle(const Quantity<Of>& quantity) {
  const std::string unit = quantity.unit;
  return std::string(quantity.symbol) + (unit.empty() ? "" : " (" + unit + ")");
}

}  // namespace kelvane
