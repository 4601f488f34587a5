// The flaps' checks, their effectiveness and the stage that lowers the flapped sections' zero-lift angles.
#include "solver/Flaps.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "model/Counts.h"
#include "model/Numbers.h"
#include "solver/LiftingLine.h"
#include "solver/Stage.h"

namespace kelvane {
namespace {

std::string FlapName(std::size_t index) { return "Flap " + std::to_string(index + 1); }

std::string Shown(const char* name, double value) { return std::string(name) + " = " + PlainNumberText(value); }

// The first fault of one flap's values, or nothing.
std::optional<std::string> ValueFault(const Flap& f) {
  if (!std::isfinite(f.y1) || !std::isfinite(f.y2) || !std::isfinite(f.E) || !std::isfinite(f.delta))
    return "değerler sonlu sayılar olmalıdır";
  if (f.y1 < 0) return "y1 0 dan küçük olamaz (" + Shown("y1", f.y1) + ")";
  if (f.y1 >= f.y2) return "y1 değeri y2 den küçük olmalıdır (" + Shown("y1", f.y1) + ", " + Shown("y2", f.y2) + ")";
  if (!(f.E > 0 && f.E < 1)) return "veter oranı E 0 ile 1 arasında olmalıdır (" + Shown("E", f.E) + ")";
  if (std::abs(f.delta) > kMaxFlapDeflection)
    return "flap açısı δ -" + PlainNumberText(kMaxFlapDeflection) + "° ile " + PlainNumberText(kMaxFlapDeflection) +
           "° arasında olmalıdır (" + Shown("δ", f.delta) + ")";
  return std::nullopt;
}

// The span a flap takes stations from, its ends widened by the tolerance.
struct Reach {
  double from = 0;
  double to = 0;
};
Reach FlapReach(const Flap& flap, double semiSpan) {
  const double tolerance = kFlapEndTolerance * semiSpan;
  return {flap.y1 - tolerance, flap.y2 + tolerance};
}

// Both checks for the record's semi-span, then its station count into n.
Outcome CheckFlapsFor(const Module_ortak& m, std::span<const Flap> flaps, int& n) {
  if (Outcome values = CheckFlapValues(flaps); values.IsRefused()) return values;
  if (Outcome onWing = CheckFlapsOnWing(flaps, m.SemiSpan); onWing.IsRefused()) return onWing;
  const std::optional<int> count = WholeCount(m.N, kMaxStationCount);
  if (!count) return Outcome::Refused(kNotFiniteMessage);
  n = *count;
  return Outcome::Done();
}

// Calls visit(i, tau, delta) for every station 1..n under a flap; checked flaps hold each station once.
template <typename Visit>
void ForEachFlappedStation(const Module_ortak& m, int n, std::span<const Flap> flaps, Visit visit) {
  for (const Flap& flap : flaps) {
    const double tau = FlapEffectiveness(flap.E);
    for (int i = 1; i <= n; ++i)
      if (StationUnderFlap(flap, m.y[i], m.SemiSpan)) visit(i, tau, flap.delta);
  }
}

}  // namespace

Outcome CheckFlapValues(std::span<const Flap> flaps) {
  if (flaps.size() > kMaxFlaps)
    return Outcome::Refused("En çok " + std::to_string(kMaxFlaps) + " flap tanımlanabilir (" +
                            std::to_string(flaps.size()) + " flap verildi)");
  for (std::size_t k = 0; k < flaps.size(); ++k)
    if (const std::optional<std::string> fault = ValueFault(flaps[k]))
      return Outcome::Refused(FlapName(k) + ": " + *fault);
  return Outcome::Done();
}

Outcome CheckFlapsOnWing(std::span<const Flap> flaps, double semiSpan) {
  for (std::size_t k = 0; k < flaps.size(); ++k)
    if (flaps[k].y2 > semiSpan)
      return Outcome::Refused(FlapName(k) + ": y2 yarı-açıklıktan büyük olamaz (" + Shown("y2", flaps[k].y2) + ", " +
                              Shown("yarı-açıklık", semiSpan) + ")");
  for (std::size_t k = 0; k < flaps.size(); ++k) {
    for (std::size_t other = k + 1; other < flaps.size(); ++other) {
      const Reach a = FlapReach(flaps[k], semiSpan);
      const Reach b = FlapReach(flaps[other], semiSpan);
      if (a.from <= b.to && b.from <= a.to)
        return Outcome::Refused(FlapName(k) + " ile " + FlapName(other) +
                                " örtüşüyor: açıklık aralıkları ayrık olmalıdır");
    }
  }
  return Outcome::Done();
}

double FlapEffectiveness(double E) {
  const double thetaF = std::acos(2 * E - 1);
  return 1 - (thetaF - std::sin(thetaF)) / std::numbers::pi;
}

bool StationUnderFlap(const Flap& flap, double y, double semiSpan) {
  const Reach reach = FlapReach(flap, semiSpan);
  return reach.from <= y && y <= reach.to;
}

Outcome ApplyFlaps(Module_ortak& m, std::span<const Flap> flaps) {
  int n = 0;
  if (Outcome checked = CheckFlapsFor(m, flaps, n); checked.IsRefused()) return checked;
  StationTable alfa0R = m.Alfa0R;
  ForEachFlappedStation(m, n, flaps,
                        [&](int i, double tau, double delta) { alfa0R[i] = alfa0R[i] - m.Pi * tau * delta / 180; });
  if (!AllFinite(alfa0R, 1, n)) return Outcome::Refused(kNotFiniteMessage);
  m.Alfa0R = alfa0R;
  return Outcome::Done();
}

Outcome FlapAngleOffsets(const Module_ortak& m, std::span<const Flap> flaps, StationTable& offsets) {
  int n = 0;
  if (Outcome checked = CheckFlapsFor(m, flaps, n); checked.IsRefused()) return checked;
  offsets = {};
  ForEachFlappedStation(m, n, flaps, [&](int i, double tau, double delta) { offsets[i] = tau * delta; });
  return Outcome::Done();
}

}  // namespace kelvane
