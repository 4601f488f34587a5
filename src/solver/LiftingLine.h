// The stages of Prandtl's lifting-line solution on the common model record, in the order the solve
// command runs them. Each stage writes only the fields it names; a stage that returns false has found
// that its results would not be finite and has left its fields unchanged.
#pragma once

#include <optional>

namespace kelvane {

enum class SolutionMode { GivenAngle, GivenCL };

bool SectionTables();                  // Alfa0R(1..N), Asz(1..N)
bool TwistTable();                     // BetaR(1..N)
bool PrepareMode(SolutionMode mode);   // AlfaKR (given angle) or An(1) (given CL)
bool MuTable();                        // mu(1..N)
bool BuildSystem(SolutionMode mode);   // SinTab, CoefMatrix rows 1..N, columns 1..N1
// Gauss() comes between these two (solver/Gauss.h).
bool UnpackSolution(SolutionMode mode);    // An(1..N); AlfaKR and AlfaK in the given-CL mode
bool Distributions();                      // Gamma, w, Eps, AlfaR, AlfaE (1..N)
bool WingCoefficients(SolutionMode mode);  // CL (given angle), CDi, E

// delta, the sum over j = 2..N of (2j - 1)(An(j)/An(1))^2 from the record's coefficients: the induced
// drag's excess over the elliptic wing's. Nothing at zero lift (An(1) = 0).
std::optional<double> InducedDragDelta();

struct EllipticWingResult {
  double CDiE = 0;
  double EE = 0;
};
// AlfE; nothing when the elliptic wing's lift slope is zero or infinite.
std::optional<EllipticWingResult> EllipticWing();
bool ComparisonCurves();  // SemiSpan, nE, yE(0..nE), GammaE(0..nE), AlfaEE

}  // namespace kelvane
