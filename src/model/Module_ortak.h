// The common model record: every number and table the commands share, from start-up to exit.
//
// The fields are grouped by the step that writes them, one heading a group; a field that other steps
// write as well names them. Each field says which steps read it. The steps' headers (planform/*.h,
// solver/LiftingLine.h, solver/Gauss.h, solver/Report.h, graphics/Plots.h) tell the same flow step by step.
// "The .cfg files" are the form's configuration writer and reader; "the report" is solver/Report.h.
#pragma once

#include <array>

namespace kelvane {

inline constexpr int kStationEntries = 102;  // indices 0..101; at most 99 stations are used
inline constexpr int kTrapezoidEntries = 6;  // indices 0..5; at most 4 panels are used

using StationTable = std::array<double, kStationEntries>;
using TrapezoidTable = std::array<double, kTrapezoidEntries>;
using Matrix = std::array<StationTable, kStationEntries>;  // [row][column]

// Counts are held as doubles because they are read from text; loops take them through model/Counts.h.
struct Module_ortak {
  // --- Start-up (Form_Load): the constants, set once.
  double Pi = 0;        // read by the chords, the stages, the report, PlanCiz and the spanwise results
  double PiHalf = 0;    // read by yDist, ComparisonCurves and PlanCiz
  double DegToRad = 0;  // read by nothing: conversions compute π/180 in place, with the same value
  double Voo = 0;       // free-stream speed, 1; read by Distributions, ComparisonCurves, the spanwise results

  // --- The planform command and its checks.
  bool InputError = false;    // PlanPar, yDist, Planform_Trapez: the last check refused (the command itself
                              // acts on the steps' Outcome)
  bool PlanformDone = false;  // a planform command ran to its end (any planform input change clears it);
                              // read by the solve command

  // --- PlanPar (also Form_Load and the .cfg reader): the planform parameters.
  double S = 0;     // area, m²; read by Planform_Trapez, the report's summary and the .cfg writer
  double AR = 0;    // aspect ratio; read by Planform_Eliptik, PrepareMode, UnpackSolution, WingCoefficients,
                    // EllipticWing, PlanCiz, the report's summary and the .cfg writer
  double b = 0;     // span, m; read by yDist, Planform_Trapez, ComparisonCurves, PlanCiz, the report's
                    // summary and the .cfg writer
  double cOrt = 0;  // mean chord, m; read by the report's summary and the .cfg writer

  // --- yDist: the stations, tip (0) to root (N).
  double N = 0;          // station count, odd, 3..99; read by every step that walks the stations
  double N1 = 0;         // N + 1, the right-hand-side column; Gauss writes it too
  double SemiSpan = 0;   // b/2, m; ComparisonCurves and PlanCiz write it too; read by the chords, SectionTables,
                         // TwistTable, MuTable, Distributions, the three plots and the results
  StationTable theta{};  // station angle, rad; read by BuildSystem and Distributions
  StationTable y{};      // spanwise coordinate, m; read by the chords, SectionTables, TwistTable, the report's
                         // tables, the three plots and the results (spanwise results, stall onset)

  // --- Planform_Eliptik or Planform_Trapez: the chords, and for panels their corners.
  StationTable c{};        // chord, m (0..N); read by MuTable, the report's station table, PlanCiz and the
                           // spanwise results
  double nTrap = 0;        // panel count; Form_Load, Text_nTrap_Change and the .cfg reader write it too; read
                           // by PlanCiz and the .cfg writer
  TrapezoidTable ks{};     // panel end / semi-span; Form_Load and the .cfg reader write it too; read by the
                           // .cfg writer
  TrapezoidTable kc{};     // panel end chord / root chord; written and read as ks
  TrapezoidTable yTrap{};  // panel end, m; read by PlanCiz
  TrapezoidTable cTrap{};  // chord at a panel end, m; read by PlanCiz

  // --- The solve command from its boxes (also Form_Load and the .cfg reader): sections, twist, operating point.
  double AszK = 0;    // root section lift slope, per rad; read by SectionTables, EllipticWing, the .cfg writer
  double Alfa0K = 0;  // root section zero-lift angle, deg; read by SectionTables, EllipticWing, the .cfg writer
  double AszU = 0;    // tip section lift slope, per rad; read by SectionTables and the .cfg writer
  double Alfa0U = 0;  // tip section zero-lift angle, deg; read by SectionTables and the .cfg writer
  double dAlfa = 0;   // twist of the tip, deg; read by TwistTable and the .cfg writer
  double AlfaK = 0;   // root angle, deg; UnpackSolution writes it in the given-CL mode; read by PrepareMode,
                      // the solve command's result box and the .cfg writer
  double CL = 0;      // lift coefficient; WingCoefficients writes it in the given-angle mode; read by
                      // PrepareMode, UnpackSolution, WingCoefficients, EllipticWing, the report's performance
                      // block, the solve command's result box and the .cfg writer

  // --- SectionTables, TwistTable, MuTable: the section properties (1..N).
  StationTable Alfa0R{};  // zero-lift angle, rad; read by BuildSystem and the report's station table
  StationTable Asz{};     // lift slope, per rad; read by MuTable and the report's station table
  StationTable BetaR{};   // twist, rad; read by BuildSystem, Distributions and the report's station table
  StationTable mu{};      // section parameter; read by BuildSystem and the report's station table

  // --- PrepareMode (given angle) or UnpackSolution (given CL): the root angle in radians.
  double AlfaKR = 0;  // read by BuildSystem and Distributions

  // --- BuildSystem and Gauss: the collocation system.
  Matrix SinTab{};      // sin((2j - 1)·theta(i)), BuildSystem; read by Distributions
  Matrix CoefMatrix{};  // built by BuildSystem, reduced in place by Gauss; read by the report's matrix block
  StationTable X{};     // the solution, Gauss; read by UnpackSolution

  // --- UnpackSolution (PrepareMode sets An(1) in the given-CL mode): the Fourier coefficients.
  StationTable An{};  // read by BuildSystem (An(1)), Distributions, WingCoefficients (through
                      // InducedDragDelta, as the span efficiency), ComparisonCurves and the report's Fourier block

  // --- Distributions: the spanwise results (1..N).
  // The report's distribution table and the spanwise results read all of them but AlfaR.
  StationTable Gamma{};  // circulation; read by Gama_Distr_Ciz and the stall onset too
  StationTable w{};      // downwash
  StationTable Eps{};    // induced angle, rad
  StationTable AlfaR{};  // geometric angle, rad; read by no other step
  StationTable AlfaE{};  // effective angle, deg; read by AlfaE_Distr_Ciz too

  // --- WingCoefficients (CL is with the solve command's inputs above): the drag.
  double CDi = 0;  // induced drag coefficient; read by the report's performance block and the result box
  double E = 0;    // CL/CDi; read as CDi

  // --- EllipticWing, ComparisonCurves, and PlanCiz for panels: the equivalent elliptic wing.
  double AlfE = 0;        // root angle, deg, EllipticWing; read by ComparisonCurves and the result box
  double AlfaEE = 0;      // effective angle, deg, ComparisonCurves; read by AlfaE_Distr_Ciz
  double nE = 0;          // comparison intervals (30), ComparisonCurves and PlanCiz; read by PlanCiz and
                          // Gama_Distr_Ciz
  StationTable yE{};      // comparison points, m (0..nE); written and read as nE
  StationTable GammaE{};  // circulation (0..nE), ComparisonCurves; read by Gama_Distr_Ciz
  StationTable cE{};      // chord, m (0..nE), PlanCiz; read by PlanCiz

  // Field by field, so that a check can tell whether a step left the whole record as it was.
  bool operator==(const Module_ortak&) const = default;
};

}  // namespace kelvane
