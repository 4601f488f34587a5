// The chords of a planform built of one to four trapezoidal panels.
#include <cmath>

#include "model/Numbers.h"
#include "planform/Chords.h"
#include "planform/InputCheck.h"

namespace kelvane {
namespace {

constexpr double kTipEnd = 1;     // ks(1): the outermost panel starts at the tip
constexpr double kRootEnd = 0;    // ks(nTrap + 1)
constexpr double kRootRatio = 1;  // kc(nTrap + 1)
constexpr char kBadEnds[] = "Trapez kenarları ky1 = 1 den başlayıp köke doğru küçülmelidir";
constexpr char kBadRatios[] = "Trapez veter oranları sıfırdan büyük olmalıdır";
constexpr char kBadSize[] = "Trapez kanat bu açıklık ve alan değerleriyle hesaplanamaz";

bool IsUsable(double value) { return std::isfinite(value) && value > 0; }

// Every station must lie in some panel, and no panel may have zero width (a zero divisor in its gradient).
bool EndsFallFromTip(const TrapezoidTable& ks, int panels) {
  if (ks[1] != kTipEnd) return false;
  for (int k = 1; k <= panels; ++k) {
    if (!(ks[k] > ks[k + 1])) return false;
  }
  return true;
}

bool RatiosPositive(const TrapezoidTable& kc, int panels) {
  for (int k = 1; k <= panels; ++k) {
    if (!IsUsable(kc[k])) return false;
  }
  return true;
}

}  // namespace

Outcome Planform_Trapez(Module_ortak& m, const TrapezInput& input) {
  const std::optional<int> panels = WholePanelCount(ReadNumber(input.nTrap));
  if (!panels) return RefuseInput(m, kPanelCountMessage);
  const int n = *panels;

  // Read into copies so that a rejection leaves the model as it was.
  TrapezoidTable ks = m.ks;
  TrapezoidTable kc = m.kc;
  for (int k = 1; k <= n; ++k) {
    ks[k] = ReadNumber(input.ks[k]);
    kc[k] = ReadNumber(input.kc[k]);
  }
  ks[n + 1] = kRootEnd;
  kc[n + 1] = kRootRatio;
  if (!EndsFallFromTip(ks, n)) return RefuseInput(m, kBadEnds);
  if (!RatiosPositive(kc, n)) return RefuseInput(m, kBadRatios);
  const std::optional<int> stations = StationCount(m);
  if (!stations || !IsUsable(m.SemiSpan) || !IsUsable(m.b)) return RefuseInput(m, kBadSize);

  // Twice the half wing's area over SemiSpan * root chord.
  double sum = 0;
  for (int k = 1; k <= n; ++k) sum += (ks[k] - ks[k + 1]) * (kc[k] + kc[k + 1]);
  const double rootChord = (2 * m.S / m.b) / sum;
  if (!IsUsable(rootChord)) return RefuseInput(m, kBadSize);

  m.nTrap = n;
  for (int k = 1; k <= n + 1; ++k) {
    m.ks[k] = ks[k];
    m.kc[k] = kc[k];
  }
  for (int k = 1; k <= n; ++k) {
    m.yTrap[k] = m.SemiSpan * ks[k];
    m.cTrap[k] = rootChord * kc[k];
  }
  m.yTrap[n + 1] = 0;
  m.cTrap[n + 1] = rootChord;

  TrapezoidTable gradient{};  // chord growth per metre going inboard
  for (int k = 1; k <= n; ++k) {
    gradient[k] = (m.cTrap[k + 1] - m.cTrap[k]) / (m.yTrap[k] - m.yTrap[k + 1]);
  }
  // No early exit: a station on a shared panel end takes the inner panel's chord.
  for (int i = 0; i <= *stations; ++i) {
    for (int k = 1; k <= n; ++k) {
      if (m.yTrap[k + 1] <= m.y[i] && m.y[i] <= m.yTrap[k]) {
        m.c[i] = m.cTrap[k] + (m.yTrap[k] - m.y[i]) * gradient[k];
      }
    }
  }
  return Outcome::Done();
}

}  // namespace kelvane
