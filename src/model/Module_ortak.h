// The common model record: every number and table the commands share, from start-up to exit.
#pragma once

#include <array>

namespace kelvane {

inline constexpr int kStationEntries = 102;   // indices 0..101; at most 99 stations are used
inline constexpr int kTrapezoidEntries = 6;   // indices 0..5; at most 4 panels are used

using StationTable = std::array<double, kStationEntries>;
using TrapezoidTable = std::array<double, kTrapezoidEntries>;
using Matrix = std::array<StationTable, kStationEntries>;  // [row][column]

// Fields in their canonical order. Counts are held as doubles because they are read from text.
struct Module_ortak {
  double Pi = 0;
  double PiHalf = 0;
  double DegToRad = 0;
  bool InputError = false;
  bool PlanformDone = false;
  double Voo = 0;
  double S = 0;
  double AR = 0;
  double b = 0;
  double SemiSpan = 0;
  double cOrt = 0;
  double N = 0;
  double N1 = 0;
  double nTrap = 0;
  TrapezoidTable ks{};
  TrapezoidTable kc{};
  TrapezoidTable yTrap{};
  TrapezoidTable cTrap{};
  StationTable y{};
  StationTable theta{};
  StationTable c{};
  double AlfaK = 0;
  double AlfaKR = 0;
  double AszK = 0;
  double Alfa0K = 0;
  double AszU = 0;
  double Alfa0U = 0;
  StationTable AlfaR{};
  StationTable Asz{};
  StationTable Alfa0R{};
  double dAlfa = 0;
  StationTable BetaR{};
  Matrix CoefMatrix{};
  StationTable X{};
  StationTable An{};
  double CL = 0;
  double CDi = 0;
  double E = 0;
  StationTable mu{};
  Matrix SinTab{};
  StationTable Gamma{};
  StationTable w{};
  StationTable Eps{};
  StationTable AlfaE{};
  double nE = 0;
  StationTable yE{};
  StationTable GammaE{};
  StationTable cE{};
  double AlfE = 0;
  double AlfaEE = 0;
};

// The one program-wide instance, reached directly by every command.
extern Module_ortak ortak;

// Back to the all-zero state the program starts in (each test starts from here).
void ResetModuleOrtak();

}  // namespace kelvane
