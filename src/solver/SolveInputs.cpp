// Reading the solve command's inputs into the record, solving, and collecting the report blocks.
#include "solver/SolveInputs.h"

#include <cmath>

#include "model/Numbers.h"
#include "model/UnreadableNumber.h"
#include "solver/Flaps.h"
#include "solver/Report.h"
#include "solver/SolveLiftingLine.h"

namespace kelvane {
namespace {

constexpr double kFewStations = 10;  // below this the station tables are always reported

// A value that is not finite would only spread through every stage, so it is refused as it is read.
bool ReadFinite(const std::string& text, double& variable) {
  const double value = ReadNumber(text);
  if (!std::isfinite(value)) return false;
  variable = value;
  return true;
}

}  // namespace

Expected<SolvedInputs> SolveFromInputs(Module_ortak& m, SystemCache& cache, const SolveInputs& inputs,
                                       std::span<const Flap> flaps) {
  for (const std::string* text :
       {&inputs.AszK, &inputs.AszU, &inputs.Alfa0K, &inputs.Alfa0U, &inputs.dAlfa, &inputs.operatingPoint})
    if (const auto message = UnreadableNumberMessage(*text)) return Outcome::Refused(*message);

  double& operatingPoint = inputs.mode == SolutionMode::GivenAngle ? m.AlfaK : m.CL;
  if (!ReadFinite(inputs.AszK, m.AszK) || !ReadFinite(inputs.AszU, m.AszU) || !ReadFinite(inputs.Alfa0K, m.Alfa0K) ||
      !ReadFinite(inputs.Alfa0U, m.Alfa0U) || !ReadFinite(inputs.dAlfa, m.dAlfa) ||
      !ReadFinite(inputs.operatingPoint, operatingPoint))
    return Outcome::Refused(kNotFiniteMessage);

  SolvedInputs solved;
  Outcome flapped;
  const bool stationTables = inputs.detail || m.N < kFewStations;
  const auto elliptic = SolveLiftingLine(m, cache, inputs.mode, [&](SolveStage stage) {
    switch (stage) {
      case SolveStage::SectionTables:
        if (!flaps.empty()) flapped = ApplyFlaps(m, flaps);
        break;
      case SolveStage::MuTable:
        if (stationTables) solved.report += StationBlock(m);
        break;
      case SolveStage::BuildSystem:
        if (inputs.detail) solved.report += MatrixBlock(m);  // the system as built: Gauss reduces it in place
        break;
      case SolveStage::UnpackSolution:
        if (inputs.detail) solved.report += FourierBlock(m);
        break;
      case SolveStage::Distributions:
        if (stationTables) solved.report += DistributionBlock(m);
        break;
      default: break;
    }
  });
  if (flapped.IsRefused()) return flapped;
  if (!elliptic) return elliptic.Refusal();
  solved.elliptic = *elliptic;
  solved.report += PerformanceBlock(m);
  return solved;
}

SolveInputs InputsAsShown(double AszK, double AszU, double Alfa0K, double Alfa0U, double dAlfa, SolutionMode mode,
                          double operatingPoint, bool detail) {
  return {.AszK = PlainNumberText(AszK),
          .AszU = PlainNumberText(AszU),
          .Alfa0K = PlainNumberText(Alfa0K),
          .Alfa0U = PlainNumberText(Alfa0U),
          .dAlfa = PlainNumberText(dAlfa),
          .mode = mode,
          .operatingPoint = PlainNumberText(operatingPoint),
          .detail = detail};
}

}  // namespace kelvane
