// The stages of Prandtl's lifting-line solution on a model record, in the order the solve command runs
// them. Each takes the record it works on. A stage writes only the fields named in its Writes column; one that refuses
// (its results would not be finite) leaves them all unchanged and says why in its Outcome.
//
// Stage             Reads                                                 Writes
// SectionTables     N, y, SemiSpan, Pi, AszK, AszU, Alfa0K, Alfa0U        Alfa0R(1..N), Asz(1..N)
// TwistTable        N, y, SemiSpan, Pi, dAlfa                             BetaR(1..N)
// PrepareMode       Pi; AlfaK (given angle) or CL, AR (given CL)          AlfaKR (given angle) or An(1) (given CL)
// MuTable           N, c, Asz, SemiSpan                                   mu(1..N)
// BuildSystem       N, theta, mu, BetaR, Alfa0R; AlfaKR (given angle)     SinTab, CoefMatrix rows 1..N,
//                   or An(1) (given CL)                                   columns 1..N1
// Gauss             N, CoefMatrix                                         N1, CoefMatrix (reduced), X(1..N)
// UnpackSolution    N, X; CL, AR, Pi (given CL)                           An(1..N); AlfaKR, AlfaK (given CL)
// Distributions     N, theta, SinTab, An, Voo, SemiSpan, BetaR, AlfaKR,   Gamma, w, Eps, AlfaR, AlfaE (1..N)
//                   Pi
// WingCoefficients  N, An, AR, Pi; CL (given CL)                          CL (given angle), CDi, E
// EllipticWing      CL, AR, Pi, AszK, Alfa0K                              AlfE; hands back CDiE and EE
// ComparisonCurves  b, PiHalf, Voo, An(1), AlfE, Pi                       SemiSpan, nE, yE(0..nE), GammaE(0..nE),
//                                                                         AlfaEE
//
// Gauss lives in solver/Gauss.h; SolveLiftingLine (solver/SolveLiftingLine.h) runs them all in this order.
// BuildSystem and Gauss keep what they made in the caller's SystemCache for the next solution of the same
// wing (solver/SystemCache.h); what they write into the record is the same either way.
// Every stage that walks the stations takes N through StationCount() and
// refuses a count it cannot use.
#pragma once

#include <optional>

#include "model/Module_ortak.h"
#include "model/Outcome.h"

namespace kelvane {

enum class SolutionMode { GivenAngle, GivenCL };

// The odd harmonic 2j - 1 that series index j stands for.
inline double Harmonic(int j) { return 2 * j - 1; }

inline constexpr const char* kNotFiniteMessage = "Girilen değerler sonlu bir sonuç vermiyor";

inline constexpr const char* kNoEllipticWingMessage =
    "Eşdeğer eliptik kanat hesaplanamadı: kök kesitin taşıma eğimi 0 ya da -π·AR olamaz";

class SystemCache;

Outcome SectionTables(Module_ortak& record);
Outcome TwistTable(Module_ortak& record);
Outcome PrepareMode(Module_ortak& m, SolutionMode mode);
Outcome MuTable(Module_ortak& record);
Outcome BuildSystem(Module_ortak& m, SolutionMode mode, SystemCache& cache);
Outcome UnpackSolution(Module_ortak& record, SolutionMode mode);
Outcome Distributions(Module_ortak& record);
Outcome WingCoefficients(Module_ortak& record, SolutionMode mode);

// delta, the sum over j = 2..N of (2j - 1)(An(j)/An(1))^2 from the record's coefficients: the induced
// drag's excess over the elliptic wing's. Reads N and An; nothing at zero lift (An(1) = 0).
std::optional<double> InducedDragDelta(const Module_ortak& m);
// The same for coefficients an(1..n).
std::optional<double> InducedDragDelta(const StationTable& an, int n);

struct InducedDrag {
  double CDi = 0;
  double E = 0;  // CL/CDi; 0 at zero lift
};
// CDi and E of coefficients an(1..n) at lift coefficient CL, for aspect ratio AR: (1 + delta)·CL²/(Pi·AR),
// or at zero lift (An(1) = 0) straight from the higher harmonics. WingCoefficients and the section-polar
// solution both take their induced drag from here.
InducedDrag InducedDragOf(const StationTable& an, int n, double CL, double AR, double Pi);

// The elliptic wing's drag figures: the record has no fields for them.
struct EllipticWingResult {
  double CDiE = 0;
  double EE = 0;
};
// Fills result only when it does not refuse; refuses when the elliptic wing's lift slope is zero or
// infinite.
Outcome EllipticWing(Module_ortak& m, EllipticWingResult& result);
Outcome ComparisonCurves(Module_ortak& m);

}  // namespace kelvane
